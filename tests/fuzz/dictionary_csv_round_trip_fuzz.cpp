// The dictionary CSV export and import: any texts the dictionary can hold are
// exported, and the import gives back the same dictionary or refuses the file.
// The input's first byte separates the texts of the tree's nine nodes (name,
// word 1, word 2 of each) that follow it.
#include "fuzz_input.h"
#include "same_nodes.h"

#include "core/csv_cells.h"
#include "core/dictionary_csv.h"
#include "core/record_file.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const char separator = static_cast<char>(data[0]);
    std::vector<std::string> texts(1);
    for (std::size_t i = 1; i < size; ++i) {
        if (static_cast<char>(data[i]) == separator)
            texts.emplace_back();
        else
            texts.back() += static_cast<char>(data[i]);
    }
    texts.resize(27);

    DictionaryNodes nodes;
    for (int i = 0; i < 9; ++i) {
        auto* node = new CKiso;
        node->m_strName = CString(texts[static_cast<std::size_t>(i) * 3]);
        node->m_strWord1 = CString(texts[static_cast<std::size_t>(i) * 3 + 1]);
        node->m_strWord2 = CString(texts[static_cast<std::size_t>(i) * 3 + 2]);
        nodes.Add(node);
    }
    nodes[0]->m_nFirstChild = 1;
    nodes[0]->m_nChildCount = 8;

    const std::string exported = DictionaryCsvText(nodes).str();
    const std::string bytes = ReadCsvFile(
        WriteInput("exported.sft", reinterpret_cast<const std::uint8_t*>(exported.data()), exported.size()));
    DictionaryNodes imported;
    CsvProblem problem;
    if (ReadDictionaryCsv(bytes, imported, problem)) {
        if (!SameNodes(nodes, imported))
            std::abort();
    } else if (imported.GetSize() != 0 || problem.what.IsEmpty()) {
        std::abort();
    }
    DeleteRecords(nodes);
    DeleteRecords(imported);
    return 0;
}
