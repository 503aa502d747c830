#include "WaveTestSupport.h"

#include "waveform/NumberHelpers.h"

#include "platform/afx/Exception.h"

namespace {

template <class F>
bool ThrowsInvalidArg(F f) {
  try {
    f();
  } catch (CInvalidArgException* e) {
    e->Delete();
    return true;
  }
  return false;
}

CWaveData Named(const char* name, const Floats& samples) {
  CWaveData w = Record(samples);
  w.wavename = name;
  return w;
}

using WaveStore = WaveStateTest;

TEST_F(WaveStore, GlobalsAtLoad) {
  EXPECT_EQ(g_nPointCount, 16384);
  EXPECT_EQ(g_nActiveWave, -1);
  EXPECT_TRUE(g_bEditEnable);
  EXPECT_TRUE(g_bPointsByMouse);
  EXPECT_TRUE(g_bLinearFill);
  EXPECT_EQ(g_nSaveAnswer, -1);
  EXPECT_FALSE(g_bWaveOpen || g_bDrawFreehand || g_bPointsMode || g_bSplineFill);
  EXPECT_EQ(g_WaveArray.GetSize(), 0);
  EXPECT_EQ(g_ColorsA.GetSize(), 5u);
  EXPECT_EQ(static_cast<COLORREF>(g_ColorsB[4]), 0u);  // black
  EXPECT_EQ(g_TimeUnits[2], "ms");
  EXPECT_EQ(g_TimeUnits[5], "");
}

// A waveform joins every collection at once, with a history of its own.
TEST_F(WaveStore, AppendAddsTheWholeWaveform) {
  EXPECT_EQ(g_WaveArray.Add(Named("a", {1, 2})), 0);
  EXPECT_EQ(g_WaveArray.Add(Named("b", {3})), 1);
  for (int size : {g_WaveArray.GetSize(), g_EditListArray.GetSize(), g_LastDrawArray.GetSize(),
                   g_WaveNameList.GetCount()})
    EXPECT_EQ(size, 2);
  EditList& history = g_EditListArray[1];
  EXPECT_TRUE(history.pending());
  EXPECT_EQ(history.current(), nullptr);
  EXPECT_EQ(history.clipdata.GetSize(), 0u);
  EXPECT_EQ(g_LastDrawArray[1].GetSize(), 0u);
  EXPECT_NE(&g_EditListArray[0], &history);
  EXPECT_EQ(g_WaveNameList.GetAt(1), "b");

  // Moving a record in hands its samples over without a copy.
  CWaveData big = Named("c", Ramp(1000));
  const float* samples = big.thedata.GetData();
  const int index = g_WaveArray.Add(std::move(big));
  EXPECT_EQ(g_WaveArray[index].thedata.GetData(), samples);
}

// Removing a waveform in the middle keeps the others' records, histories,
// clipboards, snapshots and names together.
TEST_F(WaveStore, RemoveKeepsTheCollectionsInStep) {
  for (const char* name : {"a", "b", "c"}) {
    const int i = g_WaveArray.Add(Named(name, {static_cast<float>(name[0])}));
    g_EditListArray[i].clipdata = Vec({static_cast<float>(name[0]) + 100});
    g_LastDrawArray[i] = Vec({static_cast<float>(name[0]) + 200});
  }
  const EditList* historyOfC = &g_EditListArray[2];
  g_WaveArray.RemoveAt(1);
  ASSERT_EQ(g_WaveArray.GetSize(), 2);
  EXPECT_EQ(g_WaveArray[1].wavename, "c");
  EXPECT_EQ(&g_EditListArray[1], historyOfC);
  EXPECT_EQ(Items(g_EditListArray[1].clipdata), (Floats{'c' + 100}));
  EXPECT_EQ(Items(g_LastDrawArray[1]), (Floats{'c' + 200}));
  EXPECT_EQ(g_WaveNameList.GetAt(1), "c");
  EXPECT_EQ(g_WaveNameList.Find("b"), -1);
}

TEST_F(WaveStore, IndexOutsideTheCollectionsRaisesInvalidArgument) {
  g_WaveArray.Add(Named("a", {1}));
  for (int bad : {-1, 1}) {
    SCOPED_TRACE(bad);
    EXPECT_TRUE(ThrowsInvalidArg([&] { (void)g_WaveArray[bad]; }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { (void)g_EditListArray[bad]; }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { (void)g_LastDrawArray[bad]; }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { (void)g_WaveNameList.GetAt(bad); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { g_WaveArray.RemoveAt(bad); }));
  }
  EXPECT_EQ(g_WaveArray.GetSize(), 1);
  EXPECT_EQ(Items(g_WaveArray[0].thedata), (Floats{1}));
}

// The name list is the records' names: a rename is seen at once.
TEST_F(WaveStore, NamesFollowTheRecords) {
  g_WaveArray.Add(Named("a", {1}));
  g_WaveArray[0].wavename = "renamed";
  EXPECT_EQ(g_WaveNameList.Find("a"), -1);
  EXPECT_EQ(g_WaveNameList.Find("renamed"), 0);
  EXPECT_TRUE(IsWaveNameUsed("renamed"));
  EXPECT_FALSE(IsWaveNameUsed("a"));
}

// Titles and typed names lose their blanks at both ends; record names are
// compared as stored, exactly; the first of two equal names wins.
TEST_F(WaveStore, NameLookups) {
  EXPECT_FALSE(IsWaveNameUsed("wave1"));  // nothing open
  EXPECT_EQ(FindWaveIndex("wave1"), -1);
  g_WaveArray.Add(Named("Wave1", {1}));
  g_WaveArray.Add(Named(" wave1", {2}));
  EXPECT_FALSE(IsWaveNameUsed(" wave1 "));
  EXPECT_EQ(FindWaveIndex(" wave1 "), -1);
  g_WaveArray.Add(Named("wave1", {3}));
  g_WaveArray.Add(Named("wave1", {4}));
  EXPECT_TRUE(IsWaveNameUsed(" wave1 "));
  EXPECT_EQ(FindWaveIndex("  wave1 "), 2);
  EXPECT_EQ(g_WaveNameList.Find(" wave1"), 1);
  EXPECT_EQ(FindWaveIndex("\twave1"), -1);  // only spaces are trimmed
}

// Every waveform has a before-draw slot of its own, however many are open.
TEST_F(WaveStore, SnapshotTableGrowsWithTheWaveforms) {
  for (int i = 0; i < 65; ++i) g_WaveArray.Add(Record({static_cast<float>(i)}));
  ASSERT_EQ(g_LastDrawArray.GetSize(), 65);
  g_LastDrawArray[64] = Vec({64});
  EXPECT_EQ(Items(g_LastDrawArray[64]), (Floats{64}));
  EXPECT_EQ(g_LastDrawArray[63].GetSize(), 0u);
}

}  // namespace
