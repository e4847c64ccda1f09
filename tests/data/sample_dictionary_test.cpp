// The sample journal against the shipped dictionary: changing, cutting or copying
// a sample entry runs the journal's dictionary check on its rows, and the
// dictionary rebuild runs it on every entry; neither may ask the user anything.
#include "shipped_data.h"
#include "shipped_files.h"

#include "journal/dictionary_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(SampleAgainstDictionary, EveryAccountAndDescriptionOfTheSampleIsInTheDictionary)
{
    std::vector<std::unique_ptr<CKiso>> nodes = LoadShippedNodes(kInitialDictionary);
    Dictionary dictionary;
    for (const auto& node : nodes)
        dictionary.Add(node.get());
    const auto journal = LoadShippedEntries(SHIPPED_SAMPLE_JOURNAL);
    ASSERT_FALSE(journal.empty());

    std::vector<std::string> questions;
    RegistrationAnswers answers;
    answers.yesNo = [&](const CString& text) {
        questions.push_back(text.str());
        return false;
    };
    answers.registerDescription = [&](const CString& account, const CString& description) {
        questions.push_back((account + " : " + description).str());
        return false;
    };
    answers.tell = [&](const CString& text) { questions.push_back(text.str()); };
    answers.askClass = [&](const CString& account) {
        questions.push_back(("class of " + account).str());
        return -1;
    };

    for (std::size_t i = 0; i < journal.size(); ++i) {
        const CMyObject2& entry = *journal[i];
        const CString* accounts[6] = {&entry.m_strCause1,  &entry.m_strCause2,  &entry.m_strCause3,
                                      &entry.m_strResult1, &entry.m_strResult2, &entry.m_strResult3};
        const CString* descriptions[6] = {&entry.m_strCauseDesc1,  &entry.m_strCauseDesc2,
                                          &entry.m_strCauseDesc3,  &entry.m_strResultDesc1,
                                          &entry.m_strResultDesc2, &entry.m_strResultDesc3};
        for (int row = 0; row < 6; ++row) {
            questions.clear();
            int classIndex = -1;
            const RowCheck check =
                CheckDictionaryRow(dictionary, row, *accounts[row], *descriptions[row], classIndex, answers);
            EXPECT_EQ(0, check.status) << "entry " << i << " row " << row << ": " << accounts[row]->str();
            for (const std::string& question : questions)
                ADD_FAILURE() << "entry " << i << " (" << entry.m_strDate.str() << ") row " << row << " asks: "
                              << question;
        }
    }
    // The check registered nothing: every node is still the shipped one.
    EXPECT_EQ(static_cast<int>(nodes.size()), dictionary.GetSize());
}

}  // namespace
