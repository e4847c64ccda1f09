// Times the program's actions on a busy year of a shop: a generated journal of
// 20,000 entries written through the program's own record writer, and the same
// transactions as a plain-text journal of the command-line accounting tool
// `ledger`, written with the program's balances into the out folder, where
// scripts/bench.sh has ledger check them and times it. Every action runs once
// to warm up, then several times; the median, fastest and slowest times are
// printed in milliseconds beside the target each should meet.
//
//   zirere_bench [--entries N] [--runs N] [--out FOLDER]
//
// The program itself is started in-process in a program folder of its own and
// driven on real windows, as a user drives it.
#include "bench_clock.h"
#include "bench_data.h"
#include "bench_program.h"
#include "busy_year.h"
#include "ledger_journal.h"
#include "utf8_text.h"

#include "books/win/kanjyo.h"
#include "books/win/keihi.h"
#include "books/win/kinsen.h"
#include "books/sales_ledger.h"
#include "books/win/uriage.h"
#include "core/kiso.h"
#include "core/record_file.h"
#include "framework/win/print_job.h"
#include "journal/win/siwake.h"
#include "statements/win/kessan.h"
#include "statements/statement_pages.h"
#include "statements/statement_print.h"
#include "resource.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kBusyYear = 20000;
constexpr int kDefaultRuns = 9;
// The aims: every action well within 100 ms, a book switch within 60, the
// journal's sort within 30, the start with the year within 300 ms, the memory
// once everything was shown within 50 MB.
constexpr double kActionTargetMs = 100;
constexpr double kBookSwitchTargetMs = 60;
constexpr double kSortTargetMs = 30;
constexpr double kStartTargetMs = 300;
constexpr double kMemoryTargetMb = 50;
// A step of an action is shown for where the time goes, without an aim of its own.
constexpr double kNoTarget = 0;

template <class T>
struct Records : CTypedPtrArray<CObArray, T*> {
    ~Records() { DeleteRecords(*this); }
};

template <class Work>
double Time(Work work)
{
    const double start = BenchNowMs();
    work();
    return BenchNowMs() - start;
}

std::string ReadBytes(const CString& path)
{
    CFile file(path, CFile::modeRead | CFile::shareDenyWrite);
    std::string bytes(static_cast<std::size_t>(file.GetLength()), '\0');
    if (!bytes.empty())
        file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

void WriteBytes(const CString& path, const std::string& bytes)
{
    CFile file(path, CFile::modeCreate | CFile::modeWrite);
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
}

Journal EntriesOf(const JournalArray& records)
{
    Journal journal;
    journal.reserve(static_cast<std::size_t>(records.GetSize()));
    for (int i = 0; i < records.GetSize(); ++i)
        journal.push_back(records.GetAt(i));
    return journal;
}

class BenchFolder {
public:
    BenchFolder()
        : m_path(std::filesystem::temp_directory_path() / ("zirere-bench-" + std::to_string(::GetCurrentProcessId())))
    {
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path / "program");
    }
    ~BenchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    CString Path(const char* name) const { return CString(m_path.string().c_str()) + "\\" + name; }

private:
    std::filesystem::path m_path;
};

// One row of the table: the times of its runs, or a note why it has none.
struct Row {
    std::string name;
    double target = kActionTargetMs;
    std::vector<double> times;
    std::string note;

    double Median() const
    {
        std::vector<double> sorted = times;
        std::sort(sorted.begin(), sorted.end());
        return sorted[sorted.size() / 2];
    }
};

class Table {
public:
    // Rows stay where they are: the caller keeps references to them.
    Table() { m_rows.reserve(64); }

    Row& operator[](const std::string& name)
    {
        for (Row& row : m_rows)
            if (row.name == name)
                return row;
        Row row;
        row.name = name;
        m_rows.push_back(row);
        return m_rows.back();
    }

    // Prints every row; answers how many missed their target.
    int Print(int runs) const
    {
        std::printf("%-52s %9s %9s %9s %8s   (ms, median of %d runs after a warm-up)\n", "action", "median", "fastest",
                    "slowest", "target", runs);
        int missed = 0;
        for (const Row& row : m_rows) {
            if (row.times.empty()) {
                std::printf("%-52s %s\n", row.name.c_str(), row.note.c_str());
                continue;
            }
            const double median = row.Median();
            const double fastest = *std::min_element(row.times.begin(), row.times.end());
            const double slowest = *std::max_element(row.times.begin(), row.times.end());
            if (row.target == kNoTarget) {
                std::printf("%-52s %9.1f %9.1f %9.1f\n", row.name.c_str(), median, fastest, slowest);
                continue;
            }
            const bool over = median > row.target;
            missed += over ? 1 : 0;
            std::printf("%-52s %9.1f %9.1f %9.1f %8.0f %s\n", row.name.c_str(), median, fastest, slowest, row.target,
                        over ? "MISSED" : "");
        }
        return missed;
    }

private:
    std::vector<Row> m_rows;
};

// The name counted most often (the first in order among equals).
CString MostCounted(const std::map<std::string, int>& counts)
{
    std::string busiest;
    int most = 0;
    for (const auto& [name, count] : counts)
        if (count > most) {
            most = count;
            busiest = name;
        }
    return CString(busiest.c_str());
}

// The account named in the most rows of the entries, among those that pass.
CString BusiestAccount(const Journal& journal, const std::function<bool(int classDigit)>& passes)
{
    std::map<std::string, int> rows;
    for (const CMyObject2* entry : journal) {
        const ClassCode classes = DecodeClassCode(entry->m_nClassCode);
        const auto all = RowsOf(*entry);
        for (std::size_t i = 0; i < all.size(); ++i)
            if (!all[i].account->IsEmpty() && passes(classes.rowClass[i]))
                ++rows[all[i].account->str()];
    }
    return MostCounted(rows);
}

// The partner of the most lines of the sales book.
CString BusiestCustomer(const Journal& journal)
{
    std::map<std::string, int> lines;
    for (const CMyObject2* entry : journal) {
        const int entryRow = SalesAccountRow(*entry, SalesBook::Sales);
        const CString partner = entryRow < 0 ? CString() : PartnerOfLine(*entry, entryRow);
        if (!partner.IsEmpty())
            ++lines[partner.str()];
    }
    return MostCounted(lines);
}

// Types a one-row sentence into the journal's fields: 売上 1,000 against 現金.
void TypeSale(BenchProgram& program, siwake* view)
{
    view->m_nActiveRow = 1;
    view->m_lbClass.SetCurSel(0);
    program.Notify(1034, LBN_SELCHANGE);
    program.SetText(1038, "売上");
    program.SetText(1032, "1000");
    program.SetText(1043, "現金");
    program.SetText(1024, "1000");
    view->CheckDlgButton(1035, BST_CHECKED);
    view->CheckDlgButton(1037, BST_UNCHECKED);
}

struct Year {
    CString folder;
    CString busiest;
    CString busiestExpense;
    CString busiestCustomer;
    int entries = 0;
};

// The actions of a user on the program with the year open, each timed once into the table.
void TimeProgramActions(BenchProgram& program, const Year& year, Table& table, bool record)
{
    auto note = [&](const std::string& name, double ms, double target = kActionTargetMs) {
        if (!record)
            return;
        table[name].target = target;
        table[name].times.push_back(ms);
    };
    // The program's idle work (views made ahead of their switches) runs before
    // each action, as it does while a user reads the screen between two clicks.
    auto Timed = [&](auto work) {
        program.Idle();
        return Time(work);
    };
    const CString yearPath = year.folder + "\\year.siz";
    const CString savedPath = year.folder + "\\saved.siz";
    const std::string count = std::to_string(year.entries);

    {
        Records<CMyObject2> loaded;
        note("load the journal file (" + count + " entries)", Timed([&] { LoadRecordFile(yearPath, loaded); }));
        note("save the journal file", Timed([&] { SaveRecordFile(savedPath, loaded); }));
    }

    program.Command(ID_VIEW_SIWAKE);
    siwake* journal = program.Shown<siwake>();
    if (!journal)
        throw std::runtime_error("the journal view did not open");
    note("rebuild the journal list", Timed([&] { journal->RebuildTransactionList(); }));
    note("sort the journal by date", Timed([&] { program.Command(ID_SORT_BY_DATE); }), kSortTargetMs);
    program.PickLine(1000, journal->m_lbTransactions.GetCount() - 1);
    TypeSale(program, journal);
    note("commit a new entry at the end", Timed([&] { program.Notify(1092, BN_CLICKED); }));
    program.PickLine(1000, journal->m_lbTransactions.GetCount() / 2);
    program.Notify(1018, BN_CLICKED);
    TypeSale(program, journal);
    note("commit an inserted entry in the middle", Timed([&] { program.Notify(1018, BN_CLICKED); }));
    note("paginate the printed journal", Timed([&] {
             CPageJob job(journal);
             job.Begin();
         }));

    note("general ledger of the busiest account (" + Utf8OfShiftJis(year.busiest) + ")", Timed([&] {
             program.Command(ID_VIEW_KANJYO);
             kanjyo* ledger = program.Shown<kanjyo>();
             for (CListBox& group : ledger->m_lbGroups)
                 if (program.PickItem(group.GetDlgCtrlID(), year.busiest))
                     break;
         }),
         kBookSwitchTargetMs);
    kanjyo* ledger = program.Shown<kanjyo>();
    note("paginate the all-accounts ledger", Timed([&] {
             ledger->m_bPrintAll = TRUE;
             ledger->PreparePrintJob();
             ledger->m_bPrintAll = FALSE;
         }));
    note("cash book (" + Utf8OfShiftJis("現金") + ")", Timed([&] { program.Command(ID_VIEW_KINSEN); }),
         kBookSwitchTargetMs);
    note("expense book of the busiest expense (" + Utf8OfShiftJis(year.busiestExpense) + ")", Timed([&] {
             program.Command(ID_VIEW_KEIHI);
             program.PickItem(1020, year.busiestExpense);
         }),
         kBookSwitchTargetMs);
    note("sales book of the busiest customer (" + Utf8OfShiftJis(year.busiestCustomer) + ")", Timed([&] {
             program.Command(ID_VIEW_URIAGE);
             program.PickItem(IDC_PARTNER_LIST, year.busiestCustomer);
         }),
         kBookSwitchTargetMs);

    note("statements: trial balance", Timed([&] { program.Command(ID_VIEW_KESSAN); }));
    note("statements: profit and loss", Timed([&] { program.Notify(1019, BN_CLICKED); }));
    note("statements: monthly sales and purchases", Timed([&] { program.Notify(1020, BN_CLICKED); }));
    note("statements: balance sheet", Timed([&] { program.Notify(1018, BN_CLICKED); }));
    program.Command(ID_VIEW_SIWAKE);
}

// Where the time of a book switch goes. The idle work before a switch destroys
// the form the last switch left and makes the next spare form from its template;
// the switch itself fills the book's lists (the command and the pick, their
// queued messages left waiting) and paints the form (those messages handled).
void TimeSwitchSteps(BenchProgram& program, const Year& year, Table& table, bool record)
{
    struct Book {
        std::string name;
        UINT command;
        std::vector<int> lists;
        CString pick;
    };
    const Book books[] = {
        {"general ledger", ID_VIEW_KANJYO, {1021, 1008, 1009, 1013}, year.busiest},
        {"cash book", ID_VIEW_KINSEN, {}, CString()},
        {"expense book", ID_VIEW_KEIHI, {1020}, year.busiestExpense},
        {"sales book", ID_VIEW_URIAGE, {IDC_PARTNER_LIST}, year.busiestCustomer},
    };
    auto note = [&](const std::string& name, double ms) {
        if (!record)
            return;
        table[name].target = kNoTarget;
        table[name].times.push_back(ms);
    };
    program.Command(ID_VIEW_SIWAKE);
    program.Idle();
    for (const Book& book : books) {
        program.SetPumping(false);
        note("  " + book.name + ": fill the lists", Time([&] {
                 program.Command(book.command);
                 for (int list : book.lists)
                     if (program.PickItem(list, book.pick))
                         break;
             }));
        program.SetPumping(true);
        note("  " + book.name + ": first paint", Time([&] { program.Pump(); }));
        CMainFrame* frame = program.Frame();
        note("  " + book.name + ": destroy the retired form", Time([&] { frame->DestroyRetiredViews(); }));
        note("  " + book.name + ": make a form from its template", Time([&] {
                 while (frame->MakeSpareView()) {
                 }
             }));
        program.Idle();
    }
    program.Command(ID_VIEW_SIWAKE);
    program.Idle();
}

// Where the time of the year-end figures goes: the file read in the archive's
// pieces alone, the records and their texts made and deleted alone, the whole
// load (these and the reader's own work), the totals and the trial balance.
void TimeLoadSteps(const CString& yearPath, Table& table, int runs)
{
    for (int i = 0; i <= runs; ++i) {
        auto note = [&](const std::string& name, double ms) {
            if (i == 0)
                return;
            table[name].target = kNoTarget;
            table[name].times.push_back(ms);
        };
        note("  read the file in pieces of 4096 bytes", Time([&] {
                 CFile file(yearPath, CFile::modeRead | CFile::shareDenyWrite);
                 char piece[4096];
                 while (file.Read(piece, sizeof piece) > 0) {
                 }
             }));
        Records<CMyObject2> loaded;
        note("  load the records (reader, records, texts)", Time([&] { LoadRecordFile(yearPath, loaded); }));
        {
            // The copies are made a block at a time, each block's originals let go
            // (untimed) before the next: never more than a year and a block of
            // records at once, as the program holds them.
            constexpr int kBlock = 512;
            Records<CMyObject2> copies;
            double made = 0;
            for (int first = 0; first < loaded.GetSize(); first += kBlock) {
                const int end = std::min<int>(first + kBlock, loaded.GetSize());
                made += Time([&] {
                    for (int n = first; n < end; ++n) {
                        auto* copy = new CMyObject2;
                        CopyEntryFields(*loaded.GetAt(n), *copy);
                        copies.Add(copy);
                    }
                });
                for (int n = first; n < end; ++n) {
                    delete loaded.GetAt(n);
                    loaded.SetAt(n, nullptr);
                }
            }
            note("  make the records and their texts", made);
            loaded.RemoveAll();
            loaded.Append(copies);
            copies.RemoveAll();
            note("  delete the records", Time([&] { DeleteRecords(loaded); }));
            LoadRecordFile(yearPath, loaded);
        }
        const Journal entries = EntriesOf(loaded);
        AccountTotals totals;
        note("  account totals", Time([&] { totals = CollectAccountTotals(entries); }));
        note("  trial balance", Time([&] { ComputeTrialBalance(totals, entries, kScreenAmountWidth); }));
    }
}

double MemoryMb()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<double>(std::max(counters.WorkingSetSize, counters.PagefileUsage)) / (1024.0 * 1024.0);
}

// out receives year.ledger, the program's balances and the median of its year-end figures.
int Run(int entries, int runs, const CString& out)
{
    const CString data = BENCH_DATA_FOLDER;
    BenchFolder folder;
    const CString program = folder.Path("program");
    for (const char* name : {"zuvavodi.sdn", "vevidez.hel"})
        WriteBytes(program + "\\" + name, ReadBytes(data + "\\" + name));

    Records<CKiso> dictionary;
    LoadRecordFile(program + "\\zuvavodi.sdn", dictionary);
    // The generated year is written out and then let go: the memory figure is the program's alone.
    Year year;
    const CString yearPath = program + "\\year.siz";
    {
        Records<CMyObject2> records;
        MakeBusyYear(dictionary, {entries, BusyYearShape().startValue}, records);
        const Journal journal = EntriesOf(records);
        year.folder = program;
        year.entries = entries;
        year.busiest = BusiestAccount(journal, [](int) { return true; });
        year.busiestExpense = BusiestAccount(journal, [](int digit) { return digit == 3; });
        year.busiestCustomer = BusiestCustomer(journal);
        SaveRecordFile(yearPath, records);
        WriteBytes(program + "\\duzizezi.ino", yearPath.str());
        WriteBytes(out + "\\year.ledger", LedgerJournalText(journal));
        std::printf("A busy year: %d entries (start value %u), %zu bytes as a journal file.\n", entries,
                    BusyYearShape().startValue, ReadBytes(yearPath).size());

        // The script compares ledger's balances with the program's and times ledger beside it.
        WriteBytes(out + "\\balances.txt", BalancesText(BalancesOfTotals(CollectAccountTotals(journal))));
    }

    Table table;
    // The program's year-end figures from the file, to set against ledger's whole process.
    Row& figures = table["load + account totals + trial balance"];
    for (int i = 0; i <= runs; ++i) {
        // Each part of the same run timed on its own too, in the order they run.
        double parts[4] = {};
        const double ms = Time([&] {
            Records<CMyObject2> loaded;
            AccountTotals totals;
            parts[0] = Time([&] { LoadRecordFile(yearPath, loaded); });
            const Journal entriesLoaded = EntriesOf(loaded);
            parts[1] = Time([&] { totals = CollectAccountTotals(entriesLoaded); });
            parts[2] = Time([&] { ComputeTrialBalance(totals, entriesLoaded, kScreenAmountWidth); });
            parts[3] = Time([&] { DeleteRecords(loaded); });
        });
        if (i == 0)
            continue;
        figures.times.push_back(ms);
        const char* const names[4] = {"  of it: the load", "  of it: the totals", "  of it: the trial balance",
                                      "  of it: the records deleted"};
        for (int part = 0; part < 4; ++part) {
            table[names[part]].target = kNoTarget;
            table[names[part]].times.push_back(parts[part]);
        }
    }
    TimeLoadSteps(yearPath, table, runs);

    // Where the memory goes: the figure at each stage, printed under the final one.
    std::vector<std::pair<std::string, double>> memorySteps;
    memorySteps.emplace_back("  of it: before the program started (the bench's own)", MemoryMb());
    BenchProgram bench(program);
    Row& start = table["start-up with the year to the first paint"];
    start.target = kStartTargetMs;
    for (int i = 0; i <= runs; ++i) {
        BOOL started = FALSE;
        const double ms = Time([&] { started = bench.StartAndPaint(); });
        if (!started) {
            std::printf("The program did not start.\n");
            return 1;
        }
        if (i > 0)
            start.times.push_back(ms);
        if (i < runs)
            bench.Stop();
    }
    memorySteps.emplace_back("  of it: the program started with the year", MemoryMb());
    for (int i = 0; i <= runs; ++i) {
        TimeProgramActions(bench, year, table, i > 0);
        if (i == 0)
            memorySteps.emplace_back("  of it: once every action was done", MemoryMb());
    }
    for (int i = 0; i <= runs; ++i)
        TimeSwitchSteps(bench, year, table, i > 0);
    Row& memory = table["memory once everything was shown (MB)"];
    memory.target = kMemoryTargetMb;
    memory.times.push_back(MemoryMb());
    for (const auto& [name, mb] : memorySteps) {
        table[name].target = kNoTarget;
        table[name].times.push_back(mb);
    }

    const int missed = table.Print(runs);
    std::printf("%d of the program's targets missed.\n", missed);
    char median[32];
    std::snprintf(median, sizeof median, "%.3f\n", figures.Median());
    WriteBytes(out + "\\figures_ms.txt", median);
    if (!bench.Messages().empty()) {
        std::printf("Messages the program showed:\n");
        for (const CString& text : bench.Messages())
            std::printf("  %s\n", Utf8OfShiftJis(text).c_str());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    int entries = kBusyYear;
    int runs = kDefaultRuns;
    CString out = ".";
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--entries") == 0 && i + 1 < argc)
            entries = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc)
            out = argv[++i];
        else
            runs = std::atoi(argv[i]);
    }
    runs = std::max(1, runs);
    try {
        return Run(std::max(entries, kBusyYearFixedEntries), runs, out);
    } catch (const CFileException& e) {
        std::fprintf(stderr, "File error %d (system error %ld) on %s\n", e.m_cause, e.m_lOsError,
                     static_cast<LPCTSTR>(e.m_strFileName));
    } catch (const CArchiveException& e) {
        std::fprintf(stderr, "Archive error %d\n", e.m_cause);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
    return 1;
}
