// CCmdTarget: an object that takes commands through its message map: windows,
// documents and the application. OnCmdMsg looks a command up in the object's
// table chain; the classes that route commands further (view to document, frame
// to view and application) override it.
#pragma once

#include "../object.h"
#include "message_map.h"

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;

    // A command (nCode CN_COMMAND or a control notification code), an update
    // request (CN_UPDATE_COMMAND_UI, pExtra the CCmdUI) or a WM_NOTIFY
    // (MAKELONG(code, WM_NOTIFY), pExtra an AFX_NOTIFY). With pHandlerInfo the
    // handler is only looked for, not called. TRUE: handled.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // The root of every table chain: no entries and no base.
    using MessageMapOwner = CCmdTarget;
    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const { return GetThisMessageMap(); }
    template <class Derived>
        requires(!std::is_same_v<Derived, CCmdTarget>)
    friend CCmdTarget* NearestTableOwner(Derived*, CCmdTarget*) { return nullptr; }

    // The hourglass while a long operation runs; see CWinApp::DoWaitCursor.
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

protected:
    // Calls the first entry of this object's table chain that takes the call
    // (entries of the kind, with code and id or message in their range).
    // TRUE when a handler took it; call.result holds its answer.
    BOOL DispatchToMap(MessageEntry::Kind kind, UINT idOrMessage, int code, MessageCall& call);
    // Whether an entry of the kind exists for the id or message, without calling it.
    BOOL HasMapEntry(MessageEntry::Kind kind, UINT idOrMessage, int code) const;
};
