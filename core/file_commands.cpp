// The file commands of the document that replace or save the open journal:
// new, open, save and save as. They share the rules of every file command: the
// journal must be the book shown last, no journal row may be under insertion,
// some need a journal with entries, and a changed journal is offered for saving.
#include "my_doc.h"

#include "path_text.h"

#include "../framework/win/file_dialog.h"
#include "../framework/win/message_box.h"
#include "../framework/win/wide_text.h"

namespace {

const char* const kInsertRowOpen =
    "挿入行の編集中は、ファイルを開くことはできません。\n\n挿入行を確定するには、各項目を入力し　[挿入確定]　を押してください。\n\n挿入を中止するには、[挿入中止]　を押してください。\n\n挿入行に戻ります。";
const char* const kNothingToSave = "保存するデータはありません。";

}  // namespace

BOOL CMyDoc::PassesFileCommandRules(const FileCommandRules& rules)
{
    if (rules.journalViewOnly && m_nCurBook > 1) {
        AfxMessageBox("仕訳帳に移動して操作してください", MB_OK);
        return FALSE;
    }
    const BOOL empty = m_arrJournal.GetSize() == 0;
    if (rules.refuseEmpty && empty) {
        AfxMessageBox(kNothingToSave, MB_OK);
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
    const int answer = AfxMessageBox(rules.saveQuestion, MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDNO)
        return TRUE;
    if (answer != IDYES)
        return FALSE;
    // The command goes on only once the journal was written.
    if (m_strPathName == kNewFileName)
        return SaveJournalAs();
    return SaveJournalFile();
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
        TRUE, FALSE,
        "挿入行の編集中です。新規ファイルを開けません。\n\n挿入行を確定するには、各項目を入力し　[挿入確定]　を押してください。\n\n挿入を中止するには、[挿入中止]　を押してください。\n\n挿入行の編集に戻ります。",
        question};
    if (!PassesFileCommandRules(rules))
        return;
    m_strPathName = kNewFileName;
    m_strFileName = kNewFileName;
    DeleteContents();
    m_nCurEntry = -1;
    SetTitle(m_strPathName);
    AnnounceNewData();
    m_nCurBook = 0;
    m_strCurAccount.Empty();
    m_strFilter.Empty();
    m_bSample = 0;
    m_nWorkTaxCategory = m_nTaxCategory;
    m_strWorkInterim1 = m_strInterim1;
    m_strWorkInterim2 = m_strInterim2;
    SetModifiedFlag(FALSE);
}

void CMyDoc::OnFileOpen()
{
    const CString question =
        "作業中の会計ファイル「" + m_strFileName + "」は変更されています。ファイルを開く前に、このファイルを保存しますか？";
    if (!PassesFileCommandRules(FileCommandRules{TRUE, FALSE, kInsertRowOpen, question}))
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
    OpenJournal(path, FileNameOfPath(path));
    return TRUE;
}

void CMyDoc::OpenJournal(const CString& path, const CString& name)
{
    LoadJournalFile(path);
    m_strFileName = name;
    m_strDataDir = FolderOfChosenPath(path, name);
    if (!m_strBackupDir.IsEmpty()) {
        m_strBackupName = name;
        WriteLastFileRecord();
    }
    AnnounceNewData();
    m_nCurBook = 0;
    m_nInsertRow = -1;
    m_strCurAccount.Empty();
    m_strFilter.Empty();
    m_nCurLine = -1;
    ReturnToProgramFolder();
    SetModifiedFlag(FALSE);
}

void CMyDoc::OnFileSave()
{
    const FileCommandRules rules{
        FALSE, TRUE,
        "挿入行の編集中は、保存できません。\n\n挿入行を確定するには、各項目を入力し　[挿入確定]　を押してください。\n\n挿入を中止するには、[挿入中止]　を押してください。\n\n挿入行に戻ります。",
        nullptr};
    if (!PassesFileCommandRules(rules))
        return;
    if (m_strPathName == kNewFileName) {
        AfxMessageBox("新規ファイルです。名前をつけて保存して下さい。", MB_OK);
    } else if (SaveJournalFile() && !m_strBackupDir.IsEmpty() && m_bSample == 0) {
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
        FALSE, TRUE,
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
    TakeChosenFile(path, name);
    const BOOL written = SaveJournalFile();
    if (written && !m_strBackupDir.IsEmpty() && m_bSample == 0) {
        m_strBackupName = name;
        BackupJournal(m_strBackupDir + "\\" + m_strBackupName);
    }
    // Announced only when the file exists: the next start opens it.
    if (written)
        AfxMessageBox("次回から「Zirere」は名前を付けて保存した会計データ\n\n" + path + "\n\nを読み込み起動します。", MB_OK);
    SetTitle(m_strPathName);
    if (written)
        SetModifiedFlag(FALSE);
    ReturnToProgramFolder();
    return written;
}
