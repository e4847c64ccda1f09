#include "siire.h"

#include "../../resources/resource.h"

IMPLEMENT_DYNCREATE(CSiire, CSalesBookView)

const MessageMap* CSiire::GetThisMessageMap()
{
    static const MessageMap map =
        MessageMap::Of<CSiire>(on::Control(BN_CLICKED, IDC_SALES_GOTO_URIAGE, &CSiire::OnGotoUriage));
    return &map;
}

CSiire::CSiire() : CSalesBookView(IDD_SIIRE, SalesBook::Purchases, 5, "仕入帳") {}
