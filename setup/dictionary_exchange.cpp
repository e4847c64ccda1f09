#include "dictionary_exchange.h"

bool ReplaceDictionaryFromCsv(const std::string& bytes, DictionaryNodes& nodes, CsvProblem& problem)
{
    DictionaryNodes read;
    if (!ReadDictionaryCsv(bytes, read, problem)) {
        for (int i = 0; i < read.GetSize(); ++i)
            delete read[i];
        return false;
    }
    for (int i = 0; i < nodes.GetSize(); ++i)
        delete nodes[i];
    nodes.RemoveAll();
    for (int i = 0; i < read.GetSize(); ++i)
        nodes.Add(read[i]);
    return true;
}
