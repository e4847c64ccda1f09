#include "settei.h"

#include "../resources/resource.h"

IMPLEMENT_DYNCREATE(settei, CBookFormView)

settei::settei() : CBookFormView(IDD_SETTEI) {}
