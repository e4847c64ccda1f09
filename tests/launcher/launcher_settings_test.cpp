// The launcher's portable part: the size proposed for a screen, a stored size
// made one of the five, the build's file name, and the settings file's lines
// read and written.
#include "launcher/font_size.h"
#include "launcher/launcher_settings.h"
#include "launcher/window_fit.h"

#include "support/file_bytes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

TEST(LauncherFontSize, ProposalFollowsThePixelsPerInchAndTheScreenHeight)
{
    struct Case {
        int pixelsPerInch;
        int screenHeight;
        const char* size;
    };
    const Case cases[] = {
        {72, 600, "9"},    {96, 768, "9"},    {96, 769, "10"},   {96, 900, "10"},  {96, 901, "11"},
        {96, 1024, "11"},  {96, 1049, "11"},  {96, 1050, "12"},  {96, 1079, "12"}, {96, 1080, "14"},
        {96, 2160, "14"},  {97, 1080, "11"},  {97, 900, "9"},    {120, 901, "10"}, {120, 1049, "10"},
        {120, 1050, "11"}, {121, 1049, "9"},  {121, 1050, "10"}, {144, 1200, "10"}, {192, 720, "9"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CString(c.size), ProposedFontSize(c.pixelsPerInch, c.screenHeight))
            << c.pixelsPerInch << " dpi, " << c.screenHeight << " pixels high";
}

TEST(LauncherFontSize, FittingSizeIsTheLargestUpToTheTablesWhoseWindowFits)
{
    // Forms whose letters are as wide as the size in points and twice as high.
    auto unitsOf = [](int size) { return FormUnits{size, size * 2}; };
    const CSize nine = MainWindowSize(96, unitsOf(9));
    const CSize twelve = MainWindowSize(96, unitsOf(12));
    const CSize fourteen = MainWindowSize(96, unitsOf(14));
    // The table group at 9 × 18: 18 + 1485 pixels to its right edge, 650 + 230 (102 × 18 / 8 rounded up) to its bottom.
    EXPECT_EQ(CSize(40 + 18 + 1485, 90 + 650 + 230), MainWindowSize(96, FormUnits{9, 18}));
    EXPECT_EQ(CString("14"), FittingFontSize("14", 96, fourteen, unitsOf));
    EXPECT_EQ(CString("12"), FittingFontSize("12", 96, fourteen, unitsOf));
    // One pixel too narrow or too low for 14 points.
    EXPECT_EQ(CString("12"), FittingFontSize("14", 96, CSize(fourteen.cx - 1, fourteen.cy), unitsOf));
    EXPECT_EQ(CString("12"), FittingFontSize("14", 96, CSize(fourteen.cx, fourteen.cy - 1), unitsOf));
    EXPECT_EQ(CString("12"), FittingFontSize("14", 96, twelve, unitsOf));
    EXPECT_EQ(CString("9"), FittingFontSize("14", 96, nine, unitsOf));
    // Nothing fits: the smallest size.
    EXPECT_EQ(CString("9"), FittingFontSize("11", 96, CSize(nine.cx - 1, nine.cy), unitsOf));
    // More pixels per inch make a larger frame round the same form.
    EXPECT_GT(MainWindowSize(120, unitsOf(9)).cx, nine.cx);
}

TEST(LauncherFontSize, StoredSizeIsKeptOrProposedOrTheFallback)
{
    struct Case {
        const char* stored;
        const char* proposed;
        const char* size;
    };
    const Case cases[] = {
        {"", "14", "14"},   {"", "10", "10"},  {"12", "9", "12"}, {"9", "14", "9"},   {"14", "9", "14"},
        {"13", "14", "9"},  {"8", "10", "9"},  {"10 ", "11", "9"}, {" 10", "11", "9"}, {"１２", "11", "9"},
        {"012", "11", "9"}, {"abc", "12", "9"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CString(c.size), StoredFontSize(c.stored, c.proposed)) << "stored \"" << c.stored << "\"";
}

TEST(LauncherFontSize, EverySizeHasItsBuild)
{
    for (const char* size : kFontSizes) {
        EXPECT_TRUE(IsFontSize(size));
        EXPECT_EQ(CString("tavrelbook_") + size + ".exe", BuildFileName(size));
    }
    EXPECT_FALSE(IsFontSize(""));
    EXPECT_EQ(CString("9"), FontSizeOrFallback(""));
    EXPECT_EQ(CString("9"), FontSizeOrFallback("16"));
}

class LauncherSettingsFile : public ::testing::Test {
protected:
    CString Path() const { return m_folder.Path("vozare.ino"); }

    TempFolder m_folder;
};

TEST_F(LauncherSettingsFile, LinesAreReadAsTheyStandAndWrittenBackByteForByte)
{
    // Line 1 as the main program writes it (digits and two right-aligned fields),
    // line 2 with blanks at both ends and double-byte text.
    const std::string line1 = "10" + std::string(15, ' ') + "25000" + std::string(19, ' ') + "0";
    const std::string line2 = "  ab売上  ";
    WriteFileBytes(Path(), line1 + "\r\n" + line2 + "\r\n12");

    LauncherSettings settings;
    ASSERT_EQ(SettingsRead::Read, ReadLauncherSettings(Path(), settings));
    EXPECT_EQ(CString(line1.c_str()), settings.line1);
    EXPECT_EQ(CString(line2.c_str()), settings.line2);
    EXPECT_EQ(CString("12"), settings.fontSize);

    settings.fontSize = "11";
    WriteLauncherSettings(Path(), settings);
    EXPECT_EQ(line1 + "\r\n" + line2 + "\r\n11", ReadFileBytes(Path()));
}

TEST_F(LauncherSettingsFile, ShortFilesReadTheirMissingLinesAsEmpty)
{
    struct Case {
        std::string bytes;
        const char* line1;
        const char* line2;
        const char* fontSize;
    };
    const Case cases[] = {
        {"", "", "", ""},
        {"a", "a", "", ""},
        {"a\r\nb", "a", "b", ""},
        {"a\r\nb\r\n", "a", "b", ""},
        {"a\nb\n10\n", "a", "b", "10"},
        {"\r\n\r\n14", "", "", "14"},
        {"a\r\nb\r\n13\r\nmore\r\n", "a", "b", "13"},
    };
    for (const Case& c : cases) {
        WriteFileBytes(Path(), c.bytes);
        LauncherSettings settings;
        settings.line1 = "left over";
        ASSERT_EQ(SettingsRead::Read, ReadLauncherSettings(Path(), settings));
        EXPECT_EQ(CString(c.line1), settings.line1) << c.bytes;
        EXPECT_EQ(CString(c.line2), settings.line2) << c.bytes;
        EXPECT_EQ(CString(c.fontSize), settings.fontSize) << c.bytes;
    }
}

TEST_F(LauncherSettingsFile, MissingFileIsToldApartFromAnUnreadableOne)
{
    LauncherSettings settings;
    settings.fontSize = "left over";
    EXPECT_EQ(SettingsRead::NoFile, ReadLauncherSettings(Path(), settings));
    EXPECT_TRUE(settings.fontSize.IsEmpty());

    // Something of that name that cannot be read as a file must be kept, not replaced.
    std::filesystem::create_directory(m_folder.Native() / "vozare.ino");
    settings.fontSize = "left over";
    EXPECT_EQ(SettingsRead::Unreadable, ReadLauncherSettings(Path(), settings));
    EXPECT_TRUE(settings.fontSize.IsEmpty());
}

TEST_F(LauncherSettingsFile, WrittenFileHasLineEndsAfterLinesOneAndTwoOnly)
{
    WriteFileBytes(Path(), "old line 1\r\nold line 2\r\n14\r\nold line 4\r\n");
    WriteLauncherSettings(Path(), {"", "", "10"});
    EXPECT_EQ("\r\n\r\n10", ReadFileBytes(Path()));

    // A file the launcher creates where there was none.
    const CString fresh = m_folder.Path("fresh.ino");
    WriteLauncherSettings(fresh, {"x", "y", "9"});
    EXPECT_EQ("x\r\ny\r\n9", ReadFileBytes(fresh));
}

}  // namespace
