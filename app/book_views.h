// The one table of book views: for each book command the form view the switch
// creates, the book code the view sets in the document and the menu commands it
// enables. The main frame, the views, the document's file commands and the tests
// all read it.
#pragma once

#include "../core/book_codes.h"

#include "../framework/object.h"

#include <span>

struct BookView {
    unsigned int commandId;
    const CRuntimeClass* viewClass;
    BookCode bookCode;
    BookMenuRole menuRole;
};

std::span<const BookView> BookViews();

// The entry of a book command, or nullptr for any other command id.
const BookView* FindBookView(unsigned int commandId);
// The entry of a view class, or nullptr when the class is no book view.
const BookView* FindBookViewOfClass(const CRuntimeClass* viewClass);
