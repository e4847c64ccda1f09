// The connecting words that can follow a cause account in a transaction sentence.
// Besides the two words the dictionary keeps with the account, four candidate
// phrases depend on the account's name alone and are fixed here.
#pragma once

#include "../framework/cstring.h"

#include <array>

// The four candidate phrases of a cause account, choices 2 to 5 of the connecting
// word: "から" and three empty phrases for a name the table does not know, else the
// phrases of its row (売掛金: "を回収して", "を割引して"; any name containing
// 借入金: "を返済して", "を借入して"; ...). Names are compared whole and exactly,
// except for the 借入金 row. The dictionary is not consulted.
std::array<CString, 4> ConnectWordCandidates(const CString& causeAccount);
