#include "drawn_labels.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <utility>

namespace {

constexpr WORD kExtendedSignature = 0xFFFF;
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;
constexpr DWORD kNoId = 0xFFFFFFFF;
constexpr DWORD kShortNoId = 0xFFFF;
constexpr DWORD kCountOffset = 16;  // cDlgItems after dlgVer, signature, helpID, exStyle, style
constexpr DWORD kLabelStyles =
    WS_CHILD | WS_VISIBLE | WS_GROUP | WS_BORDER | SS_TYPEMASK | SS_CENTERIMAGE | SS_NOPREFIX | SS_SUNKEN;

// Reads the template's bytes in order; any read past the end stops the reading.
class TemplateReader {
public:
    TemplateReader(const BYTE* bytes, std::size_t size) : m_bytes(bytes), m_size(size) {}

    bool Fits(std::size_t count) const { return m_ok && m_at + count <= m_size; }
    std::size_t At() const { return m_at; }
    bool Ok() const { return m_ok; }

    template <class T>
    T Read()
    {
        T value{};
        if (!Fits(sizeof value)) {
            m_ok = false;
            return value;
        }
        std::memcpy(&value, m_bytes + m_at, sizeof value);
        m_at += sizeof value;
        return value;
    }
    void Skip(std::size_t count)
    {
        if (!Fits(count))
            m_ok = false;
        else
            m_at += count;
    }
    void AlignTo(std::size_t unit) { Skip((unit - m_at % unit) % unit); }

    // A name or an ordinal: ordinal receives the ordinal, text the name.
    void NameOrOrdinal(WORD* ordinal, std::wstring* text)
    {
        const WORD first = Read<WORD>();
        if (first == 0xFFFF) {
            const WORD value = Read<WORD>();
            if (ordinal)
                *ordinal = value;
            return;
        }
        std::wstring name;
        for (WORD ch = first; m_ok && ch != 0; ch = Read<WORD>())
            name.push_back(static_cast<wchar_t>(ch));
        if (text)
            *text = name;
    }

private:
    const BYTE* m_bytes;
    std::size_t m_size;
    std::size_t m_at = 0;
    bool m_ok = true;
};

// The template's whole length: the resource's size is not at hand, so the items are walked.
std::size_t TemplateLength(const BYTE* bytes, bool& ok)
{
    TemplateReader reader(bytes, SIZE_MAX);
    reader.Skip(4 + 4 + 4);  // dlgVer, signature, helpID, exStyle
    const DWORD style = reader.Read<DWORD>();
    const WORD count = reader.Read<WORD>();
    reader.Skip(8);
    reader.NameOrOrdinal(nullptr, nullptr);  // menu
    reader.NameOrOrdinal(nullptr, nullptr);  // class
    reader.NameOrOrdinal(nullptr, nullptr);  // title (an ordinal never, a text always)
    if (style & (DS_SETFONT | DS_SHELLFONT)) {
        reader.Skip(6);
        reader.NameOrOrdinal(nullptr, nullptr);
    }
    for (WORD i = 0; i < count && reader.Ok(); ++i) {
        reader.AlignTo(4);
        reader.Skip(4 + 4 + 4 + 8 + 4);
        reader.NameOrOrdinal(nullptr, nullptr);
        reader.NameOrOrdinal(nullptr, nullptr);
        reader.Skip(reader.Read<WORD>());
    }
    ok = reader.Ok();
    return reader.At();
}

bool IsLabel(DWORD exStyle, DWORD style, WORD classOrdinal, const std::wstring& text, WORD extra)
{
    const DWORD type = style & SS_TYPEMASK;
    return classOrdinal == kStaticClass && exStyle == 0 && extra == 0 && (style & WS_VISIBLE) &&
           (style & ~kLabelStyles) == 0 && (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT) &&
           ((style & SS_NOPREFIX) || text.find(L'&') == std::wstring::npos);
}

constexpr DWORD kGroupBoxStyles = WS_CHILD | WS_VISIBLE | WS_GROUP | BS_TYPEMASK;

bool IsGroupBox(DWORD exStyle, DWORD style, WORD classOrdinal, const std::wstring& text, WORD extra)
{
    return classOrdinal == kButtonClass && exStyle == 0 && extra == 0 && (style & WS_VISIBLE) &&
           (style & BS_TYPEMASK) == BS_GROUPBOX && (style & ~kGroupBoxStyles) == 0 &&
           text.find(L'&') == std::wstring::npos;
}

constexpr DWORD kFieldStyles = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_BORDER | ES_LEFT | ES_CENTER | ES_RIGHT | ES_AUTOHSCROLL;

// A one-line edit field out of the tab order, which only shows what the program sets.
bool IsField(DWORD exStyle, DWORD style, WORD classOrdinal, WORD extra)
{
    return classOrdinal == kEditClass && exStyle == 0 && extra == 0 && (style & WS_VISIBLE) && (style & WS_BORDER) &&
           (style & ~kFieldStyles) == 0;
}

// The margins a one-line edit field of the font keeps left and right of its
// text, as the edit control itself sets them; asked of a field made once per font.
std::pair<int, int> FieldMargins(HFONT font)
{
    static std::map<std::string, std::pair<int, int>> known;
    LOGFONTW logFont = {};
    if (font)
        ::GetObjectW(font, sizeof logFont, &logFont);
    std::string key(reinterpret_cast<const char*>(&logFont), sizeof logFont);
    const auto found = known.find(key);
    if (found != known.end())
        return found->second;
    std::pair<int, int> margins = {0, 0};
    if (HWND field = ::CreateWindowExW(0, L"Edit", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr)) {
        ::SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        const auto both = static_cast<DWORD>(::SendMessageW(field, EM_GETMARGINS, 0, 0));
        margins = {LOWORD(both), HIWORD(both)};
        ::DestroyWindow(field);
    }
    known.emplace(std::move(key), margins);
    return margins;
}

}  // namespace

std::vector<BYTE> DrawnLabels::TakeFrom(const DLGTEMPLATE* dialogTemplate, const std::vector<int>& itemIds)
{
    m_labels.clear();
    const auto* bytes = reinterpret_cast<const BYTE*>(dialogTemplate);
    WORD version = 0, signature = 0;
    std::memcpy(&version, bytes, sizeof version);
    std::memcpy(&signature, bytes + 2, sizeof signature);
    bool ok = false;
    const std::size_t length = signature == kExtendedSignature && version == 1 ? TemplateLength(bytes, ok) : 0;
    if (!ok)
        return {};

    TemplateReader reader(bytes, length);
    reader.Skip(4 + 4 + 4);
    const DWORD formStyle = reader.Read<DWORD>();
    const WORD count = reader.Read<WORD>();
    reader.Skip(8);
    for (int i = 0; i < 3; ++i)
        reader.NameOrOrdinal(nullptr, nullptr);
    if (formStyle & (DS_SETFONT | DS_SHELLFONT)) {
        reader.Skip(6);
        reader.NameOrOrdinal(nullptr, nullptr);
    }
    std::vector<BYTE> kept(bytes, bytes + reader.At());
    WORD keptCount = 0;
    bool groupPending = false;
    for (WORD i = 0; i < count && reader.Ok(); ++i) {
        reader.AlignTo(4);
        const std::size_t start = reader.At();
        reader.Skip(4);  // helpID
        const DWORD exStyle = reader.Read<DWORD>();
        const DWORD style = reader.Read<DWORD>();
        const auto x = reader.Read<short>();
        const auto y = reader.Read<short>();
        const auto cx = reader.Read<short>();
        const auto cy = reader.Read<short>();
        const DWORD id = reader.Read<DWORD>();
        WORD classOrdinal = 0;
        std::wstring text;
        reader.NameOrOrdinal(&classOrdinal, nullptr);
        reader.NameOrOrdinal(nullptr, &text);
        const WORD extra = reader.Read<WORD>();
        reader.Skip(extra);
        if (!reader.Ok())
            break;
        const bool noId = id == kNoId || id == kShortNoId;
        const int ownId = noId ? -1 : static_cast<int>(static_cast<short>(id));
        const bool named = !noId && std::find(itemIds.begin(), itemIds.end(), ownId) != itemIds.end();
        // An item the form names may start hidden: it shows it by its id.
        const DWORD asShown = named ? style | WS_VISIBLE : style;
        Kind kind = Kind::Kept;
        if ((noId || named) && IsLabel(exStyle, asShown, classOrdinal, text, extra))
            kind = Kind::Label;
        else if ((noId || named) && IsGroupBox(exStyle, asShown, classOrdinal, text, extra))
            kind = Kind::GroupBox;
        else if (named && IsField(exStyle, asShown, classOrdinal, extra))
            kind = Kind::Field;
        if (kind != Kind::Kept) {
            m_labels.push_back({{x, y, cx, cy}, {}, asShown, text, kind, ownId, (style & WS_VISIBLE) != 0});
            groupPending = groupPending || (style & WS_GROUP) != 0;
            continue;
        }
        kept.resize((kept.size() + 3) / 4 * 4);
        const std::size_t at = kept.size();
        kept.insert(kept.end(), bytes + start, bytes + reader.At());
        if (groupPending) {
            DWORD keptStyle = 0;
            std::memcpy(&keptStyle, kept.data() + at + 8, sizeof keptStyle);
            keptStyle |= WS_GROUP;
            std::memcpy(kept.data() + at + 8, &keptStyle, sizeof keptStyle);
            groupPending = false;
        }
        ++keptCount;
    }
    if (!reader.Ok()) {
        m_labels.clear();
        return {};
    }
    std::memcpy(kept.data() + kCountOffset, &keptCount, sizeof keptCount);
    return kept;
}

void DrawnLabels::Place(HWND form)
{
    m_font = reinterpret_cast<HFONT>(::SendMessageW(form, WM_GETFONT, 0, 0));
    if (HDC dc = ::GetDC(form)) {
        const HGDIOBJ previous = m_font ? ::SelectObject(dc, m_font) : nullptr;
        TEXTMETRICW metrics = {};
        ::GetTextMetricsW(dc, &metrics);
        m_textHeight = metrics.tmHeight;
        m_fieldMargins = FieldMargins(m_font);
        if (previous)
            ::SelectObject(dc, previous);
        ::ReleaseDC(form, dc);
    }
    // The dialog manager turns the place and the size into pixels each on its own,
    // not the two corners: so does the label.
    for (Label& label : m_labels) {
        RECT mapped = label.units;
        ::MapDialogRect(form, &mapped);
        label.pixels = {mapped.left, mapped.top, mapped.left + mapped.right, mapped.top + mapped.bottom};
    }
}

void DrawnLabels::Draw(HDC dc) const
{
    if (m_labels.empty())
        return;
    const int saved = ::SaveDC(dc);
    if (m_font)
        ::SelectObject(dc, m_font);
    // The colours a form that answers no WM_CTLCOLORSTATIC gives its static
    // controls and its group boxes.
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    ::SetBkColor(dc, ::GetSysColor(COLOR_3DFACE));
    ::SetBkMode(dc, OPAQUE);
    HBRUSH face = ::GetSysColorBrush(COLOR_3DFACE);
    for (const Label& label : m_labels) {
        if (!label.shown)
            continue;
        switch (label.kind) {
        case Kind::GroupBox: DrawGroupBox(dc, label, face); break;
        case Kind::Field: DrawField(dc, label); break;
        default: DrawLabel(dc, label, face); break;
        }
    }
    ::RestoreDC(dc, saved);
}

void DrawnLabels::DrawField(HDC dc, const Label& field) const
{
    // As the edit control of a dialog paints itself: a sunken edge two pixels
    // wide, the window colour within, and the text on the first line a pixel in
    // from the edge (from the top too when there is room) and between the font's
    // margins, from the left or against the right when it fits.
    RECT client = field.pixels;
    ::DrawEdge(dc, &client, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_WINDOW));
    if (field.text.empty())
        return;
    const int top = client.bottom - client.top >= m_textHeight + 2 ? client.top + 1 : client.top;
    RECT format = {client.left + 1 + m_fieldMargins.first, top, client.right - 1 - m_fieldMargins.second,
                   std::min<LONG>(top + m_textHeight, client.bottom)};
    SIZE extent = {};
    ::GetTextExtentPoint32W(dc, field.text.c_str(), static_cast<int>(field.text.size()), &extent);
    const int room = format.right - format.left;
    int x = format.left;
    if (extent.cx < room && (field.style & ES_RIGHT))
        x += room - extent.cx;
    else if (extent.cx < room && (field.style & ES_CENTER))
        x += (room - extent.cx) / 2;
    const int clip = ::SaveDC(dc);
    ::IntersectClipRect(dc, format.left, format.top, format.right, format.bottom);
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
    ::ExtTextOutW(dc, x, format.top, 0, nullptr, field.text.c_str(), static_cast<UINT>(field.text.size()), nullptr);
    ::RestoreDC(dc, clip);
}

void DrawnLabels::DrawLabel(HDC dc, const Label& label, HBRUSH face) const
{
    RECT client = label.pixels;
    // A bordered static child is framed as Wine frames it: a sunken edge two pixels
    // wide; a sunken one gets the thin edge of the static control's own border,
    // outside the other when it has both.
    if (label.style & SS_SUNKEN)
        ::DrawEdge(dc, &client, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    if (label.style & WS_BORDER)
        ::DrawEdge(dc, &client, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    UINT format = DT_EXPANDTABS | DT_WORDBREAK;
    switch (label.style & SS_TYPEMASK) {
    case SS_CENTER: format |= DT_CENTER; break;
    case SS_RIGHT: format |= DT_RIGHT; break;
    default: format |= DT_LEFT; break;
    }
    if (label.style & SS_NOPREFIX)
        format |= DT_NOPREFIX;
    if (label.style & SS_CENTERIMAGE)
        format |= DT_SINGLELINE | DT_VCENTER;
    ::FillRect(dc, &client, face);
    const int clip = ::SaveDC(dc);
    ::IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
    RECT text = client;
    if (!label.enabled)
        ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
    ::DrawTextW(dc, label.text.c_str(), static_cast<int>(label.text.size()), &text, format);
    ::RestoreDC(dc, clip);
}

void DrawnLabels::DrawGroupBox(HDC dc, const Label& box, HBRUSH face) const
{
    // As the button control paints a group box: everything within the box, an
    // etched frame from the middle of the caption's line, and the caption one
    // pixel right of 7 in from the left, on the face colour with a pixel more on
    // each side and below.
    const RECT& r = box.pixels;
    const int clip = ::SaveDC(dc);
    ::IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    RECT frame = r;
    frame.top += m_textHeight / 2 - 1;
    ::DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (!box.text.empty()) {
        RECT text = {r.left + 7, r.top - 1, r.right - 7, r.bottom + 1};
        ::DrawTextW(dc, box.text.c_str(), static_cast<int>(box.text.size()), &text,
                    DT_NOCLIP | DT_SINGLELINE | DT_CALCRECT);
        ::OffsetRect(&text, 1, 1);
        RECT fill = {text.left - 1, text.top, text.right + 1, text.bottom + 1};
        ::FillRect(dc, &fill, face);
        ::DrawTextW(dc, box.text.c_str(), static_cast<int>(box.text.size()), &text, DT_NOCLIP | DT_SINGLELINE);
    }
    ::RestoreDC(dc, clip);
}

const DrawnLabels::Label* DrawnLabels::Find(int id) const
{
    if (id == -1)
        return nullptr;
    for (const Label& label : m_labels)
        if (label.id == id)
            return &label;
    return nullptr;
}

DrawnLabels::Label* DrawnLabels::Find(int id)
{
    return const_cast<Label*>(std::as_const(*this).Find(id));
}

const RECT* DrawnLabels::PlaceOf(int id) const
{
    const Label* label = Find(id);
    return label ? &label->pixels : nullptr;
}

bool DrawnLabels::TextOf(int id, std::wstring& text) const
{
    const Label* label = Find(id);
    if (!label)
        return false;
    text = label->text;
    return true;
}

bool DrawnLabels::SetText(int id, const std::wstring& text, RECT& area)
{
    Label* label = Find(id);
    if (!label)
        return false;
    label->text = text;
    area = label->pixels;
    // Of a group box only the caption's line with its pixel below, across the whole box.
    if (label->kind == Kind::GroupBox)
        area.bottom = std::min<LONG>(label->pixels.top + m_textHeight + 2, label->pixels.bottom);
    return true;
}

bool DrawnLabels::SetState(int id, bool Label::*state, bool wanted, RECT& area)
{
    Label* label = Find(id);
    if (!label)
        return false;
    area = {};
    if (label->*state != wanted) {
        label->*state = wanted;
        area = label->pixels;
    }
    return true;
}

bool DrawnLabels::SetShown(int id, bool shown, RECT& area)
{
    return SetState(id, &Label::shown, shown, area);
}

bool DrawnLabels::SetEnabled(int id, bool enabled, RECT& area)
{
    return SetState(id, &Label::enabled, enabled, area);
}

bool DrawnLabels::IsShown(int id) const
{
    const Label* label = Find(id);
    return label && label->shown;
}

bool DrawnLabels::IsEnabled(int id) const
{
    const Label* label = Find(id);
    return label && label->enabled;
}
