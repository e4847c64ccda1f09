#include "view_classes.h"

#include "../books/kanjyo.h"
#include "../books/keihi.h"
#include "../books/kinsen.h"
#include "../books/siire.h"
#include "../books/uriage.h"
#include "../journal/siwake.h"
#include "../resources/resource.h"
#include "../setup/settei.h"
#include "../statements/kessan.h"

const CRuntimeClass* ViewClassOfCommand(unsigned int commandId)
{
    switch (commandId) {
    case ID_VIEW_SIWAKE: return RUNTIME_CLASS(siwake);
    case ID_VIEW_KINSEN: return RUNTIME_CLASS(kinsen);
    case ID_VIEW_KANJYO: return RUNTIME_CLASS(kanjyo);
    case ID_VIEW_KEIHI: return RUNTIME_CLASS(keihi);
    case ID_VIEW_KESSAN: return RUNTIME_CLASS(kessan);
    case ID_VIEW_SETTEI: return RUNTIME_CLASS(settei);
    case ID_VIEW_SIIRE: return RUNTIME_CLASS(CSiire);
    case ID_VIEW_URIAGE: return RUNTIME_CLASS(CUriage);
    default: return nullptr;
    }
}
