// The file commands of the document that replace, save or back up the open
// journal: new, open, save, save as, open old file and backup folder. They share
// the rules of every file command: the journal must be the book shown last, no
// journal row may be under insertion, some need a journal with entries, and a
// changed journal is offered for saving.
#include "my_doc.h"

#include "../path_text.h"
#include "../record_file.h"

#include "../../framework/file_failure_reason.h"
#include "../../framework/win/file_dialog.h"
#include "../../framework/win/frame_wnd.h"
#include "../../framework/win/framework_ids.h"
#include "../../framework/win/recent_file_list.h"
#include "../../framework/win/win_app.h"
#include "../../framework/win/message_box.h"
#include "../../framework/win/wide_text.h"

namespace {

const char* const kInsertRowOpen =
    "挿入行の編集中は、ファイルを開くことはできません。\n\n挿入行を確定するには、各項目を入力し　[挿入確定]　を押してください。\n\n挿入を中止するには、[挿入中止]　を押してください。\n\n挿入行に戻ります。";
const char* const kNothingToSave = "保存するデータはありません。";

}  // namespace

BOOL CMyDoc::PassesFileCommandRules(const FileCommandRules& rules)
{
    if (rules.journalViewOnly && m_nCurBook != kBookNone && m_nCurBook != kBookJournal) {
        AfxMessageBox("仕訳帳に移動して操作してください", MB_OK);
        return FALSE;
    }
    const BOOL empty = m_arrJournal.GetSize() == 0;
    if (rules.emptyText && empty) {
        AfxMessageBox(rules.emptyText, MB_OK);
        return FALSE;
    }
    if (m_nInsertRow >= 0) {
        AfxMessageBox(rules.insertRowText, MB_OK);
        return FALSE;
    }
    if (!rules.saveQuestion || !IsModified())
        return TRUE;
    if (empty) {
        RemoveEmptyJournalFile();
        return TRUE;
    }
    MessageBeep(2);
    // Every save question of the program looks the same (the save at exit too).
    const int answer = AfxMessageBox(rules.saveQuestion, MB_YESNOCANCEL | MB_ICONINFORMATION);
    if (answer == IDNO)
        return TRUE;
    if (answer != IDYES)
        return FALSE;
    // The command goes on only once the journal was written.
    if (m_strPathName == kNewFileName)
        return SaveJournalAs();
    return Report(SaveJournalFile());
}

void CMyDoc::ReturnToProgramFolder()
{
    SetCurrentDirectoryW(ToWide(m_strProgramDir).c_str());
}

void CMyDoc::AnnounceNewData()
{
    m_bNewData = 1;
    UpdateAllViews(nullptr, 0, nullptr);
    m_bNewData = 0;
    // The book shown is made anew once the command has set the document's state.
    if (CWnd* frame = AfxGetMainWnd())
        frame->PostMessage(WM_RENEW_BOOK_VIEW);
}

CString CMyDoc::FolderOfChosenPath(const CString& path, const CString& name) const
{
    if (path.Find('\\') < 0)
        return m_strProgramDir;
    return path.Left(path.GetLength() - name.GetLength() - 1);
}

void CMyDoc::TakeChosenFile(const CString& path, const CString& name)
{
    m_strFileName = name;
    m_strDataDir = FolderOfChosenPath(path, name);
    m_strPathName = path;
}

void CMyDoc::OnFileNew()
{
    const CString question = "作業中のファイル「" + m_strFileName + "」は変更されています。新規作成の前に、このファイルを保存しますか？";
    const FileCommandRules rules{
        TRUE, nullptr,
        "挿入行の編集中です。新規ファイルを開けません。\n\n挿入行を確定するには、各項目を入力し　[挿入確定]　を押してください。\n\n挿入を中止するには、[挿入中止]　を押してください。\n\n挿入行の編集に戻ります。",
        question};
    if (!PassesFileCommandRules(rules))
        return;
    BecomeNewFile();
    SetModifiedFlag(FALSE);
}

void CMyDoc::BecomeNewFile()
{
    m_strPathName = kNewFileName;
    m_strFileName = kNewFileName;
    DeleteContents();
    m_nCurEntry = -1;
    SetTitle(m_strPathName);
    AnnounceNewData();
    m_nCurBook = kBookNone;
    m_strCurAccount.Empty();
    m_strFilter.Empty();
    m_bSample = 0;
    m_nWorkTaxCategory = m_nTaxCategory;
    m_strWorkInterim1 = m_strInterim1;
    m_strWorkInterim2 = m_strInterim2;
}

BOOL CMyDoc::PassesOpenRules()
{
    const CString question =
        "作業中の会計ファイル「" + m_strFileName + "」は変更されています。ファイルを開く前に、このファイルを保存しますか？";
    return PassesFileCommandRules(FileCommandRules{TRUE, nullptr, kInsertRowOpen, question});
}

void CMyDoc::OnFileOpen()
{
    if (!PassesOpenRules())
        return;
    CFileDialog dialog(TRUE, "siz", m_strDataDir + "\\*.siz", OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY,
                       "Zirere(*.siz)|*.siz|||");
    if (dialog.DoModal() != IDOK) {
        ReturnToProgramFolder();
        return;
    }
    OpenJournal(dialog.GetPathName(), dialog.GetFileName());
}

BOOL CMyDoc::OnOpenDocument(LPCTSTR lpszPathName)
{
    const CString path = lpszPathName;
    return OpenJournal(path, FileNameOfPath(path));
}

// Why the journal file at path cannot be read; empty when it can.
static CString UnreadableJournalReason(const CString& path)
{
    JournalArray probe;
    CString reason;
    try {
        LoadRecordFile(path, probe);
    } catch (const CFileException& e) {
        reason = FileFailureReason(e);
    } catch (const CArchiveException& e) {
        reason = FileFailureReason(e);
    }
    DeleteRecords(probe);
    return reason;
}

BOOL CMyDoc::OnOpenRecentFile(UINT nID)
{
    CWinApp* app = AfxGetApp();
    CRecentFileList* recent = app ? app->m_pRecentFileList : nullptr;
    const int index = static_cast<int>(nID - ID_FILE_MRU_FIRST);
    if (!recent || index >= recent->GetSize() || (*recent)[index].IsEmpty())
        return FALSE;
    // The recent-file list opens a journal under the open command's rules.
    const CString path = (*recent)[index];
    if (!PassesOpenRules())
        return TRUE;
    // A file of the list that cannot be read (moved, deleted, damaged) leaves the
    // list; the open journal and the last-file record stay as they are.
    const CString reason = UnreadableJournalReason(path);
    if (!reason.IsEmpty()) {
        recent->Remove(index);
        AfxMessageBox(CString(kOpenFailed) + "\n" + reason, MB_OK);
        return TRUE;
    }
    if (OpenJournal(path, FileNameOfPath(path)))
        app->AddToRecentFileList(path);
    else
        recent->Remove(index);
    return TRUE;
}

BOOL CMyDoc::OpenJournal(const CString& path, const CString& name)
{
    const BOOL loaded = Report(LoadJournalFile(path));
    if (loaded) {
        m_strFileName = name;
        m_strDataDir = FolderOfChosenPath(path, name);
        if (!m_strBackupDir.IsEmpty()) {
            m_strBackupName = name;
            WriteLastFileRecord();
        }
    } else {
        // Nothing of the unreadable file stays named, so no later backup copy
        // can take its name.
        m_strFileName = kNewFileName;
        if (!m_strBackupName.IsEmpty())
            m_strBackupName = kNewFileName;
    }
    AnnounceNewData();
    m_nCurBook = kBookNone;
    m_nInsertRow = -1;
    m_strCurAccount.Empty();
    m_strFilter.Empty();
    m_nCurLine = -1;
    ReturnToProgramFolder();
    SetModifiedFlag(FALSE);
    return loaded;
}

void CMyDoc::OnFileSave()
{
    const FileCommandRules rules{
        FALSE, kNothingToSave,
        "挿入行の編集中は、保存できません。\n\n挿入行を確定するには、各項目を入力し　[挿入確定]　を押してください。\n\n挿入を中止するには、[挿入中止]　を押してください。\n\n挿入行に戻ります。",
        nullptr};
    if (!PassesFileCommandRules(rules))
        return;
    if (m_strPathName == kNewFileName) {
        AfxMessageBox("新規ファイルです。名前をつけて保存して下さい。", MB_OK);
    } else if (Report(SaveJournalFile()) && !m_strBackupDir.IsEmpty() && m_bSample == 0) {
        BackupJournal(m_strBackupDir + "\\" + m_strBackupName);
    }
    ReturnToProgramFolder();
}

void CMyDoc::OnFileSaveAs()
{
    if (m_bSample == -1) {
        AfxMessageBox("このサンプルファイルは、名前を変更して保存することはできません。", MB_OK);
        return;
    }
    const FileCommandRules rules{
        FALSE, kNothingToSave,
        "挿入行の編集中は、保存できません。\n\n挿入を確定するには、各項目を入力し　[挿入確定]　を押してください。\n\n挿入を中止するには、[挿入中止]　を押してください。\n\n挿入行に戻ります。",
        nullptr};
    if (!PassesFileCommandRules(rules))
        return;
    SaveJournalAs();
}

BOOL CMyDoc::SaveJournalAs()
{
    CFileDialog dialog(FALSE, "siz", m_strDataDir + "\\" + m_strFileName,
                       OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY, "Zirere(*.siz)|*.siz||||");
    if (dialog.DoModal() != IDOK)
        return FALSE;
    const CString path = dialog.GetPathName();
    const CString name = dialog.GetFileName();
    // The journal keeps naming its old file until the new one was written.
    const BOOL written = Report(SaveJournalFileTo(path));
    if (written) {
        TakeChosenFile(path, name);
        if (!m_strBackupDir.IsEmpty() && m_bSample == 0) {
            m_strBackupName = name;
            BackupJournal(m_strBackupDir + "\\" + m_strBackupName);
        }
        // Announced only when the file exists: the next start opens it.
        AfxMessageBox("次回から「Zirere」は名前を付けて保存した会計データ\n\n" + path + "\n\nを読み込み起動します。", MB_OK);
        SetTitle(m_strPathName);
        SetModifiedFlag(FALSE);
    }
    ReturnToProgramFolder();
    return written;
}

void CMyDoc::OnFileOpenOld()
{
    const FileCommandRules rules{TRUE, nullptr, kInsertRowOpen,
                                 "現在のファイルが変更されています。\n\n新しいファイルを開く前に、このファイルを保存しますか？"};
    if (!PassesFileCommandRules(rules))
        return;
    CFileDialog dialog(TRUE, "siw", "*.siw", OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY,
                       "Zirere(*.siw)|*.siw||||");
    dialog.m_ofn.lpstrInitialDir = m_strProgramDir;
    const BOOL chosen = dialog.DoModal() == IDOK;
    const CString path = chosen ? dialog.GetPathName() : CString();
    const CString name = chosen ? dialog.GetFileName() : CString();
    ReturnToProgramFolder();
    if (!chosen)
        return;
    const CString folder = FolderOfChosenPath(path, name);
    m_strFileName = name;
    if (!Report(ConvertOldFile(folder == m_strProgramDir ? name : path))) {
        m_strFileName = kNewFileName;
        return;
    }
    m_strFileName = FileNameOfPath(m_strPathName);
    m_strDataDir = folder;
    TakeSampleSettingsOf(m_strPathName);
    SetModifiedFlag(TRUE);
    AnnounceNewData();
    // An existing journal of the converted name is never replaced without asking.
    if (FileExists(JournalFilePath()) &&
        AfxMessageBox("「" + m_strPathName + "」は既に存在します。\n\n変換したデータで上書きしますか？",
                      MB_YESNO | MB_ICONQUESTION) != IDYES) {
        m_strPathName = kNewFileName;
        m_strFileName = kNewFileName;
        SetTitle(m_strPathName);
        return;
    }
    const BOOL written = Report(SaveJournalFileQuiet());
    AfxMessageBox("古いバージョンの会計データは新しいバージョンの会計データに変換され、\n\n同時に、拡張子も「.siw」から「.siz」に変更されました。\n\n新しいファイル名は 「" +
                      m_strPathName + "」です。",
                  MB_OK | MB_ICONINFORMATION);
    if (written)
        SetModifiedFlag(FALSE);
}

void CMyDoc::OnFileBackupFolder()
{
    const CString question =
        "作業中の会計ファイル「" + m_strFileName + "」は変更されています。バックアップ保存の前に、このファイルを保存しますか？";
    const FileCommandRules rules{
        FALSE, kNothingToSave,
        "挿入行の編集中は、バックアップ保存できません。\n\n挿入を確定するには、各項目を入力し　[挿入確定]　を押してください。\n\n挿入を中止するには、[挿入中止]　を押してください。\n\n挿入行に戻ります。",
        question};
    if (!PassesFileCommandRules(rules))
        return;
    CString folder;
    if (!ChooseFolder(kBackupFolderTitle, folder))
        return;
    m_strBackupDir = folder;
    m_strBackupName = m_strFileName;
    BackupJournal(folder + "\\" + m_strFileName);
    ReturnToProgramFolder();
}
