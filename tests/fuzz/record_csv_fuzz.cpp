// The record CSV reader of the journal import: any file is read or refused with
// the line and field named, and what it reads holds only entries of the form.
#include "fuzz_input.h"

#include "core/csv_cells.h"
#include "core/journal_csv.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes = ReadCsvFile(WriteInput("journal.csv", data, size));
    std::vector<std::unique_ptr<CMyObject2>> entries;
    CsvProblem problem;
    if (!ReadRecordCsv(bytes, entries, problem)) {
        if (!entries.empty() || problem.what.IsEmpty() || problem.line < 0 || problem.field < 0)
            std::abort();
        (void)problem.Text();
        return 0;
    }
    if (entries.empty())
        std::abort();
    for (const auto& entry : entries)
        if (entry->m_strDate.GetLength() != 10 || entry->m_nDirection < -1 || entry->m_nDirection > 1 ||
            entry->m_nClassCode < 0)
            std::abort();
    return 0;
}
