#include "uriage.h"

#include "../../resources/resource.h"

IMPLEMENT_DYNCREATE(CUriage, CSalesBookView)

const MessageMap* CUriage::GetThisMessageMap()
{
    static const MessageMap map =
        MessageMap::Of<CUriage>(on::Control(BN_CLICKED, IDC_SALES_GOTO_SIIRE, &CUriage::OnGotoSiire));
    return &map;
}

CUriage::CUriage() : CSalesBookView(IDD_URIAGE, SalesBook::Sales, 4, "売上帳") {}
