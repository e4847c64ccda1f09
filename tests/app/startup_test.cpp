// Start-up and close of the program in its program folder: the set-up files,
// the last journal file, the conversion of an old file, a second instance.
#include "program_folder.h"

#include "core/kiso.h"
#include "core/my_object.h"
#include "core/record_file.h"
#include "framework/win/framework_ids.h"
#include "journal/win/siwake.h"

#include <filesystem>
#include <string>

namespace {

const char* const kNewFile = "新規ファイル.siz";

std::string Blanks(size_t n)
{
    return std::string(n, ' ');
}

using StartupTest = ProgramFolderTest;

TEST_F(StartupTest, FirstStartWithOnlyTheShippedFilesOpensANewJournalAndWritesTheSettingsAtClose)
{
    CopyShippedSetupFiles();
    const std::string dictionary = ReadFileBytes(Path("zuvavodi.sdn"));
    ASSERT_TRUE(Start());

    EXPECT_TRUE(MessagesShown().empty());
    CMyDoc* document = Document();
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(0, document->m_nSetupStatus);
    EXPECT_EQ(CString(kNewFile), document->m_strPathName);
    EXPECT_EQ(CString(kNewFile), document->m_strFileName);
    EXPECT_EQ(-1, document->m_nCurEntry);
    EXPECT_EQ(Folder(), document->m_strProgramDir);
    EXPECT_EQ(Folder() + "\\duzizezi.ino", document->m_strLastFileIni);
    EXPECT_GT(document->m_arrDictionary.GetSize(), 9);
    EXPECT_GT(document->m_arrHints.GetSize(), 0);
    EXPECT_FALSE(document->IsModified());
    EXPECT_TRUE(Frame()->GetActiveView()->IsKindOf(RUNTIME_CLASS(siwake)));
    EXPECT_EQ(1, document->m_nCurBook);
    CString title;
    Frame()->GetWindowText(title);
    EXPECT_EQ(CString(kNewFile) + " - Zirere", title);

    ASSERT_TRUE(Close());
    EXPECT_EQ("00" + Blanks(19) + "0" + Blanks(19) + "0\r\n\r\n", ReadFileBytes(Path("vozare.ino")));
    EXPECT_FALSE(FileExists(Path("duzizezi.ino")));
    EXPECT_EQ(dictionary, ReadFileBytes(Path("zuvavodi.sdn")));
    EXPECT_TRUE(MessagesShown().empty());
}

TEST_F(StartupTest, SettingsAreReadAndWrittenBackWithTheLaunchersLine)
{
    CopyShippedSetupFiles();
    const std::string settings = "10" + Blanks(15) + "25000" + Blanks(19) + "0\r\nabcdefgh\r\n14";
    WriteFileBytes(Path("vozare.ino"), settings);
    ASSERT_TRUE(Start());
    EXPECT_EQ(1, Document()->m_nDeduction);
    EXPECT_EQ(0, Document()->m_nTaxCategory);
    EXPECT_EQ(0, Document()->m_nWorkTaxCategory);
    EXPECT_EQ(CString("25000"), Document()->m_strInterim1);
    EXPECT_EQ(CString("14"), Document()->m_strFontSize);
    EXPECT_EQ(CString("efgh"), Document()->m_strSetting2[1]);
    ASSERT_TRUE(Close());
    EXPECT_EQ(settings, ReadFileBytes(Path("vozare.ino")));
}

// A settings file the program did not write (saved in UTF-16 by an editor, or
// random bytes) comes back from the close byte for byte, the launcher's line too.
TEST_F(StartupTest, SettingsTheProgramDoesNotUnderstandAreKeptByteForByteAtClose)
{
    std::string utf16("\xff\xfe", 2);
    for (char c : "10" + Blanks(15) + "25000" + Blanks(19) + "0\r\nabcdefgh\r\n14")
        utf16 += std::string{c, '\0'};
    const std::string files[] = {utf16, std::string("\x00\x81\xff\r\n\x93\n\n\xfe\x00", 11)};
    for (const std::string& settings : files) {
        CopyShippedSetupFiles();
        WriteFileBytes(Path("vozare.ino"), settings);
        ASSERT_TRUE(Start());
        ASSERT_TRUE(Close());
        EXPECT_EQ(settings, ReadFileBytes(Path("vozare.ino")));
        Stop();
    }
}

TEST_F(StartupTest, RecordNamingAJournalOpensItAtItsLastEntry)
{
    CopyShippedSetupFiles();
    const CString journal = Path("2024.siz");
    WriteJournal(journal, {"1000", "2500"});
    const CString record = journal + "[]D:\\backup][2024.siz";
    WriteFileBytes(Path("duzizezi.ino"), record.str());
    ASSERT_TRUE(Start());

    EXPECT_TRUE(MessagesShown().empty());
    CMyDoc* document = Document();
    EXPECT_EQ(journal, document->m_strPathName);
    EXPECT_EQ(CString("2024.siz"), document->m_strFileName);
    EXPECT_EQ(Folder(), document->m_strDataDir);
    EXPECT_EQ(CString("D:\\backup"), document->m_strBackupDir);
    ASSERT_EQ(2, document->m_arrJournal.GetSize());
    EXPECT_EQ(CString("2500"), document->m_arrJournal.GetAt(1)->m_strCauseAmount1);
    EXPECT_EQ(1, document->m_nCurEntry);
    EXPECT_EQ(0, document->m_bSample);
    EXPECT_FALSE(document->IsModified());

    ASSERT_TRUE(Close());
    EXPECT_EQ(record.str(), ReadFileBytes(Path("duzizezi.ino")));
}

TEST_F(StartupTest, JournalThatCannotBeReadFallsBackToANewFileAndForgetsTheRecord)
{
    struct Case {
        const char* what;
        bool writeFile;
        std::string bytes;
    } cases[] = {
        {"missing file", false, ""},
        {"truncated file", true, std::string("\x02\x00\xFF\xFF\x00\x00", 6)},
        {"dictionary instead of a journal", true, ""},
        // What a power cut leaves, and a whole journal with bytes behind it.
        {"nothing but zero bytes", true, std::string(8192, '\0')},
        {"bytes after the last record", true, "+"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CopyShippedSetupFiles();
        const CString journal = Path("broken.siz");
        if (c.writeFile && c.bytes.empty()) {
            WriteDictionary(journal, 9);
        } else if (c.bytes == "+") {
            WriteJournal(journal, {"100", "200"});
            WriteFileBytes(journal, ReadFileBytes(journal) + std::string(3, '\0'));
        } else if (c.writeFile) {
            WriteFileBytes(journal, c.bytes);
        }
        const std::string before = c.writeFile ? ReadFileBytes(journal) : std::string();
        WriteFileBytes(Path("duzizezi.ino"), journal.str());
        m_answers.asked.clear();
        ASSERT_TRUE(Start());

        EXPECT_EQ(std::vector<CString>{CString("ファイルのオープンに失敗しました！")}, MessagesShown());
        EXPECT_EQ(CString(kNewFile), Document()->m_strPathName);
        EXPECT_EQ(0, Document()->m_arrJournal.GetSize());
        EXPECT_EQ(-1, Document()->m_nCurEntry);
        EXPECT_FALSE(FileExists(Path("duzizezi.ino")));
        ASSERT_TRUE(Close());
        EXPECT_FALSE(FileExists(Path("duzizezi.ino")));
        if (c.writeFile) {
            EXPECT_EQ(before, ReadFileBytes(journal));
        }
        Stop();
    }
}

// A record that names the new file's name (a journal backed up before it was
// ever saved, a data file deleted with a backup folder set): a new journal,
// without a message, and the backup folder stays for the next close.
TEST_F(StartupTest, RecordNamingTheNewFileStartsANewJournalSilentlyAndKeepsTheBackupFolder)
{
    CopyShippedSetupFiles();
    const std::string record = std::string(kNewFile) + "[]" + Path("backup").str() + "][" + kNewFile;
    WriteFileBytes(Path("duzizezi.ino"), record);
    ASSERT_TRUE(Start());
    EXPECT_TRUE(MessagesShown().empty());
    EXPECT_EQ(CString(kNewFile), Document()->m_strPathName);
    EXPECT_EQ(Path("backup"), Document()->m_strBackupDir);
    EXPECT_EQ(0, Document()->m_arrJournal.GetSize());
    ASSERT_TRUE(Close());
    EXPECT_EQ(record, ReadFileBytes(Path("duzizezi.ino")));
}

// A save killed midway leaves its temporary file; the next start removes those
// beside the journal and the set-up files, and nothing else.
TEST_F(StartupTest, LeftoverTemporaryFilesOfKilledSavesAreRemovedAtStart)
{
    CopyShippedSetupFiles();
    WriteJournal(Path("2024.siz"), {"100"});
    WriteFileBytes(Path("duzizezi.ino"), Path("2024.siz").str());
    const char* const leftovers[] = {"2024.siz.0badf00d.tmp", "zuvavodi.sdn.12345678.tmp", "vozare.ino.abcdef01.tmp",
                                     "duzizezi.ino.00000000.tmp"};
    const char* const others[] = {"2024.siz.0badf00d.tmp.keep", "2024.siz.xyz.tmp", "2023.siz.0badf00d.tmp",
                                  "notes.0badf00d.tmp"};
    for (const char* name : leftovers)
        WriteFileBytes(Path(name), std::string(100, 'x'));
    for (const char* name : others)
        WriteFileBytes(Path(name), "mine");
    ASSERT_TRUE(Start());
    for (const char* name : leftovers)
        EXPECT_FALSE(FileExists(Path(name))) << name;
    for (const char* name : others)
        EXPECT_EQ("mine", ReadFileBytes(Path(name))) << name;
    EXPECT_EQ(1, Document()->m_arrJournal.GetSize());
}

TEST_F(StartupTest, RecordWithAnotherExtensionStartsANewFileWithItsMessage)
{
    CopyShippedSetupFiles();
    WriteJournal(Path("upper.SIZ"), {"1"});
    WriteFileBytes(Path("duzizezi.ino"), Path("upper.SIZ").str());
    ASSERT_TRUE(Start());
    ASSERT_EQ(1u, MessagesShown().size());
    EXPECT_EQ(0, MessagesShown()[0].Find("新規ファイルを開きます。"));
    EXPECT_EQ(CString(kNewFile), Document()->m_strPathName);
}

TEST_F(StartupTest, OldJournalIsConvertedAndWrittenBesideItWithTheNewExtension)
{
    CopyShippedSetupFiles();
    const CString oldPath = Path("v.siw.data.siw");
    WriteOldJournal(oldPath);
    const std::string oldBytes = ReadFileBytes(oldPath);
    WriteFileBytes(Path("duzizezi.ino"), oldPath.str());
    ASSERT_TRUE(Start());

    const CString newPath = Path("v.siw.data.siz");
    ASSERT_EQ(1u, MessagesShown().size());
    EXPECT_GE(MessagesShown()[0].Find("「" + newPath + "」です。"), 0);
    EXPECT_EQ(newPath, Document()->m_strPathName);
    EXPECT_FALSE(Document()->IsModified());
    EXPECT_EQ(0, Document()->m_arrOldJournal.GetSize());
    ASSERT_EQ(1, Document()->m_arrJournal.GetSize());
    EXPECT_EQ(CString("1500"), Document()->m_arrJournal.GetAt(0)->m_strCauseAmount1);

    JournalArray written;
    LoadRecordFile(newPath, written);
    ASSERT_EQ(1, written.GetSize());
    EXPECT_EQ(CString("1999/04/01"), written.GetAt(0)->m_strDate);
    DeleteRecords(written);
    EXPECT_EQ(oldBytes, ReadFileBytes(oldPath));

    ASSERT_TRUE(Close());
    EXPECT_EQ(newPath.str(), ReadFileBytes(Path("duzizezi.ino")));
}

TEST_F(StartupTest, ConvertedJournalIsBackedUpUnderItsNewNameOnly)
{
    CopyShippedSetupFiles();
    const CString backupDir = Path("backup");
    std::filesystem::create_directories(m_folder.Native() / "backup");
    WriteOldJournal(Path("data.siw"));
    // An old-format file of the old name in the backup folder is the user's and stays.
    WriteFileBytes(backupDir + "\\data.siw", "old backup");
    WriteFileBytes(Path("duzizezi.ino"), (Path("data.siw") + "[]" + backupDir + "][data.siw").str());
    ASSERT_TRUE(Start());

    EXPECT_EQ(Path("data.siz"), Document()->m_strPathName);
    EXPECT_EQ(CString("data.siz"), Document()->m_strFileName);
    EXPECT_EQ(CString("data.siz"), Document()->m_strBackupName);

    Document()->m_arrJournal.Add(SaleEntry("2024/05/01", "1"));
    Document()->SetModifiedFlag(TRUE);
    m_answers.asked.clear();
    Frame()->SendMessage(WM_COMMAND, ID_FILE_SAVE);
    EXPECT_EQ(std::string("old backup"), ReadFileBytes(backupDir + "\\data.siw"));
    JournalArray backup;
    LoadRecordFile(backupDir + "\\data.siz", backup);
    EXPECT_EQ(2, backup.GetSize());
    DeleteRecords(backup);
    ASSERT_FALSE(MessagesShown().empty());
    EXPECT_GE(MessagesShown().back().Find("ファイル名 「 data.siz 」 は、"), 0);
}

TEST_F(StartupTest, ConversionAsksBeforeReplacingAJournalOfTheSameName)
{
    CopyShippedSetupFiles();
    WriteOldJournal(Path("data.siw"));
    WriteJournal(Path("data.siz"), {"7", "8", "9"});
    const std::string existing = ReadFileBytes(Path("data.siz"));
    WriteFileBytes(Path("duzizezi.ino"), Path("data.siw").str());
    m_answers.messageBox = [](const MessageBoxRequest& box) {
        return (box.style & MB_YESNO) ? IDNO : IDOK;
    };
    ASSERT_TRUE(Start());

    ASSERT_EQ(2u, MessagesShown().size());
    EXPECT_GE(MessagesShown()[1].Find("上書きしますか"), 0);
    EXPECT_EQ(existing, ReadFileBytes(Path("data.siz")));
    EXPECT_EQ(CString(kNewFile), Document()->m_strPathName);
    EXPECT_TRUE(Document()->IsModified());
    EXPECT_EQ(1, Document()->m_arrJournal.GetSize());
}

TEST_F(StartupTest, OldJournalThatCannotBeReadIsReportedByItsCause)
{
    const char* const notConverted = "」の読み込みに失敗しました。";
    struct Case {
        const char* what;
        bool writeFile;
        std::string bytes;
        std::vector<CString> firstMessages;
    } cases[] = {
        {"missing file", false, "", {"ファイルが存在しません", "ファイルのオープンに失敗しました"}},
        {"reference to an undefined class", true, std::string("\x01\x00\x01\x80", 4),
         {"ファイル フォーマットが正しくありません。", "ファイルのオープンに失敗しました！"}},
        {"a journal of the new kind", true, "", {"ファイルのオープンに失敗しました！"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CopyShippedSetupFiles();
        const CString oldPath = Path("old.siw");
        if (c.writeFile && c.bytes.empty())
            WriteJournal(oldPath, {"1"});
        else if (c.writeFile)
            WriteFileBytes(oldPath, c.bytes);
        WriteFileBytes(Path("duzizezi.ino"), oldPath.str());
        m_answers.asked.clear();
        ASSERT_TRUE(Start());

        std::vector<CString> expected = c.firstMessages;
        expected.push_back("前回作業の古いバージョンの会計データ「" + oldPath + notConverted);
        EXPECT_EQ(expected, MessagesShown());
        EXPECT_EQ(CString(kNewFile), Document()->m_strPathName);
        EXPECT_EQ(0, Document()->m_arrJournal.GetSize());
        EXPECT_EQ(0, Document()->m_arrOldJournal.GetSize());
        EXPECT_FALSE(FileExists(Path("duzizezi.ino")));
        EXPECT_FALSE(FileExists(Path("old.siz")));
        Stop();
        if (FileExists(oldPath))
            CFile::Remove(oldPath);
    }
}

// Too few nodes, a child index past the end, nine nodes that make no tree: each
// is the set-up failure (no internal text), and the file is never written back.
TEST_F(StartupTest, BrokenDictionaryIsReportedAtTheFirstPaintAndTheProgramEndsWithoutWritingIt)
{
    const struct {
        const char* what;
        int nodes;
        int node;         // the node changed, -1 none
        int firstChild;
        int childCount;
    } cases[] = {
        {"five nodes", 5, -1, 0, 0},
        {"children past the end", 9, 1, 40, 3},
        {"nine nodes that make no tree", 9, 0, 1, 7},
        {"a run inside another", 9, 2, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CopyShippedSetupFiles();
        WriteDictionary(Path("zuvavodi.sdn"), c.nodes);
        if (c.node >= 0) {
            CTypedPtrArray<CObArray, CKiso*> nodes;
            LoadRecordFile(Path("zuvavodi.sdn"), nodes);
            nodes.GetAt(c.node)->m_nFirstChild = c.firstChild;
            nodes.GetAt(c.node)->m_nChildCount = c.childCount;
            SaveRecordFile(Path("zuvavodi.sdn"), nodes);
            DeleteRecords(nodes);
        }
        const std::string dictionary = ReadFileBytes(Path("zuvavodi.sdn"));
        m_answers.asked.clear();
        // Showing the main window paints the journal view, which reports and closes the program.
        ASSERT_TRUE(Start(SW_SHOWNORMAL));
        PumpWaitingMessages();

        EXPECT_EQ(std::vector<CString>{CString("「Zirere」\n\n設定ファイルの読み込みに失敗しました。\n\n再インストールしてください。")},
                  MessagesShown());
        EXPECT_EQ(nullptr, m_app->m_pMainWnd);
        EXPECT_EQ(dictionary, ReadFileBytes(Path("zuvavodi.sdn")));
        Stop();
    }
}

TEST_F(StartupTest, MissingHintFileIsASetupFailureToo)
{
    CopyShippedSetupFiles();
    CFile::Remove(Path("vevidez.hel"));
    const std::string dictionary = ReadFileBytes(Path("zuvavodi.sdn"));
    ASSERT_TRUE(Start());
    EXPECT_EQ(-1, Document()->m_nSetupStatus);
    ASSERT_TRUE(Close());
    // The dictionary loaded whole, so it is written back as it was.
    EXPECT_EQ(dictionary, ReadFileBytes(Path("zuvavodi.sdn")));
}

TEST_F(StartupTest, SecondInstanceEndsBeforeReadingOrWritingAnything)
{
    CopyShippedSetupFiles();
    ASSERT_TRUE(Start());
    CMyApp second;
    second.m_nCmdShow = SW_HIDE;
    EXPECT_FALSE(second.InitInstance());
    EXPECT_EQ(nullptr, second.m_pMainWnd);
    EXPECT_TRUE(MessagesShown().empty());
    EXPECT_FALSE(FileExists(Path("vozare.ino")));
    second.ExitInstance();
}

}  // namespace
