// CUriage: the form view of the sales book.
#pragma once

#include "sales_book_view.h"

class CUriage : public CSalesBookView {
    DECLARE_DYNCREATE(CUriage)
    DECLARE_MESSAGE_MAP(CUriage)
public:
    CUriage();
};
