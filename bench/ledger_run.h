// Runs the command-line accounting tool `ledger` (the Debian package) on a
// plain-text journal as a process of its own. Host only: under Wine the
// benchmark's script runs the tool beside the program instead.
#pragma once

#include "framework/cstring.h"

#include <string>

struct LedgerRun {
    bool ran = false;      // the tool ended with status 0
    std::string printed;   // what it wrote (into outputPath)
    std::string failure;   // why not, when it did not run
};

// `ledger -f journalPath arguments --output outputPath`.
LedgerRun RunLedger(const CString& journalPath, const std::string& arguments, const CString& outputPath);
