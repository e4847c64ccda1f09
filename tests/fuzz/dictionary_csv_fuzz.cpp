// The dictionary CSV reader: any file is read or refused; what it reads is a tree
// that the writer writes and the reader reads back into the same nodes.
#include "fuzz_input.h"
#include "same_nodes.h"

#include "core/csv_cells.h"
#include "core/dictionary_csv.h"
#include "core/record_file.h"

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
