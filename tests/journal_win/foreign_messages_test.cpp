// Another program reading the program's windows while a busy year is open, as
// screen readers and automation tools do: a separate process asks every window
// of every book's view and of the dialogs for its rows' texts, item data and
// window text, thousands of times. The program answers, stays up, and the
// journal stays as it was.
#include "program_folder.h"

#include "bench/busy_year.h"
#include "core/record_file.h"
#include "framework/win/dialog.h"
#include "framework/win/wide_text.h"
#include "resource.h"
#include "support/message_pump.h"

#include <cstdio>
#include <string>

namespace {

class ForeignMessagesTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        CopyShippedSetupFiles();
        DictionaryNodes dictionary;
        LoadRecordFile(Path("zuvavodi.sdn"), dictionary);
        JournalArray year;
        MakeBusyYear(dictionary, BusyYearShape{}, year);
        DeleteRecords(dictionary);
        SaveRecordFile(Path("2024.siz"), year);
        m_entries = year.GetSize();
        DeleteRecords(year);
        WriteFileBytes(Path("duzizezi.ino"), Path("2024.siz").str());
        m_journal = ReadFileBytes(Path("2024.siz"));
    }

    struct Report {
        int windows = 0;
        long sends = 0;
        long timeouts = 0;
        long longest = 0;
    };

    // Runs the reader against this process while the program handles its
    // messages, as its message loop does; the reader's report.
    Report ReadFromAnotherProcess(int rounds)
    {
        const CString reportPath = Path("reader.txt");
        CString commandLine;
        commandLine.Format("\"%s\" %lu %d \"%s\"", ZIRERE_FOREIGN_READER, ::GetCurrentProcessId(), rounds,
                           static_cast<LPCTSTR>(reportPath));
        std::wstring line = ToWide(commandLine);
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        Report report;
        if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
            ADD_FAILURE() << "the reader did not start: " << ::GetLastError();
            return report;
        }
        const DWORD started = ::GetTickCount();
        for (;;) {
            const DWORD woken = ::MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 1000, QS_ALLINPUT);
            if (woken == WAIT_OBJECT_0)
                break;
            PumpWaitingMessages();
            if (::GetTickCount() - started > 240000) {
                ADD_FAILURE() << "the reader did not end";
                ::TerminateProcess(process.hProcess, 1);
                break;
            }
        }
        DWORD exitCode = 1;
        ::GetExitCodeProcess(process.hProcess, &exitCode);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
        EXPECT_EQ(0u, exitCode);
        const std::string text = ReadFileBytes(reportPath);
        EXPECT_EQ(4, std::sscanf(text.c_str(), "windows=%d sends=%ld timeouts=%ld longest=%ld", &report.windows,
                                 &report.sends, &report.timeouts, &report.longest))
            << text;
        EXPECT_EQ(0, report.timeouts) << text;
        return report;
    }

    void Send(UINT command) { Frame()->SendMessage(WM_COMMAND, command); }

    int m_entries = 0;
    std::string m_journal;
};

TEST_F(ForeignMessagesTest, AnotherProgramReadingEveryWindowNeitherCrashesNorChangesTheJournal)
{
    ASSERT_TRUE(Start(SW_SHOWNORMAL));
    ASSERT_EQ(m_entries, Document()->m_arrJournal.GetSize());
    ASSERT_GE(m_entries, 20000);

    // The journal: its list of every entry, read at both ends and across.
    RunIdleWork(*m_app);
    Report journal = ReadFromAnotherProcess(3);
    EXPECT_GT(journal.windows, 20);
    EXPECT_GT(journal.sends, 2000);
    EXPECT_EQ(m_entries + 1, journal.longest);

    // Each book's view, the statements and the dictionary editor.
    for (UINT view : {ID_VIEW_KANJYO, ID_VIEW_KINSEN, ID_VIEW_URIAGE, ID_VIEW_KEIHI, ID_VIEW_SIIRE, ID_VIEW_KESSAN,
                      ID_VIEW_SETTEI, ID_VIEW_SIWAKE}) {
        SCOPED_TRACE(testing::Message() << "view " << view);
        Send(view);
        RunIdleWork(*m_app);
        const Report book = ReadFromAnotherProcess(2);
        EXPECT_GT(book.windows, 5);
        EXPECT_GT(book.sends, 1000);
    }

    // The dialogs of the journal's input aids and the program's own, each read
    // while it is open, then cancelled; questions before them are declined.
    m_answers.messageBox = [](const MessageBoxRequest& box) { return modal_seam::DeclinedButton(box.style); };
    int dialogsRead = 0;
    m_answers.dialog = [&](CDialog& dialog) {
        const Report read = ReadFromAnotherProcess(2);
        EXPECT_GT(read.windows, 5);
        ++dialogsRead;
        dialog.EndDialog(IDCANCEL);
    };
    for (UINT command : {ID_OPENING_BALANCE, ID_INVENTORY, ID_BAD_DEBT_ALLOWANCE, ID_KEYWORD_SEARCH,
                         ID_TRADING_PARTNERS, ID_APP_ABOUT}) {
        SCOPED_TRACE(testing::Message() << "command " << command);
        Send(command);
        RunIdleWork(*m_app);
    }
    EXPECT_GE(dialogsRead, 4);

    // The program is up and the journal as it was, in memory and on disk.
    ASSERT_NE(nullptr, Frame());
    EXPECT_EQ(m_entries, Document()->m_arrJournal.GetSize());
    EXPECT_FALSE(Document()->IsModified());
    EXPECT_TRUE(m_journal == ReadFileBytes(Path("2024.siz")));
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    Document()->m_arrJournal.Serialize(ar);
    ar.Close();
    EXPECT_TRUE(m_journal == std::string(file.Bytes().begin(), file.Bytes().end()));
}

}  // namespace
