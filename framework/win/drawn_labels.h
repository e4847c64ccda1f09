// DrawnLabels: the plain text labels of a form's dialog template drawn by the
// form itself instead of being windows. Under Wine every child window costs its
// own creation, paint and destruction, and a book form holds a dozen and more
// labels that no code ever addresses. A label taken out is a static text item of
// no id of its own (-1), shown and enabled, left, centred or right aligned,
// perhaps centred vertically or bordered, without notifications, a mnemonic or
// an extended style; it is drawn as the static control draws it, in the form's
// font, text colour and face colour. Every other item stays a window.
//
// A label starts a group of the dialog manager: the next item that stays a
// window takes the group mark in its place, so that the groups of the radio
// buttons and the arrow keys stay as they were.
#pragma once

#include "windows_api.h"

#include <string>
#include <vector>

class DrawnLabels {
public:
    // The extended dialog template without its labels, which are kept here; a
    // template of another form comes back as it was, and no label is kept.
    std::vector<BYTE> TakeFrom(const DLGTEMPLATE* dialogTemplate);
    // Places the labels in the pixels of the form made from the template.
    void Place(HWND form);
    // Draws the labels on dc, whose origin is the form's unscrolled corner.
    void Draw(HDC dc) const;

    int Count() const { return static_cast<int>(m_labels.size()); }

private:
    struct Label {
        RECT units;   // x, y, width and height in dialog units
        RECT pixels;  // the place in the form's pixels once placed
        DWORD style;
        std::wstring text;
    };
    std::vector<Label> m_labels;
    HFONT m_font = nullptr;
};
