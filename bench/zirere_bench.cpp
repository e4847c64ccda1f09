// Times the program's actions on a busy year: a journal of 20,000 entries made
// from the shipped sample journal (its entries repeated in date order), written
// through the program's own record writer. Each action runs several times and
// the median, fastest and slowest times are printed in milliseconds.
//
//   zirere_bench [runs]
//
// Actions are rows of one table, so that further ones are added beside them.
#include "bench_clock.h"
#include "bench_data.h"
#include "core/kiso.h"
#include "core/my_object2.h"
#include "core/record_file.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#ifdef _WIN32
#include <process.h>
#define BENCH_PROCESS_ID _getpid
#else
#include <unistd.h>
#define BENCH_PROCESS_ID getpid
#endif

namespace {

constexpr int kBusyYear = 20000;
constexpr int kDefaultRuns = 9;

#ifdef _WIN32
const char kSeparator[] = "\\";
#else
const char kSeparator[] = "/";
#endif

template <class T>
struct Records : CTypedPtrArray<CObArray, T*> {
    ~Records() { DeleteRecords(*this); }
};
using Journal = Records<CMyObject2>;
using Dictionary = Records<CKiso>;

CMyObject2* CopyOf(const CMyObject2& from)
{
    auto* entry = new CMyObject2;
    entry->m_strDate = from.m_strDate;
    entry->m_strCause1 = from.m_strCause1;
    entry->m_strCause2 = from.m_strCause2;
    entry->m_strCause3 = from.m_strCause3;
    entry->m_strResult1 = from.m_strResult1;
    entry->m_strResult2 = from.m_strResult2;
    entry->m_strResult3 = from.m_strResult3;
    entry->m_strCauseAmount1 = from.m_strCauseAmount1;
    entry->m_strCauseAmount2 = from.m_strCauseAmount2;
    entry->m_strCauseAmount3 = from.m_strCauseAmount3;
    entry->m_strResultAmount1 = from.m_strResultAmount1;
    entry->m_strResultAmount2 = from.m_strResultAmount2;
    entry->m_strResultAmount3 = from.m_strResultAmount3;
    entry->m_strCauseDesc1 = from.m_strCauseDesc1;
    entry->m_strCauseDesc2 = from.m_strCauseDesc2;
    entry->m_strCauseDesc3 = from.m_strCauseDesc3;
    entry->m_strResultDesc1 = from.m_strResultDesc1;
    entry->m_strResultDesc2 = from.m_strResultDesc2;
    entry->m_strResultDesc3 = from.m_strResultDesc3;
    entry->m_strRemark = from.m_strRemark;
    entry->m_nDirection = from.m_nDirection;
    entry->m_nClassCode = from.m_nClassCode;
    return entry;
}

// The sample's entries spread over count entries: entry i repeats sample entry
// i * n / count, so the dates stay in order and every kind of entry recurs.
void MakeBusyYear(const Journal& sample, int count, Journal& year)
{
    const int n = sample.GetSize();
    for (int i = 0; i < count; ++i)
        year.Add(CopyOf(*sample.GetAt(static_cast<int>(static_cast<long long>(i) * n / count))));
}

std::string ReadBytes(const CString& path)
{
    CFile file(path, CFile::modeRead | CFile::shareDenyWrite);
    std::string bytes(static_cast<std::size_t>(file.GetLength()), '\0');
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

struct Action {
    std::string name;
    // Runs the action once and returns the milliseconds its timed part took.
    std::function<double()> run;
};

template <class Work>
double Time(Work work)
{
    const double start = BenchNowMs();
    work();
    return BenchNowMs() - start;
}

// Loading one file of records of class T, the records deleted after the clock stops.
template <class T>
Action LoadAction(const std::string& name, const CString& path)
{
    return {name, [path] {
                Records<T> records;
                return Time([&] { LoadRecordFile(path, records); });
            }};
}

class BenchFolder {
public:
    BenchFolder()
        : m_path(std::filesystem::temp_directory_path() /
                 ("zirere-bench-" + std::to_string(BENCH_PROCESS_ID())))
    {
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~BenchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    CString Path(const char* name) const { return CString(m_path.string().c_str()) + kSeparator + name; }

private:
    std::filesystem::path m_path;
};

int Run(int runs)
{
    const CString data = BENCH_DATA_FOLDER;
    const CString samplePath = data + kSeparator + BENCH_SAMPLE_JOURNAL;
    const CString dictionaryPath = data + kSeparator + "zuvavodi.sdn";
    const CString hintPath = data + kSeparator + "vevidez.hel";

    Journal sample;
    LoadRecordFile(samplePath, sample);
    if (sample.IsEmpty()) {
        std::fprintf(stderr, "The sample journal holds no entry.\n");
        return 1;
    }

    BenchFolder folder;
    const CString yearPath = folder.Path("busy-year.siz");
    const CString savedPath = folder.Path("busy-year-saved.siz");
    Journal year;
    MakeBusyYear(sample, kBusyYear, year);
    SaveRecordFile(yearPath, year);
    const std::string yearBytes = ReadBytes(yearPath);
    std::printf("A busy year: %d entries, %zu bytes, made from the %d entries of the sample journal.\n",
                year.GetSize(), yearBytes.size(), sample.GetSize());

    // The year as loaded, for the save action.
    Journal loaded;
    LoadRecordFile(yearPath, loaded);

    Dictionary dictionary;
    LoadRecordFile(dictionaryPath, dictionary);
    Journal hints;
    LoadRecordFile(hintPath, hints);

    const std::vector<Action> actions = {
        LoadAction<CMyObject2>("load the journal (" + std::to_string(kBusyYear) + " entries)", yearPath),
        {"save the journal (" + std::to_string(kBusyYear) + " entries)",
         [&] { return Time([&] { SaveRecordFile(savedPath, loaded); }); }},
        LoadAction<CMyObject2>("load the sample journal (" + std::to_string(sample.GetSize()) + " entries)",
                               samplePath),
        LoadAction<CKiso>("load the dictionary (" + std::to_string(dictionary.GetSize()) + " nodes)",
                          dictionaryPath),
        LoadAction<CMyObject2>("load the hint examples (" + std::to_string(hints.GetSize()) + " entries)",
                               hintPath),
    };

    std::printf("%-44s %9s %9s %9s   (ms, %d runs)\n", "action", "median", "fastest", "slowest", runs);
    for (const Action& action : actions) {
        std::vector<double> times;
        for (int i = 0; i < runs; ++i)
            times.push_back(action.run());
        std::sort(times.begin(), times.end());
        std::printf("%-44s %9.1f %9.1f %9.1f\n", action.name.c_str(), times[times.size() / 2], times.front(),
                    times.back());
    }

    // The year loaded and saved again must be the file it was read from, byte for byte.
    const bool identical = ReadBytes(savedPath) == yearBytes;
    std::printf("The saved year is byte-identical to the one loaded: %s\n", identical ? "yes" : "NO");
    return identical ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = argc > 1 ? std::atoi(argv[1]) : kDefaultRuns;
    if (runs < 1)
        runs = kDefaultRuns;
    try {
        return Run(runs);
    } catch (const CFileException& e) {
        std::fprintf(stderr, "File error %d (system error %ld) on %s\n", e.m_cause, e.m_lOsError,
                     static_cast<LPCTSTR>(e.m_strFileName));
    } catch (const CArchiveException& e) {
        std::fprintf(stderr, "Archive error %d\n", e.m_cause);
    }
    return 1;
}
