// zirere_data: turns the readable sources of the shipped set-up data into the
// archive files of the program folder.
//   zirere_data <source folder> <program folder> <sample journal file name>
// Reads account_dictionary.txt, hint_examples.txt and sample_journal.txt and
// writes zuvavodi.sdo (the initial dictionary), zuvavodi.sdn (the working
// dictionary as first installed), vevidez.hel (the hint examples) and the sample
// journal. Runs on the build machine only.
#include "archive_output.h"
#include "dictionary_source.h"
#include "entry_source.h"
#include "source_lines.h"

#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <vector>

namespace {

template <class Record>
std::vector<const CObject*> Records(const std::vector<std::unique_ptr<Record>>& owned)
{
    std::vector<const CObject*> records;
    for (const auto& record : owned)
        records.push_back(record.get());
    return records;
}

// Reads one source, naming the file and line of a fault.
template <class Parse>
auto ParseSource(const std::string& path, Parse parse)
{
    try {
        return parse(ReadSourceLines(path));
    } catch (const SourceError& e) {
        throw std::runtime_error(path + ":" + std::to_string(e.Line()) + ": " + e.what());
    } catch (const std::runtime_error& e) {
        throw std::runtime_error(path + ": " + e.what());
    }
}

void Convert(const std::string& sourceFolder, const std::string& programFolder, const std::string& sampleName)
{
    const DictionarySource dictionary =
        ParseSource(sourceFolder + "/account_dictionary.txt", [](const auto& lines) { return ParseDictionary(lines); });
    const auto hints = ParseSource(sourceFolder + "/hint_examples.txt", [&dictionary](const auto& lines) {
        return ParseEntries(lines, EntrySourceKind::hintExamples, dictionary);
    });
    const auto journal = ParseSource(sourceFolder + "/sample_journal.txt", [&dictionary](const auto& lines) {
        return ParseEntries(lines, EntrySourceKind::journal, dictionary);
    });

    const auto nodes = LayOutDictionary(dictionary);
    WriteRecordArchive(programFolder + "/zuvavodi.sdo", Records(nodes));
    WriteRecordArchive(programFolder + "/zuvavodi.sdn", Records(nodes));
    WriteRecordArchive(programFolder + "/vevidez.hel", Records(hints));
    WriteRecordArchive(programFolder + "/" + sampleName, Records(journal));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: zirere_data <source folder> <program folder> <sample journal file name>\n");
        return 2;
    }
    try {
        Convert(argv[1], argv[2], argv[3]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zirere_data: %s\n", e.what());
        return 1;
    }
    return 0;
}
