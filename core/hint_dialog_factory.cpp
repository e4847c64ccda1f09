#include "hint_dialog_factory.h"

namespace {
HintDialogMaker g_maker = nullptr;
}

void SetHintDialogMaker(HintDialogMaker maker)
{
    g_maker = maker;
}

CWnd* CreateHintDialog()
{
    return g_maker ? g_maker() : nullptr;
}
