// settei: the form view of the account dictionary editor.
#pragma once

#include "../core/book_form_view.h"

class settei : public CBookFormView {
    DECLARE_DYNCREATE(settei)
public:
    settei();
};
