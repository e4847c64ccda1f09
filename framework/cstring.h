// CString: a text of Shift-JIS (code page 932) bytes. Lengths and positions count
// bytes; every search, replace and trim works on whole characters, so the second
// byte of a double-byte character (0x5C in 表, 0x5B, 0x5D, 0x7C ...) is never taken
// for "\", "[", "]" or "|". Pass a CString to printf-style functions as (LPCTSTR).
#pragma once

#include "win_types.h"

#include <string>

class CString {
public:
    CString() = default;
    CString(const CString&) = default;
    CString(CString&&) noexcept = default;
    CString(LPCTSTR text);
    CString(LPCTSTR text, int length);
    explicit CString(char ch, int repeat = 1);
    explicit CString(const std::string& bytes) : m_s(bytes) {}

    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;
    CString& operator=(LPCTSTR text);
    CString& operator=(char ch);

    int GetLength() const { return static_cast<int>(m_s.size()); }
    BOOL IsEmpty() const { return m_s.empty(); }
    void Empty() { m_s.clear(); }
    char GetAt(int index) const { return m_s.at(static_cast<size_t>(index)); }
    char operator[](int index) const { return GetAt(index); }
    void SetAt(int index, char ch) { m_s.at(static_cast<size_t>(index)) = ch; }
    operator LPCTSTR() const { return m_s.c_str(); }
    const std::string& str() const { return m_s; }

    CString& operator+=(const CString& text) { m_s += text.m_s; return *this; }
    CString& operator+=(LPCTSTR text);
    CString& operator+=(char ch) { m_s += ch; return *this; }

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
    bool CharInSet(size_t pos, LPCTSTR charSet) const;

    std::string m_s;
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
