// The editable grid by scripted clicks and keys: which cells open an editor,
// the allowed characters (typed and pasted), Enter and Esc, and the limits of
// the per-column and per-row data.
#include "platform/window/CommonDialogs.h"
#include "platform/window/DataExchange.h"
#include "platform/window/Dialog.h"
#include "platform/window/RenderPng.h"
#include "platform/window/Resources.h"
#include "platform/window/tests/UiTestKit.h"
#include "shell/base/ListCtrlCB.h"
#include "shell/base/ListCtrlCells.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QScrollBar>
#include <QClipboard>
#include <cstring>
#include <gtest/gtest.h>

namespace {
constexpr int IDC_GRID = 711;

class CGridDialog : public CDialog {
 public:
  CGridDialog() : CDialog(710) {}
  CListCtrlCB grid;
  std::vector<std::pair<int, std::string>> ended;  // (row, text) of WM_GRID_ENDEDIT

  void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, IDC_GRID, grid); }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    grid.InsertColumn(0, "Index", LVCFMT_LEFT, 50, 0);
    grid.InsertColumn(1, "Value", LVCFMT_LEFT, 80, 1);
    grid.InsertColumn(2, "Name", LVCFMT_LEFT, 80, 2);
    grid.SetColumnReadOnly(0, true);
    grid.SetColumnValidChars("0123456789", 1);
    for (int r = 0; r < 4; ++r) {
      grid.InsertItem(r, std::to_string(r).c_str());
      grid.SetItemText(r, 1, std::to_string(r * 10).c_str());
      grid.SetItemText(r, 2, "n");
    }
    return TRUE;
  }
  std::vector<std::pair<int, int>> cellClicks;
  LRESULT OnGridCellClick(WPARAM w, LPARAM l) {
    cellClicks.emplace_back(static_cast<int>(w), static_cast<int>(l));
    return 0;
  }
  int begun = 0;  // WM_GRID_BEGINEDIT received
  LRESULT OnGridBeginEdit(WPARAM, LPARAM) {
    ++begun;
    return 0;
  }
  LRESULT OnGridEndEdit(WPARAM, LPARAM l) {
    auto* info = reinterpret_cast<NMLVDISPINFO*>(l);
    ended.emplace_back(info->item.iItem, info->item.pszText);
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CGridDialog, CDialog)
ON_MESSAGE(WM_GRID_BEGINEDIT, OnGridBeginEdit)
ON_MESSAGE(WM_GRID_ENDEDIT, OnGridEndEdit)
ON_MESSAGE(WM_GRID_CELLCLICK, OnGridCellClick)
END_MESSAGE_MAP()

class EditableGrid : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string error;
    ASSERT_TRUE(resources::Load(SHELL_TEST_RESOURCES, &error)) << error;
  }
  void SetUp() override {
    ASSERT_TRUE(dlg.Create(710));
    ui_test::ShowActive(dlg.m_hWnd);
  }
  void TearDown() override {
    dlg.DestroyWindow();
    ui_test::Pump();
  }
  POINT CellCenter(int row, int column) {
    CRect rc;
    dlg.grid.GetCellRect(column, row, rc);
    return rc.CenterPoint();
  }
  void ClickCell(int row, int column, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    ui_test::Click(dlg.grid.m_hWnd, CellCenter(row, column), mods);
    ui_test::Pump();
  }
  HWND Editor(const char* className = "Edit") {
    for (HWND c = GetWindow(dlg.grid.m_hWnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
      if (GetClassNameString(c) == className) return c;
    return nullptr;
  }
  int Selected() { return dlg.grid.GetNextItem(-1, LVNI_SELECTED); }

  ScriptedBoxes boxes;
  CGridDialog dlg;
};

TEST_F(EditableGrid, AClickOnAnEditableCellOpensAnEditWithItsTextSelected) {
  ClickCell(2, 1);
  HWND editor = Editor();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(Selected(), 2);
  EXPECT_EQ(GetWindowTextString(editor), "20");
  DWORD start = 0, end = 0;
  SendMessage(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 2u);
}

TEST_F(EditableGrid, ClicksThatOpenNothing) {
  ClickCell(1, 0);  // read-only column
  EXPECT_EQ(Editor(), nullptr);
  EXPECT_EQ(Selected(), 1);
  CRect bounds;
  dlg.grid.GetItemRect(3, &bounds, LVIR_BOUNDS);
  ui_test::Click(dlg.grid.m_hWnd,
                 POINT{bounds.right + 5, bounds.top + 2});  // right of the last column
  ui_test::Click(dlg.grid.m_hWnd,
                 POINT{bounds.left + 5, bounds.bottom + 30});  // below the last row
  ui_test::Pump();
  EXPECT_EQ(Editor(), nullptr);
  EXPECT_EQ(Selected(), 1);  // not even the selection moved
  ClickCell(3, 2, Qt::ControlModifier);
  EXPECT_EQ(Editor(), nullptr);
}

TEST_F(EditableGrid, AllowedCharactersFilterTypingAndPasting) {
  ClickCell(1, 1);
  HWND editor = Editor();
  ASSERT_NE(editor, nullptr);
  int beeps = ui_test::Beeps();
  ui_test::PressKey(editor, Qt::Key_End);
  ui_test::TypeText(editor, "a");
  EXPECT_EQ(GetWindowTextString(editor), "10");
  EXPECT_EQ(ui_test::Beeps(), beeps + 1);
  ui_test::TypeText(editor, "5");
  ui_test::PressKey(editor, Qt::Key_Backspace);
  ui_test::TypeText(editor, "7");
  EXPECT_EQ(GetWindowTextString(editor), "107");
  QApplication::clipboard()->setText("4x2");
  ui_test::PressKey(editor, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(GetWindowTextString(editor), "10742");
  EXPECT_EQ(ui_test::Beeps(), beeps + 2);
  QApplication::clipboard()->setText("y8");
  ui_test::PressKey(editor, Qt::Key_Insert, Qt::ShiftModifier);  // the other paste key
  EXPECT_EQ(GetWindowTextString(editor), "107428");
  EXPECT_EQ(ui_test::Beeps(), beeps + 3);
  ui_test::PressKey(editor, Qt::Key_Return);
  ui_test::Pump();
  EXPECT_EQ(Editor(), nullptr);
  EXPECT_EQ(dlg.grid.GetItemText(1, 1), CString("107428"));
  EXPECT_EQ(dlg.ended, (std::vector<std::pair<int, std::string>>{{1, "107428"}}));
}

// Tab in an open edit box ends it and opens the next cell that takes typing
// (read-only column 0 skipped, on to the next row); Shift+Tab goes back. What
// is typed next lands in the grid, never in another field of the dialog.
TEST_F(EditableGrid, TabMovesTheEditToTheNextCellAndTypingLandsThere) {
  ClickCell(1, 1);
  ASSERT_NE(Editor(), nullptr);
  ui_test::TypeText(Editor(), "12");
  struct Step {
    Qt::KeyboardModifiers mods;
    int row, column;  // where the edit opens
    const char* typed;
  };
  const Step steps[] = {{Qt::NoModifier, 1, 2, "ab"},
                        {Qt::NoModifier, 2, 1, "7"},
                        {Qt::ShiftModifier, 1, 2, "cd"},
                        {Qt::ShiftModifier, 1, 1, "5"}};
  for (const Step& step : steps) {
    ui_test::PressKey(Editor(), Qt::Key_Tab, step.mods);
    ui_test::Pump();
    HWND editor = Editor();
    ASSERT_NE(editor, nullptr) << step.typed;
    EXPECT_EQ(GetFocus(), editor) << step.typed;
    EXPECT_EQ(Selected(), step.row) << step.typed;
    CRect want, at;
    dlg.grid.GetCellRect(step.column, step.row, want);
    GetWindowRect(editor, &at);
    dlg.grid.ScreenToClient(&at);
    EXPECT_EQ(at.TopLeft(), want.TopLeft()) << step.typed;
    ui_test::TypeText(editor, step.typed);  // the cell's text was selected: typing replaces it
  }
  ui_test::PressKey(Editor(), Qt::Key_Return);
  ui_test::Pump();
  EXPECT_EQ(Editor(), nullptr);
  EXPECT_EQ(dlg.grid.GetItemText(1, 1), CString("5"));
  EXPECT_EQ(dlg.grid.GetItemText(1, 2), CString("cd"));
  EXPECT_EQ(dlg.grid.GetItemText(2, 1), CString("7"));
  EXPECT_EQ(dlg.ended, (std::vector<std::pair<int, std::string>>{
                           {1, "12"}, {1, "ab"}, {2, "7"}, {1, "cd"}, {1, "5"}}));
  EXPECT_TRUE(IsWindow(dlg.m_hWnd));
}

// A selected row, the current one, reads as well as the others whether the
// grid has the focus or not, and the rows around it show the grid's colour.
TEST_F(EditableGrid, EveryRowReadsAndTheGridsOwnColourShows) {
  const QColor own(199, 237, 237);
  dlg.grid.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  dlg.grid.SetBkColor(RGB(199, 237, 237));
  dlg.grid.SetTextBkColor(RGB(199, 237, 237));
  ClickCell(1, 0);  // read-only: the row is selected and current, no editor opens
  ASSERT_EQ(Selected(), 1);
  ASSERT_EQ(Editor(), nullptr);
  for (bool focused : {true, false}) {
    if (!focused) ui_test::MoveFocus(GetDlgItem(dlg.m_hWnd, IDOK));
    ASSERT_EQ(GetFocus() == dlg.grid.m_hWnd, focused);
    const ui_test::RowLook selected = ui_test::LookOfRow(dlg.grid.m_hWnd, 1);
    const ui_test::RowLook plain = ui_test::LookOfRow(dlg.grid.m_hWnd, 2);
    EXPECT_GE(selected.contrast, 3.0)
        << "focused " << focused << " on " << selected.background.name().toStdString();
    EXPECT_NE(selected.background, plain.background) << "focused " << focused;
    EXPECT_EQ(plain.background, own) << plain.background.name().toStdString();
    EXPECT_GE(plain.contrast, 3.0) << "focused " << focused;
  }
}

TEST_F(EditableGrid, EscPutsTheStartTextBackAndStillNotifies) {
  ClickCell(0, 2);
  HWND editor = Editor();
  ASSERT_NE(editor, nullptr);
  ui_test::TypeText(editor, "changed");  // no allowed set: every character
  EXPECT_EQ(GetWindowTextString(editor), "changed");
  ui_test::PressKey(editor, Qt::Key_Escape);
  ui_test::Pump();
  EXPECT_EQ(Editor(), nullptr);
  EXPECT_EQ(dlg.grid.GetItemText(0, 2), CString("n"));
  EXPECT_EQ(dlg.ended, (std::vector<std::pair<int, std::string>>{{0, "n"}}));
  EXPECT_TRUE(IsWindow(dlg.m_hWnd));  // Esc in the editor does not cancel the dialog
}

TEST_F(EditableGrid, AComboColumnOpensADropDownOfItsItems) {
  dlg.grid.SetColumnCombo(2, true);
  for (const char* item : {"alpha", "beta", "n-gamma"}) dlg.grid.AddColumnComboItem(item, 2);
  ClickCell(1, 2);
  HWND combo = Editor("ComboBox");
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(SendMessage(combo, CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(GetWindowTextString(combo),
            "n-gamma");  // the first entry that begins with the cell text
  ui_test::PressKey(combo, Qt::Key_Up);
  EXPECT_EQ(GetWindowTextString(combo), "beta");
  ui_test::PressKey(combo, Qt::Key_Return);
  ui_test::Pump();
  EXPECT_EQ(dlg.grid.GetItemText(1, 2), CString("beta"));
  EXPECT_EQ(Editor("ComboBox"), nullptr);
  ClickCell(2, 2);
  combo = Editor("ComboBox");
  ASSERT_NE(combo, nullptr);
  ui_test::PressKey(combo, Qt::Key_Down);
  ui_test::PressKey(combo, Qt::Key_Escape);
  ui_test::Pump();
  EXPECT_EQ(dlg.grid.GetItemText(2, 2), CString("n"));
  EXPECT_EQ(dlg.ended.size(), 2u);
  EXPECT_TRUE(IsWindow(dlg.m_hWnd));
  // Closing the dropped-down list ends the edit with the entry chosen.
  ClickCell(3, 2);
  combo = Editor("ComboBox");
  ASSERT_NE(combo, nullptr);
  SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);
  SendMessage(combo, CB_SETCURSEL, 0, 0);
  SendMessage(combo, CB_SHOWDROPDOWN, FALSE, 0);
  ui_test::Pump();
  EXPECT_EQ(Editor("ComboBox"), nullptr);
  EXPECT_EQ(dlg.grid.GetItemText(3, 2), CString("alpha"));
  EXPECT_EQ(dlg.ended.size(), 3u);
}

TEST_F(EditableGrid, ColourAndNotifyCellsDrawThemselvesAndOpenTheirEditors) {
  ScriptedCommonDialogs common;
  dlg.grid.SetColumnColor(2, true);
  dlg.grid.SetItemData(1, RGB(0, 200, 0));
  dlg.grid.SetCellNotify(3, 1, true);
  QImage image = RenderWindow(dlg.grid.m_hWnd);
  CRect cell;
  dlg.grid.GetCellRect(2, 1, cell);
  EXPECT_EQ(image.pixelColor(cell.CenterPoint().x, cell.CenterPoint().y), QColor(0, 200, 0));
  common.ExpectColor(RGB(10, 20, 30));
  ClickCell(1, 2);
  EXPECT_EQ(dlg.grid.GetItemData(1), RGB(10, 20, 30));
  common.ExpectCancel(CommonDialogRequest::Kind::Color);
  ClickCell(1, 2);
  EXPECT_EQ(dlg.grid.GetItemData(1), RGB(10, 20, 30));
  ClickCell(3, 1);
  EXPECT_EQ(dlg.cellClicks, (std::vector<std::pair<int, int>>{{3, 1}}));
  EXPECT_EQ(Editor(), nullptr);
}

TEST_F(EditableGrid, AFontColumnOpensTheFontPickerFromTheRowFontAndKeepsTheChoice) {
  ScriptedCommonDialogs common;
  dlg.grid.SetColumnFont(2, true);
  LOGFONT asked;
  COLORREF askedColor = 1;
  common.Expect(CommonDialogRequest::Kind::Font, [&](CommonDialogRequest& request) {
    asked = request.font;
    askedColor = request.color;
    request.accepted = true;
    std::strcpy(request.font.lfFaceName, "Courier");
    request.font.lfHeight = -16;  // 12 points at 96 pixels an inch
    request.font.lfWeight = 700;
    request.font.lfItalic = 1;
    request.font.lfCharSet = 0;
    request.color = RGB(1, 2, 3);
  });
  ClickCell(1, 2);
  // The picker starts from the row font as constructed: 9 points, GB2312, normal weight, black.
  EXPECT_EQ(asked.lfHeight, -MulDiv(9, 96, 72));
  EXPECT_EQ(asked.lfCharSet, 134);
  EXPECT_EQ(asked.lfWeight, 400);
  EXPECT_EQ(askedColor, 0u);
  EXPECT_EQ(dlg.grid.GetItemText(1, 2), CString("Courier, 12"));
  CListCtrlFont font;
  dlg.grid.GetRowFont(font, 1);
  EXPECT_EQ(font.faceName, CString("Courier"));
  EXPECT_EQ(font.size, 120);
  EXPECT_EQ(font.weight, 700);
  EXPECT_EQ(font.italic, 1);
  EXPECT_EQ(font.charSet, 0);
  EXPECT_EQ(font.textColor, RGB(1, 2, 3));
  EXPECT_EQ(font.chosen, 1);
  common.ExpectCancel(CommonDialogRequest::Kind::Font);
  ClickCell(1, 2);
  EXPECT_EQ(dlg.grid.GetItemText(1, 2),
            CString("Courier, 12"));  // a cancelled pick changes nothing
  EXPECT_EQ(Editor(), nullptr);
}

// A click on another cell first ends the open edit; the editor's window is
// still closing then, so the click only retargets it and opens nothing.
TEST_F(EditableGrid, AClickElsewhereEndsTheOpenEdit) {
  ClickCell(1, 2);
  HWND editor = Editor();
  ASSERT_NE(editor, nullptr);
  ui_test::TypeText(editor, "moved");
  ClickCell(3, 2);
  EXPECT_EQ(dlg.ended, (std::vector<std::pair<int, std::string>>{{1, "moved"}}));
  EXPECT_EQ(dlg.grid.GetItemText(1, 2), CString("moved"));
  EXPECT_EQ(dlg.grid.GetItemText(3, 2), CString("n"));
  EXPECT_EQ(Editor(), nullptr);
  EXPECT_EQ(Selected(), 3);
  ClickCell(3, 2);  // the next click opens it
  ASSERT_NE(Editor(), nullptr);
  EXPECT_EQ(GetWindowTextString(Editor()), "n");
}

// The list's own label edit starts only where no editor of the grid's own applies.
TEST_F(EditableGrid, TheListsOwnLabelEditIsRefusedWhereAKindApplies) {
  dlg.grid.SetColumnCombo(2, true);
  struct Row {
    int column;
    LRESULT refused;
  };
  for (const Row& row : {Row{0, TRUE}, Row{1, FALSE}, Row{2, TRUE}}) {
    NMLVDISPINFO info;
    info.hdr.hwndFrom = dlg.grid.m_hWnd;
    info.hdr.idFrom = IDC_GRID;
    info.hdr.code = LVN_BEGINLABELEDIT;
    info.item.mask = LVIF_TEXT;
    info.item.iItem = 2;
    info.item.iSubItem = row.column;
    char text[] = "began";
    info.item.pszText = text;
    EXPECT_EQ(dlg.grid.SendMessage(WM_NOTIFY, IDC_GRID, reinterpret_cast<LPARAM>(&info)),
              row.refused)
        << row.column;
    EXPECT_EQ(dlg.grid.GetItemText(2, row.column), CString("began"));
  }
  EXPECT_EQ(dlg.begun, 3);
}

TEST_F(EditableGrid, ScrollingTheGridEndsTheOpenEdit) {
  for (int r = 4; r < 60; ++r) dlg.grid.InsertItem(r, std::to_string(r).c_str());
  ClickCell(1, 2);
  HWND editor = Editor();
  ASSERT_NE(editor, nullptr);
  ui_test::TypeText(editor, "scrolled");
  auto* area = dynamic_cast<QAbstractScrollArea*>(WidgetOf(dlg.grid.m_hWnd));
  ASSERT_NE(area, nullptr);
  area->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  ui_test::Pump();
  EXPECT_EQ(Editor(), nullptr);
  EXPECT_EQ(dlg.ended, (std::vector<std::pair<int, std::string>>{{1, "scrolled"}}));
  EXPECT_EQ(GetFocus(), dlg.grid.m_hWnd);
}

TEST_F(EditableGrid, CellKindsCrossTheirRowsAndColumns) {
  dlg.grid.SetCellReadOnly(1, 2, true);
  dlg.grid.SetCellReadOnly(3, 4, true);
  struct Row {
    int row, column;
    bool readOnly;
  };
  for (const Row& r : {Row{1, 2, true}, Row{3, 4, true}, Row{1, 4, true}, Row{3, 2, true},
                       Row{2, 2, false}, Row{1, 3, false}})
    EXPECT_EQ(dlg.grid.IsReadOnlyCell(r.row, r.column), r.readOnly) << r.row << "," << r.column;
  ClickCell(1, 2);
  EXPECT_EQ(Editor(), nullptr);
}

TEST_F(EditableGrid, IndexLimitsAreRefusedWithTheirBoxes) {
  boxes.Expect(IDOK, "column > 100 !");
  dlg.grid.SetColumnValidChars("9", 100);
  boxes.Expect(IDOK, "row > 1000 !");
  dlg.grid.AddRowComboItem("x", 1000);
  dlg.grid.SetColumnValidChars("0", -1);
  ClickCell(0, 2);
  ASSERT_NE(Editor(), nullptr);
  int beeps = ui_test::Beeps();
  ui_test::TypeText(Editor(), "1");  // column 2 now allows only "0"
  EXPECT_EQ(ui_test::Beeps(), beeps + 1);
}

TEST_F(EditableGrid, DeleteAllColumnsReturnsTheGridToNew) {
  dlg.grid.DeleteAllColumns();
  EXPECT_EQ(dlg.grid.GetColumnCount(), 0);
  EXPECT_FALSE(dlg.grid.IsReadOnlyColumn(0));
  dlg.grid.InsertColumn(0, "A", LVCFMT_LEFT, 60, 0);
  dlg.grid.InsertColumn(1, "B", LVCFMT_LEFT, 60, 1);
  ClickCell(1, 1);
  HWND editor = Editor();
  ASSERT_NE(editor, nullptr);
  ui_test::TypeText(editor, "x");
  EXPECT_EQ(GetWindowTextString(editor), "x");
}

TEST_F(EditableGrid, ABoundaryBetweenColumnsBelongsToTheLeftOne) {
  CRect bounds;
  dlg.grid.GetItemRect(0, &bounds, LVIR_BOUNDS);
  int row = -1, column = -1;
  const int boundary = bounds.left + dlg.grid.GetColumnWidth(0);
  EXPECT_TRUE(dlg.grid.HitTestEx(POINT{boundary, bounds.top + 1}, &row, &column));
  EXPECT_EQ(column, 0);
  EXPECT_TRUE(dlg.grid.HitTestEx(POINT{boundary + 1, bounds.top + 1}, &row, &column));
  EXPECT_EQ(column, 1);
  EXPECT_FALSE(dlg.grid.HitTestEx(POINT{bounds.left + 1, bounds.top + 1}, nullptr, &column));
}
}  // namespace
