#include "program_folder.h"

#include "program_data.h"

#include "core/kiso.h"
#include "core/my_object.h"
#include "core/record_file.h"
#include "framework/win/wide_text.h"
#include "framework/win/wnd.h"

void WriteOldJournal(const CString& path)
{
    CTypedPtrArray<CObArray, CMyObject*> old;
    auto* entry = new CMyObject;
    entry->m_strDate = "1999/04/01";
    entry->m_strCause1 = "売上";
    entry->m_strResult1 = "現金";
    entry->m_lCauseAmount1 = 1500;
    entry->m_lResultAmount1 = 1500;
    entry->m_nDirection = 1;
    entry->m_nClassCode = 1005000;
    old.Add(entry);
    SaveRecordFile(path, old);
    DeleteRecords(old);
}

int EntriesInFile(const CString& path)
{
    JournalArray journal;
    LoadRecordFile(path, journal);
    const int count = journal.GetSize();
    DeleteRecords(journal);
    return count;
}

void WriteJournal(const CString& path, std::initializer_list<const char*> amounts)
{
    JournalArray journal;
    int day = 1;
    for (const char* amount : amounts) {
        CString date;
        date.Format("2024/01/%02d", day++);
        journal.Add(SaleEntry(date, amount));
    }
    SaveRecordFile(path, journal);
    DeleteRecords(journal);
}

void WriteDictionary(const CString& path, int nodeCount)
{
    CTypedPtrArray<CObArray, CKiso*> dictionary;
    const char* const names[] = {"科目辞書", "収益", "費用(仕入.給与.税)", "費用(経費.損失)", "負債",
                                 "資産(流動)", "資産(固定)", "資本", "結果科目"};
    for (int i = 0; i < nodeCount; ++i) {
        auto* node = new CKiso;
        node->m_strName = i < 9 ? names[i] : "雑費";
        dictionary.Add(node);
    }
    if (nodeCount >= 9) {
        dictionary.GetAt(0)->m_nFirstChild = 1;
        dictionary.GetAt(0)->m_nChildCount = 8;
    }
    SaveRecordFile(path, dictionary);
    DeleteRecords(dictionary);
}

void ProgramFolderTest::SetUp()
{
    m_directory.emplace(m_folder.Native().wstring());
    ASSERT_TRUE(m_directory->Switched());
    m_answers.messageBox = [](const MessageBoxRequest&) { return IDOK; };
}

void ProgramFolderTest::TearDown()
{
    Stop();
    m_directory.reset();
}

void ProgramFolderTest::Stop()
{
    StopProgram(m_app);
}

CString ProgramFolderTest::Folder() const
{
    return FromWide(m_folder.Native().wstring());
}

void ProgramFolderTest::CopyShippedSetupFiles()
{
    for (const char* name : {"zuvavodi.sdn", "vevidez.hel"})
        WriteFileBytes(Path(name), ReadFileBytes(CString(PROGRAM_DATA_FOLDER) + "\\" + name));
}

BOOL ProgramFolderTest::Start(int nCmdShow)
{
    return StartProgram(m_app, nCmdShow);
}

bool ProgramFolderTest::Close()
{
    CWnd* main = m_app->m_pMainWnd;
    if (!main)
        return true;
    HWND window = main->GetSafeHwnd();
    main->SendMessage(WM_CLOSE);
    PumpWaitingMessages();
    return !IsWindow(window);
}

CMainFrame* ProgramFolderTest::Frame() const
{
    return ProgramFrame(m_app);
}

CMyDoc* ProgramFolderTest::Document() const
{
    return ProgramDocument(m_app);
}

std::vector<CString> ProgramFolderTest::MessagesShown() const
{
    std::vector<CString> texts;
    const CString prefix = "message box: ";
    for (const CString& line : m_answers.asked)
        if (line.Find(prefix) == 0)
            texts.push_back(line.Mid(prefix.GetLength()));
    return texts;
}
