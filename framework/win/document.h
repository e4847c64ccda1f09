// CDocument: the data a program's views show. It keeps its views, a modified
// flag, a title and a path; UpdateAllViews tells the views that it changed.
//
// Closing: SaveModified asks the user whether to save changes (Yes saves, No
// drops them, Cancel keeps the program open); OnCloseDocument destroys the
// frames showing the document, empties it (DeleteContents) and deletes it.
#pragma once

#include "../cstring.h"
#include "cmd_target.h"

#include <vector>

class CArchive;
class CDocTemplate;
class CFrameWnd;
class CView;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
    DECLARE_MESSAGE_MAP(CDocument)
public:
    CDocument();
    ~CDocument() override;

    const CString& GetTitle() const { return m_strTitle; }
    // Changes the title and the captions of the frames showing the document.
    virtual void SetTitle(LPCTSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    // The document's file; the title becomes its file name.
    virtual void SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    const std::vector<CView*>& GetViews() const { return m_viewList; }
    // Calls OnUpdate of every view but pSender.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);
    // Refreshes the captions of the frames showing the document.
    void UpdateFrameCounts();

    // Empties the document's data; the default does nothing.
    virtual void DeleteContents();
    virtual BOOL OnNewDocument();
    // Reads the file by Serialize; on failure tells the user and answers FALSE.
    virtual BOOL OnOpenDocument(LPCTSTR lpszPathName);
    // Writes the file by Serialize (the old file is replaced only by a complete new one).
    virtual BOOL OnSaveDocument(LPCTSTR lpszPathName);
    virtual void OnCloseDocument();
    // FALSE: the user cancelled, nothing may close.
    virtual BOOL SaveModified();
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    virtual void PreCloseFrame(CFrameWnd* pFrame);
    // The last view gone closes a document that deletes itself.
    virtual void OnChangedViewList();
    // Saves under lpszPathName, or asks for a name when it is null. bReplace:
    // the document takes the new name.
    virtual BOOL DoSave(LPCTSTR lpszPathName, BOOL bReplace = TRUE);
    virtual BOOL DoFileSave();

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();

    // Deleted by OnCloseDocument (and when its last view goes).
    BOOL m_bAutoDelete = TRUE;
    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate = nullptr;
    BOOL m_bModified = FALSE;

private:
    std::vector<CView*> m_viewList;
};
