#include "kanjyo.h"

#include "../resources/resource.h"

IMPLEMENT_DYNCREATE(kanjyo, CBookFormView)

kanjyo::kanjyo() : CBookFormView(IDD_KANJYO) {}
