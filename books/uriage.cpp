#include "uriage.h"

#include "../resources/resource.h"

IMPLEMENT_DYNCREATE(CUriage, CBookFormView)

CUriage::CUriage() : CBookFormView(IDD_URIAGE) {}
