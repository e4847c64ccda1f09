// The pages of the program's help document and the one way to open one. Every
// view and dialog with a help button names its page here.
#pragma once

#include "../../framework/cstring.h"

namespace HelpPages {
constexpr const char* kContents = "0016";
constexpr const char* kHint = "0017";
constexpr const char* kPartners = "0041";
constexpr const char* kOpening = "0040";
constexpr const char* kInventory = "0042";
constexpr const char* kBadDebt = "0043";
constexpr const char* kSearch = "0047";
constexpr const char* kApportion = "0048";
}  // namespace HelpPages

// The address of the page inside the help document.
CString HelpPageAddress(const CString& page);
// Opens the help document at the page; says so when it cannot.
void ShowHelpPage(const CString& page);
