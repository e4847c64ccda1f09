#include "connect_words.h"

#include <initializer_list>

namespace {

struct CandidateRow {
    std::initializer_list<const char*> names;
    bool matchContained;  // the name only has to contain the listed text
    std::array<const char*, 4> phrases;
};

// Every row sets the first phrase; the phrases a row leaves out stay empty. No name
// matches two rows.
const CandidateRow kRows[] = {
    {{"受取手形"}, false, {"を取立して", "を割引して", "を買戻して", "を回収して"}},
    {{"支払手形"}, false, {"を決済して", "", "", ""}},
    {{"買掛金", "未払金"}, false, {"を決済して", "が割引され", "", ""}},
    {{"売掛金"}, false, {"を回収して", "を割引して", "", ""}},
    {{"借入金"}, true, {"を返済して", "を借入して", "", ""}},
    {{"仮払金"}, false, {"が返金され", "", "", ""}},
    {{"前受金"}, false, {"を返金して", "", "", ""}},
    {{"前渡金"}, false, {"が返金され", "", "", ""}},
    {{"前払金"}, false, {"が返金され", "", "", ""}},
    {{"建物", "土地", "土地建物", "建物附属設備", "機械装置", "車両運搬具", "工具器具備品", "什器備品"},
     false,
     {"を購入して", "を売却して", "を修繕して", "を修理して"}},
    {{"有価証券"}, false, {"を購入して", "を売却して", "を評価して", ""}},
    {{"社債"}, false, {"を発行して", "", "", ""}},
    {{"売上"}, false, {"が返品され", "を値引して", "を割戻して", ""}},
    {{"仕入"}, false, {"を返品して", "が値引され", "が割戻され", ""}},
};

bool Matches(const CandidateRow& row, const CString& name)
{
    for (const char* listed : row.names) {
        if (row.matchContained ? name.Find(listed) >= 0 : name == listed)
            return true;
    }
    return false;
}

}  // namespace

std::array<CString, 4> ConnectWordCandidates(const CString& causeAccount)
{
    for (const CandidateRow& row : kRows) {
        if (Matches(row, causeAccount))
            return {row.phrases[0], row.phrases[1], row.phrases[2], row.phrases[3]};
    }
    return {"から", "", "", ""};
}
