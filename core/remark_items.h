// Where the item breakdown of a remark starts. The sales and purchases books keep
// an entry's items in its remark, after the remark text: items of 84 bytes, each
// opened by the marker "[]". The items start at the first "[]" on a character
// boundary from which the rest of the remark is whole items; a "[]" the user typed
// into the remark text, or a stray rest shorter than an item, stays text. The
// journal, every book, the detail panel, the prints and the CSV export all read a
// remark this way.
#pragma once

#include "../framework/cstring.h"

constexpr int kItemLength = 84;

// The byte position where the items begin; -1 when the remark has none.
int FindItemsStart(const CString& remark);
// The remark text: the remark without its items (the whole remark when it has none).
CString RemarkText(const CString& remark);
// The items, from their first marker on; empty when the remark has none.
CString RemarkItems(const CString& remark);
