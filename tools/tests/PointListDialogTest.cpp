// The point-list dialog: the time column's span, table rows turned into
// sample indices, the mouse hand-over, and rows refused before anything of
// the last point list is replaced.
#include "ToolTestSupport.h"

#include "platform/services/tests/FakeServices.h"
#include "platform/window/ListView.h"
#include "platform/window/RenderPng.h"
#include "tools/XYpoint_Drawdlg.h"
#include "waveform/PrivateMessages.h"

#include <cstdlib>

namespace {

TEST(PointTimeSpan, ThePeriodIsBroughtIntoTheColumnsUnit) {
  struct Row {
    double period;
    int unit;
    double span;
    int shown;
  };
  const Row rows[] = {{1, 2, 1, 2},     {5000, 3, 5, 2},    {0.5, 4, 0.5, 4},
                      {0.5, 1, 500, 2}, {1000, 0, 1000, 0}, {999.5, 3, 999.5, 3}};
  for (const Row& row : rows) {
    const PointTimeSpan t = TimeSpanFor(row.period, row.unit);
    EXPECT_EQ(t.span, row.span) << row.period;
    EXPECT_EQ(t.unit, row.shown) << row.period;
  }
}

class PointListDialogTest : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    CWaveData wave = MakeRecord("wave1", 16384);
    wave.period = 1.0;
    wave.periodunit = 2;  // 1 ms
    AddWave(*frame, std::move(wave));
    g_nPointCount = 16384;
  }
  void Cell(HWND d, int row, int column, const char* text) {
    listview::SetItemText(Item(d, 1100), row, column, QString::fromUtf8(text));
  }
  std::string CellText(HWND d, int row, int column) {
    return listview::ItemText(Item(d, 1100), row, column).toStdString();
  }
  // A click in the middle of a cell, as the user's.
  void ClickCell(HWND d, int row, int column) {
    RECT cell{};
    listview::SubItemRect(Item(d, 1100), row, column, &cell);
    ui_test::Click(Item(d, 1100),
                   POINT{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
    ui_test::Pump();
  }
  // The open edit box of the table.
  HWND CellEditor(HWND d) {
    HWND grid = Item(d, 1100);
    for (HWND c = GetWindow(grid, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
      if (GetClassNameString(c) == "Edit") return c;
    return nullptr;
  }
  INT_PTR Run(std::function<void(HWND)> script) {
    CXYpoint_Drawdlg dlg;
    dialogs.Expect(std::move(script));
    return dlg.DoModal();
  }
};

TEST_F(PointListDialogTest, TableRowsBecomeSampleIndicesAndTheViewDraws) {
  EXPECT_EQ(Run([&](HWND d) {
              EXPECT_FALSE(IsWindowEnabled(Item(d, 1100)));
              Click(d, 1152);
              EXPECT_TRUE(IsWindowEnabled(Item(d, 1100)));
              EXPECT_EQ(IsDlgButtonChecked(d, 1151), BST_UNCHECKED);
              Click(d, 1061);
              SetText(d, 1053, "3");
              EXPECT_EQ(listview::ItemCount(Item(d, 1100)), 50);
              EXPECT_EQ(CellText(d, 49, 0), "50");
              Cell(d, 0, 1, "1");
              Cell(d, 0, 2, " 2.5 ");
              Cell(d, 1, 1, "0.5");
              Cell(d, 1, 2, "-1");
              Cell(d, 2, 1, "0.00001");
              Cell(d, 2, 2, "0");
              Review(d, "point-list");
              Click(d, 1251);
            }),
            IDOK);
  ASSERT_EQ(g_pTablePoints.size(), 4u);
  EXPECT_EQ(g_pTablePoints[0].index, 0);
  EXPECT_EQ(g_pTablePoints[0].value, 0.0);
  EXPECT_EQ(g_pTablePoints[1].index, 16383);
  EXPECT_EQ(g_pTablePoints[1].value, 2.5);
  EXPECT_EQ(g_pTablePoints[2].index, 8191);
  EXPECT_EQ(g_pTablePoints[3].index, 0);
  EXPECT_EQ(g_nSplinePointCount, 3);
  EXPECT_TRUE(g_bPointsByTable && !g_bPointsByMouse && g_bSplineFill && !g_bLinearFill);
  EXPECT_TRUE(g_bPointsMode);
  EXPECT_EQ(frame->received.back(), (FrameMessage{WM_DRAW_POINTS, 1, 0}));
  EXPECT_EQ(frame->Count(WM_DRAWMODE_STATE), 4);

  // The view has drawn them; after an undo the dialog shows them again.
  g_bTablePointsDrawn = true;
  Run([&](HWND d) {
    EXPECT_EQ(TextOf(d, 1053), "5");
    EXPECT_EQ(IsDlgButtonChecked(d, 1152), BST_CHECKED);
    EXPECT_EQ(CellText(d, 0, 1), "1.000");
    EXPECT_EQ(CellText(d, 0, 2), "2.500000000");
    EXPECT_EQ(CellText(d, 1, 1), "0.500");
    EXPECT_EQ(CellText(d, 3, 1), "");
    Click(d, 1250);
  });
}

// The user types a row by keys: a click on its time, Tab to its value. What
// is typed stays in the table (the count of points keeps its text), and the
// selected row reads against its highlight while the others show the
// table's own colour.
TEST_F(PointListDialogTest, TypedRowsStayInTheTableAndTheSelectedRowReads) {
  Run([&](HWND d) {
    Click(d, 1152);
    SetText(d, 1053, "3");
    ClickCell(d, 1, 1);
    ASSERT_NE(CellEditor(d), nullptr);
    ui_test::TypeText(CellEditor(d), "0.5");
    ui_test::PressKey(CellEditor(d), Qt::Key_Tab);
    ui_test::Pump();
    ASSERT_NE(CellEditor(d), nullptr);
    ui_test::TypeText(CellEditor(d), "-1");
    ui_test::PressKey(CellEditor(d), Qt::Key_Return);
    ui_test::Pump();
    EXPECT_EQ(TextOf(d, 1053), "3");
    EXPECT_EQ(CellText(d, 1, 1), "0.5");
    EXPECT_EQ(CellText(d, 1, 2), "-1");

    ClickCell(d, 2, 0);  // the number column opens no editor
    EXPECT_EQ(CellEditor(d), nullptr);
    EXPECT_EQ(listview::NextItem(Item(d, 1100), -1, LVNI_SELECTED), 2);
    const ui_test::RowLook selected = ui_test::LookOfRow(Item(d, 1100), 2);
    const ui_test::RowLook plain = ui_test::LookOfRow(Item(d, 1100), 1);
    EXPECT_GE(selected.contrast, 3.0) << selected.background.name().toStdString();
    EXPECT_NE(selected.background, plain.background);
    EXPECT_EQ(plain.background, QColor(199, 237, 237)) << plain.background.name().toStdString();
    EXPECT_GE(plain.contrast, 3.0);
    const char* dir = std::getenv("PELMORAN_REVIEW_PNG_DIR");
    EXPECT_TRUE(RenderWindowToPng(
        d, std::string(dir && *dir ? dir : PELMORAN_REVIEW_DIR) + "/point-list-selected-row.png"));
    Click(d, 1250);
  });
}

TEST_F(PointListDialogTest, RefusedRowsLeaveTheLastPointList) {
  g_pTablePoints.assign(2, SplinePoint{});
  g_pTablePoints[1].index = 77;
  services::FakeServices::Active()->SetText(330, "The time must lie in ####.");
  Run([&](HWND d) {
    Click(d, 1152);
    SetText(d, 1053, "2");
    Cell(d, 0, 1, "1");  // the span itself is accepted
    Cell(d, 0, 2, "1");
    Cell(d, 1, 1, "0");
    Cell(d, 1, 2, "1");
    boxes.Expect(IDOK, "The time must lie in (0,1.000]ms.");
    Click(d, 1251);
    Cell(d, 1, 1, "1.0001");
    boxes.Expect(IDOK, "(0,1.000]ms");
    Click(d, 1251);
    Cell(d, 1, 1, "0.5");
    Cell(d, 1, 2, "");
    boxes.Expect(IDOK, "T340");
    Click(d, 1251);
    SetText(d, 1053, "51");  // row 51 is always empty
    boxes.Expect(IDOK, "T340");
    Click(d, 1251);
    SetText(d, 1053, "0");
    boxes.Expect(IDOK, "T681");
    Click(d, 1251);
    EXPECT_FALSE(DialogHasEnded(d));
    Click(d, 1250);
  });
  ASSERT_EQ(g_pTablePoints.size(), 2u);
  EXPECT_EQ(g_pTablePoints[1].index, 77);
  EXPECT_EQ(frame->Count(WM_DRAW_POINTS), 0);
}

TEST_F(PointListDialogTest, TheMouseHandsOverWithoutAPointList) {
  Run([&](HWND d) {
    EXPECT_EQ(IsDlgButtonChecked(d, 1151), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(d, 1057), BST_CHECKED);
    ui_test::PressKey(Item(d, 1053), Qt::Key_Return);
  });
  EXPECT_EQ(frame->received.back(), (FrameMessage{WM_DRAW_POINTS, 0, 0}));
  EXPECT_EQ(g_nSplinePointCount, 5);
  EXPECT_TRUE(g_pTablePoints.empty());
}

}  // namespace
