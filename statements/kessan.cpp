#include "kessan.h"

#include "../resources/resource.h"

IMPLEMENT_DYNCREATE(kessan, CBookFormView)

kessan::kessan() : CBookFormView(IDD_KESSAN) {}
