#include "ledger_run.h"

#include "framework/file.h"

#include <cstdlib>

LedgerRun RunLedger(const CString& journalPath, const std::string& arguments, const CString& outputPath)
{
    LedgerRun run;
    const std::string command =
        "ledger -f '" + journalPath.str() + "' " + arguments + " --output '" + outputPath.str() + "'";
    const int status = std::system(command.c_str());
    if (status != 0) {
        run.failure = "\"" + command + "\" ended with status " + std::to_string(status) +
                      "; is the package ledger installed?";
        return run;
    }
    try {
        CFile file(outputPath, CFile::modeRead | CFile::shareDenyWrite);
        run.printed.assign(static_cast<std::size_t>(file.GetLength()), '\0');
        if (!run.printed.empty())
            file.Read(run.printed.data(), static_cast<UINT>(run.printed.size()));
        run.ran = true;
    } catch (CFileException&) {
        run.failure = "ledger wrote no output";
    }
    return run;
}
