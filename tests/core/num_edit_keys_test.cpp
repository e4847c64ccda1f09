// The amount fields' characters: typed keys and text that arrives otherwise.
#include "core/num_edit_keys.h"

#include <gtest/gtest.h>

namespace {

TEST(AmountKeys, PastedTextKeepsOnlyWhatCouldHaveBeenTyped)
{
    struct Case {
        const char* pasted;
        const char* kept;
    } cases[] = {
        {"1,234.50", "1,234.50"},
        {"-1a2 3\t4\r\n", "1234"},
        {"１２３円", ""},  // full-width digits never pass
        {"￥12,000-", "12,000"},
        {"\x82\x30", ""},  // a double-byte character whose trail byte is "0" goes whole
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.kept, AmountCharactersOnly(c.pasted)) << c.pasted;
}

}  // namespace
