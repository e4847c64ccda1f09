#include "my_doc.h"

#include "../connect_words.h"
#include "../dictionary_tree.h"
#include "directory_dialog.h"
#include "../last_file_record.h"
#include "../old_journal.h"
#include "../path_text.h"
#include "../record_file.h"
#include "../settings_file.h"

#include "../../framework/file_failure_reason.h"
#include "../../framework/replace_file.h"
#include "../../framework/win/frame_wnd.h"
#include "../../framework/win/recent_file_list.h"
#include "../../framework/win/message_box.h"
#include "../../framework/win/win_app.h"
#include "../../framework/win/file_dialog.h"
#include "../../framework/win/modal_seam.h"
#include "../../framework/win/wide_text.h"
#include "../../resources/resource.h"

#include <windows.h>

#include <vector>

const char* const kNewFileName = "新規ファイル.siz";
const char* const kOpenFailed = "ファイルのオープンに失敗しました！";
const char* const kBackupFolderTitle = "バックアップ先のフォルダを　選択してください";

namespace {

const char* const kSampleMark = "ｻﾝﾌﾟﾙ";
const char* const kDictionaryFile = "zuvavodi.sdn";
const char* const kHintFile = "vevidez.hel";
const char* const kSettingsFile = "vozare.ino";
const char* const kLastFileRecord = "duzizezi.ino";
constexpr int kSmallestDictionary = 9;

CString CurrentDirectory()
{
    DWORD needed = GetCurrentDirectoryW(0, nullptr);
    std::wstring buffer(needed, L'\0');
    DWORD length = GetCurrentDirectoryW(needed, buffer.data());
    return FromWide(buffer.c_str(), static_cast<int>(length));
}

// The message shown for the cause of a file error met while reading an old journal file.
const char* OldFileErrorText(int cause)
{
    switch (cause) {
    case CFileException::fileNotFound: return "ファイルが存在しません";
    case CFileException::tooManyOpenFiles: return "tooManyOpenFiles";
    case CFileException::accessDenied: return "ファイルがアクセス禁止です";
    case CFileException::invalidFile: return "不正ファイル ハンドル使用";
    case CFileException::removeCurrentDir: return "作業中のカレント ディレクトリの削除不可";
    case CFileException::directoryFull: return "ディレクトリ フル";
    case CFileException::badSeek: return "ファイル ポインタ設定エラー";
    case CFileException::hardIO: return "ハードウェア エラー";
    case CFileException::sharingViolation: return "SHARE.EXE 未ロードまたは共有領域ロック済み";
    case CFileException::lockViolation: return "ロック済み領域のロック要求";
    case CFileException::diskFull: return "ディスク フル";
    case CFileException::endOfFile: return "ファイルが壊れています";
    default: return nullptr;
    }
}

}  // namespace

IMPLEMENT_DYNCREATE(CMyDoc, CDocument)

const MessageMap* CMyDoc::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CMyDoc>(
        on::Command(ID_FILE_NEW, &CMyDoc::OnFileNew),
        on::Command(ID_FILE_OPEN, &CMyDoc::OnFileOpen),
        on::CommandRangeEx(ID_FILE_MRU_FIRST, ID_FILE_MRU_LAST, &CMyDoc::OnOpenRecentFile),
        on::Command(ID_FILE_SAVE, &CMyDoc::OnFileSave),
        on::Command(ID_FILE_SAVE_AS, &CMyDoc::OnFileSaveAs),
        on::Command(ID_FILE_OPEN_OLD, &CMyDoc::OnFileOpenOld),
        on::Command(ID_FILE_BACKUP_FOLDER, &CMyDoc::OnFileBackupFolder),
        on::Command(ID_FILE_COPY, &CMyDoc::OnFileCopy),
        on::Command(ID_FILE_MOVE, &CMyDoc::OnFileMove),
        on::Command(ID_FILE_RENAME, &CMyDoc::OnFileRename),
        on::Command(ID_FILE_DELETE, &CMyDoc::OnFileDelete),
        on::Command(ID_FILE_SAVE_CSV1, &CMyDoc::OnFileSaveCsv1),
        on::Command(ID_FILE_SAVE_CSV3, &CMyDoc::OnFileSaveCsv3),
        on::Command(ID_FILE_OPEN_CSV, &CMyDoc::OnFileOpenCsv));
    return &map;
}

int CMyDoc::s_nBuildFontSize = 12;

CMyDoc::CMyDoc() : m_nFontSize(s_nBuildFontSize) {}

CMyDoc::~CMyDoc()
{
    DeleteRecords(m_arrOldJournal);
    DeleteRecords(m_arrJournal);
    DeleteRecords(m_arrPartners);
    DeleteRecords(m_arrPrevJournal);
    DeleteRecords(m_arrHints);
    DeleteRecords(m_arrDictionary);
    DeleteRecords(m_arrWorkDict);
    DeleteRecords(m_arrKishuZandaka);
}

void CMyDoc::DeleteContents()
{
    m_nCurEntry = -1;
    DeleteRecords(m_arrOldJournal);
    DeleteRecords(m_arrJournal);
    DeleteRecords(m_arrPartners);
    CDocument::DeleteContents();
}

void CMyDoc::FreeDictionary()
{
    DeleteRecords(m_arrDictionary);
}

void CMyDoc::LoadDictionary()
{
    m_nSetupStatus = 0;
    m_bDictionaryLoaded = FALSE;
    try {
        LoadRecordFile(kDictionaryFile, m_arrDictionary);
    } catch (const CException&) {
        m_nSetupStatus = -1;
        return;
    }
    // A damaged dictionary (child indexes past the end, runs that make no tree)
    // is the set-up failure and is never written back at close.
    if (m_arrDictionary.GetSize() < kSmallestDictionary || !IsDictionaryTree(m_arrDictionary)) {
        // As when the file cannot be read: nothing walks a damaged tree.
        DeleteRecords(m_arrDictionary);
        m_nSetupStatus = -1;
    } else {
        m_bDictionaryLoaded = TRUE;
    }
}

// Removes the temporary files a save killed midway left beside target: only
// names the safe write makes for that target. The program runs alone (a second
// instance ends before it reads any file), so no save of another is under way.
static void RemoveLeftoverTemporaryFiles(const CString& target)
{
    const CString name = FileNameOfPath(target);
    const CString folder = target.Left(target.GetLength() - name.GetLength());
    WIN32_FIND_DATAW found;
    const HANDLE search = ::FindFirstFileW(ToWide(folder + name + ".*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    std::vector<CString> leftovers;
    do {
        const CString foundName = FromWide(found.cFileName);
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsTemporaryFileNameOf(foundName, name))
            leftovers.push_back(folder + foundName);
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    for (const CString& leftover : leftovers) {
        try {
            CFile::Remove(leftover);
        } catch (const CFileException&) {
        }
    }
}

BOOL CMyDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    ReadSetupFiles();
    OpenLastJournal();
    for (const char* setupFile : {kSettingsFile, kLastFileRecord, kDictionaryFile})
        RemoveLeftoverTemporaryFiles(m_strProgramDir + "\\" + setupFile);
    if (m_strPathName != kNewFileName)
        RemoveLeftoverTemporaryFiles(JournalFilePath());
    SetTitle(m_strPathName);
    return TRUE;
}

void CMyDoc::ReadSetupFiles()
{
    LoadDictionary();
    try {
        LoadRecordFile(kHintFile, m_arrHints);
    } catch (const CException&) {
        m_nSetupStatus = -1;
    }
    m_strProgramDir = WithoutTrailingBackslash(CurrentDirectory());

    SettingsFile settings;
    settings.Read(kSettingsFile);
    m_nDeduction = settings.deduction;
    m_nTaxCategory = settings.taxCategory;
    m_strInterim1 = settings.interim1;
    m_strInterim2 = settings.interim2;
    m_strSetting2 = settings.line2Fields;
    m_strFontSize = settings.fontSize;
    // The working year-end values start as the saved ones; reading a journal file
    // sets them again (the sample file resets them).
    m_nWorkTaxCategory = m_nTaxCategory;
    m_strWorkInterim1 = m_strInterim1;
    m_strWorkInterim2 = m_strInterim2;

    m_strLastFileIni = m_strProgramDir + "\\" + kLastFileRecord;
}

void CMyDoc::FallBackToNewFile()
{
    m_strPathName = kNewFileName;
    m_strFileName = kNewFileName;
    m_nCurEntry = -1;
}

void CMyDoc::OpenLastJournal()
{
    m_nCurEntry = 0;
    CString line;
    if (!LastFileRecord::Read(kLastFileRecord, line)) {
        FallBackToNewFile();
        return;
    }
    const LastFileRecord record = LastFileRecord::Parse(line);
    m_strPathName = record.pathName;
    m_strBackupDir = record.backupDir;
    m_strBackupName = record.backupName;
    m_strFileName = record.FileName();
    m_strDataDir = DataDirOfPath(m_strPathName, m_strFileName, m_strProgramDir);

    const CString extension = m_strPathName.Right(3);
    if (m_strPathName == kNewFileName) {
        // The journal had no file of its own yet (a backup of a journal never
        // saved, a data file deleted): a new journal, with the backup folder kept.
        FallBackToNewFile();
    } else if (extension == "siz") {
        Report(LoadJournalFile(JournalFilePath()));
        SetModifiedFlag(FALSE);
    } else if (extension == "siw") {
        const CString oldPath = m_strPathName;
        const BOOL converted = Report(ConvertOldFile(m_strPathName));
        SetModifiedFlag(TRUE);
        if (converted) {
            // From now on the converted journal is the open one: its file name and
            // its backup copy take the ".siz" name, so that no backup ever
            // replaces an old-format file of the old name.
            m_strFileName = ReplaceExtension(m_strFileName, ".siz");
            if (!m_strBackupName.IsEmpty())
                m_strBackupName = ReplaceExtension(m_strBackupName, ".siz");
            AfxMessageBox("前回作業の古いバージョンの会計データ「" + oldPath +
                              "」を、新しいバージョンの会計データに変換しました。\n\n拡張子が.siwから.sizに変更された新しいファイルの名称は 「" +
                              m_strPathName + "」です。",
                          MB_OK | MB_ICONINFORMATION);
            // An existing journal file of the converted name is never replaced without asking.
            if (FileExists(JournalFilePath()) &&
                AfxMessageBox("「" + m_strPathName + "」は既に存在します。\n\n変換したデータで上書きしますか？",
                              MB_YESNO | MB_ICONQUESTION) != IDYES) {
                m_strPathName = kNewFileName;
                m_strFileName = kNewFileName;
            } else if (Report(SaveJournalFileQuiet())) {
                SetModifiedFlag(FALSE);
            }
        } else {
            AfxMessageBox("前回作業の古いバージョンの会計データ「" + oldPath + "」の読み込みに失敗しました。", MB_OK);
            FallBackToNewFile();
        }
    } else {
        AfxMessageBox("新規ファイルを開きます。\n\n保存されているファイルを開くには、〔ファイル(F)〕→〔開く(O)〕順にクリックする。",
                      MB_OK);
        FallBackToNewFile();
    }
}

BOOL CMyDoc::Report(const FileOutcome& outcome)
{
    for (const FileMessage& message : outcome.messages)
        AfxMessageBox(message.text, message.style);
    return outcome.done;
}

BOOL CMyDoc::FileExists(const CString& path)
{
    CFileStatus status;
    return CFile::GetStatus(path, status);
}

void CMyDoc::TakeSampleSettingsOf(const CString& path)
{
    if (path.Find(kSampleMark) >= 0) {
        m_bSample = -1;
        m_nWorkTaxCategory = 1;
        m_strWorkInterim1 = "0";
        m_strWorkInterim2 = "0";
    } else {
        m_bSample = 0;
        m_nWorkTaxCategory = m_nTaxCategory;
        m_strWorkInterim1 = m_strInterim1;
        m_strWorkInterim2 = m_strInterim2;
    }
}

FileOutcome CMyDoc::LoadJournalFile(CString path)
{
    DeleteContents();
    TakeSampleSettingsOf(path);
    try {
        LoadRecordFile(path, m_arrJournal);
    } catch (const CException&) {
        DeleteContents();
        ForgetUnreadableFile();
        return FileOutcome::Failed().Then(kOpenFailed, MB_OK);
    }
    m_nCurEntry = m_arrJournal.GetSize() - 1;
    m_strPathName = path;
    SetTitle(m_strPathName);
    return FileOutcome::Done();
}

void CMyDoc::ForgetUnreadableFile()
{
    // The next start must not try the file again.
    try {
        if (FileExists(m_strLastFileIni))
            CFile::Remove(m_strLastFileIni);
    } catch (const CFileException&) {
    }
    m_strPathName = kNewFileName;
    m_nCurEntry = -1;
    SetTitle(m_strPathName);
}

FileOutcome CMyDoc::LoadPrevYearFile(CString path)
{
    // Nothing of an earlier previous-year file stays, even when this one fails.
    DeleteRecords(m_arrPrevJournal);
    try {
        LoadRecordFile(path, m_arrPrevJournal);
    } catch (const CException&) {
        return FileOutcome::Failed().Then(kOpenFailed, MB_OK);
    }
    return FileOutcome::Done();
}

FileOutcome CMyDoc::ConvertOldFile(CString path)
{
    DeleteRecords(m_arrOldJournal);
    FileOutcome failed = FileOutcome::Failed();
    try {
        LoadRecordFile(path, m_arrOldJournal);
    } catch (const CArchiveException& e) {
        if (e.m_cause == CArchiveException::badIndex)
            failed.Then("ファイル フォーマットが正しくありません。", MB_OK);
        ForgetUnreadableFile();
        return failed.Then(kOpenFailed, MB_OK);
    } catch (const CFileException& e) {
        if (const char* text = OldFileErrorText(e.m_cause))
            failed.Then(text, MB_OK);
        ForgetUnreadableFile();
        return failed.Then("ファイルのオープンに失敗しました", MB_OK);
    }
    DeleteRecords(m_arrJournal);
    ConvertOldEntries(m_arrOldJournal, m_arrJournal);
    DeleteRecords(m_arrOldJournal);

    m_nCurEntry = m_arrJournal.GetSize() - 1;
    m_strPathName = ReplaceExtension(path, ".siz");
    SetTitle(m_strPathName);
    return FileOutcome::Done();
}

FileOutcome CMyDoc::WriteJournal(const CString& path, BOOL quiet)
{
    // The system's reason goes on a line of its own under the message.
    CString reason;
    try {
        SaveRecordFile(path, m_arrJournal);
        return FileOutcome::Done();
    } catch (const CArchiveException&) {
        if (quiet)
            return FileOutcome::Failed();
    } catch (const CFileException& e) {
        reason = "\n" + FileFailureReason(e);
        if (quiet)
            return FileOutcome::Failed().Then(path + "の保存に失敗ました。" + reason, MB_OK);
    }
    return FileOutcome::Failed().Then("「　" + path + "　」の保存に失敗ました。" + reason, MB_OK);
}

CString CMyDoc::JournalFilePath() const
{
    return PathInFolder(m_strPathName, m_strProgramDir);
}

FileOutcome CMyDoc::SaveJournalFile()
{
    return SaveJournalFileTo(m_strPathName);
}

FileOutcome CMyDoc::SaveJournalFileTo(const CString& path)
{
    CWaitCursor wait;
    if (m_bSample != 0) {
        SetModifiedFlag(FALSE);
        return FileOutcome::Failed().Then("「　" + m_strFileName + "　」はサンプルファイルです。変更保存できません。", MB_OK);
    }
    FileOutcome outcome = WriteJournal(PathInFolder(path, m_strProgramDir), FALSE);
    if (outcome.done) {
        outcome.Then("「　" + path + "　」は正常に保存されました。", MB_OK | MB_ICONINFORMATION);
        SetModifiedFlag(FALSE);
    }
    return outcome;
}

FileOutcome CMyDoc::SaveJournalFileQuiet()
{
    FileOutcome outcome = WriteJournal(JournalFilePath(), TRUE);
    // The message names the journal as the document names it, above the reason.
    for (FileMessage& message : outcome.messages) {
        const int reason = message.text.Find('\n');
        message.text = m_strPathName + "の保存に失敗ました。" + (reason >= 0 ? message.text.Mid(reason) : CString());
    }
    return outcome;
}

void CMyDoc::RemoveEmptyJournalFile()
{
    // While the journal has no file, the name is no file of the user's.
    if (m_strPathName == kNewFileName)
        return;
    try {
        if (FileExists(JournalFilePath()))
            CFile::Remove(JournalFilePath());
    } catch (const CFileException&) {
    }
}

void CMyDoc::WriteLastFileRecord()
{
    WriteLastFileRecordLine(!m_strBackupName.IsEmpty());
}

LastFileRecord CMyDoc::CurrentLastFileRecord(BOOL withBackup) const
{
    LastFileRecord record;
    record.pathName = m_strPathName;
    if (withBackup) {
        record.backupDir = m_strBackupDir;
        record.backupName = m_strBackupName;
        record.backupForm = true;
    }
    return record;
}

void CMyDoc::WriteLastFileRecordLine(BOOL withBackup)
{
    try {
        CurrentLastFileRecord(withBackup).Write(m_strLastFileIni);
    } catch (const CFileException&) {
    }
}

CMyDoc::BackupWrite CMyDoc::WriteBackupCopy(const CString& path)
{
    CWaitCursor wait;
    const CString failed = "「　" + path + "　」\n\nのバックアップに失敗ました。バックアップ先が見つかりません。";
    try {
        SaveRecordFile(path, m_arrJournal);
    } catch (const CFileException& e) {
        if (e.m_cause == CFileException::fileNotFound)
            return {FileOutcome::Failed().Then("指定されたファイルは存在しません。", MB_OK), false};
        // A folder that is there but cannot be written (read-only, full) is not
        // reported as missing: the message gives the system's reason instead.
        if (e.m_cause != CFileException::badPath)
            return {FileOutcome::Failed().Then("「　" + path + "　」\n\nのバックアップに失敗ました。\n" + FileFailureReason(e), MB_OK),
                    true};
        return {FileOutcome::Failed().Then(failed, MB_OK), true};
    } catch (const CArchiveException&) {
        return {FileOutcome::Failed().Then(failed, MB_OK), false};
    }
    WriteLastFileRecord();
    return {FileOutcome::Done().Then("ファイル名 「 " + m_strFileName + " 」 は、\n\nバックアップ先フォルダ 「 " +
                                         m_strBackupDir + " 」 に\n\n正常にバックアップされました。",
                                     MB_OK),
            false};
}

void CMyDoc::BackupJournal(CString path)
{
    for (;;) {
        const BackupWrite written = WriteBackupCopy(path);
        Report(written.outcome);
        if (!written.offerAnotherFolder)
            return;
        CString folder;
        if (!ChooseFolder(kBackupFolderTitle, folder)) {
            m_strBackupDir.Empty();
            m_strBackupName.Empty();
            AfxMessageBox("バックアップの指定場所を取り消しました。\n\n終了時の自動バックアップを有効にするには、場所を再指定してください。",
                          MB_OK);
            return;
        }
        m_strBackupDir = folder;
        m_strBackupName = m_strFileName;
        path = folder + "\\" + m_strFileName;
    }
}

BOOL CMyDoc::ChooseFolder(LPCTSTR title, CString& folder)
{
    CDirectoryDialog dialog(BIF_RETURNONLYFSDIRS, nullptr, nullptr);
    dialog.SetRoot(0);
    dialog.SetTitle(title);
    if (dialog.DoBrowse() != 1)
        return FALSE;
    folder = dialog.GetPath();
    return TRUE;
}

BOOL CMyDoc::SaveModified()
{
    if (!IsModified())
        return TRUE;
    if (m_bSample != 0) {
        AfxMessageBox("ファイルが変更されていますが、このファイルはサンプルです。\n\n変更しないで終了します。", MB_OK);
        return TRUE;
    }
    if (m_arrJournal.GetSize() == 0) {
        RemoveEmptyJournalFile();
        return TRUE;
    }
    MessageBeep(2);
    const int answer = AfxMessageBox("ファイルが変更されています。保存しますか？", MB_YESNOCANCEL | MB_ICONINFORMATION);
    if (answer == IDNO)
        return TRUE;
    if (answer != IDYES)
        return FALSE;
    return SaveBeforeClose();
}

BOOL CMyDoc::SaveBeforeClose()
{
    if (m_strPathName == kNewFileName) {
        CFileDialog dialog(FALSE, "siz", m_strPathName, OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY,
                           "Zirere(*.siz)|*.siz||");
        dialog.m_ofn.lpstrInitialDir = m_strProgramDir;
        if (dialog.DoModal() != IDOK)
            return FALSE;
        const CString path = dialog.GetPathName();
        const CString name = dialog.GetFileName();
        // The journal takes the chosen name only once it was written there.
        if (!Report(SaveJournalFileTo(path)))
            return FALSE;
        TakeChosenFile(path, name);
        if (!m_strBackupDir.IsEmpty())
            BackupJournal(m_strBackupDir + "\\" + name);
        m_strBackupName = name;
        return TRUE;
    }
    // A failed save keeps the program open, so the changes are not dropped.
    if (!Report(SaveJournalFile()))
        return FALSE;
    if (!m_strBackupDir.IsEmpty())
        BackupJournal(m_strBackupDir + "\\" + m_strBackupName);
    return TRUE;
}

BOOL CMyDoc::WriteSetupFile(const CString& path, BOOL ask, const std::function<void()>& write)
{
    for (;;) {
        CString reason;
        try {
            write();
            return TRUE;
        } catch (const CFileException& e) {
            reason = FileFailureReason(e);
        } catch (const CArchiveException& e) {
            reason = FileFailureReason(e);
        }
        if (!ask)
            return TRUE;
        const CString text = "設定ファイル「" + path + "」を保存できませんでした。\n" + reason +
                             "\n\n［再試行］でもう一度保存します。［キャンセル］で終了を取り消します。";
        if (AfxMessageBox(text, MB_RETRYCANCEL | MB_ICONEXCLAMATION) != IDRETRY)
            return FALSE;
    }
}

BOOL CMyDoc::WriteSetupFilesAtClose(BOOL ask)
{
    if (m_strFileName.Find(kSampleMark) < 0) {
        m_nTaxCategory = m_nWorkTaxCategory;
        m_strInterim1 = m_strWorkInterim1;
        m_strInterim2 = m_strWorkInterim2;
    }
    SettingsFile settings;
    const CString settingsPath = m_strProgramDir + "\\" + kSettingsFile;
    // Lines and bytes the program does not use are written back as they were read.
    settings.Read(settingsPath);
    settings.deduction = m_nDeduction;
    settings.taxCategory = m_nTaxCategory;
    settings.interim1 = m_strInterim1;
    settings.interim2 = m_strInterim2;
    settings.line2Fields = m_strSetting2;
    settings.fontSize = m_strFontSize;
    if (!WriteSetupFile(settingsPath, ask, [&] { settings.Write(settingsPath); }))
        return FALSE;

    // While the journal has no file, the record written earlier is left as it is.
    if (m_strPathName != kNewFileName) {
        const LastFileRecord record = CurrentLastFileRecord(!m_strBackupDir.IsEmpty());
        if (!WriteSetupFile(m_strLastFileIni, ask, [&] { record.Write(m_strLastFileIni); }))
            return FALSE;
    }

    // A dictionary that did not load whole is never written over the stored one.
    if (m_bDictionaryLoaded && m_arrDictionary.GetSize() >= kSmallestDictionary) {
        const CString dictionaryPath = m_strProgramDir + "\\" + kDictionaryFile;
        if (!WriteSetupFile(dictionaryPath, ask, [&] { SaveRecordFile(dictionaryPath, m_arrDictionary); }))
            return FALSE;
    }
    return TRUE;
}

BOOL CMyDoc::CanCloseFrame(CFrameWnd* pFrame)
{
    m_bSetupFilesWritten = FALSE;
    if (!CDocument::CanCloseFrame(pFrame))
        return FALSE;
    m_bSetupFilesWritten = WriteSetupFilesAtClose(TRUE);
    return m_bSetupFilesWritten;
}

void CMyDoc::OnCloseDocument()
{
    if (!m_bSetupFilesWritten)
        WriteSetupFilesAtClose(FALSE);
    FreeDictionary();
    DeleteRecords(m_arrHints);
    CDocument::OnCloseDocument();
}

void CMyDoc::SetConnectWords(const CString& account)
{
    const auto candidates = ConnectWordCandidates(account);
    for (size_t i = 0; i < candidates.size(); ++i)
        m_strPhrase[i] = candidates[i];
}

CMyDoc* GetActiveDoc()
{
    CWnd* mainWindow = AfxGetMainWnd();
    auto* frame = dynamic_cast<CFrameWnd*>(mainWindow);
    return frame ? static_cast<CMyDoc*>(frame->GetActiveDocument()) : nullptr;
}
