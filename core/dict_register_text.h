// The question of the dictionary auto-registration dialog and the answer it
// gives its caller, without a window.
#pragma once

#include "../framework/cstring.h"

// What is missing from the dictionary.
enum DictRegisterKind : int {
    kRegisterAccount = 0,        // an account, under its class
    kRegisterResultAccount = 1,  // an account of the result branch
    kRegisterDescription = 2,    // a description, under its account
};

// The answers: register this name; this and all later ones; reset the dictionary,
// then all; skip this name; skip this and all later ones.
enum DictRegisterAnswer : int {
    kRegisterThis = 0,
    kRegisterAll = 1,
    kRegisterResetAll = 2,
    kRegisterSkip = -1,
    kRegisterSkipAll = -2,
};

// The question for name under parent (a class for kinds 0 and 1, an account for
// kind 2); empty for any other kind.
CString DictRegisterQuestion(int kind, const CString& name, const CString& parent);
// The caller's answer: the dialog's choice when it ended with OK, else a skip.
int DictRegisterAnswerOf(bool endedWithOk, int choice);
