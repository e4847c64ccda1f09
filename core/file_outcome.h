// What one of the document's file routines did: whether its work was done, and
// the messages the command that called it shows for it, in their order. The
// routines never show a message themselves.
#pragma once

#include "../framework/cstring.h"

#include <utility>
#include <vector>

struct FileMessage {
    CString text;
    unsigned int style;  // the message box's buttons and icon
};

struct FileOutcome {
    bool done = false;
    std::vector<FileMessage> messages;

    static FileOutcome Done() { return FileOutcome{true, {}}; }
    static FileOutcome Failed() { return FileOutcome{false, {}}; }

    // Adds a message to show after those already there.
    FileOutcome& Then(CString text, unsigned int style)
    {
        messages.push_back(FileMessage{std::move(text), style});
        return *this;
    }
    // Adds the messages of a later step after these.
    FileOutcome& Then(const FileOutcome& later)
    {
        messages.insert(messages.end(), later.messages.begin(), later.messages.end());
        return *this;
    }
};
