// The program's main frame makes the journal's input-hint dialog on its show
// command. This file is linked into each program build itself, so that the
// registration is never left out of the link with the unused parts of a library.
#include "hint_dlg.h"

namespace {

const bool registered = (RegisterHintDialog(), true);

}  // namespace
