#include "platform/afx/Archive.h"
#include "platform/afx/MemFile.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// Serial classes for the object tags (outside any unnamed namespace, as
// serial classes are registered by name).
class CTestPoint : public CObject {
  DECLARE_SERIAL(CTestPoint)
 public:
  LONG x = 0;
  CTestPoint* next = nullptr;  // not owned
  void Serialize(CArchive& ar) override {
    if (ar.IsStoring()) {
      ar << x;
      ar << next;
    } else {
      CObject* read = nullptr;
      ar >> x >> read;
      next = static_cast<CTestPoint*>(read);
    }
  }
};
IMPLEMENT_SERIAL(CTestPoint, CObject, 1)

class CTestOther : public CObject {
  DECLARE_SERIAL(CTestOther)
};
IMPLEMENT_SERIAL(CTestOther, CObject, 0)

namespace {

CTestPoint* g_first = nullptr;  // reached from a capture-less writer

std::vector<BYTE> Store(void (*write)(CArchive&)) {
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    write(ar);
  }
  return file.GetContents();
}

std::vector<BYTE> Bytes(std::initializer_list<int> values) {
  return std::vector<BYTE>(values.begin(), values.end());
}

TEST(CArchive, ValuesAreLittleEndianInTheirWidths) {
  const auto bytes = Store([](CArchive& ar) {
    ar << static_cast<BYTE>(0x12) << 'A' << true << static_cast<SHORT>(-2)
       << static_cast<WORD>(0x3456) << static_cast<LONG>(-3) << static_cast<DWORD>(0x01020304)
       << static_cast<LONGLONG>(-4) << 1.0f << 1.0;
  });
  EXPECT_EQ(bytes, Bytes({0x12, 'A',  1,    0xFE, 0xFF, 0x56, 0x34, 0xFD, 0xFF, 0xFF, 0xFF, 4,
                          3,    2,    1,    0xFC, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0,
                          0,    0x80, 0x3F, 0,    0,    0,    0,    0,    0,    0xF0, 0x3F}));

  CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
  CArchive ar(&file, CArchive::load);
  BYTE b;
  char c;
  bool flag;
  SHORT s;
  WORD w;
  LONG l;
  DWORD d;
  LONGLONG ll;
  float f;
  double g;
  ar >> b >> c >> flag >> s >> w >> l >> d >> ll >> f >> g;
  EXPECT_EQ(b, 0x12);
  EXPECT_EQ(c, 'A');
  EXPECT_TRUE(flag);
  EXPECT_EQ(s, -2);
  EXPECT_EQ(w, 0x3456);
  EXPECT_EQ(l, -3);
  EXPECT_EQ(d, 0x01020304u);
  EXPECT_EQ(ll, -4);
  EXPECT_EQ(f, 1.0f);
  EXPECT_EQ(g, 1.0);
  EXPECT_TRUE(ar.IsLoading());
}

int CauseOf(void (*action)(CArchive&), const std::vector<BYTE>& bytes, UINT mode = CArchive::load) {
  CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
  file.SetFilePath("stored.bin");
  CArchive ar(&file, mode);
  try {
    action(ar);
  } catch (CArchiveException* e) {
    const int cause = e->m_cause;
    EXPECT_EQ(e->m_strFileName, "stored.bin");
    e->Delete();
    return cause;
  }
  return CArchiveException::none;
}

TEST(CArchive, FailuresHaveTheirCauses) {
  // A value cut short at the end of the data.
  EXPECT_EQ(CauseOf(
                [](CArchive& ar) {
                  DWORD d;
                  ar >> d;
                },
                Bytes({1, 2, 3})),
            CArchiveException::endOfFile);
  EXPECT_EQ(CauseOf(
                [](CArchive& ar) {
                  BYTE b;
                  ar >> b >> b;
                },
                Bytes({1})),
            CArchiveException::endOfFile);
  // Raw reads return what there is instead.
  EXPECT_EQ(CauseOf(
                [](CArchive& ar) {
                  char buf[8];
                  EXPECT_EQ(ar.Read(buf, 8), 3u);
                },
                Bytes({1, 2, 3})),
            CArchiveException::none);
  // Direction mistakes.
  EXPECT_EQ(CauseOf([](CArchive& ar) { ar << static_cast<BYTE>(1); }, {}),
            CArchiveException::readOnly);
  EXPECT_EQ(CauseOf(
                [](CArchive& ar) {
                  BYTE b;
                  ar >> b;
                },
                {}, CArchive::store),
            CArchiveException::writeOnly);
  EXPECT_EQ(CauseOf(
                [](CArchive& ar) {
                  ar.Close();
                  BYTE b;
                  ar >> b;
                },
                Bytes({1})),
            CArchiveException::genericException);
  // Object tags: an unknown class name, a stored schema the class does not
  // have, a reference to nothing read yet, a class other than the one asked for.
  EXPECT_EQ(CauseOf([](CArchive& ar) { ar.ReadObject(nullptr); },
                    Bytes({0xFF, 0xFF, 1, 0, 3, 0, 'N', 'o', 'X'})),
            CArchiveException::badClass);
  EXPECT_EQ(
      CauseOf([](CArchive& ar) { ar.ReadObject(nullptr); },
              Bytes({0xFF, 0xFF, 2, 0, 10, 0, 'C', 'T', 'e', 's', 't', 'P', 'o', 'i', 'n', 't'})),
      CArchiveException::badSchema);
  EXPECT_EQ(CauseOf([](CArchive& ar) { ar.ReadObject(nullptr); }, Bytes({5, 0})),
            CArchiveException::badIndex);
  EXPECT_EQ(CauseOf([](CArchive& ar) { ar.ReadObject(nullptr); }, Bytes({0x01, 0x80})),
            CArchiveException::badIndex);
  EXPECT_EQ(
      CauseOf([](CArchive& ar) { ar.ReadObject(RUNTIME_CLASS(CTestPoint)); },
              Bytes({0xFF, 0xFF, 0, 0, 10, 0, 'C', 'T', 'e', 's', 't', 'O', 't', 'h', 'e', 'r'})),
      CArchiveException::badClass);
  // The object's data ends early: the half-read object is freed (checked by
  // the sanitizer build) and the end of file reported.
  EXPECT_EQ(CauseOf([](CArchive& ar) { ar.ReadObject(nullptr); },
                    Bytes({0xFF, 0xFF, 1, 0, 10, 0, 'C', 'T', 'e', 's', 't', 'P', 'o', 'i', 'n',
                           't', 7, 0})),
            CArchiveException::endOfFile);
}

TEST(CArchive, ObjectGraphRoundTrip) {
  CTestPoint first, second;
  first.x = 7;
  second.x = 9;
  first.next = &second;
  second.next = &first;
  g_first = &first;
  const auto bytes = Store([](CArchive& ar) {
    ar << static_cast<const CObject*>(g_first) << static_cast<const CObject*>(nullptr);
  });
  // new class CTestPoint (index 1), object first (2): x, then new object of
  // known class (0x8001) second (3): x, then a reference to object 2; null.
  EXPECT_EQ(bytes, Bytes({0xFF, 0xFF, 1, 0, 10, 0,    'C',  'T', 'e', 's', 't', 'P', 'o', 'i', 'n',
                          't',  7,    0, 0, 0,  0x01, 0x80, 9,   0,   0,   0,   2,   0,   0,   0}));

  CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
  CArchive ar(&file, CArchive::load);
  CTestPoint* loaded = nullptr;
  CObject* none = reinterpret_cast<CObject*>(1);
  ar >> loaded >> none;
  std::unique_ptr<CTestPoint> a(loaded);
  ASSERT_NE(a, nullptr);
  std::unique_ptr<CTestPoint> b(a->next);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(a->x, 7);
  EXPECT_EQ(b->x, 9);
  EXPECT_EQ(b->next, a.get());
  EXPECT_EQ(none, nullptr);
}

TEST(CArchive, NonSerialObjectsCannotBeStored) {
  CMemFile file;
  CArchive ar(&file, CArchive::store);
  struct CPlain : CObject {
  } object;
  EXPECT_THROW(ar.WriteObject(&object), CNotSupportedException*);
}

TEST(CArchive, LargeBlocksAndFlushOnClose) {
  std::vector<BYTE> big(10000);
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<BYTE>(i * 7);
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store, 64);
    ar << static_cast<DWORD>(big.size());
    ar.Write(big.data(), static_cast<UINT>(big.size()));
    ar << static_cast<BYTE>(0xAB);
    ar.Close();
  }
  EXPECT_EQ(file.GetLength(), 4u + 10000u + 1u);
  file.SeekToBegin();
  CArchive ar(&file, CArchive::load, 64);
  DWORD n = 0;
  ar >> n;
  std::vector<BYTE> back(n);
  EXPECT_EQ(ar.Read(back.data(), n), n);
  EXPECT_EQ(back, big);
  BYTE last = 0;
  ar >> last;
  EXPECT_EQ(last, 0xAB);
}

}  // namespace
