#include "shipped_data.h"

#include "shipped_files.h"

#include "framework/archive.h"
#include "framework/arrays.h"
#include "framework/file.h"

namespace {

template <class Record>
std::vector<std::unique_ptr<Record>> LoadRecords(const char* fileName)
{
    CTypedPtrArray<CObArray, Record*> array;
    std::vector<std::unique_ptr<Record>> records;
    try {
        CFile file(ShippedPath(fileName), CFile::modeRead | CFile::shareDenyWrite);
        CArchive ar(&file, CArchive::load, 4096);
        array.Serialize(ar);
    } catch (...) {
        for (int i = 0; i < array.GetSize(); ++i)
            delete array.GetAt(i);
        throw;
    }
    for (int i = 0; i < array.GetSize(); ++i)
        records.emplace_back(array.GetAt(i));
    return records;
}

}  // namespace

CString ShippedPath(const char* fileName)
{
#ifdef _WIN32
    return CString(SHIPPED_DATA_FOLDER) + "\\" + fileName;
#else
    return CString(SHIPPED_DATA_FOLDER) + "/" + fileName;
#endif
}

std::vector<BYTE> ReadShippedBytes(const char* fileName)
{
    CFile file(ShippedPath(fileName), CFile::modeRead | CFile::shareDenyWrite);
    std::vector<BYTE> bytes(static_cast<std::size_t>(file.GetLength()));
    if (!bytes.empty())
        file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

std::vector<std::unique_ptr<CKiso>> LoadShippedNodes(const char* fileName)
{
    return LoadRecords<CKiso>(fileName);
}

std::vector<std::unique_ptr<CMyObject2>> LoadShippedEntries(const char* fileName)
{
    return LoadRecords<CMyObject2>(fileName);
}

ShippedDictionary::ShippedDictionary() : m_nodes(LoadShippedNodes(kInitialDictionary)) {}

std::vector<int> ShippedDictionary::Children(int index) const
{
    std::vector<int> children;
    const CKiso& node = Node(index);
    if (node.m_nFirstChild == 0)
        return children;
    for (int i = 0; i < node.m_nChildCount; ++i)
        children.push_back(node.m_nFirstChild + i);
    return children;
}

std::vector<CString> ShippedDictionary::ChildNames(int index) const
{
    std::vector<CString> names;
    for (int child : Children(index))
        names.push_back(Node(child).m_strName);
    return names;
}

std::vector<int> ShippedDictionary::ClassSideAccounts() const
{
    std::vector<int> accounts;
    for (int classDigit = 1; classDigit <= 7; ++classDigit)
        for (int child : Children(classDigit))
            accounts.push_back(child);
    return accounts;
}

int ShippedDictionary::ClassSideNode(const CString& name) const
{
    int found = -1;
    for (int index : ClassSideAccounts())
        if (Node(index).m_strName == name)
            found = index;
    return found;
}

int ShippedDictionary::ClassOf(const CString& name) const
{
    const int node = ClassSideNode(name);
    for (int classDigit = 1; node != -1 && classDigit <= 7; ++classDigit)
        for (int child : Children(classDigit))
            if (child == node)
                return classDigit;
    return 0;
}

int ShippedDictionary::ResultNode(const CString& name) const
{
    for (int index : ResultAccounts())
        if (Node(index).m_strName == name)
            return index;
    return -1;
}
