// The document's routines that write into the account dictionary for the input
// aids: the trading partners as descriptions of their accounts, and the work
// dictionary that the opening-balance dialog builds from the previous year.
#include "my_doc.h"

#include "../record_file.h"

#include "../../framework/win/file_dialog.h"
#include "../../framework/win/message_box.h"
#include "../../framework/win/win_app.h"

void CMyDoc::RegisterEditedPartners()
{
    // Only a dictionary that is a whole tree is edited; the close writes it.
    if (!RegisterAllPartners(m_arrDictionary, m_arrPartners)) {
        AfxMessageBox("科目辞書の構成が正しくないため、取引先を登録できません。", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    UpdateAllViews(nullptr, 0, nullptr);
}

void CMyDoc::RegisterPartnerNames(int kind, int side, CString account)
{
    if (IsDictionaryTree(m_arrDictionary))
        ::RegisterPartnerNames(m_arrDictionary, m_arrPartners, kind, side, account);
}

int CMyDoc::CarryForwardFromPrevYear()
{
    DeleteRecords(m_arrPrevJournal);
    CFileDialog dialog(TRUE, "siz", "*.siz", OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST,
                       "Zirere(*.siz)|*.siz||||");
    dialog.m_ofn.lpstrTitle = "前年度の会計データファイルの指定";
    dialog.m_ofn.lpstrInitialDir = m_strProgramDir;
    const BOOL chosen = dialog.DoModal() == IDOK;
    if (!chosen) {
        ReturnToProgramFolder();
        return -1;
    }
    const BOOL read = Report(LoadPrevYearFile(dialog.GetPathName()));
    ReturnToProgramFolder();
    if (!read)
        return -1;
    CWaitCursor wait;
    BuildWorkDictionary(m_arrDictionary, m_arrPrevJournal, m_arrWorkDict, m_nYearWork);
    return 0;
}

int CMyDoc::MergePrevYearRow(int row, CString account, CString description)
{
    if (row >= 0 && row < 6 && IsDictionaryTree(m_arrWorkDict))
        ::MergePrevYearRow(m_arrWorkDict, m_nYearWork, row, account, description);
    return 0;
}

int CMyDoc::FindWorkChildNode(int parent, CString name)
{
    if (parent < 0 || parent >= m_arrWorkDict.GetSize())
        return -2;
    return ::FindWorkChildNode(m_arrWorkDict, parent, name);
}

int CMyDoc::InsertWorkDictionaryNode(int parent, int kind, CString name)
{
    if (parent < 0 || parent >= m_arrWorkDict.GetSize())
        return -1;
    return ::InsertWorkDictionaryNode(m_arrWorkDict, m_nYearWork, parent, kind, name);
}
