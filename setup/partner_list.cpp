#include "partner_list.h"

#include "../framework/cp932.h"

#include <algorithm>
#include <cstring>

namespace {

bool ContainsOnCharBoundary(const CString& name, const char* mark)
{
    const char* text = name;
    const std::size_t n = std::strlen(text);
    const std::size_t m = std::strlen(mark);
    for (std::size_t i = 0; i + m <= n; i += cp932::CharLength(text, i, n))
        if (std::memcmp(text + i, mark, m) == 0)
            return true;
    return false;
}

// The index of the child of parent named name, -1 when there is none.
int ChildNamed(const DictionaryNodes& nodes, int parent, const CString& name)
{
    if (parent < 0 || parent >= nodes.GetSize())
        return -1;
    const CKiso* node = nodes[parent];
    if (!node->HasChildren())
        return -1;
    const int end = std::min(nodes.GetSize(), node->m_nFirstChild + node->m_nChildCount);
    for (int i = node->m_nFirstChild; i < end; ++i)
        if (nodes[i]->m_strName == name)
            return i;
    return -1;
}

void CollectFrom(const DictionaryNodes& work, PartnerList& partners, int kind, int classNode, const char* account,
                 const char* excluded)
{
    const int node = ChildNamed(work, classNode, account);
    if (node < 0)
        return;
    const CKiso* accountNode = work[node];
    const int end = std::min(work.GetSize(), accountNode->m_nFirstChild + accountNode->m_nChildCount);
    for (int i = accountNode->m_nFirstChild; i < end; ++i) {
        const CString& name = work[i]->m_strName;
        if (excluded && ContainsOnCharBoundary(name, excluded))
            continue;
        AddCollectedPartner(partners, kind, node, CTorihikisaki::kFromDictionary, name);
    }
}

CTorihikisaki* NewPartner(int kind, int source, int status, const CString& name)
{
    auto* partner = new CTorihikisaki;
    partner->m_nKind = kind;
    partner->m_nSource = source;
    partner->m_nStatus = status;
    partner->m_strName = name;
    return partner;
}

}  // namespace

void ClearPartners(PartnerList& partners)
{
    for (int i = 0; i < partners.GetSize(); ++i)
        delete partners[i];
    partners.RemoveAll();
}

void AddCollectedPartner(PartnerList& partners, int kind, int source, int status, const CString& name)
{
    for (int i = 0; i < partners.GetSize(); ++i)
        if (partners[i]->m_nKind == kind && partners[i]->m_strName == name)
            return;
    // Collected in kind order, so appending keeps the groups together.
    partners.InsertAt(PartnerGroupStart(partners, kind) + PartnerCount(partners, kind),
                      NewPartner(kind, source, status, name));
}

void CollectPartners(const DictionaryNodes& work, PartnerList& partners)
{
    ClearPartners(partners);
    if (work.GetSize() < 9)
        return;
    using P = CTorihikisaki;
    CollectFrom(work, partners, P::kSupplier, 2, "仕入", "繰");
    CollectFrom(work, partners, P::kSupplier, 4, "買掛金", nullptr);
    CollectFrom(work, partners, P::kSupplier, 4, "支払手形", nullptr);
    CollectFrom(work, partners, P::kCustomer, 1, "売上", "家事");
    CollectFrom(work, partners, P::kCustomer, 5, "売掛金", nullptr);
    CollectFrom(work, partners, P::kCustomer, 5, "受取手形", nullptr);
    CollectFrom(work, partners, P::kBank, 5, "普通預金", nullptr);
    CollectFrom(work, partners, P::kBank, 5, "当座預金", nullptr);
    CollectFrom(work, partners, P::kBank, 5, "定期預金", nullptr);
}

int PartnerCount(const PartnerList& partners, int kind)
{
    int count = 0;
    for (int i = 0; i < partners.GetSize(); ++i)
        if (partners[i]->m_nKind == kind)
            ++count;
    return count;
}

int PartnerGroupStart(const PartnerList& partners, int kind)
{
    int start = 0;
    for (int k = 0; k < kind; ++k)
        start += PartnerCount(partners, k);
    return start;
}

std::vector<CString> PartnerNames(const PartnerList& partners, int kind)
{
    std::vector<CString> names;
    for (int i = 0; i < partners.GetSize(); ++i)
        if (partners[i]->m_nKind == kind)
            names.push_back(partners[i]->m_strName);
    return names;
}

bool AddPartnerName(PartnerList& partners, int kind, const CString& name)
{
    if (name.IsEmpty())
        return false;
    partners.InsertAt(PartnerGroupStart(partners, kind) + PartnerCount(partners, kind),
                      NewPartner(kind, -1, CTorihikisaki::kAdded, name));
    return true;
}

bool InsertPartnerName(PartnerList& partners, int kind, int line, const CString& name)
{
    if (name.IsEmpty() || line < 0 || line >= PartnerCount(partners, kind))
        return false;
    partners.InsertAt(PartnerGroupStart(partners, kind) + line, NewPartner(kind, -1, CTorihikisaki::kAdded, name));
    return true;
}

bool ChangePartnerName(PartnerList& partners, int kind, int line, const CString& name)
{
    if (name.IsEmpty() || line < 0 || line >= PartnerCount(partners, kind))
        return false;
    CTorihikisaki* partner = partners[PartnerGroupStart(partners, kind) + line];
    partner->m_nKind = kind;
    partner->m_nSource = 0;
    partner->m_nStatus = CTorihikisaki::kChanged;
    partner->m_strName = name;
    return true;
}

bool DeletePartnerLine(PartnerList& partners, int kind, int line)
{
    if (line < 0 || line >= PartnerCount(partners, kind))
        return false;
    const int index = PartnerGroupStart(partners, kind) + line;
    delete partners[index];
    partners.RemoveAt(index);
    return true;
}
