#include "kinsen.h"

#include "../resources/resource.h"

IMPLEMENT_DYNCREATE(kinsen, CBookFormView)

kinsen::kinsen() : CBookFormView(IDD_KINSEN) {}
