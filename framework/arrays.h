// The array classes: an array of values with the usual indexing
// operations, the object-pointer array (which does not own what it points to) and
// its typed form, the string array and the unsigned-int array.
#pragma once

#include "cstring.h"
#include "object.h"

#include <cstddef>
#include <stdexcept>
#include <type_traits>
#include <vector>

template <class T>
class CArrayOf {
public:
    CArrayOf() = default;
    CArrayOf(const CArrayOf&) = delete;
    CArrayOf& operator=(const CArrayOf&) = delete;

    int GetSize() const { return static_cast<int>(m_items.size()); }
    int GetCount() const { return GetSize(); }
    int GetUpperBound() const { return GetSize() - 1; }
    BOOL IsEmpty() const { return m_items.empty(); }

    const T& GetAt(int index) const { return m_items.at(Index(index)); }
    T& ElementAt(int index) { return m_items.at(Index(index)); }
    void SetAt(int index, const T& value) { m_items.at(Index(index)) = value; }
    const T& operator[](int index) const { return GetAt(index); }
    T& operator[](int index) { return ElementAt(index); }

    int Add(const T& value)
    {
        m_items.push_back(value);
        return GetUpperBound();
    }
    // Inserts count copies at index; an index past the end grows the array first.
    void InsertAt(int index, const T& value, int count = 1)
    {
        if (index < 0 || count < 0)
            throw std::out_of_range("CArrayOf::InsertAt");
        if (static_cast<size_t>(index) > m_items.size())
            m_items.resize(static_cast<size_t>(index));
        m_items.insert(m_items.begin() + index, static_cast<size_t>(count), value);
    }
    void RemoveAt(int index, int count = 1)
    {
        if (index < 0 || count < 0 || static_cast<size_t>(index) + static_cast<size_t>(count) > m_items.size())
            throw std::out_of_range("CArrayOf::RemoveAt");
        m_items.erase(m_items.begin() + index, m_items.begin() + index + count);
    }
    void RemoveAll() { m_items.clear(); }
    void SetSize(int size) { m_items.resize(size < 0 ? 0 : static_cast<size_t>(size)); }
    void Copy(const CArrayOf& other) { m_items = other.m_items; }
    int Append(const CArrayOf& other)
    {
        int first = GetSize();
        m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end());
        return first;
    }

    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    static size_t Index(int index)
    {
        if (index < 0)
            throw std::out_of_range("CArrayOf index");
        return static_cast<size_t>(index);
    }

    std::vector<T> m_items;
};

class CArchive;

// Array of object pointers; whoever fills it deletes the objects.
class CObArray : public CArrayOf<CObject*> {
public:
    // Stores the count and each object; loading appends the objects read, each of
    // which must be of expected (or derived from it) when expected is given.
    void Serialize(CArchive& ar, const CRuntimeClass* expected = nullptr);
};

// Object-pointer array whose elements are known to be T.
template <class Base, class TPtr>
class CTypedPtrArray : public Base {
public:
    TPtr GetAt(int index) const { return static_cast<TPtr>(Base::GetAt(index)); }
    TPtr operator[](int index) const { return GetAt(index); }
    void Serialize(CArchive& ar)
    {
        using T = std::remove_pointer_t<TPtr>;
        Base::Serialize(ar, RUNTIME_CLASS(T));
    }
};

class CStringArray : public CArrayOf<CString> {};
class CUIntArray : public CArrayOf<UINT> {};
