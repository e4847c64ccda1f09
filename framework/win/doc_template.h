// Document templates: a template ties one resource id (menu, accelerators,
// icon and title of the frame) to the run-time classes of the document, the
// frame and the first view, and creates them together.
//
// CSingleDocTemplate holds at most one document: a new or opened file reuses it
// after SaveModified. The new-file path creates the document, the frame (which
// creates the first view), calls OnNewDocument, sends the initial update to the
// view and shows the frame as the application's main window.
#pragma once

#include "../cstring.h"
#include "cmd_target.h"

#include <vector>

class CDocument;
class CFrameWnd;

class CDocTemplate : public CCmdTarget {
    DECLARE_DYNAMIC(CDocTemplate)
public:
    CDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                 const CRuntimeClass* pViewClass);
    ~CDocTemplate() override;

    // A new document (null path) or the file opened; null on failure.
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    virtual CDocument* CreateNewDocument();
    // A frame for pDoc with its first view; null when it could not be created.
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);
    virtual void SetDefaultTitle(CDocument* pDocument);
    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);
    void CloseAllDocuments(BOOL bEndSession);
    const std::vector<CDocument*>& GetDocuments() const { return m_documents; }

    UINT m_nIDResource;
    const CRuntimeClass* m_pDocClass;
    const CRuntimeClass* m_pFrameClass;
    const CRuntimeClass* m_pViewClass;

protected:
    std::vector<CDocument*> m_documents;
};

class CSingleDocTemplate : public CDocTemplate {
    DECLARE_DYNAMIC(CSingleDocTemplate)
public:
    using CDocTemplate::CDocTemplate;

    CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
};
