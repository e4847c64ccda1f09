#include "framework/file.h"
#include "framework/stdio_file.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(File, FileNameIsFoundOnWholeCharacters)
{
    EXPECT_EQ(CString("表.siz"), CFile::FileNameOf("C:\\帳簿\\表.siz"));
    EXPECT_EQ(CString("ソ.siz"), CFile::FileNameOf("ソ.siz"));
    EXPECT_EQ(CString("a.siz"), CFile::FileNameOf("dir/a.siz"));
}

TEST(File, WritesAndReadsAFileWithAJapaneseName)
{
    TempFolder folder;
    const CString path = folder.Path("表ソ.siz");
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite);
        file.Write("abc", 3);
        file.Close();
    }
    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(path, status));
    EXPECT_EQ(3u, status.m_size);
    EXPECT_EQ("abc", ReadFileBytes(path));

    CFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeRead));
    EXPECT_EQ(CString("表ソ.siz"), file.GetFileName());
    EXPECT_EQ(3u, file.GetLength());
    EXPECT_EQ(1u, file.Seek(1, CFile::begin));
    char rest[2];
    EXPECT_EQ(2u, file.Read(rest, 2));
    EXPECT_EQ('b', rest[0]);
    file.Close();

    CFile::Rename(path, folder.Path("b.siz"));
    EXPECT_FALSE(CFile::GetStatus(path, status));
    CFile::Remove(folder.Path("b.siz"));
    EXPECT_FALSE(CFile::GetStatus(folder.Path("b.siz"), status));
}

TEST(File, FailuresCarryTheirCause)
{
    TempFolder folder;
    CFileException error;
    CFile file;
    EXPECT_FALSE(file.Open(folder.Path("missing.siz"), CFile::modeRead, &error));
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
    EXPECT_EQ(folder.Path("missing.siz"), error.m_strFileName);

    try {
        CFile::Remove(folder.Path("missing.siz"));
        FAIL() << "removing a missing file must throw";
    } catch (const CFileException& e) {
        EXPECT_EQ(CFileException::fileNotFound, e.m_cause);
    }
    EXPECT_THROW(CFile(folder.Path("nofolder/x.siz"), CFile::modeCreate | CFile::modeWrite), CFileException);
}

TEST(FileException, OsErrorsMapToCauses)
{
    struct Case {
        long os;
        int cause;
    } cases[] = {
        {2, CFileException::fileNotFound},     {3, CFileException::badPath},
        {4, CFileException::tooManyOpenFiles}, {5, CFileException::accessDenied},
        {6, CFileException::invalidFile},      {16, CFileException::removeCurrentDir},
        {82, CFileException::directoryFull},   {25, CFileException::badSeek},
        {31, CFileException::hardIO},          {32, CFileException::sharingViolation},
        {33, CFileException::lockViolation},   {112, CFileException::diskFull},
        {38, CFileException::endOfFile},       {9999, CFileException::genericException},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.cause, CFileException::OsErrorToCause(c.os)) << c.os;
}

TEST(StdioFile, TextModeWritesCrLfAndReadsLinesWithoutLineEnds)
{
    TempFolder folder;
    const CString path = folder.Path("vozare.ino");
    {
        CStdioFile file(path, CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        file.WriteString("00表\n");
        file.WriteString("line2\n");
        file.WriteString("last");
        file.Close();
    }
    EXPECT_EQ("00表\r\nline2\r\nlast", ReadFileBytes(path));

    CStdioFile file(path, CFile::modeRead | CFile::typeText);
    CString line;
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(CString("00表"), line);
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(CString("line2"), line);
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(CString("last"), line);
    EXPECT_FALSE(file.ReadString(line));
    EXPECT_TRUE(line.IsEmpty());
}

TEST(StdioFile, ReadsLinesLongerThanItsBuffer)
{
    TempFolder folder;
    const CString path = folder.Path("long.txt");
    const std::string longLine(10000, 'x');
    {
        CStdioFile file(path, CFile::modeCreate | CFile::modeWrite);
        file.WriteString((longLine + "\nA\n").c_str());
        file.Close();
    }
    CStdioFile file(path, CFile::modeRead);
    CString line;
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(10000, line.GetLength());
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(CString("A"), line);
    EXPECT_FALSE(file.ReadString(line));
}

TEST(StdioFile, BinaryModeKeepsBytes)
{
    TempFolder folder;
    const CString path = folder.Path("b.csv");
    {
        CStdioFile file(path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        file.WriteString("a\n");
        file.Close();
    }
    EXPECT_EQ("a\n", ReadFileBytes(path));
}

}  // namespace
