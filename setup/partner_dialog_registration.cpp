// The program's document runs the input aids' trading-partner dialog on its
// partner command. This file is linked into each program build itself, so that
// the registration is never left out of the link with the unused parts of a library.
#include "torihikisaki_dlg.h"

#include "../core/partner_dialog.h"

namespace {

const bool registered = (SetPartnerDialogRunner(&RunPartnerDialog), true);

}  // namespace
