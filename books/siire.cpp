#include "siire.h"

#include "../resources/resource.h"

IMPLEMENT_DYNCREATE(CSiire, CBookFormView)

CSiire::CSiire() : CBookFormView(IDD_SIIRE) {}
