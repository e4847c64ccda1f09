// DrawnLabels: the plain text labels of a form's dialog template drawn by the
// form itself instead of being windows. Under Wine every child window costs its
// own creation, paint and destruction, and a book form holds a dozen and more
// labels that no code ever addresses. A label taken out is a static text item of
// no id of its own (-1), shown and enabled, left, centred or right aligned,
// perhaps centred vertically or bordered, without notifications, a mnemonic or
// an extended style; it is drawn as the static control draws it, in the form's
// font, text colour and face colour. Every other item stays a window.
//
// Group boxes are taken out the same way: a group box of no id, or one whose
// id the form names, shown and enabled, without notifications, a mnemonic or an
// extended style. Its etched frame and its caption are drawn as the button
// control draws them. A named group box stays addressable by its id: its place
// and its caption are kept here for the form to give and change.
//
// A taken item starts a group of the dialog manager: the next item that stays
// a window takes the group mark in its place, so that the groups of the radio
// buttons and the arrow keys stay as they were.
#pragma once

#include "windows_api.h"

#include <string>
#include <vector>

class DrawnLabels {
public:
    // The extended dialog template without its labels and group boxes (those of
    // no id and those of the ids in groupBoxIds), which are kept here; a template
    // of another form comes back as it was, and nothing is kept.
    std::vector<BYTE> TakeFrom(const DLGTEMPLATE* dialogTemplate, const std::vector<int>& groupBoxIds = {});
    // Places the labels in the pixels of the form made from the template.
    void Place(HWND form);
    // Draws the labels on dc, whose origin is the form's unscrolled corner.
    void Draw(HDC dc) const;

    int Count() const { return static_cast<int>(m_labels.size()); }

    // A drawn group box of id id: its place in the form's unscrolled pixels, or
    // nullptr when no drawn item has that id.
    const RECT* PlaceOf(int id) const;
    // Its caption; false when no drawn item has that id.
    bool TextOf(int id, std::wstring& text) const;
    // Sets its caption; false when no drawn item has that id. area receives the
    // strip of the form that shows the caption, the old one and the new.
    bool SetText(int id, const std::wstring& text, RECT& area);

private:
    struct Label {
        RECT units;   // x, y, width and height in dialog units
        RECT pixels;  // the place in the form's pixels once placed
        DWORD style;
        std::wstring text;
        bool groupBox;
        int id;  // -1 for none
    };
    Label* Find(int id);
    void DrawLabel(HDC dc, const Label& label, HBRUSH face) const;
    void DrawGroupBox(HDC dc, const Label& box, HBRUSH face) const;
    int m_textHeight = 0;  // of the form's font
    std::vector<Label> m_labels;
    HFONT m_font = nullptr;
};
