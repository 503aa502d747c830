#include "platform/afx/StdioFile.h"
#include "platform/win/CrtFormat.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

namespace {

void WriteAll(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> Lines(const std::string& path, UINT flags) {
  CStdioFile file(path.c_str(), flags);
  std::vector<std::string> lines;
  CString line;
  while (file.ReadString(line)) lines.push_back(line.str());
  EXPECT_EQ(line, "");  // the end leaves the string empty
  return lines;
}

TEST(CStdioFile, TextModeWritesCrLf) {
  TempFolder folder;
  const std::string path = folder / "log.txt";
  {
    CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeText);
    file.WriteString("first\n");
    file.WriteString("second\nthird");
    file.Write("\n", 1);
  }
  EXPECT_EQ(ReadAll(path), "first\r\nsecond\r\nthird\r\n");
  {
    CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
    file.WriteString("raw\n");
  }
  EXPECT_EQ(ReadAll(path), "raw\n");
}

TEST(CStdioFile, TextModeReadsEitherLineEnd) {
  TempFolder folder;
  const std::string path = folder / "in.txt";
  const std::string longLine(1000, 'x');
  WriteAll(path, "a\r\nb\n\r\nlone\rcr\r\n" + longLine + "\nlast");
  const std::vector<std::string> expected = {"a", "b", "", "lone\rcr", longLine, "last"};
  EXPECT_EQ(Lines(path, CFile::modeRead), expected);  // no type flag: text mode
  EXPECT_EQ(Lines(path, CFile::modeRead | CFile::typeText), expected);
  const std::vector<std::string> binary = {"a\r", "b", "\r", "lone\rcr\r", longLine, "last"};
  EXPECT_EQ(Lines(path, CFile::modeRead | CFile::typeBinary), binary);
  WriteAll(path, "");
  EXPECT_TRUE(Lines(path, CFile::modeRead).empty());
}

TEST(CStdioFile, TextModePositionsAreFileOffsets) {
  TempFolder folder;
  const std::string path = folder / "pos.txt";
  WriteAll(path, "12\r\n345\r\n");
  CStdioFile file(path.c_str(), CFile::modeRead);
  CString line;
  ASSERT_TRUE(file.ReadString(line));
  EXPECT_EQ(file.GetPosition(), 4u);
  EXPECT_EQ(file.GetLength(), 9u);
  file.Seek(0, CFile::begin);
  char c = 0;
  int value = 0;
  EXPECT_EQ(CrtFscanf(file.m_pStream, "%d%c", &value, &c), 2);
  EXPECT_EQ(value, 12);
  EXPECT_EQ(c, '\n');  // the runtime's text mode gives LF for CR LF
  char buffer[3];
  EXPECT_STREQ(file.ReadString(buffer, sizeof buffer), "34");
  EXPECT_STREQ(file.ReadString(buffer, sizeof buffer), "5\n");
  EXPECT_EQ(file.ReadString(buffer, sizeof buffer), nullptr);
}

TEST(CStdioFile, AppendsAfterSeekToEnd) {
  TempFolder folder;
  const std::string path = folder / "Equations.txt";
  for (const char* text : {"sin(x)", "cos(x)"}) {
    CStdioFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate |
                                            CFile::modeWrite | CFile::typeText));
    file.SeekToEnd();
    file.WriteString(text);
    file.WriteString("\n");
    file.Close();
  }
  EXPECT_EQ(ReadAll(path), "sin(x)\r\ncos(x)\r\n");
}

TEST(CStdioFile, FailuresAreFileExceptions) {
  TempFolder folder;
  CStdioFile file;
  CFileException error;
  EXPECT_FALSE(file.Open((folder / "none.txt").c_str(), CFile::modeRead, &error));
  EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
  try {
    CStdioFile missing((folder / "none.txt").c_str(), CFile::modeRead);
    FAIL() << "no exception";
  } catch (CFileException* e) {
    EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
    e->Delete();
  }
  CString line;
  try {
    file.ReadString(line);
    FAIL() << "no exception";
  } catch (CFileException* e) {
    EXPECT_EQ(e->m_cause, CFileException::invalidFile);
    e->Delete();
  }
  // Writing to a file opened for reading.
  WriteAll(folder / "ro.txt", "x");
  CStdioFile reader((folder / "ro.txt").c_str(), CFile::modeRead | CFile::typeBinary);
  try {
    reader.WriteString("y");
    reader.Flush();
    FAIL() << "no exception";
  } catch (CFileException* e) {
    EXPECT_EQ(e->m_cause, CFileException::invalidFile);  // EBADF
    e->Delete();
  }
}

TEST(CStdioFile, WrapsAStreamWithoutClosingIt) {
  std::FILE* stream = std::tmpfile();
  ASSERT_NE(stream, nullptr);
  {
    CStdioFile file(stream);
    file.WriteString("kept");
  }
  std::rewind(stream);
  char buffer[8] = {};
  EXPECT_EQ(std::fread(buffer, 1, 4, stream), 4u);
  EXPECT_STREQ(buffer, "kept");
  std::fclose(stream);
}

}  // namespace
