// The safe file write: a unique temporary file in the target's folder, created
// only where no file exists, which replaces the target in one step or is removed.
#include "framework/replace_file.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

namespace {

class ReplaceFileTest : public ::testing::Test {
protected:
    void TearDown() override { g_replaceFault = ReplaceFault(); }

    // The names of the files in the folder.
    std::set<std::string> Files() const
    {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_folder.Native()))
            names.insert(entry.path().filename().string());
        return names;
    }

    void Write(const CString& target, const std::string& bytes)
    {
        WriteFileReplacing(target, CFile::typeBinary, [&bytes](CStdioFile& file) {
            // In pieces, as an archive writes its buffer.
            for (std::size_t at = 0; at < bytes.size(); at += 100)
                file.Write(bytes.data() + at, static_cast<UINT>(std::min<std::size_t>(100, bytes.size() - at)));
        });
    }

    TempFolder m_folder;
};

std::string Bytes(char fill, std::size_t count)
{
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i)
        bytes += static_cast<char>(fill + i % 7);
    return bytes;
}

TEST_F(ReplaceFileTest, ReplacesTheTargetAndLeavesOtherFilesAlone)
{
    const CString target = m_folder.Path("2024.siz");
    WriteFileBytes(target, "old");
    // The name a temporary file used to have is a name like any other.
    WriteFileBytes(target + ".tmp~", "user's own");
    const std::set<std::string> before = Files();

    Write(target, Bytes('a', 1000));
    EXPECT_EQ(Bytes('a', 1000), ReadFileBytes(target));
    EXPECT_EQ("user's own", ReadFileBytes(target + ".tmp~"));
    EXPECT_EQ(before, Files());

    // A target that does not exist yet is made.
    Write(m_folder.Path("new.siz"), "n");
    EXPECT_EQ("n", ReadFileBytes(m_folder.Path("new.siz")));
}

TEST_F(ReplaceFileTest, AFailureAtAnyStepLeavesTheOldFileAndNoTemporaryFile)
{
    const CString target = m_folder.Path("2024.siz");
    const std::string old = Bytes('A', 300);
    const std::string next = Bytes('a', 1000);
    WriteFileBytes(target, old);
    WriteFileBytes(target + ".tmp~", "user's own");
    const std::set<std::string> before = Files();

    const struct {
        ReplaceFault::Step step;
        std::uint64_t at;
    } faults[] = {
        {ReplaceFault::write, 0},   {ReplaceFault::write, 1},   {ReplaceFault::write, 99},
        {ReplaceFault::write, 100}, {ReplaceFault::write, 550}, {ReplaceFault::write, 999},
        {ReplaceFault::flush, 0},   {ReplaceFault::replace, 0},
    };
    for (const auto& fault : faults) {
        SCOPED_TRACE(testing::Message() << "step " << fault.step << " at " << fault.at);
        g_replaceFault = {fault.step, fault.at};
        EXPECT_THROW(Write(target, next), CFileException);
        EXPECT_EQ(old, ReadFileBytes(target));
        EXPECT_EQ(before, Files());
    }
    EXPECT_EQ("user's own", ReadFileBytes(target + ".tmp~"));

    g_replaceFault = {ReplaceFault::write, 1000};  // past the last byte: nothing fails
    Write(target, next);
    EXPECT_EQ(next, ReadFileBytes(target));
    EXPECT_EQ(before, Files());
}

TEST_F(ReplaceFileTest, TextWritesPassTheSameWay)
{
    const CString target = m_folder.Path("vozare.ino");
    WriteFileBytes(target, "old");
    g_replaceFault = {ReplaceFault::write, 3};
    EXPECT_THROW(WriteFileReplacing(target, CFile::typeText, [](CStdioFile& file) { file.WriteString("line\n"); }),
                 CFileException);
    EXPECT_EQ("old", ReadFileBytes(target));
    g_replaceFault = ReplaceFault();
    WriteFileReplacing(target, CFile::typeText, [](CStdioFile& file) { file.WriteString("line\n"); });
    EXPECT_EQ("line\r\n", ReadFileBytes(target));
    EXPECT_EQ(1u, Files().size());
}

TEST_F(ReplaceFileTest, AnExceptionOfTheWriterLeavesTheOldFile)
{
    const CString target = m_folder.Path("2024.siz");
    WriteFileBytes(target, "old");
    EXPECT_THROW(WriteFileReplacing(target, CFile::typeBinary,
                                    [](CStdioFile& file) {
                                        file.Write("new", 3);
                                        throw CArchiveException(CArchiveException::genericException);
                                    }),
                 CArchiveException);
    EXPECT_EQ("old", ReadFileBytes(target));
    EXPECT_EQ(1u, Files().size());
}

TEST_F(ReplaceFileTest, AReadOnlyTargetIsRefusedAndKept)
{
    const CString target = m_folder.Path("2024.siz");
    WriteFileBytes(target, "old");
    namespace fs = std::filesystem;
    const fs::path native = m_folder.Native() / "2024.siz";
    fs::permissions(native, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    try {
        Write(target, "new");
        ADD_FAILURE() << "a read-only target must be refused";
    } catch (const CFileException& e) {
        EXPECT_EQ(CFileException::accessDenied, e.m_cause);
        EXPECT_EQ(target, e.m_strFileName);
    }
    EXPECT_EQ("old", ReadFileBytes(target));
    EXPECT_EQ(fs::perms::none, fs::status(native).permissions() & fs::perms::owner_write);
    EXPECT_EQ(1u, Files().size());
    fs::permissions(native, fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(ReplaceFileTest, AFolderThatDoesNotExistFailsWithoutMakingAnything)
{
    EXPECT_THROW(Write(m_folder.Path("missing") + "/2024.siz", "new"), CFileException);
    EXPECT_TRUE(Files().empty());
}

TEST(File, CreatingANewFileNeverOpensAnExistingOne)
{
    TempFolder folder;
    const CString path = folder.Path("taken");
    WriteFileBytes(path, "keep");
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(path, CFile::modeCreate | CFile::modeCreateNew | CFile::modeWrite, &error));
    EXPECT_EQ(CFileException::accessDenied, error.m_cause);
    EXPECT_EQ("keep", ReadFileBytes(path));

    ASSERT_TRUE(file.Open(folder.Path("free"), CFile::modeCreate | CFile::modeCreateNew | CFile::modeWrite));
    file.Write("x", 1);
    file.Close();
    EXPECT_EQ("x", ReadFileBytes(folder.Path("free")));
}

}  // namespace
