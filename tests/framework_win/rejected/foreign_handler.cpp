// Must not compile: the table of SecondView names a handler of FirstView, as a
// table copied from another view would. The build's test checks the compiler's
// message.
#include "framework/win/cmd_target.h"

class FirstView : public CCmdTarget {
    DECLARE_MESSAGE_MAP(FirstView)
public:
    void OnButton() {}
};

class SecondView : public CCmdTarget {
    DECLARE_MESSAGE_MAP(SecondView)
public:
    void OnOwnButton() {}
};

const MessageMap* SecondView::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<SecondView>(
        on::Command(1, &SecondView::OnOwnButton),
        on::Command(2, &FirstView::OnButton));
    return &map;
}
