// The trading partners collected from a working dictionary (the dictionary
// completed from the journal), their groups and the dialog's edits.
#include "setup/partner_list.h"

#include "core/dictionary_fixture.h"
#include "support/entry_builder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::vector<std::string> Names(const PartnerList& partners, int kind)
{
    std::vector<std::string> names;
    for (const CString& name : PartnerNames(partners, kind))
        names.push_back(name.str());
    return names;
}

class PartnerListTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        DeleteRecords(m_dictionary);
        DeleteRecords(m_work);
        DeleteRecords(m_journal);
        ClearPartners(m_partners);
    }
    DictionaryNodes m_dictionary;
    DictionaryNodes m_work;
    JournalArray m_journal;
    PartnerList m_partners;
};

TEST_F(PartnerListTest, CollectedByKindWithoutDoublesOrCarryAndOwnUseNames)
{
    FixtureDictionary tree = SmallDictionary();
    tree.classes[0] = {{"売上", {"A商店", "家事消費", "家事消費(食品)"}}};
    tree.classes[1] = {{"仕入", {"B商事", "期首繰入", "期末繰戻"}}};
    tree.classes[3] = {{"買掛金", {"B商事", "D物産"}}, {"支払手形", {"X工業"}}};
    // 普通預金 stands before 売掛金: customers still come before banks.
    tree.classes[4] = {{"普通預金", {"C銀行", "A商店"}}, {"売掛金", {"A商店", "E社"}}};
    MakeDictionary(tree, m_dictionary);

    // A description that only the journal uses (仕入 in class 2, 現金 in class 5).
    m_journal.Add(OneRowEntry("3月1日", "仕入", "現金", "1000", -1, 2005000).CauseDesc("F食品").New());
    CarryForwardSlots slots;
    BuildWorkDictionary(m_dictionary, m_journal, m_work, slots);
    CollectPartners(m_work, m_partners);

    EXPECT_EQ(Names(m_partners, CTorihikisaki::kSupplier),
              (std::vector<std::string>{"B商事", "F食品", "D物産", "X工業"}));
    EXPECT_EQ(Names(m_partners, CTorihikisaki::kCustomer), (std::vector<std::string>{"A商店", "E社"}));
    EXPECT_EQ(Names(m_partners, CTorihikisaki::kBank), (std::vector<std::string>{"C銀行", "A商店"}));
    // The groups follow each other: suppliers, customers, banks.
    ASSERT_EQ(m_partners.GetSize(), 8);
    EXPECT_EQ(PartnerGroupStart(m_partners, CTorihikisaki::kCustomer), 4);
    EXPECT_EQ(PartnerGroupStart(m_partners, CTorihikisaki::kBank), 6);
    EXPECT_EQ(m_partners[6]->m_strName.str(), "C銀行");
    // B商事 stands under 仕入 and 買掛金: one supplier, sourced from the first.
    EXPECT_EQ(m_work[m_partners[0]->m_nSource]->m_strName.str(), "仕入");
}

TEST_F(PartnerListTest, EditsActOnTheKindsOwnGroupAndIgnoreEmptyNames)
{
    MakeDictionary(SmallDictionary(), m_dictionary);
    CollectPartners(m_dictionary, m_partners);
    using P = CTorihikisaki;
    EXPECT_EQ(Names(m_partners, P::kSupplier), (std::vector<std::string>{"B商事", "X工業"}));

    EXPECT_TRUE(AddPartnerName(m_partners, P::kSupplier, "新商事"));
    EXPECT_TRUE(InsertPartnerName(m_partners, P::kBank, 0, "G銀行"));
    EXPECT_TRUE(ChangePartnerName(m_partners, P::kCustomer, 0, "H商店"));
    EXPECT_EQ(Names(m_partners, P::kSupplier), (std::vector<std::string>{"B商事", "X工業", "新商事"}));
    EXPECT_EQ(Names(m_partners, P::kCustomer), (std::vector<std::string>{"H商店"}));
    EXPECT_EQ(Names(m_partners, P::kBank), (std::vector<std::string>{"G銀行", "C銀行"}));
    EXPECT_EQ(m_partners[PartnerGroupStart(m_partners, P::kCustomer)]->m_nStatus, P::kChanged);

    // Empty names and lines outside the group change nothing.
    const int before = m_partners.GetSize();
    EXPECT_FALSE(AddPartnerName(m_partners, P::kSupplier, ""));
    EXPECT_FALSE(InsertPartnerName(m_partners, P::kSupplier, 0, ""));
    EXPECT_FALSE(ChangePartnerName(m_partners, P::kSupplier, 0, ""));
    EXPECT_FALSE(ChangePartnerName(m_partners, P::kCustomer, 1, "I社"));
    EXPECT_FALSE(DeletePartnerLine(m_partners, P::kBank, 2));
    EXPECT_EQ(m_partners.GetSize(), before);
    EXPECT_EQ(Names(m_partners, P::kSupplier)[0], "B商事");

    EXPECT_TRUE(DeletePartnerLine(m_partners, P::kBank, 1));
    EXPECT_EQ(Names(m_partners, P::kBank), (std::vector<std::string>{"G銀行"}));
}

TEST_F(PartnerListTest, RegisteredPartnersComeBackAtTheNextCollection)
{
    MakeDictionary(SmallDictionary(), m_dictionary);
    CollectPartners(m_dictionary, m_partners);
    ASSERT_TRUE(AddPartnerName(m_partners, CTorihikisaki::kCustomer, "J商会"));
    ASSERT_TRUE(RegisterAllPartners(m_dictionary, m_partners));
    CollectPartners(m_dictionary, m_partners);
    EXPECT_EQ(Names(m_partners, CTorihikisaki::kCustomer), (std::vector<std::string>{"A商店", "J商会"}));
    EXPECT_EQ(Names(m_partners, CTorihikisaki::kSupplier), (std::vector<std::string>{"B商事", "X工業"}));
    EXPECT_TRUE(IsDictionaryTree(m_dictionary));
}

}  // namespace
