// The document's CSV commands: the journal exported in the one-line and
// three-line forms, a journal imported from the record form, and the dictionary
// CSV file of the dictionary view. Files are written whole through a temporary
// file, so that a failed write leaves no half-written file; a file read is checked
// whole before anything of the document changes.
#include "my_doc.h"

#include "../dictionary_csv.h"
#include "../journal_csv.h"

#include "../../framework/replace_file.h"
#include "../../framework/win/file_dialog.h"
#include "../../framework/win/frame_wnd.h"
#include "../../framework/win/message_box.h"
#include "../../framework/win/win_app.h"

namespace {

const char* const kCsvFilter = "Zirere(*.csv)|*.csv||";
const char* const kCsvWriteFailed = "CSVデータの保存に失敗ました。";
const char* const kCsvReadFailed = "CSVデータの読み込みに失敗ました。";
const char* const kForeignFormat = "指定されたファイルはフォーマットが違うため、読み込み出来ません！";
const char* const kDictCsvWriteFailed = "項目CSVデータの保存に失敗ました。";
const char* const kDictCsvReadFailed = "項目CSVデータの読み込みに失敗ました。";

// Writes text to path, replacing the file only once all of it was written.
bool WriteWholeFile(const CString& path, const CString& text)
{
    try {
        WriteFileReplacing(path, CFile::typeBinary, [&](CStdioFile& file) {
            file.Write(text.view().data(), static_cast<UINT>(text.GetLength()));
        });
    } catch (const CException&) {
        return false;
    }
    return true;
}

}  // namespace

void CMyDoc::OnFileSaveCsv1()
{
    WriteJournalCsv(1);
}

void CMyDoc::OnFileSaveCsv3()
{
    WriteJournalCsv(3);
}

void CMyDoc::WriteJournalCsv(int form)
{
    if (m_nInsertRow >= 0) {
        AfxMessageBox(
            "挿入行の編集中は、保存できません。\n\n挿入行を確定するには、各項目を入力し　[挿入確定]　を押してください。\n\n挿入を中止するには、[挿入中止]　を押してください。\n\n挿入行に戻ります。",
            MB_OK);
        return;
    }
    // A new file may be named; an existing one is replaced only when the user agrees.
    CFileDialog dialog(FALSE, "csv", nullptr, OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY, kCsvFilter);
    dialog.m_ofn.lpstrInitialDir = m_strProgramDir;
    const BOOL chosen = dialog.DoModal() == IDOK;
    ReturnToProgramFolder();
    if (!chosen)
        return;
    CWaitCursor wait;
    if (!WriteWholeFile(dialog.GetPathName(), JournalCsvText(m_arrJournal, form))) {
        AfxMessageBox(kCsvWriteFailed, MB_OK);
        return;
    }
    AfxMessageBox("CSVデータの保存が完了しました。", MB_OK | MB_ICONINFORMATION);
}

CString CMyDoc::CsvField(CString line, int from, int to)
{
    return RecordCsvField(line, from, to);
}

BOOL CMyDoc::OfferSaveBeforeCsvImport()
{
    if (!IsModified())
        return TRUE;
    MessageBeep(2);
    const int answer = AfxMessageBox("ファイルが変更されています。保存しますか？", MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDNO)
        return TRUE;
    if (answer != IDYES)
        return FALSE;
    if (m_arrJournal.GetSize() == 0) {
        AfxMessageBox("保存するデータはありません。", MB_OK);
        return TRUE;
    }
    // The import replaces the journal only once its entries were written.
    if (m_strPathName == kNewFileName)
        return SaveJournalAs();
    if (!Report(SaveJournalFile()))
        return FALSE;
    if (!m_strBackupDir.IsEmpty() && m_bSample == 0)
        BackupJournal(m_strBackupDir + "\\" + m_strBackupName);
    return TRUE;
}

void CMyDoc::OnFileOpenCsv()
{
    if (m_nCurBook > kBookJournal) {
        AfxMessageBox("仕訳帳に移動して操作してください", MB_OK);
        return;
    }
    if (m_nInsertRow >= 0) {
        AfxMessageBox(
            "挿入行の編集中は、ファイルを開くことはできません。\n\n挿入行を確定するには、各項目を入力し　[挿入確定]　を押してください。\n\n挿入を中止するには、[挿入中止]　を押してください。\n\n挿入行に戻ります。",
            MB_OK);
        return;
    }
    if (!OfferSaveBeforeCsvImport())
        return;
    CFileDialog dialog(TRUE, "csv", nullptr, OFN_FILEMUSTEXIST, kCsvFilter);
    dialog.m_ofn.lpstrInitialDir = m_strProgramDir;
    const BOOL chosen = dialog.DoModal() == IDOK;
    ReturnToProgramFolder();
    if (!chosen)
        return;
    std::string bytes;
    try {
        bytes = ReadCsvFile(dialog.GetPathName());
    } catch (const CException&) {
        AfxMessageBox(kCsvReadFailed, MB_OK);
        return;
    }
    std::vector<std::unique_ptr<CMyObject2>> entries;
    CsvProblem problem;
    if (!ReadRecordCsv(bytes, entries, problem)) {
        AfxMessageBox(CString(kForeignFormat) + "\n\n" + problem.Text(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    TakeImportedJournal(entries);
}

void CMyDoc::TakeImportedJournal(std::vector<std::unique_ptr<CMyObject2>>& entries)
{
    DeleteContents();
    for (auto& entry : entries)
        m_arrJournal.Add(entry.release());
    // A new, unsaved journal: nothing of it names the file that was open before,
    // so no save or backup copy can go over that file unasked.
    m_strPathName = kNewFileName;
    m_strFileName = kNewFileName;
    if (!m_strBackupName.IsEmpty())
        m_strBackupName = kNewFileName;
    SetTitle(m_strPathName);
    m_bSample = 0;
    m_nWorkTaxCategory = m_nTaxCategory;
    m_strWorkInterim1 = m_strInterim1;
    m_strWorkInterim2 = m_strInterim2;
    m_nCurEntry = m_arrJournal.GetSize() - 1;
    AnnounceNewData();
    SetModifiedFlag(TRUE);
}

FileOutcome CMyDoc::ExportDictionaryCsv()
{
    CWaitCursor wait;
    if (!WriteWholeFile(m_strDictCsvPath, DictionaryCsvText(m_arrDictionary)))
        return FileOutcome::Failed().Then(kDictCsvWriteFailed, MB_OK);
    return FileOutcome::Done();
}

FileOutcome CMyDoc::ImportDictionaryCsv()
{
    CWaitCursor wait;
    std::string bytes;
    try {
        bytes = ReadCsvFile(m_strDictCsvPath);
    } catch (const CException&) {
        return FileOutcome::Failed().Then(kDictCsvReadFailed, MB_OK);
    }
    DictionaryNodes nodes;
    CsvProblem problem;
    if (!ReadDictionaryCsv(bytes, nodes, problem))
        return FileOutcome::Failed().Then(CString(kDictCsvReadFailed) + "\n\n" + problem.Text(), MB_OK | MB_ICONEXCLAMATION);
    FreeDictionary();
    m_arrDictionary.Append(nodes);
    nodes.RemoveAll();
    // A whole tree: the close writes it to the dictionary file.
    m_bDictionaryLoaded = TRUE;
    return FileOutcome::Done();
}
