#include "core/last_file_record.h"
#include "core/settings_file.h"
#include "framework/stdio_file.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SettingsFile, LineOneHasTwoDigitsAndTwentyByteAmountFields)
{
    SettingsFile settings;
    settings.deduction = 1;
    settings.taxCategory = 0;
    settings.interim1 = "25000";
    settings.interim2 = "0";
    const std::string line = settings.FormatLine1().str();
    EXPECT_EQ("10" + std::string(15, ' ') + "25000" + std::string(19, ' ') + "0", line);
    EXPECT_EQ(42u, line.size());
}

TEST(SettingsFile, WritesThreeLinesAndReadsThemBack)
{
    TempFolder folder;
    const CString path = folder.Path("vozare.ino");
    SettingsFile written;
    written.deduction = 2;
    written.taxCategory = 3;
    written.interim1 = "1,200";
    written.interim2 = "0";
    written.line2Fields = {CString("abcd"), CString("efgh"), CString(""), CString("")};
    written.fontSize = "12";
    written.Write(path);
    EXPECT_EQ(written.FormatLine1().str() + "\r\nabcdefgh\r\n12", ReadFileBytes(path));

    SettingsFile read;
    ASSERT_TRUE(read.Read(path));
    EXPECT_EQ(2, read.deduction);
    EXPECT_EQ(3, read.taxCategory);
    EXPECT_EQ(CString("1,200"), read.interim1);
    EXPECT_EQ(CString("0"), read.interim2);
    EXPECT_EQ(CString("abcd"), read.line2Fields[0]);
    EXPECT_EQ(CString("efgh"), read.line2Fields[1]);
    EXPECT_EQ(CString(""), read.line2Fields[2]);
    EXPECT_EQ(CString("12"), read.fontSize);
}

TEST(SettingsFile, ShortOrMissingLinesKeepTheDefaults)
{
    TempFolder folder;
    SettingsFile missing;
    EXPECT_FALSE(missing.Read(folder.Path("none.ino")));
    EXPECT_EQ(CString("0"), missing.interim1);

    const CString path = folder.Path("vozare.ino");
    struct Case {
        std::string contents;
        int deduction;
        int category;
        const char* interim1;
        const char* fontSize;
    } cases[] = {
        {"", 0, 0, "0", ""},
        {"1", 1, 0, "", ""},
        {"x5   300", 0, 5, "300", ""},
        {"\r\n\r\n14", 0, 0, "0", "14"},
    };
    for (const Case& c : cases) {
        WriteFileBytes(path, c.contents);
        SettingsFile settings;
        ASSERT_TRUE(settings.Read(path));
        EXPECT_EQ(c.deduction, settings.deduction) << c.contents;
        EXPECT_EQ(c.category, settings.taxCategory) << c.contents;
        EXPECT_EQ(CString(c.interim1), settings.interim1) << c.contents;
        EXPECT_EQ(CString(c.fontSize), settings.fontSize) << c.contents;
    }
}

// A file the program did not write (another encoding, random bytes, lines of
// its own) is written back byte for byte while its values stay as read; a value
// changed rewrites its own line only.
TEST(SettingsFile, LinesLeftAsReadAreWrittenBackByteForByte)
{
    TempFolder folder;
    const CString path = folder.Path("vozare.ino");
    std::string utf16("\xff\xfe", 2);
    for (char c : std::string("00      0      0\r\n        \r\n12"))
        utf16 += std::string{c, '\0'};
    const std::string files[] = {
        utf16,
        std::string("\x93\x00\xff\n\r\r\x81\n\n\n\x00", 12),
        "10                 500                  0\r\nabcd\r\n11\r\nthe launcher's own line\r\n",
        "1\n\n9",
    };
    for (const std::string& bytes : files) {
        WriteFileBytes(path, bytes);
        SettingsFile settings;
        ASSERT_TRUE(settings.Read(path));
        settings.Write(path);
        EXPECT_EQ(bytes, ReadFileBytes(path));
    }

    WriteFileBytes(path, files[2]);
    SettingsFile changed;
    ASSERT_TRUE(changed.Read(path));
    changed.deduction = 2;
    changed.Write(path);
    EXPECT_EQ(CString("500"), changed.interim1);
    EXPECT_EQ(changed.FormatLine1().str() + "\r\nabcd\r\n11\r\nthe launcher's own line\r\n", ReadFileBytes(path));
    EXPECT_EQ('2', ReadFileBytes(path)[0]);
}

TEST(LastFileRecord, TakesTheBackupFormApart)
{
    struct Case {
        const char* line;
        const char* path;
        const char* backupDir;
        const char* backupName;
        const char* fileName;
    } cases[] = {
        {"C:\\帳簿\\2024.siz", "C:\\帳簿\\2024.siz", "", "", "2024.siz"},
        {"C:\\d\\2024.siz[]D:\\bak][2024.siz", "C:\\d\\2024.siz", "D:\\bak", "2024.siz", "2024.siz"},
        {"C:\\d\\new.siz[]D:\\表][old.siz", "C:\\d\\new.siz", "D:\\表", "old.siz", "old.siz"},
        {"C:\\d\\a.siz[]][a.siz", "C:\\d\\a.siz", "", "a.siz", "a.siz"},
        {"", "", "", "", ""},
    };
    for (const Case& c : cases) {
        LastFileRecord record = LastFileRecord::Parse(c.line);
        EXPECT_EQ(CString(c.path), record.pathName) << c.line;
        EXPECT_EQ(CString(c.backupDir), record.backupDir) << c.line;
        EXPECT_EQ(CString(c.backupName), record.backupName) << c.line;
        EXPECT_EQ(CString(c.fileName), record.FileName()) << c.line;
        EXPECT_EQ(CString(c.line), record.Format()) << c.line;
    }
}

TEST(LastFileRecord, IsWrittenAsOneLineWithoutLineEnd)
{
    TempFolder folder;
    const CString path = folder.Path("duzizezi.ino");
    LastFileRecord record;
    record.pathName = "C:\\帳簿\\2024.siz";
    record.backupDir = "D:\\bak";
    record.backupName = "2024.siz";
    record.backupForm = true;
    record.Write(path);
    EXPECT_EQ(std::string("C:\\帳簿\\2024.siz[]D:\\bak][2024.siz"), ReadFileBytes(path));
    CString line;
    ASSERT_TRUE(LastFileRecord::Read(path, line));
    EXPECT_EQ(record.Format(), line);
    EXPECT_FALSE(LastFileRecord::Read(folder.Path("none.ino"), line));
}

}  // namespace
