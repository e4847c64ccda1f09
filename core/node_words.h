// The words a new account node of the dictionary is given: a cause account on the
// class side gets its two connecting words, a result account in the result branch
// the two increase/decrease phrases of its class, a description none.
#pragma once

#include "../framework/cstring.h"

enum DictionaryNodeKind { kDescriptionNode = 0, kClassSideNode = 1, kResultBranchNode = 2 };

// classDigit: the class of a result account (1 to 7); a result account of no
// class (0) gets no phrases.
void NewNodeWords(int kind, int classDigit, CString& word1, CString& word2);
