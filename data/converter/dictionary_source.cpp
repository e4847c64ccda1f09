#include "dictionary_source.h"

#include "shift_jis_text.h"

#include <set>

namespace {

constexpr int kIndentPerLevel = 2;
constexpr char kEmptyWord[] = "-";

struct WordPair {
    CString first;
    CString second;
};

CString Word(const std::string& text)
{
    return text == kEmptyWord ? CString() : ToShiftJis(text);
}

WordPair ParseWordPair(const SourceLine& line, const std::string& text)
{
    const std::vector<std::string> words = SplitTrimmed(text, '/');
    if (words.size() != 2 || words[0].empty() || words[1].empty())
        throw SourceError(line.number, "a pair of words is written \"word 1 / word 2\" (\"-\" for an empty word)");
    return {Word(words[0]), Word(words[1])};
}

// "name", "name : pair" or, for a class, "name : pair : pair".
struct NamedLine {
    CString name;
    std::vector<WordPair> pairs;
};

NamedLine ParseNamedLine(const SourceLine& line)
{
    const std::vector<std::string> parts = SplitTrimmed(line.text, ':');
    if (parts[0].empty())
        throw SourceError(line.number, "a node needs a name");
    NamedLine named;
    named.name = ToShiftJis(parts[0]);
    for (std::size_t i = 1; i < parts.size(); ++i)
        named.pairs.push_back(ParseWordPair(line, parts[i]));
    return named;
}

int LevelOf(const SourceLine& line)
{
    if (line.indent % kIndentPerLevel != 0)
        throw SourceError(line.number, "indent by two blanks per level");
    return line.indent / kIndentPerLevel;
}

const DictionaryAccount* FindAccount(const std::vector<DictionaryAccount>& accounts, const CString& name)
{
    for (const DictionaryAccount& account : accounts)
        if (account.name == name)
            return &account;
    return nullptr;
}

}  // namespace

int DictionarySource::ClassOf(const CString& account) const
{
    for (std::size_t i = 0; i < classes.size(); ++i)
        if (FindAccount(classes[i].accounts, account))
            return static_cast<int>(i) + 1;
    return 0;
}

bool DictionarySource::IsResultAccount(const CString& account) const
{
    return FindAccount(resultAccounts, account) != nullptr;
}

DictionarySource ParseDictionary(const std::vector<SourceLine>& lines)
{
    DictionarySource source;
    std::array<WordPair, 7> causeDefaults;
    std::array<WordPair, 7> resultDefaults;
    int branchesSeen = 0;              // level-1 lines so far: 1 to 7 classes, 8 the result branch
    DictionaryAccount* account = nullptr;  // the class account that descriptions go under
    std::set<std::string> classSideNames;
    std::set<std::string> resultNames;
    bool rootSeen = false;

    for (const SourceLine& line : lines) {
        const int level = LevelOf(line);
        if (!rootSeen) {
            if (level != 0)
                throw SourceError(line.number, "the first node is the root, at level 0");
            const NamedLine root = ParseNamedLine(line);
            if (!root.pairs.empty())
                throw SourceError(line.number, "the root has no words");
            source.rootName = root.name;
            rootSeen = true;
            continue;
        }
        const NamedLine named = ParseNamedLine(line);
        switch (level) {
        case 0:
            throw SourceError(line.number, "there is only one root");
        case 1:
            ++branchesSeen;
            account = nullptr;
            if (branchesSeen <= 7) {
                if (named.pairs.size() != 2)
                    throw SourceError(line.number, "a class names the words of its accounts: \"name : A / B : 1 / 2\"");
                source.classes[branchesSeen - 1].name = named.name;
                causeDefaults[branchesSeen - 1] = named.pairs[0];
                resultDefaults[branchesSeen - 1] = named.pairs[1];
            } else if (branchesSeen == 8) {
                if (!named.pairs.empty())
                    throw SourceError(line.number, "the result branch has no words");
                source.resultBranchName = named.name;
            } else {
                throw SourceError(line.number, "the root has seven classes and the result branch, no more");
            }
            break;
        case 2: {
            if (branchesSeen == 0)
                throw SourceError(line.number, "an account stands under a class or the result branch");
            if (named.pairs.size() > 1)
                throw SourceError(line.number, "an account has one pair of words");
            DictionaryAccount entry;
            entry.name = named.name;
            if (branchesSeen <= 7) {
                if (!classSideNames.insert(named.name.str()).second)
                    throw SourceError(line.number, "the account stands under a class already: " + Trim(line.text));
                const WordPair& words = named.pairs.empty() ? causeDefaults[branchesSeen - 1] : named.pairs[0];
                entry.word1 = words.first;
                entry.word2 = words.second;
                source.classes[branchesSeen - 1].accounts.push_back(entry);
                account = &source.classes[branchesSeen - 1].accounts.back();
            } else {
                const int classDigit = source.ClassOf(named.name);
                if (classDigit == 0)
                    throw SourceError(line.number, "a result account must stand under a class first");
                if (!resultNames.insert(named.name.str()).second)
                    throw SourceError(line.number, "the account stands in the result branch already");
                const WordPair& words = named.pairs.empty() ? resultDefaults[classDigit - 1] : named.pairs[0];
                entry.word1 = words.first;
                entry.word2 = words.second;
                entry.descriptions = FindAccount(source.classes[classDigit - 1].accounts, named.name)->descriptions;
                source.resultAccounts.push_back(entry);
                account = nullptr;
            }
            break;
        }
        case 3:
            if (!account)
                throw SourceError(line.number, "descriptions stand under the accounts of the classes");
            if (!named.pairs.empty())
                throw SourceError(line.number, "a description has no words");
            account->descriptions.push_back(named.name);
            break;
        default:
            throw SourceError(line.number, "the dictionary has four levels: root, class, account, description");
        }
    }
    if (branchesSeen != 8)
        throw SourceError(lines.empty() ? 0 : lines.back().number, "the root needs seven classes and the result branch");
    return source;
}

std::vector<std::unique_ptr<CKiso>> LayOutDictionary(const DictionarySource& source)
{
    std::vector<std::unique_ptr<CKiso>> nodes;
    auto add = [&nodes](const CString& name, const CString& word1, const CString& word2) {
        auto node = std::make_unique<CKiso>();
        node->m_strName = name;
        node->m_strWord1 = word1;
        node->m_strWord2 = word2;
        nodes.push_back(std::move(node));
        return nodes.back().get();
    };
    // Level by level; a parent learns where its run starts when the run is laid.
    auto giveRun = [&nodes](CKiso* parent, std::size_t count) {
        parent->m_nChildCount = static_cast<int>(count);
        parent->m_nFirstChild = count > 0 ? static_cast<int>(nodes.size()) : 0;
    };

    CKiso* root = add(source.rootName, CString(), CString());
    std::vector<CKiso*> branches;
    giveRun(root, source.classes.size() + 1);
    for (const DictionaryClass& cls : source.classes)
        branches.push_back(add(cls.name, CString(), CString()));
    branches.push_back(add(source.resultBranchName, CString(), CString()));

    std::vector<std::pair<CKiso*, const DictionaryAccount*>> accounts;
    auto layAccounts = [&](CKiso* parent, const std::vector<DictionaryAccount>& list) {
        giveRun(parent, list.size());
        for (const DictionaryAccount& account : list)
            accounts.emplace_back(add(account.name, account.word1, account.word2), &account);
    };
    for (std::size_t i = 0; i < source.classes.size(); ++i)
        layAccounts(branches[i], source.classes[i].accounts);
    layAccounts(branches.back(), source.resultAccounts);

    for (auto& [node, account] : accounts) {
        giveRun(node, account->descriptions.size());
        for (const CString& description : account->descriptions)
            add(description, CString(), CString());
    }
    return nodes;
}
