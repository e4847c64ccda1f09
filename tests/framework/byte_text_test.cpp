#include "framework/byte_text.h"
#include "framework/cstring.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

void ExpectSame(const std::string& expected, const ByteText& text)
{
    ASSERT_EQ(expected.size(), text.size());
    EXPECT_EQ(expected, std::string(text.view()));
    // The bytes are always followed by a 0 byte.
    EXPECT_EQ('\0', text.c_str()[text.size()]);
}

// Random edits of texts around the 15 bytes kept in place, each checked against the standard string.
TEST(ByteText, BehavesAsTheStandardStringUnderRandomEdits)
{
    std::mt19937 random(15);
    const std::string pool = "abcdefghijklmnopqrstuvwxyz0123456789";
    auto Some = [&](std::size_t most) {
        return pool.substr(0, std::uniform_int_distribution<std::size_t>(0, most)(random));
    };
    for (int round = 0; round < 200; ++round) {
        std::string model;
        ByteText text;
        for (int step = 0; step < 60; ++step) {
            const std::string bytes = Some(20);
            const std::size_t pos = std::uniform_int_distribution<std::size_t>(0, model.size())(random);
            switch (std::uniform_int_distribution<int>(0, 7)(random)) {
            case 0:
                model.append(bytes);
                text.append(bytes.data(), bytes.size());
                break;
            case 1:
                model.insert(pos, bytes);
                text.insert(pos, bytes.data(), bytes.size());
                break;
            case 2: {
                const std::size_t count = std::uniform_int_distribution<std::size_t>(0, 20)(random);
                model.erase(pos, count);
                text.erase(pos, count);
                break;
            }
            case 3:
                model.assign(bytes);
                text.assign(bytes.data(), bytes.size());
                break;
            case 4: {
                const std::size_t count = std::uniform_int_distribution<std::size_t>(0, 40)(random);
                model.resize(count);
                text.resize(count);
                break;
            }
            case 5: {
                const ByteText copy(text);
                text = copy;
                break;
            }
            case 6: {
                ByteText moved(std::move(text));
                ExpectSame(model, moved);
                ExpectSame("", text);
                text = std::move(moved);
                break;
            }
            default:
                model.push_back('#');
                text.push_back('#');
                break;
            }
            ExpectSame(model, text);
            if (HasFatalFailure())
                return;
        }
    }
}

TEST(ByteText, CopiesFromItsOwnBytes)
{
    for (const std::string start : {"abc", "0123456789abcde", "0123456789abcdefghijklmnop"}) {
        std::string model = start;
        ByteText text(start.data(), start.size());
        // Inserting a text's own bytes into it, at the front, the middle and the end.
        for (std::size_t pos : {std::size_t{0}, start.size() / 2, start.size()}) {
            model.insert(pos, model.substr(1, 2));
            text.insert(pos, text.data() + 1, 2);
            ExpectSame(model, text);
        }
        model.assign(model.substr(2, 5));
        text.assign(text.data() + 2, 5);
        ExpectSame(model, text);
    }
}

TEST(ByteText, SizesAroundWhatIsKeptInPlace)
{
    for (std::size_t count : {0, 1, 14, 15, 16, 17, 100, 5000}) {
        const std::string bytes(count, 'x');
        ByteText text(bytes.data(), bytes.size());
        ExpectSame(bytes, text);
        ByteText other;
        other.swap(text);
        ExpectSame(bytes, other);
        ExpectSame("", text);
        other.clear();
        ExpectSame("", other);
    }
    EXPECT_THROW(ByteText().insert(1, "a", 1), std::out_of_range);
    EXPECT_THROW(ByteText().erase(1, 1), std::out_of_range);
}

TEST(ByteText, CStringBuffersOnEitherSideOfWhatIsKeptInPlace)
{
    for (int length : {14, 15, 16, 40}) {
        CString text("a");
        char* buffer = text.GetBuffer(length);
        for (int i = 0; i < length; ++i)
            buffer[i] = 'b';
        buffer[length] = '\0';
        text.ReleaseBuffer();
        EXPECT_EQ(CString(std::string(static_cast<std::size_t>(length), 'b')), text) << length;
    }
    CString text("abc");
    text.Format("%s%s", static_cast<LPCTSTR>(text), "0123456789abcdefghij");
    EXPECT_EQ(CString("abc0123456789abcdefghij"), text);
    EXPECT_THROW(text.GetAt(text.GetLength()), std::out_of_range);
    EXPECT_THROW(text.SetAt(-1, 'x'), std::out_of_range);
}

}  // namespace
