#include "doc_template.h"

#include "create_context.h"
#include "document.h"
#include "frame_wnd.h"
#include "message_box.h"
#include "win_app.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

CDocTemplate::CDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                           const CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass)
{
}

CDocTemplate::~CDocTemplate()
{
    for (CDocument* document : m_documents)
        document->m_pDocTemplate = nullptr;
}

CDocument* CDocTemplate::CreateNewDocument()
{
    CObject* object = m_pDocClass ? m_pDocClass->CreateObject() : nullptr;
    if (!object)
        return nullptr;
    if (!object->IsKindOf(RUNTIME_CLASS(CDocument))) {
        delete object;
        return nullptr;
    }
    auto* document = static_cast<CDocument*>(object);
    AddDocument(document);
    return document;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther)
{
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;

    CObject* object = m_pFrameClass ? m_pFrameClass->CreateObject() : nullptr;
    if (!object)
        return nullptr;
    if (!object->IsKindOf(RUNTIME_CLASS(CFrameWnd))) {
        delete object;
        return nullptr;
    }
    auto* frame = static_cast<CFrameWnd*>(object);
    if (!frame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;  // the frame has released itself
    return frame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

void CDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    pDocument->SetTitle("無題");
}

void CDocTemplate::AddDocument(CDocument* pDoc)
{
    m_documents.push_back(pDoc);
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc)
{
    auto found = std::find(m_documents.begin(), m_documents.end(), pDoc);
    if (found != m_documents.end())
        m_documents.erase(found);
    pDoc->m_pDocTemplate = nullptr;
}

void CDocTemplate::CloseAllDocuments(BOOL)
{
    std::vector<CDocument*> documents = m_documents;
    for (CDocument* document : documents)
        document->OnCloseDocument();
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* document = nullptr;
    CFrameWnd* frame = nullptr;
    bool created = false;
    BOOL wasModified = FALSE;

    if (!m_documents.empty()) {
        // The one document is reused once its changes are saved or dropped.
        document = m_documents.front();
        if (!document->SaveModified())
            return nullptr;
        wasModified = document->IsModified();
        CWnd* main = AfxGetMainWnd();
        if (main && main->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            frame = static_cast<CFrameWnd*>(main);
    } else {
        document = CreateNewDocument();
        if (!document) {
            AfxMessageBox("ドキュメントを作成できませんでした。", MB_OK | MB_ICONSTOP);
            return nullptr;
        }
        created = true;
    }

    if (!frame) {
        BOOL autoDelete = document->m_bAutoDelete;
        document->m_bAutoDelete = FALSE;
        frame = CreateNewFrame(document, nullptr);
        document->m_bAutoDelete = autoDelete;
        if (!frame) {
            AfxMessageBox("ウィンドウを作成できませんでした。", MB_OK | MB_ICONSTOP);
            if (created)
                delete document;
            return nullptr;
        }
    }

    if (!lpszPathName) {
        SetDefaultTitle(document);
        if (!document->OnNewDocument()) {
            // The document has told the user; a frame made for it goes with it.
            if (created)
                frame->DestroyWindow();
            return nullptr;
        }
    } else {
        if (!document->OnOpenDocument(lpszPathName)) {
            if (created) {
                frame->DestroyWindow();
            } else if (!document->IsModified()) {
                document->SetModifiedFlag(wasModified);
            } else {
                // The reading replaced part of the old contents: start afresh rather than show a mixture.
                SetDefaultTitle(document);
                document->OnNewDocument();
            }
            return nullptr;
        }
        document->SetPathName(lpszPathName);
    }

    CWinApp* app = AfxGetApp();
    if (created && app && !app->m_pMainWnd)
        app->m_pMainWnd = frame;
    InitialUpdateFrame(frame, document, bMakeVisible);
    return document;
}
