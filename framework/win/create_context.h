// CCreateContext: what a frame needs to create a view: the view's run-time
// class and the document it shows. A zero-initialised context is valid.
#pragma once

#include "../object.h"

class CDocTemplate;
class CDocument;
class CFrameWnd;
class CView;

struct CCreateContext {
    const CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};
