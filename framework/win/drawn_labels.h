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
// A form may name labels with an id and one-line edit fields that only show
// what the program sets (bordered, out of the tab order, no extended style):
// those are drawn too, the field as the edit control paints itself, and keep
// their id for their place and their text. Nothing can click or focus them.
// A label may also be sunken (the static control's thin edge). An item with an
// id may start hidden, can be hidden and shown again, and a label greyed as a
// disabled static control greys its text.
//
// A taken item starts a group of the dialog manager: the next item that stays
// a window takes the group mark in its place, so that the groups of the radio
// buttons and the arrow keys stay as they were.
#pragma once

#include "windows_api.h"

#include <string>
#include <utility>
#include <vector>

class DrawnLabels {
public:
    // The extended dialog template without its labels and group boxes of no id
    // and the labels, group boxes and fields of the ids in itemIds, which are kept
    // here; a template of another form comes back as it was, and nothing is kept.
    std::vector<BYTE> TakeFrom(const DLGTEMPLATE* dialogTemplate, const std::vector<int>& itemIds = {});
    // Places the labels in the pixels of the form made from the template.
    void Place(HWND form);
    // Draws the labels on dc, whose origin is the form's unscrolled corner.
    void Draw(HDC dc) const;

    int Count() const { return static_cast<int>(m_labels.size()); }

    // A drawn item of id id: its place in the form's unscrolled pixels, or
    // nullptr when no drawn item has that id.
    const RECT* PlaceOf(int id) const;
    // Its text (a group box's caption); false when no drawn item has that id.
    bool TextOf(int id, std::wstring& text) const;
    // Sets its text; false when no drawn item has that id. area receives the part
    // of the form that shows the text, the old one and the new.
    bool SetText(int id, const std::wstring& text, RECT& area);
    // Shows or hides it, enables or greys it; false when no drawn item has that
    // id. area receives the part of the form to paint again, empty when the item
    // already was so.
    bool SetShown(int id, bool shown, RECT& area);
    bool SetEnabled(int id, bool enabled, RECT& area);
    // Whether it is shown, enabled; false when no drawn item has that id.
    bool IsShown(int id) const;
    bool IsEnabled(int id) const;

private:
    enum class Kind { Kept, Label, GroupBox, Field };
    struct Label {
        RECT units;   // x, y, width and height in dialog units
        RECT pixels;  // the place in the form's pixels once placed
        DWORD style;
        std::wstring text;
        Kind kind;
        int id;  // -1 for none
        bool shown = true;
        bool enabled = true;
    };
    // Sets one state of the item of that id; area as SetShown's.
    bool SetState(int id, bool Label::*state, bool wanted, RECT& area);
    const Label* Find(int id) const;
    Label* Find(int id);
    void DrawLabel(HDC dc, const Label& label, HBRUSH face) const;
    void DrawGroupBox(HDC dc, const Label& box, HBRUSH face) const;
    void DrawField(HDC dc, const Label& field) const;
    int m_textHeight = 0;  // of the form's font
    std::pair<int, int> m_fieldMargins = {0, 0};  // left and right, of the form's font
    std::vector<Label> m_labels;
    HFONT m_font = nullptr;
};
