// The display font sizes the main program is built in: which ones there are,
// the size that suits a screen, and the build that belongs to a size.
#pragma once

#include "../framework/cstring.h"

// The sizes in the order the launcher offers them.
inline constexpr const char* kFontSizes[] = {"9", "10", "11", "12", "14"};
// The size taken when a text names none of them.
inline constexpr const char* kFallbackFontSize = "9";

// TRUE when text is exactly one of the sizes.
BOOL IsFontSize(const CString& text);

// The size proposed for a screen of pixelsPerInch logical pixels per inch
// across and screenHeight pixels high: the larger the screen and the smaller
// its scaling, the larger the text.
CString ProposedFontSize(int pixelsPerInch, int screenHeight);

// The size a stored setting stands for: an empty one takes proposed, and
// anything that is not a size becomes the fallback.
CString StoredFontSize(const CString& stored, const CString& proposed);

// The size itself, or the fallback when it is not one.
CString FontSizeOrFallback(const CString& size);

// The file name of the main program's build for size: "tavrelbook_" + size + ".exe".
CString BuildFileName(const CString& size);
