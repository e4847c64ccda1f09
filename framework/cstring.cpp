#include "cstring.h"

#include "cp932.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>

// A journal entry holds twenty texts: each takes no more than its bytes' holder.
static_assert(sizeof(CString) == sizeof(ByteText));

namespace {

CString::StringLoader g_stringLoader = nullptr;

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f';
}

size_t ClampIndex(int index, size_t size)
{
    if (index < 0)
        return 0;
    return std::min(static_cast<size_t>(index), size);
}

}  // namespace

CString::CString(LPCTSTR text)
{
    if (text)
        m_s.assign(text, std::strlen(text));
}

CString::CString(LPCTSTR text, int length)
{
    if (text && length > 0)
        m_s.assign(text, static_cast<size_t>(length));
}

CString::CString(char ch, int repeat)
{
    if (repeat > 0)
        m_s.assign(static_cast<size_t>(repeat), ch);
}

CString& CString::operator=(LPCTSTR text)
{
    if (text)
        m_s.assign(text, std::strlen(text));
    else
        m_s.clear();
    return *this;
}

CString& CString::operator=(char ch)
{
    m_s.assign(1, ch);
    return *this;
}

CString& CString::operator+=(LPCTSTR text)
{
    if (text)
        m_s.append(text, std::strlen(text));
    return *this;
}

int CString::Compare(LPCTSTR text) const
{
    const auto* a = reinterpret_cast<const unsigned char*>(m_s.c_str());
    const auto* b = reinterpret_cast<const unsigned char*>(text ? text : "");
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    return (*a > *b) - (*a < *b);
}

int CString::CompareNoCase(LPCTSTR text) const
{
    CString left(*this);
    CString right(text);
    left.MakeUpper();
    right.MakeUpper();
    return left.Compare(right);
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    size_t from = ClampIndex(first, m_s.size());
    if (count <= 0)
        return CString();
    const size_t n = std::min(static_cast<size_t>(count), m_s.size() - from);
    return CString(m_s.data() + from, static_cast<int>(n));
}

CString CString::Left(int count) const
{
    return CString(m_s.data(), static_cast<int>(ClampIndex(count, m_s.size())));
}

CString CString::Right(int count) const
{
    size_t n = ClampIndex(count, m_s.size());
    return CString(m_s.data() + (m_s.size() - n), static_cast<int>(n));
}

size_t CString::CheckedIndex(int index) const
{
    if (index < 0 || static_cast<size_t>(index) >= m_s.size())
        throw std::out_of_range("an index outside the text");
    return static_cast<size_t>(index);
}

bool CString::IsCharStart(size_t pos) const
{
    return !cp932::IsTrailByteAt(m_s.data(), m_s.size(), pos);
}

bool CString::CharInSet(size_t pos, LPCTSTR charSet) const
{
    const size_t len = cp932::CharLength(m_s.data(), pos, m_s.size());
    const size_t setLen = std::strlen(charSet);
    for (size_t i = 0; i < setLen;) {
        size_t n = cp932::CharLength(charSet, i, setLen);
        if (n == len && std::memcmp(charSet + i, m_s.data() + pos, n) == 0)
            return true;
        i += n;
    }
    return false;
}

CString CString::SpanIncluding(LPCTSTR charSet) const
{
    size_t pos = 0;
    while (pos < m_s.size() && CharInSet(pos, charSet))
        pos += cp932::CharLength(m_s.data(), pos, m_s.size());
    return Left(static_cast<int>(pos));
}

CString CString::SpanExcluding(LPCTSTR charSet) const
{
    size_t pos = 0;
    while (pos < m_s.size() && !CharInSet(pos, charSet))
        pos += cp932::CharLength(m_s.data(), pos, m_s.size());
    return Left(static_cast<int>(pos));
}

void CString::MakeUpper()
{
    for (size_t pos = 0; pos < m_s.size();) {
        size_t len = cp932::CharLength(m_s.data(), pos, m_s.size());
        if (len == 1 && m_s[pos] >= 'a' && m_s[pos] <= 'z')
            m_s[pos] = static_cast<char>(m_s[pos] - 'a' + 'A');
        pos += len;
    }
}

void CString::MakeLower()
{
    for (size_t pos = 0; pos < m_s.size();) {
        size_t len = cp932::CharLength(m_s.data(), pos, m_s.size());
        if (len == 1 && m_s[pos] >= 'A' && m_s[pos] <= 'Z')
            m_s[pos] = static_cast<char>(m_s[pos] - 'A' + 'a');
        pos += len;
    }
}

void CString::MakeReverse()
{
    // Reverse the order of characters, keeping each double-byte character intact.
    std::string out(m_s.size(), '\0');
    size_t end = m_s.size();
    for (size_t pos = 0; pos < m_s.size();) {
        size_t len = cp932::CharLength(m_s.data(), pos, m_s.size());
        end -= len;
        out.replace(end, len, m_s.data() + pos, len);
        pos += len;
    }
    m_s.assign(out.data(), out.size());
}

int CString::Replace(char oldCh, char newCh)
{
    int count = 0;
    for (size_t pos = 0; pos < m_s.size();) {
        size_t len = cp932::CharLength(m_s.data(), pos, m_s.size());
        if (len == 1 && m_s[pos] == oldCh) {
            m_s[pos] = newCh;
            ++count;
        }
        pos += len;
    }
    return count;
}

int CString::Replace(LPCTSTR oldText, LPCTSTR newText)
{
    const size_t oldLen = oldText ? std::strlen(oldText) : 0;
    if (oldLen == 0)
        return 0;
    const std::string replacement = newText ? newText : "";
    std::string out;
    int count = 0;
    for (size_t pos = 0; pos < m_s.size();) {
        if (m_s.view().compare(pos, oldLen, oldText) == 0) {
            out += replacement;
            pos += oldLen;
            ++count;
        } else {
            size_t len = cp932::CharLength(m_s.data(), pos, m_s.size());
            out.append(m_s.data() + pos, len);
            pos += len;
        }
    }
    m_s.assign(out.data(), out.size());
    return count;
}

int CString::Remove(char ch)
{
    // A byte that occurs nowhere is no character either: nothing to rebuild.
    if (m_s.view().find(ch) == std::string_view::npos)
        return 0;
    std::string out;
    int count = 0;
    for (size_t pos = 0; pos < m_s.size();) {
        size_t len = cp932::CharLength(m_s.data(), pos, m_s.size());
        if (len == 1 && m_s[pos] == ch)
            ++count;
        else
            out.append(m_s.data() + pos, len);
        pos += len;
    }
    m_s.assign(out.data(), out.size());
    return count;
}

int CString::Insert(int index, char ch)
{
    m_s.insert(ClampIndex(index, m_s.size()), &ch, 1);
    return GetLength();
}

int CString::Insert(int index, LPCTSTR text)
{
    if (text)
        m_s.insert(ClampIndex(index, m_s.size()), text, std::strlen(text));
    return GetLength();
}

int CString::Delete(int index, int count)
{
    size_t from = ClampIndex(index, m_s.size());
    if (count > 0)
        m_s.erase(from, static_cast<size_t>(count));
    return GetLength();
}

void CString::TrimLeft()
{
    size_t pos = 0;
    while (pos < m_s.size() && IsBlank(m_s[pos]))
        ++pos;
    m_s.erase(0, pos);
}

void CString::TrimLeft(char target)
{
    const char set[2] = {target, '\0'};
    TrimLeft(set);
}

void CString::TrimLeft(LPCTSTR targets)
{
    size_t pos = 0;
    while (pos < m_s.size() && CharInSet(pos, targets))
        pos += cp932::CharLength(m_s.data(), pos, m_s.size());
    m_s.erase(0, pos);
}

void CString::TrimRight()
{
    // Walk forward so that a trail byte is never judged on its own.
    size_t keep = 0;
    for (size_t pos = 0; pos < m_s.size();) {
        size_t len = cp932::CharLength(m_s.data(), pos, m_s.size());
        if (!(len == 1 && IsBlank(m_s[pos])))
            keep = pos + len;
        pos += len;
    }
    m_s.resize(keep);
}

void CString::TrimRight(char target)
{
    const char set[2] = {target, '\0'};
    TrimRight(set);
}

void CString::TrimRight(LPCTSTR targets)
{
    size_t keep = 0;
    for (size_t pos = 0; pos < m_s.size();) {
        size_t len = cp932::CharLength(m_s.data(), pos, m_s.size());
        if (!CharInSet(pos, targets))
            keep = pos + len;
        pos += len;
    }
    m_s.resize(keep);
}

int CString::Find(char ch, int start) const
{
    // Whole characters are walked only when the byte occurs at all.
    if (start < 0 || m_s.view().find(ch, static_cast<size_t>(start)) == std::string_view::npos)
        return -1;
    for (size_t pos = 0; pos < m_s.size();) {
        size_t len = cp932::CharLength(m_s.data(), pos, m_s.size());
        if (pos >= static_cast<size_t>(start) && len == 1 && m_s[pos] == ch)
            return static_cast<int>(pos);
        pos += len;
    }
    return -1;
}

int CString::Find(LPCTSTR sub, int start) const
{
    if (start < 0 || !sub || static_cast<size_t>(start) > m_s.size())
        return -1;
    // Whole characters are walked only when the bytes occur at all.
    if (m_s.view().find(sub, static_cast<size_t>(start)) == std::string_view::npos)
        return -1;
    const size_t subLen = std::strlen(sub);
    for (size_t pos = 0; pos <= m_s.size();) {
        if (pos >= static_cast<size_t>(start) && m_s.view().compare(pos, subLen, sub) == 0)
            return static_cast<int>(pos);
        if (pos == m_s.size())
            break;
        pos += cp932::CharLength(m_s.data(), pos, m_s.size());
    }
    return -1;
}

int CString::ReverseFind(char ch) const
{
    int found = -1;
    for (size_t pos = 0; pos < m_s.size();) {
        size_t len = cp932::CharLength(m_s.data(), pos, m_s.size());
        if (len == 1 && m_s[pos] == ch)
            found = static_cast<int>(pos);
        pos += len;
    }
    return found;
}

int CString::FindOneOf(LPCTSTR charSet) const
{
    for (size_t pos = 0; pos < m_s.size();) {
        if (CharInSet(pos, charSet))
            return static_cast<int>(pos);
        pos += cp932::CharLength(m_s.data(), pos, m_s.size());
    }
    return -1;
}

void CString::Format(LPCTSTR format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed < 0) {
        m_s.clear();
    } else {
        // Written apart: the arguments may be this text itself.
        std::string out(static_cast<size_t>(needed) + 1, '\0');
        std::vsnprintf(out.data(), out.size(), format, args);
        m_s.assign(out.data(), static_cast<size_t>(needed));
    }
    va_end(args);
}

LPTSTR CString::GetBuffer(int minLength)
{
    // The bytes added are 0.
    if (minLength > 0 && static_cast<size_t>(minLength) > m_s.size())
        m_s.resize(static_cast<size_t>(minLength));
    return m_s.data();
}

LPTSTR CString::GetBufferSetLength(int length)
{
    m_s.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return m_s.data();
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0)
        m_s.resize(std::strlen(m_s.c_str()));
    else
        m_s.resize(std::min(static_cast<size_t>(newLength), m_s.size()));
}

BOOL CString::LoadString(UINT id)
{
    Empty();
    return g_stringLoader && g_stringLoader(id, *this);
}

void CString::SetStringLoader(StringLoader loader)
{
    g_stringLoader = loader;
}

CString operator+(const CString& a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, LPCTSTR b) { CString r(a); r += b; return r; }
CString operator+(LPCTSTR a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, char b) { CString r(a); r += b; return r; }
CString operator+(char a, const CString& b) { CString r(a); r += b; return r; }

bool operator==(const CString& a, const CString& b) { return a.view() == b.view(); }
bool operator==(const CString& a, LPCTSTR b) { return a.Compare(b) == 0; }
bool operator==(LPCTSTR a, const CString& b) { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, LPCTSTR b) { return !(a == b); }
bool operator!=(LPCTSTR a, const CString& b) { return !(a == b); }
bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
bool operator<(const CString& a, LPCTSTR b) { return a.Compare(b) < 0; }
bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
bool operator>(const CString& a, LPCTSTR b) { return a.Compare(b) > 0; }
bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
