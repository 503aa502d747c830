// The graph's right-click menu, opened by a real right press on the graph:
// its items, which of them are off, and what choosing some of them does;
// and the parameter read-outs.
#include "ViewTestFixture.h"

#include "platform/window/tests/UiTestKit.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPointer>

#include <functional>
#include <string>

namespace {

struct Item {
  std::string text;  // "|" for a separator
  bool enabled;
  bool operator==(const Item&) const = default;
};

const int kItemIds[] = {32883, 32884, 32885, 32886, 32887, 32888, 32891, 32893,
                        32894, 32878, 32897, 32880, 32898, 32881, 32882, 32895};

class ContextMenuTest : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    for (int id : kItemIds) Fake().SetText(id, "item " + std::to_string(id));
    view = Open(MakeWave("w", Ramp(10000)));
    Send(WM_WAVE_REPLOT);  // a waveform window is open
  }
  // Right-clicks the graph, reads the menu it shows and chooses the item of
  // that id (none: closes it). The menu is answered once it shows, from the
  // loop that runs it.
  std::vector<Item> RightClick(int choose = 0) {
    std::vector<Item> items;
    MenuWatcher watcher([&](QMenu* menu) {
      QAction* chosen = nullptr;
      for (QAction* a : menu->actions()) {
        items.push_back({a->isSeparator() ? "|" : a->text().toStdString(), a->isEnabled()});
        if (a->text().toStdString() == "item " + std::to_string(choose)) chosen = a;
      }
      if (chosen) chosen->trigger();
      menu->close();
    });
    const QPoint at = At(view, 5000, 0);
    Press(view, at, Qt::RightButton);
    Release(view, at, Qt::RightButton);
    ui_test::Pump();
    EXPECT_FALSE(items.empty()) << "no menu opened";
    return items;
  }
  bool EnabledIn(const std::vector<Item>& items, int id) {
    for (const Item& i : items)
      if (i.text == "item " + std::to_string(id)) return i.enabled;
    ADD_FAILURE() << "no item " << id;
    return false;
  }
  CPelmoranView* view = nullptr;
};

TEST_F(ContextMenuTest, WithTheCursorsHiddenTheEditItemsAreOff) {
  const std::vector<Item> items = RightClick();
  std::vector<Item> expected;
  const int separatorsAfter[] = {32883, 32891, 32893, 32898, 32882};
  for (int id : kItemIds) {
    const bool edit =
        id == 32884 || id == 32885 || id == 32886 || id == 32887 || id == 32888 || id == 32891;
    expected.push_back({"item " + std::to_string(id), !edit});
    for (int s : separatorsAfter)
      if (s == id) expected.push_back({"|", true});
  }
  EXPECT_EQ(items, expected);
  EXPECT_TRUE(view->Graph().IsWindowEnabled());
  // Select All is drawn as usual but does nothing while the cursors are hidden.
  ForgetTold();
  RightClick(32893);
  EXPECT_TRUE(Told(WM_CURSOR_READOUT).empty());
}

TEST_F(ContextMenuTest, WhileNoWindowIsOpenTheDrawingAndViewItemsAreGreyed) {
  g_bWaveOpen = false;
  const std::vector<Item> items = RightClick();
  for (int id : {32878, 32897, 32880, 32881, 32882, 32895})
    EXPECT_FALSE(EnabledIn(items, id)) << id;
  for (int id : {32883, 32894, 32898}) EXPECT_TRUE(EnabledIn(items, id)) << id;
}

TEST_F(ContextMenuTest, TheCursorLinePutsTheCursorsWhereTheViewOptionDoes) {
  ForgetTold();
  RightClick(32883);
  EXPECT_TRUE(Wave().cursorson);
  EXPECT_DOUBLE_EQ(Model(view).cursors[0]->x, 2000.0);
  EXPECT_DOUBLE_EQ(Model(view).cursors[2]->x, 8000.0);  // on the waveform, not at 14000
  EXPECT_EQ(Wave().cursor2, 8000);
  const auto modes = Told(WM_DRAWMODE_STATE);
  ASSERT_EQ(modes.size(), 5u);
  for (int kind = 0; kind < 5; ++kind) {
    EXPECT_EQ(modes[kind].wParam, 0u);
    EXPECT_EQ(modes[kind].lParam, kind);
  }
  // Now the edit items are on, and Cut cuts between them.
  const std::vector<Item> items = RightClick(32886);
  for (int id : {32884, 32885, 32886, 32887, 32888, 32891, 32893})
    EXPECT_TRUE(EnabledIn(items, id));
  EXPECT_EQ(Wave().thedata.GetSize(), 4000u);
  const Floats ramp = Ramp(8000);
  EXPECT_EQ(Items(g_EditListArray[0].clipdata), Floats(ramp.begin() + 2000, ramp.end()));
}

TEST_F(ContextMenuTest, FreehandFromTheMenuEndsTheTraceAndTheSelection) {
  RightClick(32882);  // the trace on
  ASSERT_TRUE(Wave().tracking);
  EXPECT_TRUE(Model(view).cursors[1]->visible);
  RightClick(32894);
  EXPECT_FALSE(Wave().tracking);
  EXPECT_FALSE(Model(view).cursors[1]->visible);
  EXPECT_TRUE(g_bDrawFreehand);
  EXPECT_TRUE(Wave().freehand);
  EXPECT_FALSE(Wave().cursorson);
  EXPECT_EQ(Model(view).interactionMode, view::kDrawingMode);
  EXPECT_EQ(Told(WM_STATUS_TEXT).back().wParam, 2u);
  EXPECT_FALSE(EnabledIn(RightClick(), 32886));
}

TEST_F(ContextMenuTest, LineModesAndPointViewRefuseAWaveformWithoutSamples) {
  CPelmoranView* full = view;
  view = OpenEmpty();
  ScriptedBoxes boxes;
  boxes.Expect(IDOK, "no samples");
  boxes.Expect(IDOK, "no samples");
  RightClick(32897);
  RightClick(32881);
  EXPECT_FALSE(g_bDrawVLine);
  EXPECT_FALSE(Wave(1).pointview);
  EXPECT_EQ(Told(WM_STATUS_TEXT).back().wParam, 0u);
  RightClick(32878);  // the horizontal line is taken even so
  EXPECT_TRUE(g_bDrawHLine);
  view = full;
  RightClick(32881);
  EXPECT_TRUE(Wave(0).pointview);
  EXPECT_EQ(Model(view).plots[0]->style, view::kPointStyle);
}

TEST_F(ContextMenuTest, UndoSmoothAndUndoLastDrawRunFromTheMenu) {
  Send(WM_VIEW_OPTION, 0);
  RightClick(32891);  // Delete 2000..7999
  ASSERT_EQ(Wave().thedata.GetSize(), 4000u);
  RightClick(32884);
  EXPECT_EQ(Items(Wave().thedata), Ramp(10000));
  Wave().saved = true;
  RightClick(32895);
  EXPECT_FALSE(Wave().saved);
  g_EquationWave = SG::CSgScalarVector<float>(3, 1.0f);
  Send(WM_APPLY_EQUATION);
  RightClick(32898);
  EXPECT_EQ(Wave().thedata.GetSize(), 10000u);
}

struct ReadoutRow {
  const char* name;
  double vpp;
  int vppunit;
  int shape;
  const char* amplitude;
};

TEST_F(ContextMenuTest, ParameterReadoutsFollowTheRecord) {
  const ReadoutRow rows[] = {{"span when vpp is 0", 0.0, 0, 0, "2.000 Vpp"},
                             {"millivolts", 500.0, 1, 0, "500.000 mVpp"},
                             {"a DC waveform", 1.0, 0, 5, " --"}};
  for (const ReadoutRow& r : rows) {
    SCOPED_TRACE(r.name);
    Wave().span = 2.0;
    Wave().vpp = r.vpp;
    Wave().vppunit = r.vppunit;
    Wave().shape = r.shape;
    Send(WM_WAVE_UPDATE, kWaveUpdateActiveChanged);
    CString text;
    view->GetDlgItemText(1318, text);
    EXPECT_EQ(text, CString(r.amplitude));
  }
}

}  // namespace
