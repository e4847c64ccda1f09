#include "cmd_target.h"

#include "win_app.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

namespace {

bool Matches(const MessageEntry& entry, MessageEntry::Kind kind, UINT idOrMessage, int code)
{
    if (entry.kind != kind)
        return false;
    bool inRange = entry.first <= idOrMessage && idOrMessage <= entry.last;
    switch (kind) {
    case MessageEntry::Kind::WindowMessage:
    case MessageEntry::Kind::UpdateCommandUI:
    case MessageEntry::Kind::ReflectedMessage:
        return inRange;
    case MessageEntry::Kind::Command:
        return inRange && entry.code == code;
    case MessageEntry::Kind::Notify:
        // The code handed to OnCmdMsg carries the notification code in its low word.
        return inRange && LOWORD(entry.code) == LOWORD(code);
    case MessageEntry::Kind::ReflectedCommand:
    case MessageEntry::Kind::ReflectedNotify:
        return entry.code == code;
    }
    return false;
}

}  // namespace

const MessageMap* CCmdTarget::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CCmdTarget>();
    return &map;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    MessageEntry::Kind kind = MessageEntry::Kind::Command;
    if (nCode == CN_UPDATE_COMMAND_UI)
        kind = MessageEntry::Kind::UpdateCommandUI;
    else if (HIWORD(static_cast<UINT>(nCode)) == WM_NOTIFY)
        kind = MessageEntry::Kind::Notify;

    if (pHandlerInfo) {
        if (!HasMapEntry(kind, nID, nCode))
            return FALSE;
        pHandlerInfo->pTarget = this;
        return TRUE;
    }
    MessageCall call;
    call.id = nID;
    call.code = nCode;
    call.extra = pExtra;
    return DispatchToMap(kind, nID, nCode, call);
}

BOOL CCmdTarget::DispatchToMap(MessageEntry::Kind kind, UINT idOrMessage, int code, MessageCall& call)
{
    for (const MessageMap* map = GetMessageMap(); map; map = map->Base())
        for (const MessageEntry& entry : map->Entries())
            if (Matches(entry, kind, idOrMessage, code) && entry.handler(*this, call))
                return TRUE;
    return FALSE;
}

BOOL CCmdTarget::HasMapEntry(MessageEntry::Kind kind, UINT idOrMessage, int code) const
{
    for (const MessageMap* map = GetMessageMap(); map; map = map->Base())
        for (const MessageEntry& entry : map->Entries())
            if (Matches(entry, kind, idOrMessage, code))
                return TRUE;
    return FALSE;
}

void CCmdTarget::BeginWaitCursor()
{
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(1);
}

void CCmdTarget::EndWaitCursor()
{
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(-1);
}

void CCmdTarget::RestoreWaitCursor()
{
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(0);
}
