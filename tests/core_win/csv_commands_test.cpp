// The CSV commands of the document: the journal exported in both forms, a journal
// imported from the record form (a foreign file refused with the journal as it
// was), and the dictionary CSV file written and read back.
#include "../support/journal_fixtures.h"
#include "program_folder.h"

#include "core/dictionary_csv.h"
#include "core/record_file.h"
#include "framework/win/wide_text.h"
#include "framework/win/win_app.h"
#include "resource.h"

#include <filesystem>

namespace {

const char* const kForeign = "指定されたファイルはフォーマットが違うため、読み込み出来ません！";

class CsvCommandsTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        CopyShippedSetupFiles();
        WriteJournal(Path("2024.siz"), {"100", "200"});
        WriteFileBytes(Path("duzizezi.ino"), Path("2024.siz").str());
        ASSERT_TRUE(Start());
        Document()->m_nCurBook = kBookJournal;
        m_answers.asked.clear();
    }

    void Send(UINT command) { Frame()->SendMessage(WM_COMMAND, command); }
    void ChooseFile(const CString& path)
    {
        m_answers.fileDialog = [this, path](FileDialogRequest& request) {
            m_request = request;
            request.fileName = path;
            return IDOK;
        };
    }
    void CancelFileDialog()
    {
        m_answers.fileDialog = [](FileDialogRequest&) { return IDCANCEL; };
    }
    std::vector<CString> Dates() const
    {
        std::vector<CString> dates;
        for (int i = 0; i < Document()->m_arrJournal.GetSize(); ++i)
            dates.push_back(Document()->m_arrJournal[i]->m_strDate);
        return dates;
    }

    FileDialogRequest m_request;
};

TEST_F(CsvCommandsTest, ExportWritesBothFormsAndLeavesTheDocumentAlone)
{
    Document()->m_arrJournal[1]->m_strRemark = "振込" + RemarkItem("品目:200");
    ChooseFile(Path("one.csv"));
    Send(ID_FILE_SAVE_CSV1);
    EXPECT_FALSE(m_request.bOpenFileDialog);
    EXPECT_EQ(CString("csv"), m_request.defaultExt);
    EXPECT_EQ(CString("Zirere(*.csv)|*.csv||"), m_request.filter);
    EXPECT_EQ(Folder(), m_request.initialDir);
    EXPECT_TRUE(m_request.flags & OFN_OVERWRITEPROMPT);
    EXPECT_FALSE(m_request.flags & OFN_FILEMUSTEXIST);
    EXPECT_EQ(std::string("日付,1借方科目,金額,2借方科目,金額,3借方科目,金額,借方摘要,1貸方科目,金額,2貸方科目,金額,3貸方科目,金額,貸方摘要\r\n"
                          "2024/01/01,現金,100,,,,,,売上,100,,,,, \r\n"
                          "2024/01/02,現金,200,,,,,,売上,200,,,,, 振込\r\n"),
              ReadFileBytes(Path("one.csv")));
    EXPECT_EQ(std::vector<CString>{CString("CSVデータの保存が完了しました。")}, MessagesShown());

    ChooseFile(Path("three.csv"));
    Send(ID_FILE_SAVE_CSV3);
    const std::string three = ReadFileBytes(Path("three.csv"));
    EXPECT_EQ(0u, three.find("日付,借方科目,金額,借方摘要,貸方科目,金額,貸方摘要\r\n2024/01/01,現金,100,,売上,100, \r\n,,,,,, \r\n,,,,,, \r\n備考,,,,,,\r\n"));
    EXPECT_NE(std::string::npos, three.find("備考,振込,,,,,\r\n"));
    EXPECT_FALSE(Document()->IsModified());
    EXPECT_EQ(Path("2024.siz"), Document()->m_strPathName);
}

TEST_F(CsvCommandsTest, ExportReportsAFileItCannotWriteAndRefusesWhileInserting)
{
    ChooseFile(Path("missing\\one.csv"));
    Send(ID_FILE_SAVE_CSV1);
    EXPECT_EQ(std::vector<CString>{CString("CSVデータの保存に失敗ました。")}, MessagesShown());

    // A read-only file is not replaced, and the failure is reported as such.
    WriteFileBytes(Path("locked.csv"), "old");
    std::filesystem::permissions(m_folder.Native() / "locked.csv", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    m_answers.asked.clear();
    ChooseFile(Path("locked.csv"));
    Send(ID_FILE_SAVE_CSV3);
    EXPECT_EQ(std::vector<CString>{CString("CSVデータの保存に失敗ました。")}, MessagesShown());
    EXPECT_EQ(std::string("old"), ReadFileBytes(Path("locked.csv")));
    std::filesystem::permissions(m_folder.Native() / "locked.csv", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);

    m_answers.asked.clear();
    Document()->m_nInsertRow = 0;
    Send(ID_FILE_SAVE_CSV1);
    ASSERT_EQ(1u, MessagesShown().size());
    EXPECT_EQ(0, MessagesShown()[0].Find("挿入行の編集中は、保存できません。"));
    Document()->m_nInsertRow = -1;
}

TEST_F(CsvCommandsTest, ImportReplacesTheJournalWithANewUnsavedOne)
{
    Document()->m_strBackupDir = Folder();
    Document()->m_strBackupName = "2024.siz";
    WriteFileBytes(Path("in.csv"), "2023/05/01,売上,,,現金,,,50,,,50,,,A'B,,,,,,メモ,1,1005000\r\n"
                                   "2023/05/02,仕入,,,現金,,,70,,,70\r\n");
    ChooseFile(Path("in.csv"));
    Send(ID_FILE_OPEN_CSV);
    EXPECT_TRUE(m_request.bOpenFileDialog);
    EXPECT_TRUE(m_request.flags & OFN_FILEMUSTEXIST);
    EXPECT_EQ(Folder(), m_request.initialDir);
    EXPECT_TRUE(MessagesShown().empty());
    EXPECT_EQ((std::vector<CString>{CString("2023/05/01"), CString("2023/05/02")}), Dates());
    const CMyObject2& first = *Document()->m_arrJournal[0];
    EXPECT_EQ(CString("A,B"), first.m_strCauseDesc1);
    EXPECT_EQ(1005000, first.m_nClassCode);
    EXPECT_EQ(CString(kNewFileName), Document()->m_strPathName);
    EXPECT_EQ(CString(kNewFileName), Document()->m_strFileName);
    EXPECT_EQ(CString(kNewFileName), Document()->m_strBackupName);
    EXPECT_EQ(CString(kNewFileName), Document()->GetTitle());
    EXPECT_EQ(1, Document()->m_nCurEntry);
    EXPECT_TRUE(Document()->IsModified());
    // The file of the journal that was open is untouched.
    EXPECT_EQ(2, Document()->m_arrJournal.GetSize());
    JournalArray stored;
    LoadRecordFile(Path("2024.siz"), stored);
    EXPECT_EQ(2, stored.GetSize());
    DeleteRecords(stored);
}

TEST_F(CsvCommandsTest, AForeignOrUnreadableFileLeavesTheJournalAsItWas)
{
    struct Case {
        const char* file;
        std::string bytes;
        const char* message;
    };
    const Case cases[] = {
        {"export.csv", "日付,1借方科目,金額\r\n2024/01/01,現金,100\r\n", "1行目の1番目の項目（日付）"},
        {"bad_amount.csv", "2024/01/01,現金,,,売上,,,100,,,100\r\n2024/01/02,現金,,,売上,,,1O0,,,100\r\n",
         "2行目の8番目の項目（原因金額1）"},
        // An entry the journal view would refuse to commit refuses the whole file.
        {"no_such_day.csv", "2024/01/01,現金,,,売上,,,100,,,100\r\n2024/02/30,現金,,,売上,,,100,,,100\r\n",
         "2行目の1番目の項目（日付）：日付「2024/02/30」は暦にある日ではありません。"},
        {"sides_differ.csv", "2024/01/01,現金,,,売上,,,100,,,100\r\n2024/01/02,現金,,,売上,,,999,,,10000\r\n",
         "2行目：原因科目金額　と　結果科目金額　が　相違しています。！"},
        {"no_cause.csv", "2024/01/01,現金,,,売上,,,100,,,100\r\n2024/01/02,,,,売上,,,100,,,100\r\n",
         "2行目：「原因の科目」が入力されていません。"},
        {"empty.csv", "", "読み込む仕訳がありません"},
        // 2024/01/01,現金,,,売上,,,100 saved as UTF-8: refused for its encoding.
        {"utf8.csv", "2024/01/01,\xE7\x8F\xBE\xE9\x87\x91,,,\xE5\xA3\xB2\xE4\xB8\x8A,,,100\r\n",
         "ファイルの文字コードがShift-JISではありません"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        m_answers.asked.clear();
        WriteFileBytes(Path(c.file), c.bytes);
        ChooseFile(Path(c.file));
        Send(ID_FILE_OPEN_CSV);
        ASSERT_EQ(1u, MessagesShown().size());
        EXPECT_EQ(0, MessagesShown()[0].Find(kForeign));
        EXPECT_NE(-1, MessagesShown()[0].Find(c.message));
        EXPECT_EQ((std::vector<CString>{CString("2024/01/01"), CString("2024/01/02")}), Dates());
        EXPECT_EQ(Path("2024.siz"), Document()->m_strPathName);
        EXPECT_FALSE(Document()->IsModified());
    }
    m_answers.asked.clear();
    ChooseFile(Path("absent.csv"));
    Send(ID_FILE_OPEN_CSV);
    EXPECT_EQ(std::vector<CString>{CString("CSVデータの読み込みに失敗ました。")}, MessagesShown());
    EXPECT_EQ(2, Document()->m_arrJournal.GetSize());
}

TEST_F(CsvCommandsTest, ImportOffersToSaveAChangedJournalFirst)
{
    WriteFileBytes(Path("in.csv"), "2023/05/01,売上,,,現金,,,50,,,50\r\n");
    Document()->SetModifiedFlag(TRUE);
    int answer = IDCANCEL;
    m_answers.messageBox = [&answer](const MessageBoxRequest& box) {
        return (box.style & MB_TYPEMASK) == MB_YESNOCANCEL ? answer : IDOK;
    };
    ChooseFile(Path("in.csv"));
    Send(ID_FILE_OPEN_CSV);
    EXPECT_EQ(std::vector<CString>{CString("ファイルが変更されています。保存しますか？")}, MessagesShown());
    EXPECT_EQ(2, Document()->m_arrJournal.GetSize());

    // Yes writes the journal to its file, then the import goes on.
    Document()->m_arrJournal[0]->m_strRemark = "保存済み";
    answer = IDYES;
    m_answers.asked.clear();
    Send(ID_FILE_OPEN_CSV);
    JournalArray stored;
    LoadRecordFile(Path("2024.siz"), stored);
    ASSERT_EQ(2, stored.GetSize());
    EXPECT_EQ(CString("保存済み"), stored[0]->m_strRemark);
    DeleteRecords(stored);
    EXPECT_EQ(std::vector<CString>{CString("2023/05/01")}, Dates());

    // Outside the journal view the import is refused.
    m_answers.asked.clear();
    Document()->m_nCurBook = kBookCash;
    Send(ID_FILE_OPEN_CSV);
    EXPECT_EQ(std::vector<CString>{CString("仕訳帳に移動して操作してください")}, MessagesShown());
}

class DictionaryCsvFileTest : public CsvCommandsTest {
protected:
    std::vector<std::string> DictionaryLines() const
    {
        std::vector<std::string> lines;
        const DictionaryNodes& nodes = Document()->m_arrDictionary;
        for (int i = 0; i < nodes.GetSize(); ++i)
            lines.push_back(std::to_string(nodes[i]->m_nFirstChild) + "," + std::to_string(nodes[i]->m_nChildCount) +
                            "," + nodes[i]->m_strName.str() + "," + nodes[i]->m_strWord1.str() + "," +
                            nodes[i]->m_strWord2.str());
        return lines;
    }
};

TEST_F(DictionaryCsvFileTest, TheShippedDictionaryTravelsThroughTheFileUnchanged)
{
    const auto shipped = DictionaryLines();
    ASSERT_TRUE(IsDictionaryTree(Document()->m_arrDictionary));
    Document()->m_strDictCsvPath = Path("dict.sft");
    ASSERT_TRUE(Document()->Report(Document()->ExportDictionaryCsv()));
    const std::string bytes = ReadFileBytes(Path("dict.sft"));
    EXPECT_EQ(0u, bytes.find("1,8,"));
    EXPECT_EQ(std::string::npos, bytes.find('"'));

    Document()->m_arrDictionary[9]->m_strName = "変更";
    ASSERT_TRUE(Document()->Report(Document()->ImportDictionaryCsv()));
    EXPECT_EQ(shipped, DictionaryLines());
    EXPECT_TRUE(MessagesShown().empty());
}

// The program's own export re-saved as UTF-8 by an editor: refused for its
// encoding, and neither the dictionary nor its file changes.
TEST_F(DictionaryCsvFileTest, AnExportResavedAsUtf8IsRefusedAndTheDictionaryKept)
{
    const auto before = DictionaryLines();
    const std::string storedBefore = ReadFileBytes(Path("zuvavodi.sdn"));
    Document()->m_strDictCsvPath = Path("dict.sft");
    ASSERT_TRUE(Document()->Report(Document()->ExportDictionaryCsv()));
    const std::string sjis = ReadFileBytes(Path("dict.sft"));
    const std::wstring wide = ToWide(CString(sjis));
    std::string utf8(wide.size() * 3, '\0');
    utf8.resize(static_cast<size_t>(::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                                          utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr)));
    for (const std::string& prefix : {std::string(), std::string("\xEF\xBB\xBF")}) {
        WriteFileBytes(Path("dict.sft"), prefix + utf8);
        const FileOutcome outcome = Document()->ImportDictionaryCsv();
        EXPECT_FALSE(outcome.done);
        ASSERT_EQ(1u, outcome.messages.size());
        EXPECT_EQ(CString("項目CSVデータの読み込みに失敗ました。\n\n") + NotShiftJisProblem().what, outcome.messages[0].text);
        EXPECT_EQ(before, DictionaryLines());
    }
    ASSERT_TRUE(Close());
    EXPECT_EQ(storedBefore, ReadFileBytes(Path("zuvavodi.sdn")));
}

TEST_F(DictionaryCsvFileTest, AFailedImportLeavesTheDictionaryAndItsFileAsTheyWere)
{
    const auto before = DictionaryLines();
    const std::string storedBefore = ReadFileBytes(Path("zuvavodi.sdn"));
    WriteFileBytes(Path("short.sft"), "1,8,根,,\r\n0,0,収益,,\r\n");
    Document()->m_strDictCsvPath = Path("short.sft");
    const FileOutcome outcome = Document()->ImportDictionaryCsv();
    EXPECT_FALSE(outcome.done);
    ASSERT_EQ(1u, outcome.messages.size());
    EXPECT_EQ(0, outcome.messages[0].text.Find("項目CSVデータの読み込みに失敗ました。"));
    EXPECT_NE(-1, outcome.messages[0].text.Find("9行以上"));
    EXPECT_EQ(before, DictionaryLines());

    Document()->m_strDictCsvPath = Path("absent.sft");
    EXPECT_EQ(CString("項目CSVデータの読み込みに失敗ました。"), Document()->ImportDictionaryCsv().messages.at(0).text);
    EXPECT_EQ(before, DictionaryLines());

    Document()->m_strDictCsvPath = Path("missing\\dict.sft");
    const FileOutcome written = Document()->ExportDictionaryCsv();
    EXPECT_FALSE(written.done);
    EXPECT_EQ(CString("項目CSVデータの保存に失敗ました。"), written.messages.at(0).text);

    // The close writes the dictionary it kept.
    ASSERT_TRUE(Close());
    EXPECT_EQ(storedBefore, ReadFileBytes(Path("zuvavodi.sdn")));
}

}  // namespace
