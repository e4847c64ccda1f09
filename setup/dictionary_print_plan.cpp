#include "dictionary_print_plan.h"

#include "dictionary_edit.h"

#include "../core/column_text.h"

namespace dict_print {

std::vector<PrintLine> LayoutPrintLines(const DictionaryNodes& nodes)
{
    std::vector<PrintLine> lines;
    const auto walk = dict_edit::TreeWalk(nodes);
    int moreAccounts = 0, moreDescs = 0;
    int previousDepth = -1;
    for (const auto& w : walk) {
        if (w.node == 0)
            continue;
        const int depth = w.depth - 1;
        const int children = dict_edit::ChildRun(nodes, w.node).count;
        if (depth == 0)
            moreAccounts = children;
        else if (depth == 1) {
            moreAccounts = moreAccounts > 0 ? moreAccounts - 1 : 0;
            moreDescs = children;
        } else
            moreDescs = moreDescs > 0 ? moreDescs - 1 : 0;
        // A line right under the line before it (its first child) shares its row.
        const int newRow = lines.empty() || depth > previousDepth ? 0 : 1;
        lines.push_back({w.node, depth, newRow, moreAccounts, moreDescs});
        previousDepth = depth;
    }
    return lines;
}

std::vector<PrintPage> PlanPages(const std::vector<PrintLine>& lines, int maxRow)
{
    std::vector<PrintPage> pages;
    const int count = static_cast<int>(lines.size());
    if (count == 0)
        return pages;
    if (maxRow < 1)
        maxRow = 1;
    int first = 0;
    while (first < count) {
        int row = 1;
        int lastLeaf = -1;
        int i = first;
        for (; i < count; ++i) {
            const int rowOfLine = row + lines[static_cast<size_t>(i)].newRow;
            if (rowOfLine > maxRow && i > first)
                break;
            row = rowOfLine;
            const bool leaf = i + 1 >= count || lines[static_cast<size_t>(i + 1)].newRow != 0;
            if (leaf)
                lastLeaf = i;
        }
        const int last = i >= count ? count - 1 : (lastLeaf >= first ? lastLeaf : i - 1);
        pages.push_back({first, last});
        first = last + 1;
    }
    return pages;
}

int RowsForHeight(int height)
{
    // Row r's text lies at 180 + 50 r and its connector reaches 200 + 50 (r + 1).
    const int rows = (height - 250) / 50;
    return rows < 1 ? 1 : rows;
}

PagePlan PlanPrintPage(const DictionaryNodes& nodes, const std::vector<PrintLine>& lines,
                       const std::vector<PrintPage>& pages, int pageNo)
{
    PagePlan plan;
    plan.ruleWidth = 0;
    if (lines.empty() || pageNo < 1 || pageNo > static_cast<int>(pages.size()))
        return plan;
    const PrintPage page = pages[static_cast<size_t>(pageNo - 1)];
    plan.AddText(kTreePoints, 750, -80, "====  項 目 の 階 層 図  ====");
    plan.AddText(kTreePoints, 1700, -80, "Page  " + IntToText(pageNo));
    plan.AddText(kTreePoints, 300, -180, "[ 分類 ]");
    plan.AddText(kTreePoints, 850, -180, "[ 科目 ]");
    plan.AddText(kTreePoints, 1400, -180, "[ 摘要 ]");
    auto y = [](int r) { return -200 - 50 * r; };
    auto line = [&plan](int x1, int y1, int x2, int y2) { plan.AddRule(x1, y1, x2, y2); };
    int r = 1, b = 1;
    for (int i = page.first; i <= page.last && i < static_cast<int>(lines.size()); ++i) {
        const PrintLine& l = lines[static_cast<size_t>(i)];
        r += l.newRow;
        if (l.newRow == 0)
            b = r;
        const int d = l.depth;
        const int column = kOriginX + kColumnWidth * d;
        plan.AddText(kTreePoints, column, kOriginY + kRowHeight * r, nodes[l.node]->m_strName);
        if (d >= 1) {
            if (i == page.first) {
                if (d == 1 && l.moreAccounts > 0)
                    line(700, y(r - 1), 700, y(r));
                if (d == 2 && l.moreDescs > 0)
                    line(1250, y(r - 1), 1250, y(r));
            }
            if (l.newRow != 0) {
                if (i > 0 && lines[static_cast<size_t>(i - 1)].depth > d)
                    line(column - 150, y(b), column - 150, y(r));
                line(column - 150, y(r), column - 30, y(r));
            } else if (i > 0) {
                const PrintLine& up = lines[static_cast<size_t>(i - 1)];
                const int nameBytes = nodes[up.node]->m_strName.GetLength();
                line(kOriginX + kColumnWidth * up.depth + 20 * nameBytes, y(r), column - 30, y(r));
            }
        }
        if (l.moreAccounts > 0 && (d == 1 || d == 2))
            line(700, y(r), 700, y(r + 1));
        if (l.moreDescs > 0 && d == 2)
            line(1250, y(r), 1250, y(r + 1));
    }
    return plan;
}

}  // namespace dict_print
