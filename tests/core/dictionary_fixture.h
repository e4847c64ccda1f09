// Small account dictionaries written as the tree they hold: the accounts of each
// class with their descriptions and the accounts of the result branch. The nodes
// are laid out as the program lays them out: root, seven classes, result branch,
// class-side accounts, result-branch accounts, then the description runs in the
// order of the accounts.
#pragma once

#include "core/dictionary_tree.h"
#include "core/record_file.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

struct FixtureAccount {
    std::string name;
    std::vector<std::string> descriptions;
    std::string word1 = "について";
    std::string word2 = "として";
};

struct FixtureDictionary {
    std::array<std::vector<FixtureAccount>, 7> classes;
    std::vector<FixtureAccount> branch;
};

inline CKiso* FixtureNode(int first, int count, const std::string& name, const std::string& w1 = "",
                          const std::string& w2 = "")
{
    auto* node = new CKiso;
    node->m_nFirstChild = first;
    node->m_nChildCount = count;
    node->m_strName = name.c_str();
    node->m_strWord1 = w1.c_str();
    node->m_strWord2 = w2.c_str();
    return node;
}

inline void MakeDictionary(const FixtureDictionary& tree, DictionaryNodes& nodes)
{
    DeleteRecords(nodes);
    const char* const classNames[7] = {"収益", "費用(仕入.給与.税)", "費用(経費.損失)", "負債",
                                       "資産(流動)", "資産(固定)", "資本"};
    std::vector<const FixtureAccount*> accounts;
    nodes.Add(FixtureNode(1, 8, "科目辞書"));
    int next = 9;
    for (int k = 0; k < 7; ++k) {
        const int count = static_cast<int>(tree.classes[k].size());
        nodes.Add(FixtureNode(count > 0 ? next : 0, count, classNames[k]));
        next += count;
        for (const FixtureAccount& account : tree.classes[k])
            accounts.push_back(&account);
    }
    const int branchCount = static_cast<int>(tree.branch.size());
    nodes.Add(FixtureNode(branchCount > 0 ? next : 0, branchCount, "結果科目"));
    next += branchCount;
    for (const FixtureAccount& account : tree.branch)
        accounts.push_back(&account);
    for (const FixtureAccount* account : accounts) {
        const int count = static_cast<int>(account->descriptions.size());
        nodes.Add(FixtureNode(count > 0 ? next : 0, count, account->name, account->word1, account->word2));
        next += count;
    }
    for (const FixtureAccount* account : accounts)
        for (const std::string& description : account->descriptions)
            nodes.Add(FixtureNode(0, 0, description));
}

// One line per node, "index: first,count,name,word1,word2", for comparing node by node.
inline std::vector<std::string> NodeLines(const DictionaryNodes& nodes)
{
    std::vector<std::string> lines;
    for (int i = 0; i < nodes.GetSize(); ++i) {
        const CKiso& n = *nodes[i];
        lines.push_back(std::to_string(i) + ": " + std::to_string(n.m_nFirstChild) + "," +
                        std::to_string(n.m_nChildCount) + "," + n.m_strName.str() + "," + n.m_strWord1.str() + "," +
                        n.m_strWord2.str());
    }
    return lines;
}

// The dictionary of most tests: accounts with and without descriptions, a class
// without accounts, and result accounts in the result branch.
inline FixtureDictionary SmallDictionary()
{
    FixtureDictionary tree;
    tree.classes[0] = {{"売上", {"A商店"}}, {"雑収入", {}}};
    tree.classes[1] = {{"仕入", {"B商事", "期首繰入", "期末繰戻"}}};
    tree.classes[2] = {{"通信費", {"電話代"}}};
    tree.classes[3] = {{"買掛金", {}}, {"支払手形", {"X工業"}}};
    tree.classes[4] = {{"現金", {}}, {"普通預金", {"C銀行"}}, {"売掛金", {"A商店"}}};
    tree.classes[6] = {{"元入金", {}}};
    tree.branch = {{"売上", {"A商店"}, "で収入とする", "から繰戻す"},
                   {"現金", {}, "で受取り", "で支払い"},
                   {"普通預金", {"C銀行"}, "で受取り", "で支払い"},
                   {"買掛金", {}, "へ繰入れる", "から繰戻す"}};
    return tree;
}
