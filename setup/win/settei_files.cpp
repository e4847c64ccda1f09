// The dictionary editor's buttons that act on the dictionary as a whole: the
// reset to the shipped initial dictionary, the CSV import and export, and the
// rebuild from the journal through the auto-registration dialog.
#include "settei.h"

#include "../dictionary_rebuild.h"

#include "../../core/record_file.h"
#include "../../framework/file.h"
#include "../../framework/win/file_dialog.h"
#include "../../framework/win/message_box.h"
#include "../../framework/win/wide_text.h"
#include "../../framework/win/win_app.h"
#include "../../core/win/dict_register_dlg.h"

#include <windows.h>

namespace {

const char kInitialDictionary[] = "zuvavodi.sdo";
const char kWorkingDictionary[] = "zuvavodi.sdn";
const char kCsvFilter[] = "辞書ファイル(*.sft)|*.sft||";
const char kResetFailed[] =
    "初期値に戻すことに失敗しました。\n\n初期データがない可能性があります。\n\n再インストールしてください。";
const char kRebuildResetFailed[] =
    "初期に戻すことに失敗しました。\n\n初期データがない可能性があります。\n\n再インストールしてください。";

BOOL FileExists(const CString& path)
{
    CFileStatus status;
    return CFile::GetStatus(path, status);
}

}  // namespace

BOOL settei::ResetToInitialDictionary(DictionaryNodes& nodes)
{
    CMyDoc* document = GetDocument();
    const CString folder = document->m_strProgramDir;
    // The initial dictionary is read and checked before anything is replaced, so
    // that a missing or damaged file leaves the dictionary and its file as they were.
    DictionaryNodes initial;
    try {
        LoadRecordFile(folder + "\\" + kInitialDictionary, initial);
    } catch (const CException&) {
        return FALSE;
    }
    // The checked nodes are written through a new file that replaces the working
    // one only once complete: a failed write leaves the old file whole.
    bool written = false;
    if (IsDictionaryTree(initial)) {
        try {
            SaveRecordFile(folder + "\\" + kWorkingDictionary, initial);
            written = true;
        } catch (const CException&) {
        }
    }
    if (!written) {
        DeleteRecords(initial);
        return FALSE;
    }
    ::SetCurrentDirectoryW(ToWide(folder).c_str());
    DeleteRecords(nodes);
    nodes.Append(initial);
    initial.RemoveAll();
    if (&nodes == &document->m_arrDictionary) {
        document->m_nSetupStatus = 0;
        document->m_bDictionaryLoaded = TRUE;
    }
    return TRUE;
}

BOOL settei::ChooseCsvFile(BOOL open, CString& path)
{
    const DWORD flags = OFN_HIDEREADONLY | (open ? OFN_FILEMUSTEXIST : OFN_PATHMUSTEXIST);
    CFileDialog dialog(open, "sft", GetDocument()->m_strProgramDir + "\\*.sft", flags, kCsvFilter, this);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    path = dialog.GetPathName();
    return TRUE;
}

void settei::OnResetDictionary()
{
    if (CheckRegistering() != 0)
        return;
    if (AfxMessageBox("科目辞書データを初期値に戻すますか？", MB_YESNO) != IDYES)
        return;
    if (!ResetToInitialDictionary(GetDocument()->m_arrDictionary)) {
        AfxMessageBox(kResetFailed, MB_OK);
        return;
    }
    FillTree();
    Invalidate();
    AfxMessageBox("科目辞書データは初期値に戻りました。", MB_OK | MB_ICONINFORMATION);
}

void settei::OnImportDictionary()
{
    if (CheckRegistering() != 0)
        return;
    if (AfxMessageBox("科目辞書データをインポートますか？", MB_YESNO) != IDYES)
        return;
    CMyDoc* document = GetDocument();
    CString path;
    if (!ChooseCsvFile(TRUE, path))
        return;
    document->m_strDictCsvPath = path;
    // The document reads and checks the whole file before it replaces the
    // dictionary; a refused file changes nothing and is reported.
    if (!document->Report(document->ImportDictionaryCsv()))
        return;
    FillTree();
    Invalidate();
    AfxMessageBox("科目辞書データのインポートが完了しました。", MB_OK | MB_ICONINFORMATION);
}

void settei::OnExportDictionary()
{
    if (CheckRegistering() != 0)
        return;
    if (AfxMessageBox("科目辞書データをエクスポートしますか？", MB_YESNO) != IDYES)
        return;
    CMyDoc* document = GetDocument();
    // A new file name is allowed; an existing file is overwritten only after a question.
    CString path;
    if (!ChooseCsvFile(FALSE, path))
        return;
    if (FileExists(path) &&
        AfxMessageBox("「" + path + "」は既に存在します。\n\n上書きしますか？", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    document->m_strDictCsvPath = path;
    if (!document->Report(document->ExportDictionaryCsv()))
        return;
    AfxMessageBox("科目辞書データのエクスポートが完了しました。", MB_OK | MB_ICONINFORMATION);
}

int settei::AskAutoRegister(int mode, const CString& text1, const CString& text2)
{
    CDictRegisterDlg dialog(this);
    dialog.m_nKind = mode;
    dialog.m_strParent = text1;
    dialog.m_strName = text2;
    const INT_PTR result = dialog.DoModal();
    return DictRegisterAnswerOf(result == IDOK, dialog.m_nChoice);
}

void settei::OnRebuildFromJournal()
{
    if (CheckRegistering() != 0)
        return;
    CMyDoc* document = GetDocument();
    if (document->m_bSample == -1 &&
        AfxMessageBox("作業中の会計データファイルは、サンプルデータです。\n\nサンプルデータからの再構築を実行しますか？",
                      MB_YESNO) != IDYES)
        return;
    CWaitCursor wait;
    // A missing result account whose cause account exists is registered without
    // a question: its cause account was asked about when it was registered.
    dict_rebuild::Rebuild rebuild(
        document->m_arrDictionary,
        [this](int mode, const CString& text1, const CString& text2) { return AskAutoRegister(mode, text1, text2); },
        [this](DictionaryNodes& nodes) {
            if (ResetToInitialDictionary(nodes))
                return true;
            AfxMessageBox(kRebuildResetFailed, MB_OK);
            return false;
        });
    const dict_rebuild::Outcome outcome = rebuild.Run(document->m_arrJournal);
    m_nAnswer = outcome.answer;
    FillTree();
    Invalidate();
    wait.Restore();
    if (outcome.answer == dict_rebuild::kRegister || outcome.answer == dict_rebuild::kRegisterAll) {
        if (outcome.registered > 0) {
            CString count;
            count.Format("%d", outcome.registered);
            AfxMessageBox(count + "項目を登録し再構築が完了しました。", MB_OK | MB_ICONINFORMATION);
        } else {
            AfxMessageBox("登録が必要な項目は見つかりませんでした。再構築を終了します。", MB_OK | MB_ICONINFORMATION);
        }
    }
    m_nAnswer = 0;
}
