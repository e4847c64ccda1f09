#include "dictionary_edit.h"

#include "../framework/cp932.h"

#include <algorithm>

namespace dict_edit {

namespace {

const CKiso* NodeAt(const DictionaryNodes& nodes, int index)
{
    if (index < 0 || index >= nodes.GetSize())
        return nullptr;
    return nodes[index];
}

// One line of a result word: full-width blanks as two half-width blanks,
// trailing blanks removed.
CString CleanLine(const CString& line)
{
    CString out;
    const int n = line.GetLength();
    for (int i = 0; i < n;) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (cp932::IsLeadByte(c) && i + 1 < n) {
            if (c == 0x81 && static_cast<unsigned char>(line[i + 1]) == 0x40)
                out += "  ";
            else {
                out += line[i];
                out += line[i + 1];
            }
            i += 2;
        } else {
            out += line[i];
            ++i;
        }
    }
    out.TrimRight(' ');
    return out;
}

}  // namespace

Run ChildRun(const DictionaryNodes& nodes, int index)
{
    const CKiso* node = NodeAt(nodes, index);
    const int size = nodes.GetSize();
    if (!node || node->m_nFirstChild <= index || node->m_nFirstChild >= size || node->m_nChildCount <= 0)
        return {};
    return {node->m_nFirstChild, std::min(node->m_nChildCount, size - node->m_nFirstChild)};
}

int KindOf(const DictionaryNodes& nodes, int index)
{
    const int size = nodes.GetSize();
    if (index <= 0 || index >= size)
        return kRootKind;
    if (index <= 7)
        return kClassKind;
    if (index == kResultBranch)
        return kResultBranchKind;

    // The cause accounts [causeFirst, causeEnd): the runs of the classes.
    int causeFirst = 0, causeEnd = 0;
    for (int k = 1; k <= 7 && k < size; ++k) {
        const Run r = ChildRun(nodes, k);
        if (r.count == 0)
            continue;
        if (causeFirst == 0)
            causeFirst = r.first;
        causeEnd = r.first + r.count;
    }
    const Run results = ChildRun(nodes, kResultBranch);
    // The descriptions of the cause accounts [descFirst, descEnd).
    int descFirst = 0, descEnd = 0;
    for (int a = causeFirst; a != 0 && a < causeEnd; ++a) {
        const Run r = ChildRun(nodes, a);
        if (r.count == 0)
            continue;
        if (descFirst == 0)
            descFirst = r.first;
        descEnd = r.first + r.count;
    }
    int resultDescFirst = 0;
    for (int a = results.first; results.count != 0 && a < results.first + results.count; ++a) {
        const Run r = ChildRun(nodes, a);
        if (r.count != 0) {
            resultDescFirst = r.first;
            break;
        }
    }

    int kind = kRootKind;
    if (causeEnd != 0 && index < causeEnd)
        kind = kCauseAccount;
    if (results.count != 0 && index >= results.first && index < results.first + results.count)
        kind = kResultAccount;
    if (descEnd != 0 && index >= descFirst && index < descEnd)
        kind = kCauseDescription;
    if (resultDescFirst != 0 && index >= resultDescFirst)
        kind = kResultDescription;
    return kind;
}

int ClassOfNode(const DictionaryNodes& nodes, int index, const CString& name)
{
    if (name.IsEmpty())
        return -1;
    if (index >= 0 && index <= 7)
        return index;
    int end = 0;
    for (int k = 1; k <= kResultBranch; ++k) {
        const Run r = ChildRun(nodes, k);
        if (r.count != 0)
            end = r.first + r.count;
    }
    for (int i = 0; i < end; ++i) {
        if (nodes[i]->m_strName != name)
            continue;
        for (int k = 1; k <= 7; ++k) {
            const Run r = ChildRun(nodes, k);
            if (r.count != 0 && i >= r.first && i < r.first + r.count)
                return k;
        }
        return -1;
    }
    return -1;
}

std::vector<TreeLine> TreeWalk(const DictionaryNodes& nodes)
{
    std::vector<TreeLine> lines;
    const int size = nodes.GetSize();
    if (size == 0)
        return lines;
    std::vector<bool> seen(static_cast<size_t>(size), false);
    std::vector<TreeLine> stack{{0, 0}};
    while (!stack.empty()) {
        const TreeLine at = stack.back();
        stack.pop_back();
        if (seen[static_cast<size_t>(at.node)])
            continue;
        seen[static_cast<size_t>(at.node)] = true;
        lines.push_back(at);
        const Run r = ChildRun(nodes, at.node);
        for (int c = r.first + r.count - 1; r.count != 0 && c >= r.first; --c)
            if (!seen[static_cast<size_t>(c)])
                stack.push_back({c, at.depth + 1});
    }
    return lines;
}

bool CanHaveChildren(const DictionaryNodes& nodes, int index)
{
    if (index <= 0 || index >= nodes.GetSize())
        return false;
    const int kind = KindOf(nodes, index);
    return kind == kClassKind || kind == kResultBranchKind || kind == kCauseAccount || kind == kResultAccount;
}

int ParentOf(const DictionaryNodes& nodes, int index)
{
    if (index <= 0 || index >= nodes.GetSize())
        return -1;
    for (int i = 0; i < index; ++i) {
        const Run r = ChildRun(nodes, i);
        if (r.count != 0 && index >= r.first && index < r.first + r.count)
            return i;
    }
    return -1;
}

int InsertNode(DictionaryNodes& nodes, int parent, int selected, int mode, const CString& name)
{
    const int size = nodes.GetSize();
    if (parent < 0 || parent >= size)
        return -1;
    const Run own = ChildRun(nodes, parent);
    int position = size;
    if (mode == kAppendChild) {
        if (own.count != 0)
            position = own.first + own.count;
        else
            for (int i = parent + 1; i < size; ++i) {
                const Run r = ChildRun(nodes, i);
                if (r.count != 0) {
                    position = r.first;
                    break;
                }
            }
    } else {
        if (own.count == 0 || selected < own.first || selected >= own.first + own.count)
            return -1;
        position = mode == kBefore ? selected : selected + 1;
    }

    auto* node = new CKiso;
    node->m_strName = name;
    if (parent >= 1 && parent <= 7) {
        node->m_strWord1 = "について";
        node->m_strWord2 = "として";
    } else if (parent != kResultBranch && ChildRun(nodes, kResultBranch).count == 0 && mode != kAfter) {
        node->m_strWord1 = "について";
        node->m_strWord2 = "として";
    }
    if (position >= size) {
        position = size;
        nodes.Add(node);
    } else {
        nodes.InsertAt(position, node);
        for (int i = parent + 1; i < nodes.GetSize(); ++i)
            if (i != position && nodes[i]->m_nFirstChild != 0 && nodes[i]->m_nFirstChild >= position)
                nodes[i]->m_nFirstChild += 1;
    }
    CKiso* p = nodes[parent];
    if (own.count == 0) {
        p->m_nFirstChild = position;
        p->m_nChildCount = 1;
    } else {
        p->m_nChildCount = own.count + 1;
    }
    return position;
}

std::vector<int> RemoveSubtree(DictionaryNodes& nodes, int x)
{
    const int size = nodes.GetSize();
    if (x <= kResultBranch || x >= size)
        return {};
    const int parent = ParentOf(nodes, x);
    if (parent < 0)
        return {};

    // The node and its descendants, each at most once.
    std::vector<bool> removed(static_cast<size_t>(size), false);
    std::vector<int> pending{x};
    removed[static_cast<size_t>(x)] = true;
    while (!pending.empty()) {
        const int at = pending.back();
        pending.pop_back();
        const Run r = ChildRun(nodes, at);
        for (int c = r.first; r.count != 0 && c < r.first + r.count; ++c)
            if (!removed[static_cast<size_t>(c)]) {
                removed[static_cast<size_t>(c)] = true;
                pending.push_back(c);
            }
    }

    std::vector<int> map(static_cast<size_t>(size), -1);
    int next = 0;
    for (int i = 0; i < size; ++i)
        if (!removed[static_cast<size_t>(i)])
            map[static_cast<size_t>(i)] = next++;

    // The new runs: the kept children of each kept node.
    std::vector<Run> runs(static_cast<size_t>(size));
    for (int i = 0; i < size; ++i) {
        if (removed[static_cast<size_t>(i)])
            continue;
        const Run r = ChildRun(nodes, i);
        Run kept;
        for (int c = r.first; r.count != 0 && c < r.first + r.count; ++c) {
            if (removed[static_cast<size_t>(c)])
                continue;
            if (kept.count == 0)
                kept.first = map[static_cast<size_t>(c)];
            ++kept.count;
        }
        runs[static_cast<size_t>(i)] = kept;
    }
    for (int i = size - 1; i >= 0; --i) {
        if (removed[static_cast<size_t>(i)]) {
            delete nodes[i];
            nodes.RemoveAt(i);
        }
    }
    for (int i = 0; i < size; ++i) {
        const int to = map[static_cast<size_t>(i)];
        if (to < 0)
            continue;
        nodes[to]->m_nFirstChild = runs[static_cast<size_t>(i)].first;
        nodes[to]->m_nChildCount = runs[static_cast<size_t>(i)].count;
    }
    return map;
}

int ResultTwinOf(const DictionaryNodes& nodes, const CString& name, int except)
{
    if (name.IsEmpty())
        return -1;
    for (int k = 1; k <= 7; ++k) {
        const Run r = ChildRun(nodes, k);
        for (int a = r.first; r.count != 0 && a < r.first + r.count; ++a)
            if (a != except && nodes[a]->m_strName == name)
                return -1;
    }
    const Run results = ChildRun(nodes, kResultBranch);
    for (int a = results.first; results.count != 0 && a < results.first + results.count; ++a)
        if (nodes[a]->m_strName == name)
            return a;
    return -1;
}

void SplitResultWord(const CString& word, CString& first, CString& second)
{
    const int n = word.GetLength();
    int cut = 0;
    while (cut < n) {
        const int width = static_cast<int>(cp932::CharLength(word, static_cast<std::size_t>(cut), static_cast<std::size_t>(n)));
        if (cut + width > kResultWordBytes)
            break;
        cut += width;
    }
    first = CleanLine(word.Left(cut));
    second = CleanLine(word.Mid(cut));
}

CString JoinResultWord(const CString& first, const CString& second)
{
    if (second.IsEmpty())
        return first;
    CString out = first;
    while (out.GetLength() < kResultWordBytes)
        out += ' ';
    out += second;
    return out;
}

}  // namespace dict_edit
