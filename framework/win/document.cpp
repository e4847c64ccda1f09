#include "document.h"

#include "../archive.h"
#include "../file_exception.h"
#include "../replace_file.h"
#include "doc_template.h"
#include "file_dialog.h"
#include "frame_wnd.h"
#include "framework_ids.h"
#include "message_box.h"
#include "view.h"
#include "win_app.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

const MessageMap* CDocument::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CDocument>(
        on::Command(ID_FILE_CLOSE, &CDocument::OnFileClose),
        on::Command(ID_FILE_SAVE, &CDocument::OnFileSave),
        on::Command(ID_FILE_SAVE_AS, &CDocument::OnFileSaveAs));
    return &map;
}

CDocument::CDocument() = default;

CDocument::~CDocument()
{
    for (CView* view : m_viewList)
        view->m_pDocument = nullptr;
    m_viewList.clear();
    if (m_pDocTemplate)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    UpdateFrameCounts();
}

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU)
{
    m_strPathName = lpszPathName;
    CString name = m_strPathName;
    int slash = std::max(name.ReverseFind('\\'), name.ReverseFind('/'));
    if (slash >= 0)
        name = name.Mid(slash + 1);
    SetTitle(name);
    if (bAddToMRU)
        if (CWinApp* app = AfxGetApp())
            app->AddToRecentFileList(m_strPathName);
}

void CDocument::AddView(CView* pView)
{
    if (std::find(m_viewList.begin(), m_viewList.end(), pView) != m_viewList.end())
        return;
    m_viewList.push_back(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    auto found = std::find(m_viewList.begin(), m_viewList.end(), pView);
    if (found == m_viewList.end())
        return;
    m_viewList.erase(found);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

void CDocument::OnChangedViewList()
{
    if (m_viewList.empty() && m_bAutoDelete) {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    // A copy: an update may close a view.
    std::vector<CView*> views = m_viewList;
    for (CView* view : views)
        if (view != pSender && std::find(m_viewList.begin(), m_viewList.end(), view) != m_viewList.end())
            view->OnUpdate(pSender, lHint, pHint);
}

void CDocument::UpdateFrameCounts()
{
    std::vector<CFrameWnd*> frames;
    for (CView* view : m_viewList) {
        if (!view->m_hWnd)
            continue;
        CFrameWnd* frame = view->GetParentFrame();
        if (frame && std::find(frames.begin(), frames.end(), frame) == frames.end())
            frames.push_back(frame);
    }
    // A frame between two views (the old one has left, the next is not yet
    // active) keeps its caption: the next view names the document again.
    for (CFrameWnd* frame : frames)
        if (frame->GetActiveView())
            frame->OnUpdateFrameTitle(TRUE);
}

void CDocument::DeleteContents() {}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName)
{
    try {
        CFile file(lpszPathName, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary);
        DeleteContents();
        // Dirty while reading: a failure half-way leaves a document that is not the file.
        SetModifiedFlag(TRUE);
        CArchive archive(&file, CArchive::load);
        Serialize(archive);
        archive.Close();
        file.Close();
    } catch (const CException&) {
        DeleteContents();
        CString text;
        text.Format("ファイル %s を開けませんでした。", lpszPathName);
        AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCTSTR lpszPathName)
{
    try {
        WriteFileReplacing(lpszPathName, CFile::typeBinary, [this](CStdioFile& file) {
            CArchive archive(&file, CArchive::store);
            Serialize(archive);
            archive.Close();
        });
    } catch (const CException&) {
        CString text;
        text.Format("ファイル %s に保存できませんでした。", lpszPathName);
        AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument()
{
    // The views must not close the document again while their frames go.
    BOOL autoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.empty()) {
        CView* view = m_viewList.front();
        if (CFrameWnd* frame = view->GetParentFrame()) {
            PreCloseFrame(frame);
            frame->DestroyWindow();
        } else if (view->m_hWnd) {
            view->DestroyWindow();
        }
        // A view whose window could not go is let go all the same.
        if (!m_viewList.empty() && m_viewList.front() == view)
            RemoveView(view);
    }
    m_bAutoDelete = autoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString name = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
    if (name.IsEmpty())
        name = "無題";
    CString prompt;
    prompt.Format("%s への変更を保存しますか?", static_cast<LPCTSTR>(name));
    switch (AfxMessageBox(prompt, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:
        return TRUE;
    }
}

BOOL CDocument::CanCloseFrame(CFrameWnd*)
{
    return SaveModified();
}

void CDocument::PreCloseFrame(CFrameWnd*) {}

BOOL CDocument::DoFileSave()
{
    return DoSave(m_strPathName.IsEmpty() ? nullptr : static_cast<LPCTSTR>(m_strPathName));
}

BOOL CDocument::DoSave(LPCTSTR lpszPathName, BOOL bReplace)
{
    CString path(lpszPathName);
    if (path.IsEmpty()) {
        CFileDialog dialog(FALSE, nullptr, m_strTitle, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST,
                           "すべてのファイル (*.*)|*.*||");
        if (dialog.DoModal() != IDOK)
            return FALSE;
        path = dialog.GetPathName();
    }
    BeginWaitCursor();
    BOOL saved = OnSaveDocument(path);
    EndWaitCursor();
    if (saved && bReplace)
        SetPathName(path);
    return saved;
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDocument::OnFileClose()
{
    if (!SaveModified())
        return;
    OnCloseDocument();
}

void CDocument::OnFileSave()
{
    DoFileSave();
}

void CDocument::OnFileSaveAs()
{
    DoSave(nullptr);
}
