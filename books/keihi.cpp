#include "keihi.h"

#include "../resources/resource.h"

IMPLEMENT_DYNCREATE(keihi, CBookFormView)

keihi::keihi() : CBookFormView(IDD_KEIHI) {}
