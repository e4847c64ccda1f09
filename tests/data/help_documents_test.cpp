// The help documents as the build leaves them in the program folder, read with
// the archive tool 7z as another reader of compiled help files: every page the
// program opens is there, every link between pages leads to a stored page, and
// the pages are stored in Shift-JIS with the Japanese language set, so that the
// Windows help viewer shows their text.
#include "chm_directory.h"
#include "shipped_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const char* const kDocuments[] = {"dazeruruvo", "upgrad", "copyright"};

std::string Output(const std::string& command)
{
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t read;
        while ((read = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            text.append(buffer, read);
        EXPECT_EQ(0, pclose(pipe)) << command;
    } else {
        ADD_FAILURE() << "cannot run " << command;
    }
    return text;
}

std::string Quoted(const fs::path& path)
{
    return "'" + path.string() + "'";
}

std::string FileText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

fs::path Compiled(const std::string& document)
{
    return fs::path(SHIPPED_DATA_FOLDER) / (document + ".chm");
}

// The names that 7z lists in a compiled help file.
std::set<std::string> Listed(const std::string& document)
{
    std::set<std::string> names;
    std::istringstream lines(Output(HELP_ARCHIVE_TOOL " l -slt " + Quoted(Compiled(document))));
    bool entries = false;
    for (std::string line; std::getline(lines, line);) {
        if (line == "----------")
            entries = true;
        else if (entries && line.rfind("Path = ", 0) == 0)
            names.insert(line.substr(7));
    }
    return names;
}

// Every document unpacked by 7z into a folder of its own.
class HelpDocumentsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_unpacked = fs::temp_directory_path() / ("zirere_help_" + std::to_string(getpid()));
        for (const char* document : kDocuments)
            Output(HELP_ARCHIVE_TOOL " x -y -o" + Quoted(s_unpacked / document) + " " + Quoted(Compiled(document)) +
                   " >/dev/null");
    }
    static void TearDownTestSuite() { fs::remove_all(s_unpacked); }

    static std::vector<std::string> Pages(const std::string& document)
    {
        std::vector<std::string> pages;
        for (const auto& file : fs::directory_iterator(s_unpacked / document)) {
            const std::string extension = file.path().extension().string();
            if (extension == ".htm" || extension == ".hhc")
                pages.push_back(file.path().filename().string());
        }
        std::sort(pages.begin(), pages.end());
        return pages;
    }

    static fs::path s_unpacked;
};
fs::path HelpDocumentsTest::s_unpacked;

// The targets of a page's links, stylesheets and contents entries, as written.
std::vector<std::string> LinkTargets(const std::string& page)
{
    static const std::regex link(R"re((?:href|src)="([^"]*)"|name="Local" value="([^"]*)")re", std::regex::icase);
    std::vector<std::string> targets;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), link); it != std::sregex_iterator(); ++it)
        targets.push_back((*it)[1].matched ? (*it)[1].str() : (*it)[2].str());
    return targets;
}

bool External(const std::string& target)
{
    return target.rfind("http:", 0) == 0 || target.rfind("https:", 0) == 0 || target.rfind("mailto:", 0) == 0;
}

TEST_F(HelpDocumentsTest, EveryPageTheProgramOpensIsInTheHelpFile)
{
    // The pages that the help command, the dialogs' help buttons and the
    // journal's refusal of an apportionment open, and the documents' start pages.
    struct Case {
        const char* document;
        const char* page;
        const char* openedBy;
    } cases[] = {
        {"dazeruruvo", "0016.htm", "the help command"},
        {"dazeruruvo", "0017.htm", "the input-hint dialog"},
        {"dazeruruvo", "0040.htm", "the opening-balance dialog"},
        {"dazeruruvo", "0041.htm", "the trading-partner dialog"},
        {"dazeruruvo", "0042.htm", "the inventory dialog"},
        {"dazeruruvo", "0043.htm", "the bad-debt allowance dialog"},
        {"dazeruruvo", "0047.htm", "the keyword-search dialog"},
        {"dazeruruvo", "0048.htm", "the journal's apportionment message"},
        {"upgrad", "upgrad.htm", "the shell, as the document's default topic"},
        {"copyright", "copyright.htm", "the shell, as the document's default topic"},
    };
    std::map<std::string, std::set<std::string>> listed;
    for (const char* document : kDocuments)
        listed[document] = Listed(document);
    for (const Case& c : cases)
        EXPECT_EQ(1u, listed[c.document].count(c.page)) << c.document << ".chm: " << c.page << ", opened by " << c.openedBy;
}

TEST_F(HelpDocumentsTest, TheDirectoryReaderOfTheWindowTestsFindsWhat7zLists)
{
    // The window tests look a topic up with ReadChmDirectory; it must see the same
    // pages, and the Japanese language that makes the viewer read Shift-JIS.
    for (const char* document : kDocuments) {
        SCOPED_TRACE(document);
        const std::optional<ChmDirectory> directory = ReadChmDirectory(FileText(Compiled(document)));
        ASSERT_TRUE(directory.has_value());
        EXPECT_EQ(0x411u, directory->language);
        std::set<std::string> pages;
        for (const std::string& name : directory->names)
            if (name.size() > 1 && name[0] == '/' && name[1] != '#' && name[1] != '$')
                pages.insert(name.substr(1));
        const std::set<std::string> listed = Listed(document);
        for (const std::string& name : listed) {
            if (name[0] != '#' && name[0] != '$' && name != "_#_README_#_") {
                EXPECT_EQ(1u, pages.count(name)) << name;
            }
        }
        EXPECT_GE(pages.size(), 2u);
    }
    EXPECT_FALSE(ReadChmDirectory("ITSF but nothing else").has_value());
}

TEST_F(HelpDocumentsTest, EveryLinkLeadsToAStoredPageAndEveryPageIsReachable)
{
    for (const char* document : kDocuments) {
        SCOPED_TRACE(document);
        const std::vector<std::string> pages = Pages(document);
        ASSERT_FALSE(pages.empty());
        const fs::path folder = s_unpacked / document;
        std::map<std::string, std::vector<std::string>> links;
        for (const std::string& page : pages) {
            const std::string text = FileText(folder / page);
            for (std::string target : LinkTargets(text)) {
                if (External(target))
                    continue;
                std::string fragment;
                if (const std::size_t hash = target.find('#'); hash != std::string::npos) {
                    fragment = target.substr(hash + 1);
                    target.erase(hash);
                }
                const std::string file = target.empty() ? page : target;
                if (!fs::exists(folder / file)) {
                    ADD_FAILURE() << page << " links to " << file << ", which is not stored";
                    continue;
                }
                if (!fragment.empty()) {
                    const std::string linked = FileText(folder / file);
                    EXPECT_TRUE(linked.find("id=\"" + fragment + "\"") != std::string::npos ||
                                linked.find("name=\"" + fragment + "\"") != std::string::npos)
                        << page << " links to the missing place " << file << "#" << fragment;
                }
                links[page].push_back(file);
            }
        }
        // From the start page (and the contents) the reader reaches every page.
        const std::string start = std::string(document) == "dazeruruvo" ? "0016.htm" : std::string(document) + ".htm";
        std::set<std::string> reached = {start};
        std::vector<std::string> pending = {start, "contents.hhc"};
        while (!pending.empty()) {
            const std::string page = pending.back();
            pending.pop_back();
            for (const std::string& target : links[page])
                if (reached.insert(target).second)
                    pending.push_back(target);
        }
        for (const std::string& page : pages) {
            if (page.size() > 4 && page.substr(page.size() - 4) == ".htm") {
                EXPECT_EQ(1u, reached.count(page)) << page << " cannot be reached from " << start;
            }
        }
    }
}

TEST_F(HelpDocumentsTest, TitlesReadTheSameInEveryCodePage)
{
    // The help viewer shows a document's title (entry 3 of its #SYSTEM file) in
    // the system's own code page, whatever language the document declares: a
    // title of plain ASCII is the one that no system garbles.
    for (const char* document : kDocuments) {
        const std::string system = FileText(s_unpacked / document / "#SYSTEM");
        ASSERT_GT(system.size(), 4u) << document;
        std::string title;
        for (std::size_t at = 4; at + 4 <= system.size();) {
            const unsigned code = static_cast<unsigned char>(system[at]) | static_cast<unsigned char>(system[at + 1]) << 8;
            const std::size_t length =
                static_cast<unsigned char>(system[at + 2]) | static_cast<unsigned char>(system[at + 3]) << 8;
            if (code == 3)
                title = system.substr(at + 4, length);
            at += 4 + length;
        }
        ASSERT_FALSE(title.empty()) << document;
        EXPECT_EQ(0u, title.find("Zirere ")) << document;
        for (char c : title)
            EXPECT_TRUE(static_cast<unsigned char>(c) < 0x80) << document << ": " << title;
    }
}

TEST_F(HelpDocumentsTest, PagesAreStoredInShiftJisAsTheirSourcesSay)
{
    // Each stored page, read back from Shift-JIS, is its UTF-8 source with the
    // character set it declares changed to Shift_JIS.
    for (const char* document : kDocuments) {
        SCOPED_TRACE(document);
        for (const std::string& page : Pages(document)) {
            const fs::path source = fs::path(HELP_SOURCE_FOLDER) / document / page;
            ASSERT_TRUE(fs::exists(source)) << page;
            std::string expected = FileText(source);
            const std::string declared = "charset=utf-8";
            if (const std::size_t at = expected.find(declared); at != std::string::npos)
                expected.replace(at, declared.size(), "charset=Shift_JIS");
            EXPECT_EQ(expected, Output("iconv -f CP932 -t UTF-8 " + Quoted(s_unpacked / document / page))) << page;
            if (page.substr(page.size() - 4) == ".htm") {
                EXPECT_NE(std::string::npos, expected.find("charset=Shift_JIS")) << page;
            }
        }
    }
}

// Text as the UTF-8 files hold it (the test's own literals are compiled to Shift-JIS).
std::string Utf8(const char8_t* text)
{
    return reinterpret_cast<const char*>(text);
}

// A name as it reads on screen: without the accelerator mark, the shortcut
// after a tab, the dots of a command that opens a dialog, line breaks, blanks
// and the arrows drawn around a button's text.
std::string ScreenName(std::string text)
{
    text = std::regex_replace(text, std::regex(R"(\\t.*$)"), "");
    text = std::regex_replace(text, std::regex(R"(\(&.\))"), "");
    for (const char* mark : {"\\n", "&", "...", " ", "\xE3\x80\x80", "<", ">", "\xE2\x80\x95"})
        for (std::size_t at; (at = text.find(mark)) != std::string::npos;)
            text.erase(at, std::strlen(mark));
    return text;
}

TEST(HelpNames, EveryButtonFieldOrMenuAPageNamesReadsSoInTheProgram)
{
    std::set<std::string> onScreen;
    const std::regex quoted(R"rc("((?:[^"]|"")*)")rc");
    for (const auto& file : fs::directory_iterator(RESOURCE_FOLDER)) {
        if (file.path().extension() != ".rc")
            continue;
        const std::string script = FileText(file.path());
        for (std::sregex_iterator it(script.begin(), script.end(), quoted), end; it != end; ++it)
            onScreen.insert(ScreenName((*it)[1]));
    }
    ASSERT_TRUE(onScreen.count(Utf8(u8"検索実行")));

    const std::regex named(Utf8(u8R"(<span class="ui">「(.*?)」</span>)"));
    int names = 0;
    for (const auto& file : fs::directory_iterator(fs::path(HELP_SOURCE_FOLDER) / "dazeruruvo")) {
        if (file.path().extension() != ".htm")
            continue;
        const std::string page = FileText(file.path());
        for (std::sregex_iterator it(page.begin(), page.end(), named), end; it != end; ++it) {
            ++names;
            EXPECT_TRUE(onScreen.count(ScreenName((*it)[1])))
                << file.path().filename() << " names " << (*it)[1] << ", which no button, field or menu reads";
        }
    }
    EXPECT_GT(names, 20);
}

}  // namespace
