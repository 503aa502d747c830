#include "platform/afx/File.h"
#include "platform/afx/MemFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

struct OpenFailureRow {
  const char* name;
  std::string path;
  UINT flags;
  int cause;
  LONG osError;
};

TEST(CFile, OpenFailuresCarryCauseErrorAndName) {
  TempFolder folder;
  std::ofstream(folder / "exists.txt") << "x";
  const OpenFailureRow rows[] = {
      {"missing file", folder / "missing.txt", CFile::modeRead, CFileException::fileNotFound, 2},
      {"missing folder", folder / "none/file.txt", CFile::modeCreate | CFile::modeWrite,
       CFileException::badPath, 3},
      {"a folder", folder.path().string(), CFile::modeRead, CFileException::accessDenied, 5},
      {"file as folder", folder / "exists.txt/x", CFile::modeRead, CFileException::badPath, 3},
  };
  for (const auto& row : rows) {
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(row.path.c_str(), row.flags, &error)) << row.name;
    EXPECT_EQ(error.m_cause, row.cause) << row.name;
    EXPECT_EQ(error.m_lOsError, row.osError) << row.name;
    EXPECT_EQ(error.m_strFileName, row.path.c_str()) << row.name;
    EXPECT_FALSE(file.IsOpen());
  }
  try {
    CFile file((folder / "missing.txt").c_str(), CFile::modeRead);
    FAIL() << "no exception";
  } catch (CFileException* e) {
    EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
    char text[256];
    EXPECT_TRUE(e->GetErrorMessage(text, sizeof text));
    EXPECT_EQ(std::string(text), folder / "missing.txt" + " was not found.");
    e->Delete();
  }
}

TEST(CFile, ReadWriteSeekAndLength) {
  TempFolder folder;
  const std::string path = folder / "data.bin";
  {
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeReadWrite);
    file.Write("hello world", 11);
    EXPECT_EQ(file.GetLength(), 11u);
    EXPECT_EQ(file.GetPosition(), 11u);
    EXPECT_EQ(file.Seek(-5, CFile::current), 6u);
    char buffer[16] = {};
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 5u);
    EXPECT_STREQ(buffer, "world");
    EXPECT_EQ(file.Read(buffer, 4), 0u);  // at the end: nothing, no error
    file.SeekToBegin();
    file.Write("J", 1);
    EXPECT_EQ(file.SeekToEnd(), 11u);
    file.SetLength(5);
    EXPECT_EQ(file.GetLength(), 5u);
    EXPECT_EQ(file.GetFileName(), "data.bin");
    EXPECT_EQ(file.GetFileTitle(), "data");
    EXPECT_EQ(file.GetFilePath(), path.c_str());
    try {
      file.Seek(-1, CFile::begin);
      FAIL() << "no exception";
    } catch (CFileException* e) {
      EXPECT_EQ(e->m_cause, CFileException::badSeek);
      e->Delete();
    }
    file.Close();
    EXPECT_FALSE(file.IsOpen());
    try {
      file.Read(buffer, 1);
      FAIL() << "no exception";
    } catch (CFileException* e) {
      EXPECT_EQ(e->m_cause, CFileException::invalidFile);
      e->Delete();
    }
  }
  EXPECT_EQ(ReadAll(path), "Jello");

  // Without modeNoTruncate creation empties the file; with it the content stays.
  { CFile keep(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite); }
  EXPECT_EQ(ReadAll(path), "Jello");
  { CFile empty(path.c_str(), CFile::modeCreate | CFile::modeWrite); }
  EXPECT_EQ(ReadAll(path), "");
}

TEST(CFile, BackslashPathsAreAccepted) {
  TempFolder folder;
  std::filesystem::create_directory(folder.path() / "Equations");
  std::string windowsPath = folder / "Equations\\Equations.txt";
  CFile file(windowsPath.c_str(), CFile::modeCreate | CFile::modeWrite);
  file.Write("x", 1);
  file.Close();
  EXPECT_EQ(ReadAll(folder / "Equations/Equations.txt"), "x");
}

TEST(CFile, StaticRenameRemoveAndStatus) {
  TempFolder folder;
  const std::string a = folder / "a.txt", b = folder / "b.txt";
  std::ofstream(a) << "abc";
  CFileStatus status;
  ASSERT_TRUE(CFile::GetStatus(a.c_str(), status));
  EXPECT_EQ(status.m_size, 3u);
  EXPECT_EQ(status.m_attribute & CFile::directory, 0);
  EXPECT_STREQ(status.m_szFullName, a.c_str());
  ASSERT_TRUE(CFile::GetStatus(folder.path().c_str(), status));
  EXPECT_NE(status.m_attribute & CFile::directory, 0);
  EXPECT_FALSE(CFile::GetStatus((folder / "none").c_str(), status));

  CFile::Rename(a.c_str(), b.c_str());
  EXPECT_FALSE(std::filesystem::exists(a));
  std::ofstream(a) << "new";
  try {
    CFile::Rename(a.c_str(), b.c_str());  // the target exists
    FAIL() << "no exception";
  } catch (CFileException* e) {
    EXPECT_EQ(e->m_cause, CFileException::accessDenied);
    EXPECT_EQ(e->m_lOsError, 183);
    e->Delete();
  }
  CFile::Remove(b.c_str());
  EXPECT_FALSE(std::filesystem::exists(b));
  try {
    CFile::Remove(b.c_str());
    FAIL() << "no exception";
  } catch (CFileException* e) {
    EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
    EXPECT_EQ(e->m_strFileName, b.c_str());
    e->Delete();
  }

  ASSERT_TRUE(CFile::GetStatus(a.c_str(), status));
  status.m_attribute |= CFile::readOnly;
  status.m_mtime = CTime(1000000000);
  CFile::SetStatus(a.c_str(), status);
  ASSERT_TRUE(CFile::GetStatus(a.c_str(), status));
  EXPECT_NE(status.m_attribute & CFile::readOnly, 0);
  EXPECT_EQ(status.m_mtime.GetTime(), 1000000000);
  status.m_attribute &= ~CFile::readOnly;
  CFile::SetStatus(a.c_str(), status);
}

TEST(CMemFile, GrowsAndReadsBack) {
  CMemFile file;
  file.Write("abcdef", 6);
  file.Seek(2, CFile::begin);
  file.Write("XY", 2);
  EXPECT_EQ(file.GetLength(), 6u);
  file.SeekToBegin();
  char buffer[8] = {};
  EXPECT_EQ(file.Read(buffer, 8), 6u);
  EXPECT_STREQ(buffer, "abXYef");
  const BYTE bytes[] = {1, 2, 3};
  CMemFile fixed(bytes, 3);
  EXPECT_EQ(fixed.GetLength(), 3u);
  EXPECT_EQ(fixed.Read(buffer, 2), 2u);
  EXPECT_EQ(buffer[1], 2);
}

}  // namespace

namespace {

TEST(CTime, CalendarFieldsRoundTrip) {
  const CTime t(2026, 12, 10, 13, 5, 9);
  EXPECT_EQ(t.GetYear(), 2026);
  EXPECT_EQ(t.GetMonth(), 12);
  EXPECT_EQ(t.GetDay(), 10);
  EXPECT_EQ(t.GetHour(), 13);
  EXPECT_EQ(t.GetMinute(), 5);
  EXPECT_EQ(t.GetSecond(), 9);
  EXPECT_EQ(t.GetDayOfWeek(), 5);  // a Thursday
  EXPECT_EQ(t.Format("%Y-%m-%d %H:%M:%S"), "2026-12-10 13:05:09");
  EXPECT_LT(CTime(1), CTime(2));
  EXPECT_GT(CTime::GetCurrentTime().GetTime(), 0);
}

}  // namespace
