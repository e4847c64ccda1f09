// The modeless input-hint dialog is the journal's; the main frame only creates
// and destroys it. The journal registers how to make one.
#pragma once

class CWnd;

using HintDialogMaker = CWnd* (*)();

void SetHintDialogMaker(HintDialogMaker maker);

// A new, visible-ready hint dialog that deletes itself when destroyed, or
// nullptr while no journal has registered a maker.
CWnd* CreateHintDialog();
