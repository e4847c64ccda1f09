// The journal printed through the framework's page job: the cover and the body
// pages drawn by the journal view onto recorded pages, read back from the records.
#include "program_folder.h"

#include "core/record_file.h"
#include "framework/win/print_info.h"
#include "framework/win/print_job.h"
#include "framework/win/print_page.h"
#include "journal/win/siwake.h"

#include <algorithm>
#include <filesystem>

namespace {

class JournalPrintTest : public ProgramFolderTest {
protected:
    void StartWithJournal(int entries)
    {
        CopyShippedSetupFiles();
        JournalArray journal;
        for (int i = 0; i < entries; ++i) {
            CString date;
            date.Format("2019/%02d/%02d", 1 + i / 20, 1 + i % 20);
            journal.Add(SaleEntry(date, "1500"));
        }
        SaveRecordFile(Path("2019.siz"), journal);
        DeleteRecords(journal);
        WriteFileBytes(Path("duzizezi.ino"), Path("2019.siz").str());
        ASSERT_TRUE(Start());
    }

    static bool HasText(const std::vector<PageText>& texts, const CString& wanted, CPoint* at = nullptr)
    {
        for (const PageText& text : texts) {
            CString trimmed = text.text;
            trimmed.TrimLeft();
            trimmed.TrimRight();
            if (trimmed == wanted) {
                if (at)
                    *at = text.at;
                return true;
            }
        }
        return false;
    }
};

TEST_F(JournalPrintTest, CoverAndBodyPagesAreDrawnWhereTheFormPutsThem)
{
    StartWithJournal(30);
    CPageJob job(Frame()->GetActiveView());
    ASSERT_TRUE(job.Begin());
    // The cover, then 20 entries of January and 5 of February on the first body
    // page (51 lines with the month-end block), the last 5 on the second.
    const UINT pages = job.Info().GetMaxPage();
    EXPECT_EQ(3u, pages);

    const CPageMetafile cover = job.RenderPage(1);
    ASSERT_TRUE(cover);
    const auto coverTexts = PageTexts(cover.Get());
    EXPECT_TRUE(HasText(coverTexts, "《 仕訳帳 》"));
    EXPECT_TRUE(HasText(coverTexts, "令和元年度"));
    EXPECT_TRUE(HasText(coverTexts, "(2019年度)"));

    const CPageMetafile body = job.RenderPage(2);
    ASSERT_TRUE(body);
    const auto texts = PageTexts(body.Get());
    CPoint at;
    ASSERT_TRUE(HasText(texts, "2019年", &at));
    EXPECT_EQ(CPoint(294, -80), at);
    ASSERT_TRUE(HasText(texts, "01/01", &at));
    EXPECT_EQ(CPoint(164, -130 - 45 * 2), at);
    EXPECT_TRUE(HasText(texts, "－ 1 －"));
    EXPECT_TRUE(HasText(texts, "次ページへ繰り越し") || HasText(texts, "次ページ・次月へ繰り越し"));
    const auto modes = PageMapModes(body.Get());
    EXPECT_NE(modes.end(), std::find(modes.begin(), modes.end(), MM_LOMETRIC));
    const auto lines = PageLines(body.Get());
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const PageLine& line) { return line.style == PS_DOT; }));
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const PageLine& line) {
        return line.from == CPoint(134, -165) && line.to == CPoint(1958, -165);
    }));

    const CPageMetafile last = job.RenderPage(pages);
    EXPECT_TRUE(HasText(PageTexts(last.Get()), "総合計"));

    // A page for a person to look at.
    std::filesystem::create_directories(ZIRERE_TEST_OUTPUT_DIR);
    SavePageAsBitmap(body.Get(), job.Geometry(), 100, CString(ZIRERE_TEST_OUTPUT_DIR) + "\\journal_page.bmp");
    SavePageAsBitmap(cover.Get(), job.Geometry(), 100, CString(ZIRERE_TEST_OUTPUT_DIR) + "\\journal_cover.bmp");
}

TEST_F(JournalPrintTest, AnEmptyJournalPrintsNothing)
{
    StartWithJournal(0);
    CPageJob job(Frame()->GetActiveView());
    EXPECT_FALSE(job.Begin());
    EXPECT_TRUE(MessagesShown().empty());
}

}  // namespace
