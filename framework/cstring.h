// CString: a text of Shift-JIS (code page 932) bytes. Lengths and positions count
// bytes; every search, replace and trim works on whole characters, so the second
// byte of a double-byte character (0x5C in 表, 0x5B, 0x5D, 0x7C ...) is never taken
// for "\", "[", "]" or "|". Pass a CString to printf-style functions as (LPCTSTR).
#pragma once

#include "byte_text.h"
#include "win_types.h"

#include <string>
#include <string_view>

class CString {
public:
    CString() = default;
    CString(const CString&) = default;
    CString(CString&&) noexcept = default;
    CString(LPCTSTR text);
    CString(LPCTSTR text, int length);
    explicit CString(char ch, int repeat = 1);
    explicit CString(const std::string& bytes) : m_s(bytes.data(), bytes.size()) {}

    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;
    CString& operator=(LPCTSTR text);
    CString& operator=(char ch);

    int GetLength() const { return static_cast<int>(m_s.size()); }
    BOOL IsEmpty() const { return m_s.empty(); }
    void Empty() { m_s.clear(); }
    // Throws std::out_of_range for an index outside the text.
    char GetAt(int index) const { return m_s[CheckedIndex(index)]; }
    char operator[](int index) const { return GetAt(index); }
    void SetAt(int index, char ch) { m_s[CheckedIndex(index)] = ch; }
    operator LPCTSTR() const { return m_s.c_str(); }
    // The bytes as a standard string of their own, or in place (valid while the text is unchanged).
    std::string str() const { return std::string(m_s.view()); }
    std::string_view view() const { return m_s.view(); }

    CString& operator+=(const CString& text) { m_s.append(text.m_s.data(), text.m_s.size()); return *this; }
    CString& operator+=(LPCTSTR text);
    CString& operator+=(char ch) { m_s.push_back(ch); return *this; }

    // Byte-wise comparison of unsigned bytes: <0, 0 or >0.
    int Compare(LPCTSTR text) const;
    // As Compare, ASCII letters folded to upper case; double-byte characters compare as they are.
    int CompareNoCase(LPCTSTR text) const;
    int Collate(LPCTSTR text) const { return Compare(text); }

    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Left(int count) const;
    CString Right(int count) const;
    CString SpanIncluding(LPCTSTR charSet) const;
    CString SpanExcluding(LPCTSTR charSet) const;

    void MakeUpper();
    void MakeLower();
    void MakeReverse();

    int Replace(char oldCh, char newCh);
    int Replace(LPCTSTR oldText, LPCTSTR newText);
    int Remove(char ch);
    int Insert(int index, char ch);
    int Insert(int index, LPCTSTR text);
    int Delete(int index, int count = 1);

    void TrimLeft();
    void TrimLeft(char target);
    void TrimLeft(LPCTSTR targets);
    void TrimRight();
    void TrimRight(char target);
    void TrimRight(LPCTSTR targets);

    // Positions of whole characters only; -1 when not found.
    int Find(char ch) const { return Find(ch, 0); }
    int Find(char ch, int start) const;
    int Find(LPCTSTR sub) const { return Find(sub, 0); }
    int Find(LPCTSTR sub, int start) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCTSTR charSet) const;

    void Format(LPCTSTR format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;

    LPTSTR GetBuffer(int minLength);
    LPTSTR GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

    // Text of string-table entry id; FALSE and empty when there is none.
    BOOL LoadString(UINT id);
    // The function that looks up string-table entries; the Windows layer installs it.
    using StringLoader = bool (*)(UINT id, CString& text);
    static void SetStringLoader(StringLoader loader);

private:
    // Byte offsets where characters start, searching from start.
    bool IsCharStart(size_t pos) const;
    size_t CheckedIndex(int index) const;
    bool CharInSet(size_t pos, LPCTSTR charSet) const;

    ByteText m_s;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, LPCTSTR b);
CString operator+(LPCTSTR a, const CString& b);
CString operator+(const CString& a, char b);
CString operator+(char a, const CString& b);

bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, LPCTSTR b);
bool operator==(LPCTSTR a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, LPCTSTR b);
bool operator!=(LPCTSTR a, const CString& b);
bool operator<(const CString& a, const CString& b);
bool operator<(const CString& a, LPCTSTR b);
bool operator>(const CString& a, const CString& b);
bool operator>(const CString& a, LPCTSTR b);
bool operator<=(const CString& a, const CString& b);
bool operator>=(const CString& a, const CString& b);
