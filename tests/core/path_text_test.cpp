#include "core/path_text.h"

#include <gtest/gtest.h>

namespace {

TEST(PathText, FileNameIsTakenBehindTheLastSeparator)
{
    struct Case {
        const char* path;
        const char* name;
    } cases[] = {
        {"C:\\帳簿\\表.siz", "表.siz"},
        {"C:\\data\\ソフト.siz", "ソフト.siz"},  // ソ ends in 0x5C
        {"C:表.siz", "表.siz"},
        {"dir/a.siz", "a.siz"},
        {"表", "表"},
        {"", ""},
        {"C:\\folder\\", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CString(c.name), FileNameOfPath(c.path)) << c.path;
}

TEST(PathText, DataFolderIsThePathWithoutItsFileName)
{
    struct Case {
        const char* path;
        const char* fileName;
        const char* folder;
    } cases[] = {
        {"C:\\帳簿\\2024.siz", "2024.siz", "C:\\帳簿"},
        {"C:\\2024.siz", "2024.siz", "C:"},
        {"2024.siz", "2024.siz", "PROGRAM"},
        {"C:\\a\\b.siz", "other.siz", ""},
        {"C:\\a\\表.siz", "表.siz", "C:\\a"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CString(c.folder), DataDirOfPath(c.path, c.fileName, "PROGRAM")) << c.path;
}

TEST(PathText, OnlyTheExtensionIsReplaced)
{
    struct Case {
        const char* path;
        const char* converted;
    } cases[] = {
        {"C:\\old.siw\\data.siw", "C:\\old.siw\\data.siz"},
        {"C:\\data.siw", "C:\\data.siz"},
        {"C:\\表.SIW", "C:\\表.siz"},
        {"C:\\v.1\\noext", "C:\\v.1\\noext.siz"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CString(c.converted), ReplaceExtension(c.path, ".siz")) << c.path;
}

TEST(PathText, ProgramFolderLosesItsTrailingBackslash)
{
    EXPECT_EQ(CString("C:"), WithoutTrailingBackslash("C:\\"));
    EXPECT_EQ(CString("C:\\zirere"), WithoutTrailingBackslash("C:\\zirere"));
    EXPECT_EQ(CString("C:\\表"), WithoutTrailingBackslash("C:\\表"));  // 表 ends in 0x5C
    EXPECT_EQ(CString(""), WithoutTrailingBackslash(""));
}

}  // namespace

TEST(PathText, BareFileNameLiesInTheGivenFolder)
{
    EXPECT_EQ(CString("C:\\prog\\a.siz"), PathInFolder("a.siz", "C:\\prog"));
    EXPECT_EQ(CString("D:\\data\\a.siz"), PathInFolder("D:\\data\\a.siz", "C:\\prog"));
    // 表 ends in the byte of a backslash: still a bare name.
    EXPECT_EQ(CString("C:\\prog\\表.siz"), PathInFolder("表.siz", "C:\\prog"));
}

TEST(PathText, PlainFileNamesHoldNoSeparatorsOrReservedCharacters)
{
    const struct {
        const char* name;
        bool plain;
    } cases[] = {
        {"2025.siz", true}, {"表.siz", true}, {"ｻﾝﾌﾟﾙ", true}, {"a.b.c", true},
        {"", false}, {".", false}, {"..", false}, {"a\\b.siz", false}, {"a/b", false},
        {"C:x.siz", false}, {"a*b", false}, {"a?b", false}, {"a\"b", false}, {"a<b", false},
        {"a>b", false}, {"a|b", false}, {"a\tb", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.plain, IsPlainFileName(c.name)) << c.name;
}
