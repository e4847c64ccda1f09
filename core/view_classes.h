// The form view class of each book command, as the view switch creates them.
#pragma once

#include "../framework/object.h"

// The run-time class of the view of a book command, or nullptr for any other id.
const CRuntimeClass* ViewClassOfCommand(unsigned int commandId);
