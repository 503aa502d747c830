// The table view as the user works it: opened over the active waveform
// window, paged, edited in its cells, previewed, and ended by OK, Enter,
// Cancel or Esc; what OK refuses and what it writes into the record.
#include "shell/tableview/TableView.h"

#include "platform/window/Frame.h"
#include "platform/window/WinApp.h"
#include "platform/window/tests/UiTestKit.h"
#include "shell/base/ActiveChild.h"
#include "shell/tests/ShellTestKit.h"
#include "waveform/EditOps.h"
#include "waveform/PrivateMessages.h"
#include "waveform/WaveCollections.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace {

// The main window the table view reports to: it records WM_WAVE_UPDATE.
class CTableMainFrame : public CMDIFrameWnd {
 public:
  std::vector<WPARAM> updates;
  LRESULT OnWaveUpdate(WPARAM w, LPARAM) {
    updates.push_back(w);
    return 1;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTableMainFrame, CMDIFrameWnd)
ON_MESSAGE(WM_WAVE_UPDATE, OnWaveUpdate)
END_MESSAGE_MAP()

// The dialog's controls as a script reaches them.
HWND Grid(HWND dialog) { return GetDlgItem(dialog, CTable_view::IDC_GRID); }
CString Cell(HWND dialog, int row, int column) {
  return CString(listview::ItemText(Grid(dialog), row, column).toUtf8().constData());
}
// What an ended cell edit leaves in the grid.
void SetCell(HWND dialog, int row, const char* text) {
  listview::SetItemText(Grid(dialog), row, 1, QString::fromUtf8(text));
}
void Press(HWND dialog, int id) { ui_test::ClickCenter(GetDlgItem(dialog, id)); }
void TypePage(HWND dialog, const char* page) {
  SetWindowText(GetDlgItem(dialog, CTable_view::IDC_PAGE), page);
  ui_test::Pump();
}

class TableViewTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { shell_test::LoadShippedResources(); }
  void SetUp() override {
    ResetWaveState();
    g_WaveArray.RemoveAll();
    frame = new CTableMainFrame;
    ASSERT_TRUE(frame->LoadFrame(129));
    app.m_pMainWnd = frame;
    frame->MoveWindow(0, 0, 900, 700);
    ui_test::ShowActive(frame->m_hWnd);
  }
  void TearDown() override {
    frame->DestroyWindow();
    app.m_pMainWnd = nullptr;
    ui_test::Pump();
    g_WaveArray.RemoveAll();
  }

  // A waveform of n samples (sample i = value(i)) in a window of its own,
  // which becomes the active one.
  int AddWave(const char* name, int n, const std::function<float(int)>& value) {
    CWaveData wave;
    wave.wavename = name;
    wave.thedata.SetSize(static_cast<unsigned>(n), true);
    for (int i = 0; i < n; ++i) wave.thedata[i] = value(i);
    wave.pointcount = wave.samplecount = n;
    wave.freq = 1000.0;
    wave.frequnit = 2;
    wave.period = 1.0;
    wave.periodunit = 2;
    wave.vpp = 2.0;
    wave.span = 4.0;
    wave.saved = true;
    DisplayDecimation(wave);
    const int index = g_WaveArray.Add(std::move(wave));
    auto* child = new CMDIChildWnd;
    EXPECT_TRUE(child->LoadFrame(0, WS_CHILD | WS_OVERLAPPEDWINDOW | WS_VISIBLE, frame, nullptr));
    child->SetWindowText(name);
    child->MDIActivate();
    ui_test::Pump();
    return index;
  }

  // Runs the table view modally; `script` works it and ends it.
  INT_PTR Run(std::function<void(HWND)> script) {
    dialogs.Expect(std::move(script));
    CTable_view table;
    return table.DoModal();
  }

  CWinApp app{"Pelmoran"};
  shell_test::ShippedProgramFolder folder{"English"};
  CTableMainFrame* frame = nullptr;
  ScriptedDialogs dialogs;
  ScriptedBoxes boxes;
};

TEST_F(TableViewTest, ItOpensOnTheActiveWaveformWithItsFirstPageAndTranslatedTexts) {
  AddWave("Other", 8, [](int) { return 0.0f; });
  AddWave("Wave1", 1025, [](int i) { return i / 1000.0f; });
  Run([](HWND dialog) {
    EXPECT_EQ(GetWindowTextString(dialog), "Waveform Values");
    EXPECT_EQ(GetWindowTextString(GetDlgItem(dialog, 1332)), "Preview");
    EXPECT_EQ(GetWindowTextString(GetDlgItem(dialog, CTable_view::IDC_NAME)), "Wave1");
    EXPECT_EQ(GetWindowTextString(GetDlgItem(dialog, CTable_view::IDC_POINTS)), "1025");
    EXPECT_EQ(GetWindowTextString(GetDlgItem(dialog, CTable_view::IDC_PAGE)), " 1 ");
    EXPECT_EQ(listview::ItemCount(Grid(dialog)), 1024);
    EXPECT_EQ(Cell(dialog, 0, 0), CString("1"));
    EXPECT_EQ(Cell(dialog, 1023, 0), CString("1024"));
    EXPECT_EQ(Cell(dialog, 1023, 1), CString("1.02300"));
    EXPECT_EQ(SendDlgItemMessage(dialog, CTable_view::IDC_UNIT, CB_GETCURSEL, 0, 0), 2);
    Press(dialog, CTable_view::IDC_CANCEL);
  });
}

// A click on a sample's number selects its row: the row reads against its
// highlight and the rows around it show the table's own colour.
TEST_F(TableViewTest, TheClickedRowReadsAndTheTablesColourShows) {
  AddWave("Wave1", 16, [](int i) { return i / 10.0f; });
  Run([](HWND dialog) {
    HWND grid = Grid(dialog);
    RECT cell{};
    ASSERT_TRUE(listview::SubItemRect(grid, 3, 0, &cell));
    ui_test::Click(grid, POINT{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
    ui_test::Pump();
    EXPECT_EQ(listview::NextItem(grid, -1, LVNI_SELECTED), 3);
    const ui_test::RowLook selected = ui_test::LookOfRow(grid, 3);
    const ui_test::RowLook plain = ui_test::LookOfRow(grid, 4);
    EXPECT_GE(selected.contrast, 3.0) << selected.background.name().toStdString();
    EXPECT_NE(selected.background, plain.background);
    EXPECT_EQ(plain.background, QColor(199, 237, 237)) << plain.background.name().toStdString();
    EXPECT_GE(plain.contrast, 3.0);
    Press(dialog, CTable_view::IDC_CANCEL);
  });
}

// Pages: the spinner and the page edit move between them, an edit survives
// leaving its page, and a page out of range shows the first or the last.
TEST_F(TableViewTest, EditsSurviveLeavingTheirPageAndPagesStayInRange) {
  AddWave("Wave1", 3 * 1024, [](int) { return 0.25f; });
  Run([](HWND dialog) {
    TypePage(dialog, "2");
    EXPECT_EQ(Cell(dialog, 0, 0), CString("1025"));
    SetCell(dialog, 5, "1.75");
    controls::StepUpDown(GetDlgItem(dialog, CTable_view::IDC_SPIN), +1);
    ui_test::Pump();
    EXPECT_EQ(GetWindowTextString(GetDlgItem(dialog, CTable_view::IDC_PAGE)), " 3 ");
    EXPECT_EQ(Cell(dialog, 0, 0), CString("2049"));
    controls::StepUpDown(GetDlgItem(dialog, CTable_view::IDC_SPIN), -1);
    ui_test::Pump();
    EXPECT_EQ(Cell(dialog, 5, 1), CString("1.75000"));
    TypePage(dialog, "0");
    EXPECT_EQ(GetWindowTextString(GetDlgItem(dialog, CTable_view::IDC_PAGE)), " 1 ");
    EXPECT_EQ(Cell(dialog, 0, 0), CString("1"));
    TypePage(dialog, "");
    EXPECT_EQ(Cell(dialog, 0, 0), CString("1"));
    TypePage(dialog, "99");
    EXPECT_EQ(GetWindowTextString(GetDlgItem(dialog, CTable_view::IDC_PAGE)), " 3 ");
    EXPECT_EQ(Cell(dialog, 0, 0), CString("2049"));
    Press(dialog, CTable_view::IDC_OK);
  });
  EXPECT_EQ(g_WaveArray[0].thedata[1024 + 5], 1.75f);
  EXPECT_EQ(g_WaveArray[0].thedata[1024 + 4], 0.25f);
}

// A value typed into a cell editor and OK: the page on screen is taken
// first, then the amplitude, offset and span follow the new extremes.
TEST_F(TableViewTest, OkWritesThePageOnScreenAndRecomputesTheRecord) {
  const int index = AddWave("Wave1", 10, [](int i) { return i * 0.1f; });
  Run([](HWND dialog) {
    auto* grid = dynamic_cast<CListCtrlCB*>(CWnd::FromHandlePermanent(Grid(dialog)));
    ASSERT_NE(grid, nullptr);
    CRect cell;
    grid->GetCellRect(1, 3, cell);
    ui_test::Click(grid->m_hWnd, cell.CenterPoint());
    ui_test::Pump();
    HWND editor = GetWindow(grid->m_hWnd, GW_CHILD);
    while (editor && GetClassNameString(editor) != "Edit") editor = GetWindow(editor, GW_HWNDNEXT);
    ASSERT_NE(editor, nullptr);
    SetWindowText(editor, "");
    ui_test::TypeText(editor, "-4.5");
    ui_test::PressKey(editor, Qt::Key_Return);
    ui_test::Pump();
    SetWindowText(GetDlgItem(dialog, CTable_view::IDC_FREQUENCY), "50");
    Press(dialog, CTable_view::IDC_OK);
  });
  const CWaveData& wave = g_WaveArray[index];
  EXPECT_EQ(wave.thedata[3], -4.5f);
  // Untouched rows keep their samples exactly, not their five-decimal text.
  ASSERT_NE(9 * 0.1f, 0.9f);
  EXPECT_EQ(wave.thedata[9], 9 * 0.1f);
  EXPECT_FLOAT_EQ(static_cast<float>(wave.vpp), 5.4f);
  EXPECT_FLOAT_EQ(static_cast<float>(wave.offset), -1.8f);
  EXPECT_EQ(wave.freq, 50.0);
  EXPECT_EQ(wave.period, 20.0);
  EXPECT_FALSE(wave.saved);
  EXPECT_EQ(frame->updates, std::vector<WPARAM>{static_cast<WPARAM>(index)});
}

// OK's samples are one step of the waveform's history: Undo brings back
// exactly the samples from before, Redo exactly the edited ones. An OK
// that changes no sample adds no step.
TEST_F(TableViewTest, OkIsOneStepThatUndoAndRedoTakeBackAndBringAgain) {
  const int index = AddWave("Wave1", 1500, [](int i) { return i * 0.001f; });
  const std::vector<float> before(g_WaveArray[index].thedata.GetData(),
                                  g_WaveArray[index].thedata.GetData() + 1500);
  Run([](HWND dialog) {
    SetCell(dialog, 7, "-2.5");
    TypePage(dialog, "2");
    SetCell(dialog, 0, "3.25");
    Press(dialog, CTable_view::IDC_OK);
  });
  WaveEntry& entry = g_WaveStore.GetEntry(index);
  std::vector<float> after = before;
  after[7] = -2.5f;
  after[1024] = 3.25f;
  auto samples = [&] {
    const SG::CSgScalarVector<float>& s = g_WaveArray[index].thedata;
    return std::vector<float>(s.GetData(), s.GetData() + s.GetSize());
  };
  ASSERT_EQ(samples(), after);
  EXPECT_EQ(entry.history.GetStateCount(), 2);
  waveform::Undo(entry);
  EXPECT_EQ(samples(), before);
  EXPECT_EQ(g_WaveArray[index].showdata[1024], before[1024]);
  waveform::Redo(entry);
  EXPECT_EQ(samples(), after);
  EXPECT_EQ(g_WaveArray[index].showdata[1024], 3.25f);

  Run([](HWND dialog) { Press(dialog, CTable_view::IDC_OK); });
  EXPECT_EQ(samples(), after);
  EXPECT_EQ(entry.history.GetStateCount(), 2);
}

// What OK refuses, each with its message, leaving the record as it was and
// the dialog open (the script then cancels it).
struct Refusal {
  const char* name;
  std::function<void(HWND)> edit;
  const char* message;  // part of the box's text; empty: no box
};

void PrintTo(const Refusal& r, std::ostream* os) { *os << r.name; }

class TableViewRefusals : public TableViewTest, public testing::WithParamInterface<Refusal> {};

TEST_P(TableViewRefusals, OkRefusesAndStoresNothing) {
  AddWave("Taken", 4, [](int) { return 0.0f; });
  const int index = AddWave("Wave1", 4, [](int i) { return i * 0.5f; });
  const Refusal& r = GetParam();
  if (*r.message) boxes.Expect(IDOK, r.message);
  Run([&](HWND dialog) {
    r.edit(dialog);
    Press(dialog, CTable_view::IDC_OK);
    EXPECT_TRUE(IsWindowVisible(dialog)) << "OK was refused";
    Press(dialog, CTable_view::IDC_CANCEL);
  });
  const CWaveData& wave = g_WaveArray[index];
  EXPECT_EQ(wave.wavename, CString("Wave1"));
  EXPECT_EQ(wave.thedata[1], 0.5f);
  EXPECT_TRUE(wave.saved);
  EXPECT_TRUE(frame->updates.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TableViewRefusals,
    testing::Values(
        Refusal{"TheNameOfAnotherWaveform",
                [](HWND d) { SetWindowText(GetDlgItem(d, CTable_view::IDC_NAME), "Taken"); },
                "A waveform of this name is already open."},
        Refusal{"ANameOf33Characters",
                [](HWND d) {
                  SetWindowText(GetDlgItem(d, CTable_view::IDC_NAME),
                                "abcdefghijabcdefghijabcdefghijabc");
                },
                "at most 32 characters"},
        Refusal{"ACellThatHoldsNoNumber",
                [](HWND d) {
                  SetCell(d, 0, "0.1");
                  SetCell(d, 2, "abc");
                },
                "Row 3 holds no number"},
        Refusal{"ASampleAboveTenVolts", [](HWND d) { SetCell(d, 1, "10.5"); }, "out of range"},
        Refusal{"NoFrequency",
                [](HWND d) { SetWindowText(GetDlgItem(d, CTable_view::IDC_FREQUENCY), ""); }, ""}),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

TEST_F(TableViewTest, ThirtyTwoCharactersAnEmptyNameAndTheSameNameAreAccepted) {
  const int index = AddWave("Wave1", 4, [](int) { return 0.0f; });
  for (const char* name : {"Wave1", "abcdefghijabcdefghijabcdefghijab", ""}) {
    Run([&](HWND dialog) {
      SetWindowText(GetDlgItem(dialog, CTable_view::IDC_NAME), name);
      Press(dialog, CTable_view::IDC_OK);
    });
    EXPECT_EQ(g_WaveArray[index].wavename, CString(name));
    EXPECT_EQ(ActiveChildTitle(), CString(name));
  }
}

// Enter outside a cell editor is OK (the page's edits are kept); Esc and
// Cancel leave the record alone.
TEST_F(TableViewTest, EnterKeepsThePagesEditsAndEscAndCancelKeepTheRecord) {
  const int index = AddWave("Wave1", 4, [](int) { return 1.0f; });
  Run([](HWND dialog) {
    SetCell(dialog, 0, "2.5");
    ui_test::PressKey(GetDlgItem(dialog, CTable_view::IDC_NAME), Qt::Key_Return);
  });
  EXPECT_EQ(g_WaveArray[index].thedata[0], 2.5f);
  for (auto end : {std::function<void(HWND)>([](HWND d) {
                     ui_test::PressKey(GetDlgItem(d, CTable_view::IDC_NAME), Qt::Key_Escape);
                   }),
                   std::function<void(HWND)>([](HWND d) { Press(d, CTable_view::IDC_CANCEL); })}) {
    Run([&](HWND dialog) {
      SetCell(dialog, 0, "-3");
      SetWindowText(GetDlgItem(dialog, CTable_view::IDC_NAME), "Other");
      end(dialog);
    });
    EXPECT_EQ(g_WaveArray[index].thedata[0], 2.5f);
    EXPECT_EQ(g_WaveNameList.Find("Wave1"), index);  // the name is still in use
  }
}

// Enter in the page box goes to the page typed there; it is not OK: the
// dialog stays open and the record is not written.
TEST_F(TableViewTest, EnterInThePageBoxGoesToThatPage) {
  const int index = AddWave("Wave1", 3000, [](int i) { return i / 1000.0f; });
  const CWaveData before = g_WaveArray[index];
  Run([&](HWND dialog) {
    HWND page = GetDlgItem(dialog, CTable_view::IDC_PAGE);
    SetCell(dialog, 0, "2.5");  // an edit on page 1, kept in the table
    for (auto [typed, shown, first] :
         {std::tuple{"2", "2", "1025"}, std::tuple{"7", " 3 ", "2049"}}) {
      SCOPED_TRACE(typed);
      ui_test::MoveFocus(page);
      TypePage(dialog, typed);
      ui_test::PressKey(page, Qt::Key_Return);
      ASSERT_FALSE(DialogHasEnded(dialog));
      EXPECT_EQ(GetWindowTextString(page), shown);
      EXPECT_EQ(Cell(dialog, 0, 0), CString(first));
    }
    TypePage(dialog, "1");
    EXPECT_EQ(Cell(dialog, 0, 1), CString("2.50000"));
    Press(dialog, CTable_view::IDC_CANCEL);
  });
  EXPECT_TRUE(frame->updates.empty());
  for (int i = 0; i < 3000; ++i) ASSERT_EQ(g_WaveArray[index].thedata[i], before.thedata[i]) << i;
}

// Preview plots the edited copy; a constant waveform still gets a Y range.
TEST_F(TableViewTest, PreviewShowsTheEditedSamplesWithAUsableYRange) {
  const int index = AddWave("Flat", 6, [](int) { return 0.0f; });
  Run([](HWND dialog) {
    auto* graph = dynamic_cast<SG::CSgGraph*>(CWnd::FromHandlePermanent(GetDlgItem(dialog, 1335)));
    ASSERT_NE(graph, nullptr);
    SG::CSgAxis y = graph->GetAxes().Item("YAxis");
    EXPECT_GT(y.GetMaximum(), y.GetMinimum());  // at opening: the record says vpp 2
    Press(dialog, CTable_view::IDC_PREVIEW);
    EXPECT_GT(y.GetMaximum(), y.GetMinimum());  // after: the samples are all 0
    EXPECT_EQ(graph->GetAxes().Item("XAxis").GetMaximum(), 5.0);
    Press(dialog, CTable_view::IDC_OK);
  });
  EXPECT_EQ(g_WaveArray[index].vpp, 0.0);
  EXPECT_EQ(g_WaveArray[index].span, 2.0);
}

}  // namespace
