// kessan: the form view of the year-end statements.
#pragma once

#include "../core/book_form_view.h"

class kessan : public CBookFormView {
    DECLARE_DYNCREATE(kessan)
public:
    kessan();
};
