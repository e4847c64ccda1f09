// The initial dictionary: the layout that every reader and editor of the
// dictionary walks, and the accounts that the program's features look for.
#include "shipped_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace {

const char* const kClassNames[7] = {
    "収益", "費用(仕入.給与.税)", "費用(経費.損失)", "負債", "資産(流動)", "資産(固定)", "資本",
};

struct RequiredAccount {
    const char* name;
    int classDigit;
};

// Accounts found by name by the statements, the books, the input aids and the
// journal, with the class they must have.
const RequiredAccount kRequiredAccounts[] = {
    {"売上", 1}, {"雑収入", 1}, {"雑益", 1}, {"貸倒引当金繰戻額", 1}, {"貸倒回収益", 1},
    {"仕入", 2}, {"給料賃金", 2}, {"専従者給与", 2}, {"租税公課", 2},
    {"荷造運賃", 3}, {"水道光熱費", 3}, {"旅費交通費", 3}, {"通信費", 3}, {"広告宣伝費", 3},
    {"接待交際費", 3}, {"損害保険料", 3}, {"修繕費", 3}, {"消耗品費", 3}, {"減価償却費", 3},
    {"福利厚生費", 3}, {"外注工賃", 3}, {"利子割引料", 3}, {"地代家賃", 3}, {"貸倒金", 3},
    {"雑費", 3}, {"雑損", 3}, {"貸倒引当金繰入額", 3},
    {"買掛金", 4}, {"支払手形", 4}, {"未払金", 4}, {"借入金", 4}, {"前受金", 4},
    {"貸倒引当金", 4}, {"事業主借", 4},
    {"現金", 5}, {"当座預金", 5}, {"定期預金", 5}, {"普通預金", 5}, {"受取手形", 5},
    {"売掛金", 5}, {"有価証券", 5}, {"棚卸資産", 5}, {"前払金", 5}, {"貸付金", 5},
    {"仮払金", 5}, {"現金過不足", 5}, {"事業主貸", 5},
    {"建物", 6}, {"建物付属設備", 6}, {"機械装置", 6}, {"車両運搬具", 6}, {"工具器具備品", 6}, {"土地", 6},
    {"元入金", 7},
};

// The words the journal gives an account that it registers under a class.
struct ClassWords {
    const char* connect1;
    const char* connect2;
    const char* phrase1;
    const char* phrase2;
};
const ClassWords kClassWords[7] = {
    {"について", "として", "から繰戻す", "で収入とする"},
    {"について", "として", "で費用とする", "から繰戻す"},
    {"について", "として", "で費用とする", "から繰戻す"},
    {"について", "として", "から繰戻す", "へ繰入れる"},
    {"について", "として", "で受取り", "で支払い"},
    {"について", "として", "で受取り", "で支払い"},
    {"について", "として", "から繰戻す", "計上する"},
};

// The two accounts that the journal view makes sure of at every start, with the
// words it would give them.
struct FixedWords {
    const char* name;
    ClassWords words;
};
const FixedWords kFixedAccountWords[] = {
    {"事業主借", {"として", "について", "", "で事業主が借り"}},
    {"貸倒回収益", {"について", "として", "", "で収益の計上"}},
};

std::string Text(const CString& text)
{
    return text.str();
}

class ShippedDictionaryTest : public ::testing::Test {
protected:
    ShippedDictionary dictionary;
};

TEST_F(ShippedDictionaryTest, RootHoldsTheSevenClassesAndTheResultBranch)
{
    ASSERT_GE(dictionary.Size(), 9);
    EXPECT_EQ(1, dictionary.Node(0).m_nFirstChild);
    EXPECT_EQ(8, dictionary.Node(0).m_nChildCount);
    for (int digit = 1; digit <= 7; ++digit) {
        EXPECT_EQ(CString(kClassNames[digit - 1]), dictionary.Node(digit).m_strName) << digit;
        EXPECT_FALSE(dictionary.Children(digit).empty()) << "class " << digit << " has no account";
    }
    EXPECT_FALSE(dictionary.ResultAccounts().empty());
    for (int index = 0; index <= kResultBranch; ++index) {
        EXPECT_TRUE(dictionary.Node(index).m_strWord1.IsEmpty()) << index;
        EXPECT_TRUE(dictionary.Node(index).m_strWord2.IsEmpty()) << index;
    }
}

TEST_F(ShippedDictionaryTest, ChildRunsFollowEachOtherInTheOrderOfTheirParents)
{
    // Level by level: the classes and the result branch, then the accounts of the
    // classes and of the result branch, then the descriptions, which have none.
    int next = 9;
    std::vector<int> parents = {1, 2, 3, 4, 5, 6, 7, kResultBranch};
    for (int level = 1; level <= 2; ++level) {
        std::vector<int> children;
        for (int parent : parents) {
            const CKiso& node = dictionary.Node(parent);
            if (node.m_nChildCount == 0) {
                EXPECT_EQ(0, node.m_nFirstChild) << parent;
                continue;
            }
            EXPECT_EQ(next, node.m_nFirstChild) << "run of node " << parent;
            for (int i = 0; i < node.m_nChildCount; ++i)
                children.push_back(next++);
        }
        parents = children;
    }
    for (int index : parents) {
        EXPECT_EQ(0, dictionary.Node(index).m_nFirstChild) << index;
        EXPECT_EQ(0, dictionary.Node(index).m_nChildCount) << index;
    }
    EXPECT_EQ(dictionary.Size(), next);
    const CKiso& capital = dictionary.Node(7);
    EXPECT_EQ(capital.m_nFirstChild + capital.m_nChildCount, dictionary.Node(kResultBranch).m_nFirstChild);
    // The editor deletes a cause account's result twin only when the first
    // account has descriptions (its test compares with node 9's first child).
    EXPECT_TRUE(dictionary.Node(9).HasChildren());
}

TEST_F(ShippedDictionaryTest, EveryResultAccountStandsUnderAClassWithTheSameDescriptions)
{
    for (int result : dictionary.ResultAccounts()) {
        const CString& name = dictionary.Node(result).m_strName;
        const int classSide = dictionary.ClassSideNode(name);
        ASSERT_NE(-1, classSide) << Text(name);
        EXPECT_EQ(dictionary.ChildNames(classSide), dictionary.ChildNames(result)) << Text(name);
    }
}

TEST_F(ShippedDictionaryTest, NamesAreUnambiguous)
{
    std::set<std::string> accounts;
    for (int index : dictionary.ClassSideAccounts())
        EXPECT_TRUE(accounts.insert(Text(dictionary.Node(index).m_strName)).second)
            << "under two classes, its totals would count twice: " << Text(dictionary.Node(index).m_strName);
    std::set<std::string> results;
    for (int index : dictionary.ResultAccounts())
        EXPECT_TRUE(results.insert(Text(dictionary.Node(index).m_strName)).second) << index;
    for (int index = 0; index <= kResultBranch; ++index)
        EXPECT_EQ(0u, accounts.count(Text(dictionary.Node(index).m_strName))) << index;
    for (int account : dictionary.ClassSideAccounts())
        for (const CString& description : dictionary.ChildNames(account))
            EXPECT_EQ(0u, accounts.count(Text(description))) << "a description named like an account";
}

TEST_F(ShippedDictionaryTest, NamesAndWordsFitTheEditorsFields)
{
    for (int index = kResultBranch + 1; index < dictionary.Size(); ++index) {
        const CKiso& node = dictionary.Node(index);
        EXPECT_FALSE(node.m_strName.IsEmpty()) << index;
        EXPECT_LE(node.m_strName.GetLength(), 16) << index;
    }
    for (int index : dictionary.ClassSideAccounts()) {
        EXPECT_LE(dictionary.Node(index).m_strWord1.GetLength(), 8) << index;
        EXPECT_LE(dictionary.Node(index).m_strWord2.GetLength(), 8) << index;
    }
    for (int index : dictionary.ResultAccounts()) {
        EXPECT_LE(dictionary.Node(index).m_strWord1.GetLength(), 14) << index;
        EXPECT_LE(dictionary.Node(index).m_strWord2.GetLength(), 14) << index;
    }
    const int firstDescription = dictionary.Node(kResultBranch).m_nFirstChild + dictionary.Node(kResultBranch).m_nChildCount;
    for (int index = firstDescription; index < dictionary.Size(); ++index) {
        EXPECT_TRUE(dictionary.Node(index).m_strWord1.IsEmpty()) << index;
        EXPECT_TRUE(dictionary.Node(index).m_strWord2.IsEmpty()) << index;
    }
}

TEST_F(ShippedDictionaryTest, AccountsCarryTheWordsOfTheirClass)
{
    auto expectedWords = [](const CString& name, int classDigit) {
        for (const FixedWords& fixed : kFixedAccountWords)
            if (name == fixed.name)
                return fixed.words;
        return kClassWords[classDigit - 1];
    };
    for (int index : dictionary.ClassSideAccounts()) {
        const CKiso& node = dictionary.Node(index);
        const ClassWords words = expectedWords(node.m_strName, dictionary.ClassOf(node.m_strName));
        EXPECT_EQ(CString(words.connect1), node.m_strWord1) << Text(node.m_strName);
        EXPECT_EQ(CString(words.connect2), node.m_strWord2) << Text(node.m_strName);
    }
    for (int index : dictionary.ResultAccounts()) {
        const CKiso& node = dictionary.Node(index);
        const ClassWords words = expectedWords(node.m_strName, dictionary.ClassOf(node.m_strName));
        EXPECT_EQ(CString(words.phrase1), node.m_strWord1) << Text(node.m_strName);
        EXPECT_EQ(CString(words.phrase2), node.m_strWord2) << Text(node.m_strName);
    }
}

TEST_F(ShippedDictionaryTest, HoldsEveryAccountTheProgramLooksFor)
{
    for (const RequiredAccount& required : kRequiredAccounts) {
        EXPECT_EQ(required.classDigit, dictionary.ClassOf(required.name)) << required.name;
        EXPECT_NE(-1, dictionary.ResultNode(required.name)) << required.name;
    }
}

TEST_F(ShippedDictionaryTest, HoldsTheDescriptionsThatTheProgramWritesItself)
{
    // The partner dialog writes the partners first and then these, so they stand last.
    auto descriptions = [this](const char* account) {
        return dictionary.ChildNames(dictionary.ClassSideNode(account));
    };
    const std::vector<CString> sales = descriptions("売上");
    ASSERT_FALSE(sales.empty());
    EXPECT_EQ(CString("家事消費"), sales.back());
    const std::vector<CString> purchases = descriptions("仕入");
    ASSERT_GE(purchases.size(), 2u);
    EXPECT_EQ((std::vector<CString>{"期首繰入", "期末繰戻"}), std::vector<CString>(purchases.end() - 2, purchases.end()));
    const std::vector<CString> ownerLoan = descriptions("事業主借");
    EXPECT_NE(ownerLoan.end(), std::find(ownerLoan.begin(), ownerLoan.end(), CString("譲渡益")));
}

TEST_F(ShippedDictionaryTest, StatementsFindOneSalesOnePurchasesAndOneInventoryAccount)
{
    // The trial balance warns of a second sales or purchases account, the monthly
    // page counts every account that begins with 売上 or 仕入, and the inventory
    // check counts every asset whose name holds 棚卸.
    for (int index : dictionary.ClassSideAccounts()) {
        const CString& name = dictionary.Node(index).m_strName;
        const int digit = dictionary.ClassOf(name);
        if (name != "売上") {
            EXPECT_NE(CString("売上"), name.Left(4)) << Text(name);
            EXPECT_FALSE(digit == 1 && name.Find("売上") >= 0) << Text(name);
        }
        if (name != "仕入") {
            EXPECT_NE(CString("仕入"), name.Left(4)) << Text(name);
            EXPECT_FALSE((digit == 2 || digit == 3) && name.Find("仕入") >= 0) << Text(name);
        }
        if (name != "棚卸資産") {
            EXPECT_LT(name.Find("棚卸"), 0) << Text(name);
        }
    }
}

TEST_F(ShippedDictionaryTest, TradingPartnerAccountsOfOneKindHoldTheSamePartners)
{
    // The sample's partners stand in the dictionary, so that its entries ask for
    // no registration; each kind of partner stands alike under every account of
    // that kind, as the partner dialog writes them.
    auto partners = [this](const char* account, const char* ownWord) {
        std::vector<CString> names;
        for (const CString& name : dictionary.ChildNames(dictionary.ClassSideNode(account)))
            if (!ownWord || name.Find(ownWord) < 0)
                names.push_back(name);
        return names;
    };
    const std::vector<CString> suppliers = partners("買掛金", nullptr);
    EXPECT_FALSE(suppliers.empty());
    EXPECT_EQ(suppliers, partners("支払手形", nullptr));
    EXPECT_EQ(suppliers, partners("仕入", "繰"));
    const std::vector<CString> customers = partners("売掛金", nullptr);
    EXPECT_FALSE(customers.empty());
    EXPECT_EQ(customers, partners("受取手形", nullptr));
    const std::vector<CString> sales = partners("売上", "家事");
    for (const CString& customer : customers)
        EXPECT_NE(sales.end(), std::find(sales.begin(), sales.end(), customer)) << Text(customer);
    const std::vector<CString> banks = partners("普通預金", nullptr);
    EXPECT_FALSE(banks.empty());
    EXPECT_EQ(banks, partners("当座預金", nullptr));
    EXPECT_EQ(banks, partners("定期預金", nullptr));
}

}  // namespace
