// The text-and-number file: both stream formats, token reads and the path
// and directory operations, in a scratch folder of the test's own.
#include "ControlsTestSupport.h"

#include "controls/CSgFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace SG;
namespace fs = std::filesystem;

namespace {

class FileTest : public testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("pelmoran_sgfile_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  CString Path(const std::string& name) { return CString((dir / name).string().c_str()); }
  std::string Contents(const std::string& name) {
    std::ifstream in(dir / name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  void Put(const std::string& name, const std::string& bytes) {
    std::ofstream(dir / name, std::ios::binary) << bytes;
  }
  fs::path dir;
};

TEST_F(FileTest, TextModeWritesValuesSideBySide) {
  {
    CSgFile file(Path("t.txt"), CFile::modeCreate | CFile::modeWrite | CFile::typeText);
    EXPECT_TRUE(file.IsTextMode());
    file << 1 << 2 << ' ' << 12.3456789 << ' ' << CString("ab");
  }
  EXPECT_EQ(Contents("t.txt"), "12 12.3457 ab");
}

TEST_F(FileTest, TextModeReadsTokensAndValues) {
  Put("r.txt", "  ab cd");
  CSgFile file(Path("r.txt"), CFile::modeRead | CFile::typeText);
  CString a, b, c("kept");
  file >> a >> b >> c;
  EXPECT_EQ(a, CString("ab"));
  EXPECT_EQ(b, CString("cd"));
  EXPECT_EQ(c, CString("kept"));

  Put("n.txt", "42 x 2.5");
  CSgFile numbers(Path("n.txt"), CFile::modeRead | CFile::typeText);
  int i = 0;
  char space = 0, x = 0;
  double d = 0, missing = 7.0;
  numbers >> i >> space >> x >> d >> missing;
  EXPECT_EQ(i, 42);
  EXPECT_EQ(space, ' ');  // %c takes the next byte as it is
  EXPECT_EQ(x, 'x');
  EXPECT_EQ(d, 2.5);
  EXPECT_EQ(missing, 7.0);  // nothing left: the value stays
}

TEST_F(FileTest, RawModeRoundTrips) {
  {
    CSgFile file(Path("b.bin"), CFile::modeCreate | CFile::modeWrite);  // neither type flag: raw
    EXPECT_FALSE(file.IsTextMode());
    file << 0x01020304 << CString("name") << 2.5;
  }
  EXPECT_EQ(Contents("b.bin").size(), 4u + 5u + 8u);
  CSgFile file(Path("b.bin"), CFile::modeRead);
  int i = 0;
  CString s;
  double d = 0;
  file >> i >> s >> d;
  EXPECT_EQ(i, 0x01020304);
  EXPECT_EQ(s, CString("name"));
  EXPECT_EQ(d, 2.5);
}

TEST_F(FileTest, StatusAndPaths) {
  Put("s.txt", "12345");
  EXPECT_TRUE(CSgFile::Exists(Path("s.txt")));
  EXPECT_EQ(CSgFile::GetSize(Path("s.txt")), 5u);
  EXPECT_TRUE(
      CSgFile::Exists(CString((dir.string() + "\\").c_str())));  // a final backslash is dropped
  try {
    CSgFile::GetPathStatus(Path("none.txt"));
    FAIL() << "no exception";
  } catch (CFileException* e) {
    EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
    e->Delete();
  }
  CString drive, folder, name, ext;
  CSgFile::SplitPath("C:\\data\\wave.csv", drive, folder, name, ext);
  EXPECT_EQ(drive, CString("C:"));
  EXPECT_EQ(folder, CString("\\data\\"));
  EXPECT_EQ(name, CString("wave"));
  EXPECT_EQ(ext, CString(".csv"));
  EXPECT_EQ(CSgFile::MakePath("C", "\\data", "wave", "csv"), CString("C:\\data\\wave.csv"));
  EXPECT_TRUE(ThrowsPointer<CFileException>([] { CSgFile::SetWorkingDrive(4); }));
  const CString here = CSgFile::GetWorkingDirectory();
  EXPECT_NO_THROW(CSgFile::SetWorkingDrive(3));
  CSgFile::SetWorkingDirectory(here);
  CString module;
  CSgFile::GetModuleDirectory(module);
  EXPECT_FALSE(module.IsEmpty());
}

TEST_F(FileTest, DirectoriesAreMadeAndRemoved) {
  const CString deep = Path("a/b/c");
  CSgFile::CreateDirectoryPath(deep);
  EXPECT_TRUE(fs::is_directory(dir / "a/b/c"));
  EXPECT_NO_THROW(CSgFile::CreateDirectoryPath(deep));  // existing: fine
  Put("a/file.txt", "x");
  try {
    CSgFile::CreateDirectoryPath(Path("a/file.txt"));
    FAIL() << "no exception";
  } catch (CFileException* e) {
    EXPECT_EQ(e->m_cause, CFileException::accessDenied);
    e->Delete();
  }
  // Without force: the plain files go, the folder and its subfolder stay.
  CSgFile::RemoveDirectoryTree(Path("a"), false);
  EXPECT_FALSE(fs::exists(dir / "a/file.txt"));
  EXPECT_TRUE(fs::is_directory(dir / "a/b"));
  // A link inside the tree goes; what it points to, outside, stays.
  fs::create_directory(dir / "outside");
  Put("outside/keep.txt", "y");
  fs::create_directory_symlink(dir / "outside", dir / "a/b/link");
  CSgFile::RemoveDirectoryTree(Path("a"), true);
  EXPECT_FALSE(fs::exists(dir / "a"));
  EXPECT_TRUE(fs::exists(dir / "outside/keep.txt"));
}

}  // namespace
