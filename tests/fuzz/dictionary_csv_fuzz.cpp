// The dictionary CSV reader: any file is read or refused; what it reads is a tree
// that the writer writes and the reader reads back into the same nodes.
#include "fuzz_input.h"

#include "core/csv_cells.h"
#include "core/dictionary_csv.h"
#include "core/record_file.h"

namespace {

bool SameNodes(const DictionaryNodes& a, const DictionaryNodes& b)
{
    if (a.GetSize() != b.GetSize())
        return false;
    for (int i = 0; i < a.GetSize(); ++i)
        if (a[i]->m_nFirstChild != b[i]->m_nFirstChild || a[i]->m_nChildCount != b[i]->m_nChildCount ||
            a[i]->m_strName != b[i]->m_strName || a[i]->m_strWord1 != b[i]->m_strWord1 ||
            a[i]->m_strWord2 != b[i]->m_strWord2)
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes = ReadCsvFile(WriteInput("dictionary.sft", data, size));
    DictionaryNodes nodes;
    CsvProblem problem;
    if (!ReadDictionaryCsv(bytes, nodes, problem)) {
        if (nodes.GetSize() != 0 || problem.what.IsEmpty())
            std::abort();
        return 0;
    }
    if (!IsDictionaryTree(nodes))
        std::abort();
    DictionaryNodes again;
    if (!ReadDictionaryCsv(DictionaryCsvText(nodes).str(), again, problem) || !SameNodes(nodes, again))
        std::abort();
    DeleteRecords(nodes);
    DeleteRecords(again);
    return 0;
}
