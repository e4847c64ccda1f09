// The data-file commands of the document: copy the open journal's file into
// another folder, move it there, rename it in its folder, or delete it into the
// recycle bin. None of them is bound to the journal view.
#include "my_doc.h"

#include "../path_text.h"
#include "../record_file.h"
#include "rename_dlg.h"

#include "../../framework/file_failure_reason.h"
#include "../../framework/replace_file.h"
#include "../../framework/win/message_box.h"
#include "../../framework/win/wide_text.h"
#include "../../framework/win/win_app.h"

#include <shellapi.h>

#include <string>
#include <vector>

namespace {

const char* const kInsertRowTail =
    "\n\n挿入を確定するには、各項目を入力し　[挿入確定]　を押してください。\n\n挿入を中止するには、[挿入中止]　を押してください。\n\n挿入行に戻ります。";

// The full path the system resolves, without a trailing backslash, for comparing
// two spellings of one place ("C:" and "C:\", another letter case).
std::wstring NormalisedPath(const CString& path)
{
    const std::wstring wide = ToWide(path);
    const DWORD needed = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return wide;
    std::wstring full(needed, L'\0');
    const DWORD length = ::GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
    full.resize(length);
    while (full.size() > 3 && full.back() == L'\\')
        full.pop_back();
    return full;
}

bool SamePlace(const CString& a, const CString& b)
{
    const std::wstring first = NormalisedPath(a);
    const std::wstring second = NormalisedPath(b);
    return ::CompareStringOrdinal(first.c_str(), static_cast<int>(first.size()), second.c_str(),
                                  static_cast<int>(second.size()), TRUE) == CSTR_EQUAL;
}

// Moves the file into the recycle bin, with no window of the shell's own.
bool MoveToRecycleBin(const CString& path)
{
    std::wstring from = ToWide(path);
    from.push_back(L'\0');  // the list of files ends with a second terminator
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO | FOF_NOERRORUI;
    return ::SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted;
}

}  // namespace

// The file at source written whole to target, by the safe write (never half a file).
static void CopyFileReplacing(const CString& source, const CString& target)
{
    std::string bytes;
    {
        CFile file(source, CFile::modeRead | CFile::shareDenyWrite);
        bytes.resize(static_cast<size_t>(file.GetLength()));
        if (!bytes.empty())
            bytes.resize(file.Read(bytes.data(), static_cast<UINT>(bytes.size())));
    }
    WriteFileReplacing(target, CFile::typeBinary,
                       [&bytes](CStdioFile& file) { file.Write(bytes.data(), static_cast<UINT>(bytes.size())); });
}

FileOutcome CMyDoc::WriteJournalInto(const CString& folder, const CString& failed)
{
    CWaitCursor wait;
    const CString target = folder + "\\" + m_strFileName;
    // The open file is never written over by its own copy.
    if (SamePlace(target, JournalFilePath()))
        return FileOutcome::Failed().Then(failed, MB_OK);
    try {
        if (IsModified())
            CopyFileReplacing(JournalFilePath(), target);
        else
            SaveRecordFile(target, m_arrJournal);
    } catch (const CFileException& e) {
        // A folder that does not exist is reported as such, whichever of the two
        // causes the system gives for it.
        // (The open journal's own file missing is no missing folder.)
        const bool sourceFailed = e.m_strFileName == JournalFilePath();
        if (!sourceFailed && (e.m_cause == CFileException::fileNotFound || e.m_cause == CFileException::badPath))
            return FileOutcome::Failed().Then("指定されたフォルダは存在しません。", MB_OK);
        return FileOutcome::Failed().Then(failed + "\n" + FileFailureReason(e), MB_OK);
    } catch (const CArchiveException&) {
        return FileOutcome::Failed().Then(failed, MB_OK);
    }
    return FileOutcome::Done();
}

BOOL CMyDoc::WriteJournalElsewhere(const TransferTexts& texts, CString& folder)
{
    if (m_strPathName == kNewFileName) {
        AfxMessageBox(texts.notSaved, MB_OK);
        return FALSE;
    }
    // The move refuses a row under insertion with the copy's words.
    const CString insertRow = CString("挿入行の編集中は、会計データのコピーを保存できません。") + kInsertRowTail;
    const CString question = "作業中の会計ファイル「" + m_strFileName + "」は変更されています。" + texts.saveQuestion;
    if (!PassesFileCommandRules(FileCommandRules{FALSE, texts.nothingToDo, insertRow, question}))
        return FALSE;
    if (AfxMessageBox("開いている会計ファイル  [ " + m_strFileName + " ]  を、" + texts.confirm, MB_YESNO) != IDYES)
        return FALSE;
    if (!ChooseFolder(texts.folderTitle, folder))
        return FALSE;
    if (folder == m_strDataDir || SamePlace(folder, FolderOfChosenPath(JournalFilePath(), m_strFileName))) {
        AfxMessageBox(texts.sameFolder, MB_OK);
        return FALSE;
    }
    ReturnToProgramFolder();
    return Report(WriteJournalInto(folder, "「　" + m_strFileName + "　」\n\n" + texts.failed));
}

void CMyDoc::OnFileCopy()
{
    static const TransferTexts copy{
        "ファイルとして保存されていないのでコピーできません。\n\n終了時に名前をつけて保存し、再びファイルを開いてコピーしてください。",
        "コピーするデータはありません。",
        "この会計データの変更を保存してコピーしますか？",
        "指定場所にコピーしますか？",
        "コピー先のフォルダを　選択してください",
        "コピー元のフォルダと、コピー先のフォルダが同じです。",
        "のコピーに失敗ました。",
    };
    CString folder;
    if (!WriteJournalElsewhere(copy, folder))
        return;
    AfxMessageBox("ファイル名 「 " + m_strFileName + " 」 は、\n\n指定されたフォルダ 「 " + folder +
                      " 」 に\n\n正常にコピーされました。",
                  MB_OK);
}

void CMyDoc::OnFileMove()
{
    static const TransferTexts move{
        "ファイルとして保存されていないので移動できません。\n\n終了時に名前をつけて保存し、再びファイルを開いて移動してください。",
        "移動するデータはありません。",
        "この会計データの変更を保存して移動ますか？",
        "指定場所に移動しますか？",
        "移動先のフォルダを　選択してください",
        "移動元のフォルダと、移動先のフォルダが同じです。",
        "の移動に失敗ました。",
    };
    const CString source = JournalFilePath();
    CString folder;
    if (!WriteJournalElsewhere(move, folder))
        return;
    try {
        CFile::Remove(source);
    } catch (const CFileException& e) {
        AfxMessageBox(e.m_cause == CFileException::fileNotFound ? CString("指定されたフォルダは存在しません。")
                                                                : "「　" + m_strFileName + "　」\n\n" + move.failed,
                      MB_OK);
        return;
    }
    m_strPathName = folder + "\\" + m_strFileName;
    m_strDataDir = folder;
    SetTitle(m_strPathName);
    WriteLastFileRecord();
    AfxMessageBox("ファイル名 「 " + m_strFileName + " 」 は、指定されたフォルダ 「 " + folder +
                      " 」 に\n\n正常に移動されました。　同時に、開かれているファイルも移動先に変わりました。",
                  MB_OK);
}

void CMyDoc::OnFileRename()
{
    if (m_strPathName == kNewFileName) {
        AfxMessageBox("ファイルとして保存されていません。終了時に名前をつけて保存してください。", MB_OK);
        return;
    }
    if (m_nInsertRow >= 0) {
        AfxMessageBox(CString("挿入行の編集中は、ファイル名を変更できません。") + kInsertRowTail, MB_OK);
        return;
    }
    CRenameDlg dialog;
    const CString newName = dialog.DoModal() == IDOK ? dialog.m_strNewName : CString();
    if (newName.IsEmpty() || newName == m_strFileName)
        return;
    if (!IsPlainFileName(newName)) {
        AfxMessageBox("ファイル名に次の文字は使えません。\n\n\\ / : * ? \" < > |", MB_OK);
        return;
    }
    const CString newPath = FolderOfChosenPath(m_strPathName, m_strFileName) + "\\" + newName;
    try {
        CFile::Rename(JournalFilePath(), newPath);
    } catch (const CFileException&) {
        AfxMessageBox("ファイル名「　" + m_strFileName + "　」の変更に失敗しました。", MB_OK);
        return;
    }
    m_strPathName = newPath;
    SetTitle(m_strPathName);
    AfxMessageBox("ファイル名「　" + m_strFileName + "　」は「　" + newName + "　」に変更されました。", MB_OK);
    m_strFileName = newName;
    m_strBackupName = newName;
    WriteLastFileRecord();
}

void CMyDoc::OnFileDelete()
{
    if (m_strPathName == kNewFileName) {
        AfxMessageBox("ファイルとして保存されていないので削除できません。\n\n終了時に名前をつけて保存し、再びファイルを開いて削除してください。",
                      MB_OK);
        return;
    }
    if (m_arrJournal.GetSize() == 0) {
        AfxMessageBox("データは無く、削除の必要はありません。", MB_OK);
        return;
    }
    if (m_nInsertRow >= 0) {
        AfxMessageBox(CString("挿入行の編集中は、ファイルを削除できません。") + kInsertRowTail, MB_OK);
        return;
    }
    if (AfxMessageBox("開いている会計ファイル  [ " + m_strFileName + " ]  を、削除しますか？", MB_YESNO) != IDYES)
        return;
    if (!MoveToRecycleBin(JournalFilePath())) {
        AfxMessageBox(m_strFileName + "の削除に失敗しました。", MB_OK);
        return;
    }
    const CString oldName = m_strFileName;
    BecomeNewFile();
    m_strBackupName = m_strFileName;
    WriteLastFileRecord();
    AfxMessageBox(oldName + "を削除しました。(ゴミ箱に移動)", MB_OK);
    SetModifiedFlag(FALSE);
}
