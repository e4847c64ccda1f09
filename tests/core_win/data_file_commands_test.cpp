// The file-management commands: open old file, backup folder, and the data-file
// commands copy, move, rename and delete, with the folder picker and the rename
// dialog answered by the test.
#include "program_folder.h"

#include "core/record_file.h"
#include "framework/replace_file.h"
#include "framework/win/dialog.h"
#include "resource.h"

#include <algorithm>
#include <filesystem>

namespace {

class DataFileCommandsTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        CopyShippedSetupFiles();
        WriteJournal(Path("2024.siz"), {"100", "200"});
        WriteFileBytes(Path("duzizezi.ino"), Path("2024.siz").str());
        MakeFolder("other");
        ASSERT_TRUE(Start());
        m_answers.asked.clear();
    }

    void MakeFolder(const char* name) { std::filesystem::create_directories(m_folder.Native() / name); }
    void Send(UINT command) { Frame()->SendMessage(WM_COMMAND, command); }
    // Every Yes/No question is answered Yes; the folder picker chooses folder.
    void AnswerYesAndChoose(const CString& folder)
    {
        m_answers.messageBox = [](const MessageBoxRequest& box) {
            return (box.style & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
        };
        m_answers.folderDialog = [this, folder](FolderDialogRequest& request) {
            m_folderTitles.push_back(request.title);
            request.folder = folder;
            return IDOK;
        };
    }
    void AnswerRename(const char* name)
    {
        m_answers.dialogs[IDD_RENAME] = [name](CDialog& dialog) {
            dialog.SetDlgItemText(IDC_NEW_NAME, name);
            dialog.SendMessage(WM_COMMAND, IDOK);
        };
    }
    static bool Exists(const CString& path)
    {
        CFileStatus status;
        return CFile::GetStatus(path, status) != FALSE;
    }

    std::vector<CString> m_folderTitles;
};

TEST_F(DataFileCommandsTest, EachCommandRefusesWhatItCannotDo)
{
    struct Case {
        const char* state;
        UINT command;
        const char* refusal;
    };
    const Case cases[] = {
        {"new", ID_FILE_COPY, "ファイルとして保存されていないのでコピーできません。"},
        {"new", ID_FILE_MOVE, "ファイルとして保存されていないので移動できません。"},
        {"new", ID_FILE_RENAME, "ファイルとして保存されていません。終了時に名前をつけて保存してください。"},
        {"new", ID_FILE_DELETE, "ファイルとして保存されていないので削除できません。"},
        {"empty", ID_FILE_COPY, "コピーするデータはありません。"},
        {"empty", ID_FILE_MOVE, "移動するデータはありません。"},
        {"empty", ID_FILE_DELETE, "データは無く、削除の必要はありません。"},
        {"empty", ID_FILE_BACKUP_FOLDER, "保存するデータはありません。"},
        {"inserting", ID_FILE_COPY, "挿入行の編集中は、会計データのコピーを保存できません。"},
        {"inserting", ID_FILE_MOVE, "挿入行の編集中は、会計データのコピーを保存できません。"},
        {"inserting", ID_FILE_RENAME, "挿入行の編集中は、ファイル名を変更できません。"},
        {"inserting", ID_FILE_DELETE, "挿入行の編集中は、ファイルを削除できません。"},
        {"inserting", ID_FILE_BACKUP_FOLDER, "挿入行の編集中は、バックアップ保存できません。"},
        {"book", ID_FILE_OPEN_OLD, "仕訳帳に移動して操作してください"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refusal);
        CMyDoc* document = Document();
        const CString path = document->m_strPathName;
        document->m_nCurBook = std::string(c.state) == "book" ? kBookCash : kBookJournal;
        document->m_nInsertRow = std::string(c.state) == "inserting" ? 0 : -1;
        if (std::string(c.state) == "new")
            document->m_strPathName = kNewFileName;
        JournalArray kept;
        if (std::string(c.state) == "empty") {
            kept.Append(document->m_arrJournal);
            document->m_arrJournal.RemoveAll();
        }
        m_answers.asked.clear();
        Send(c.command);
        ASSERT_EQ(1u, MessagesShown().size());
        EXPECT_EQ(0, MessagesShown()[0].Find(c.refusal));
        document->m_arrJournal.Append(kept);
        document->m_strPathName = path;
        document->m_nInsertRow = -1;
    }
    EXPECT_TRUE(Exists(Path("2024.siz")));
}

TEST_F(DataFileCommandsTest, CopyWritesIntoTheChosenFolderAndNeverOntoTheOpenFile)
{
    AnswerYesAndChoose(Path("other"));
    Send(ID_FILE_COPY);
    EXPECT_EQ(std::vector<CString>{CString("コピー先のフォルダを　選択してください")}, m_folderTitles);
    EXPECT_EQ(2, EntriesInFile(Path("other\\2024.siz")));
    EXPECT_EQ(0, MessagesShown().back().Find("ファイル名 「 2024.siz 」 は、\n\n指定されたフォルダ 「 " + Path("other")));
    EXPECT_EQ(Path("2024.siz"), Document()->m_strPathName);

    // The folder of the open file, spelled with a trailing backslash and in capitals.
    const std::string bytes = ReadFileBytes(Path("2024.siz"));
    CString sameFolder = Folder() + "\\";
    sameFolder.MakeUpper();
    AnswerYesAndChoose(sameFolder);
    Send(ID_FILE_COPY);
    EXPECT_EQ(CString("コピー元のフォルダと、コピー先のフォルダが同じです。"), MessagesShown().back());
    EXPECT_EQ(bytes, ReadFileBytes(Path("2024.siz")));
}

TEST_F(DataFileCommandsTest, MoveTakesTheOpenFileToTheChosenFolderOnce)
{
    AnswerYesAndChoose(Path("other"));
    Send(ID_FILE_MOVE);
    EXPECT_FALSE(Exists(Path("2024.siz")));
    EXPECT_EQ(2, EntriesInFile(Path("other\\2024.siz")));
    EXPECT_EQ(Path("other\\2024.siz"), Document()->m_strPathName);
    EXPECT_EQ(Path("other"), Document()->m_strDataDir);
    EXPECT_EQ(Path("other\\2024.siz").str(), ReadFileBytes(Path("duzizezi.ino")));
    EXPECT_GE(MessagesShown().back().Find("正常に移動されました。"), 0);

    // The same folder again, spelled otherwise: refused, the file stays.
    AnswerYesAndChoose(Path("other") + "\\");
    Send(ID_FILE_MOVE);
    EXPECT_EQ(CString("移動元のフォルダと、移動先のフォルダが同じです。"), MessagesShown().back());
    EXPECT_EQ(2, EntriesInFile(Path("other\\2024.siz")));

    // Into a folder that does not exist: reported, nothing moves.
    AnswerYesAndChoose(Path("gone\\deeper"));
    Send(ID_FILE_MOVE);
    EXPECT_EQ(CString("指定されたフォルダは存在しません。"), MessagesShown().back());
    EXPECT_EQ(Path("other\\2024.siz"), Document()->m_strPathName);
}

// Answering No to the save question copies or moves the file as it is on disk:
// the unsaved entries stay in the open journal only.
TEST_F(DataFileCommandsTest, AfterNoToTheSaveQuestionTheFileOnDiskIsCopiedOrMoved)
{
    for (const UINT command : {ID_FILE_COPY, ID_FILE_MOVE}) {
        SCOPED_TRACE(command == ID_FILE_COPY ? "copy" : "move");
        const CString folder = Path(command == ID_FILE_COPY ? "other" : "moved");
        MakeFolder(command == ID_FILE_COPY ? "other" : "moved");
        Document()->m_arrJournal.Add(SaleEntry("2024/03/01", "300"));
        Document()->SetModifiedFlag(TRUE);
        const std::string onDisk = ReadFileBytes(Document()->JournalFilePath());
        m_answers.messageBox = [](const MessageBoxRequest& box) {
            if (box.text.Find("変更を保存して") >= 0)
                return IDNO;
            return (box.style & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
        };
        m_answers.folderDialog = [folder](FolderDialogRequest& request) {
            request.folder = folder;
            return IDOK;
        };
        Send(command);
        EXPECT_EQ(onDisk, ReadFileBytes(folder + "\\2024.siz"));
        EXPECT_TRUE(Document()->IsModified());
        EXPECT_EQ(command == ID_FILE_COPY ? 3 : 4, Document()->m_arrJournal.GetSize());
    }
    EXPECT_EQ(Path("moved\\2024.siz"), Document()->m_strPathName);
    EXPECT_FALSE(Exists(Path("2024.siz")));

    // The file on disk has gone since: the copy fails for that reason, not for a
    // missing folder.
    CFile::Remove(Path("moved\\2024.siz"));
    MakeFolder("third");
    m_answers.folderDialog = [this](FolderDialogRequest& request) {
        request.folder = Path("third");
        return IDOK;
    };
    Send(ID_FILE_COPY);
    EXPECT_EQ(CString("「　2024.siz　」\n\nのコピーに失敗ました。\n理由: ファイルが見つかりません。"), MessagesShown().back());
    EXPECT_FALSE(Exists(Path("third\\2024.siz")));
}

TEST_F(DataFileCommandsTest, RenameRenamesTheFileOrReportsWhyNot)
{
    WriteJournal(Path("taken.siz"), {"1"});
    AnswerRename("taken.siz");
    Send(ID_FILE_RENAME);
    EXPECT_EQ(std::vector<CString>{CString("ファイル名「　2024.siz　」の変更に失敗しました。")}, MessagesShown());
    EXPECT_EQ(Path("2024.siz"), Document()->m_strPathName);

    AnswerRename("sub\\x.siz");
    Send(ID_FILE_RENAME);
    EXPECT_EQ(0, MessagesShown().back().Find("ファイル名に次の文字は使えません。"));
    EXPECT_TRUE(Exists(Path("2024.siz")));

    m_answers.asked.clear();
    AnswerRename("2024.siz");
    Send(ID_FILE_RENAME);
    EXPECT_TRUE(MessagesShown().empty());

    AnswerRename("売上2024.siz");
    Send(ID_FILE_RENAME);
    EXPECT_FALSE(Exists(Path("2024.siz")));
    EXPECT_EQ(2, EntriesInFile(Path("売上2024.siz")));
    EXPECT_EQ(Path("売上2024.siz"), Document()->m_strPathName);
    EXPECT_EQ(CString("売上2024.siz"), Document()->m_strFileName);
    EXPECT_EQ(CString("ファイル名「　2024.siz　」は「　売上2024.siz　」に変更されました。"), MessagesShown().back());
    EXPECT_EQ((Path("売上2024.siz") + "[]][売上2024.siz").str(), ReadFileBytes(Path("duzizezi.ino")));
}

TEST_F(DataFileCommandsTest, DeletePutsTheFileInTheRecycleBinAndStartsANewJournal)
{
    Document()->SetModifiedFlag(TRUE);
    m_answers.messageBox = [](const MessageBoxRequest& box) { return (box.style & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK; };
    Send(ID_FILE_DELETE);
    EXPECT_TRUE(Exists(Path("2024.siz")));

    AnswerYesAndChoose(CString());
    Send(ID_FILE_DELETE);
    EXPECT_FALSE(Exists(Path("2024.siz")));
    EXPECT_EQ(CString("2024.sizを削除しました。(ゴミ箱に移動)"), MessagesShown().back());
    EXPECT_EQ(CString(kNewFileName), Document()->m_strPathName);
    EXPECT_EQ(0, Document()->m_arrJournal.GetSize());
    EXPECT_FALSE(Document()->IsModified());
    EXPECT_EQ("新規ファイル.siz[]][新規ファイル.siz", ReadFileBytes(Path("duzizezi.ino")));
}

TEST_F(DataFileCommandsTest, BackupFolderCommandWritesTheCopyAndKeepsTheFolder)
{
    AnswerYesAndChoose(Path("other"));
    Send(ID_FILE_BACKUP_FOLDER);
    EXPECT_EQ(std::vector<CString>{CString(kBackupFolderTitle)}, m_folderTitles);
    EXPECT_EQ(2, EntriesInFile(Path("other\\2024.siz")));
    EXPECT_EQ(Path("other"), Document()->m_strBackupDir);
    EXPECT_EQ(CString("2024.siz"), Document()->m_strBackupName);
    EXPECT_EQ((Path("2024.siz") + "[]" + Path("other") + "][2024.siz").str(), ReadFileBytes(Path("duzizezi.ino")));
}

TEST_F(DataFileCommandsTest, BackupToAVanishedFolderOffersAnotherUntilOneWorksOrTheUserCancels)
{
    Document()->m_strBackupDir = Path("gone");
    Document()->m_strBackupName = "2024.siz";
    Document()->SetModifiedFlag(TRUE);
    // The first folder offered has vanished too; the second one works.
    std::vector<CString> offered = {Path("gone too"), Path("other")};
    m_answers.folderDialog = [&offered](FolderDialogRequest& request) {
        if (offered.empty())
            return IDCANCEL;
        request.folder = offered.front();
        offered.erase(offered.begin());
        return IDOK;
    };
    Send(ID_FILE_SAVE);
    EXPECT_TRUE(offered.empty());
    EXPECT_EQ(2, EntriesInFile(Path("other\\2024.siz")));
    EXPECT_EQ(Path("other"), Document()->m_strBackupDir);
    const std::vector<CString> shown = MessagesShown();
    EXPECT_EQ(2, std::count_if(shown.begin(), shown.end(),
                               [](const CString& text) { return text.Find("のバックアップに失敗ました。") >= 0; }));

    Document()->m_strBackupDir = Path("gone");
    m_answers.folderDialog = [](FolderDialogRequest&) { return IDCANCEL; };
    Send(ID_FILE_SAVE);
    EXPECT_EQ(0, MessagesShown().back().Find("バックアップの指定場所を取り消しました。"));
    EXPECT_TRUE(Document()->m_strBackupDir.IsEmpty());
    EXPECT_TRUE(Document()->m_strBackupName.IsEmpty());
}

// A backup folder that is there but refuses the copy (read-only) is reported
// with that reason, never as a folder that cannot be found.
TEST_F(DataFileCommandsTest, ABackupFolderThatRefusesTheCopyIsReportedAsSuchNotAsMissing)
{
    m_answers.folderDialog = [this](FolderDialogRequest& request) {
        m_folderTitles.push_back(request.title);
        if (m_folderTitles.size() > 1)
            return IDCANCEL;
        request.folder = Path("other");
        return IDOK;
    };
    g_replaceFault = ReplaceFault{ReplaceFault::replace, 0};
    Send(ID_FILE_BACKUP_FOLDER);
    g_replaceFault = ReplaceFault{};
    const std::vector<CString> shown = MessagesShown();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ("「　" + Path("other") + "\\2024.siz　」\n\nのバックアップに失敗ました。\n"
              "理由: アクセスが拒否されました（読み取り専用か、書き込む権限がありません）。",
              shown[0]);
    for (const CString& text : shown)
        EXPECT_EQ(-1, text.Find("見つかりません")) << text.str();
    EXPECT_FALSE(Exists(Path("other\\2024.siz")));
}

TEST_F(DataFileCommandsTest, OldFileFromTheProgramFolderIsConvertedAndSavedThereWhateverTheCurrentFolder)
{
    WriteOldJournal(Path("old.siw"));
    WriteJournal(Path("old.siz"), {"7"});
    const std::string existing = ReadFileBytes(Path("old.siz"));
    m_answers.fileDialog = [this](FileDialogRequest& request) {
        EXPECT_EQ(CString("*.siw"), request.fileName);
        EXPECT_EQ(Folder(), request.initialDir);
        request.fileName = Path("old.siw");
        return IDOK;
    };
    // The existing journal of the converted name is kept on No.
    m_answers.messageBox = [](const MessageBoxRequest& box) { return (box.style & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK; };
    Send(ID_FILE_OPEN_OLD);
    EXPECT_EQ(existing, ReadFileBytes(Path("old.siz")));
    EXPECT_EQ(CString(kNewFileName), Document()->m_strPathName);
    EXPECT_TRUE(Document()->IsModified());

    CFile::Remove(Path("old.siz"));
    Document()->SetModifiedFlag(FALSE);
    m_answers.asked.clear();
    Send(ID_FILE_OPEN_OLD);
    EXPECT_EQ(CString("old.siz"), Document()->m_strPathName);
    EXPECT_EQ(CString("old.siz"), Document()->m_strFileName);
    EXPECT_EQ(Folder(), Document()->m_strDataDir);
    EXPECT_FALSE(Document()->IsModified());
    ASSERT_EQ(1u, MessagesShown().size());
    EXPECT_GE(MessagesShown()[0].Find("新しいファイル名は 「old.siz」です。"), 0);
    EXPECT_EQ(1, EntriesInFile(Path("old.siz")));

    // A dialog may leave another current folder: the bare name still means the program folder.
    SetCurrentDirectoryW(m_folder.Native().wstring().append(L"\\other").c_str());
    Document()->m_arrJournal.Add(SaleEntry("2024/05/01", "1"));
    Document()->SetModifiedFlag(TRUE);
    Send(ID_FILE_SAVE);
    EXPECT_EQ(2, EntriesInFile(Path("old.siz")));
    EXPECT_FALSE(Exists(Path("other\\old.siz")));
}

TEST_F(DataFileCommandsTest, SaveQuestionsAllLookTheSame)
{
    Document()->SetModifiedFlag(TRUE);
    UINT style = 0;
    m_answers.messageBox = [&style](const MessageBoxRequest& box) {
        style = box.style;
        return IDCANCEL;
    };
    Send(ID_FILE_NEW);
    EXPECT_EQ(0x43u, style);
}

}  // namespace
