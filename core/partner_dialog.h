// The trading-partner dialog belongs to the input aids; the document only runs it
// for its partner command. The input aids register how to run one: a function
// that builds the dialog without a parent window, runs it modally (it fills the
// document's m_arrPartners) and answers DoModal's result.
#pragma once

using PartnerDialogRunner = int (*)();

void SetPartnerDialogRunner(PartnerDialogRunner runner);
// The registered runner, or nullptr while none is registered.
PartnerDialogRunner GetPartnerDialogRunner();
