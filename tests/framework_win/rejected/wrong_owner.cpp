// Must not compile: the class declares its table under another class's name.
#include "framework/win/cmd_target.h"

class FirstView : public CCmdTarget {
    DECLARE_MESSAGE_MAP(FirstView)
};

class SecondView : public FirstView {
    DECLARE_MESSAGE_MAP(FirstView)
};

const MessageMap* SecondView::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<SecondView>();
    return &map;
}
