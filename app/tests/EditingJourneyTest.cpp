// Whole-program journeys of editing: a file of the longest length opened,
// zoomed, cut between typed cursors, undone, redone, saved and reopened; a
// new waveform shaped by hand, by lines, by points and by an equation,
// changed in its table and printed; and a file that cannot be read.
#include "app/tests/ProgramFixture.h"

#include "controls/GraphModel.h"
#include "shell/tableview/TableView.h"
#include "waveform/WaveCollections.h"
#include "waveform/view/PelmoranView.h"

#include <QFile>

#include <cmath>

namespace program_test {
namespace {

class EditingJourney : public Journey {
 protected:
  void SetUp() override {
    Journey::SetUp();
    ASSERT_TRUE(app.InitInstance());
    // Active, as on a desktop, so that focus and typing reach the bars.
    ui_test::ShowActive(Frame().m_hWnd);
    ui_test::Pump();
  }
  // What the graph's waveform plot shows now.
  std::vector<float> Plotted() {
    const auto& plot = GraphModel().plots.at(0);
    std::vector<float> values;
    for (std::size_t i = 0; plot->data && i < plot->data->Size(); ++i)
      values.push_back(static_cast<float>(plot->data->At(i)));
    return values;
  }
  // The record's display samples, which the plot must show.
  std::vector<float> Shown() {
    const CWaveData& wave = ActiveWave();
    return {wave.showdata.GetData(), wave.showdata.GetData() + wave.showdata.GetSize()};
  }
  // A cursor time typed into the coordinate bar and entered, as the user
  // moves a cursor to an exact time.
  void TypeCursorTime(UINT edit, const char* time) {
    HWND item = ::GetDlgItem(Frame().m_wndCoordinateBar.m_hWnd, edit);
    ui_test::ClickCenter(item);
    ui_test::PressKey(item, Qt::Key_A, Qt::ControlModifier);
    ui_test::TypeText(item, time);
    ui_test::PressKey(item, Qt::Key_Return);
    ui_test::Pump();
  }
};

// The longest file the editor opens, 20,971,520 samples: region zoom and
// back, a cut between typed cursors, undo and redo, Save As and reopen.
TEST_F(EditingJourney, TheLongestFileZoomedCutUndoneRedoneSavedAndReopened) {
  constexpr std::size_t kSamples = 20971520;
  // Three turns of a sine with a little of every code below it, so that no
  // two stretches of the file are alike and the picture shows the shape.
  auto code = [](std::size_t i) {
    const double turn = 6 * M_PI * static_cast<double>(i) / kSamples;
    return static_cast<std::int16_t>(std::lround(20000 * std::sin(turn)) +
                                     static_cast<long>(i * 7919 % 4096) - 2048);
  };
  std::string bytes(2 * kSamples, '\0');
  for (std::size_t i = 0; i < kSamples; ++i) {
    const auto word = static_cast<std::uint16_t>(code(i));
    bytes[2 * i] = static_cast<char>(word & 0xFF);
    bytes[2 * i + 1] = static_cast<char>(word >> 8);
  }
  OpenFromMenu(Write("long.bin", bytes));
  bytes.clear();
  ASSERT_EQ(WaveWindows(), 1);
  const std::vector<float> original = Samples(ActiveWave());
  ASSERT_EQ(original.size(), kSamples);
  for (std::size_t i : {std::size_t{1}, kSamples / 2 + 5, kSamples - 1})
    EXPECT_EQ(original[i], static_cast<float>(code(i) * 3.0 / 32768)) << i;
  const int shown = ActiveWave().displaylen;
  EXPECT_GT(ActiveWave().dispstep, 1);  // a long waveform is shown decimated
  EXPECT_EQ(Plotted().size(), static_cast<std::size_t>(shown));
  EXPECT_EQ(Plotted(), Shown());
  Picture("journey2-1-opened.png");

  // A region dragged out shows that region; the whole waveform comes back.
  Command(32844);
  GraphStroke(
      {GraphPoint(0.2 * shown, 2), GraphPoint(0.3 * shown, 0), GraphPoint(0.4 * shown, -2)});
  EXPECT_NEAR(GraphModel().XAxis().minimum, 0.2 * shown, 0.01 * shown);
  EXPECT_NEAR(GraphModel().XAxis().maximum, 0.4 * shown, 0.01 * shown);
  Picture("journey2-2-zoomed.png");
  Command(32846);
  EXPECT_LE(GraphModel().XAxis().minimum, 0.0);
  EXPECT_GE(GraphModel().XAxis().maximum, shown - 1.0);

  // The cursors at 0.1 and 0.9 ms of the 1 ms period, and the samples
  // between them cut: one run gone, the rest as it was.
  Command(32841);
  ASSERT_TRUE(ActiveWave().cursorson);
  TypeCursorTime(CBaseDLG::IDC_LEFT_TIME, "0.1");
  TypeCursorTime(CBaseDLG::IDC_RIGHT_TIME, "0.9");
  // The values beside the typed times are those of the samples nearest the
  // cursor lines.
  auto valueAt = [&](int cursor) {
    return ActiveWave()
        .showdata[static_cast<unsigned>(std::lround(GraphModel().cursors[cursor]->x))];
  };
  EXPECT_EQ(static_cast<float>(Frame().m_wndCoordinateBar.m_LeftValue.GetValue()), valueAt(0));
  EXPECT_EQ(static_cast<float>(Frame().m_wndCoordinateBar.m_RightValue.GetValue()), valueAt(2));
  Command(33004);
  const std::vector<float> cut = Samples(ActiveWave());
  const std::size_t removed = original.size() - cut.size();
  EXPECT_NEAR(static_cast<double>(removed), 0.8 * kSamples, 0.001 * kSamples);
  const std::size_t from = static_cast<std::size_t>(
      std::mismatch(cut.begin(), cut.end(), original.begin()).first - cut.begin());
  EXPECT_NEAR(static_cast<double>(from), 0.1 * kSamples, 0.001 * kSamples);
  ASSERT_TRUE(std::equal(cut.begin() + static_cast<long>(from), cut.end(),
                         original.begin() + static_cast<long>(from + removed)));
  EXPECT_EQ(Plotted(), Shown());
  EXPECT_EQ(Shown().size(), static_cast<std::size_t>(ActiveWave().displaylen));
  Picture("journey2-3-cut.png");

  Command(33002);
  ASSERT_EQ(Samples(ActiveWave()), original);
  Command(33003);
  ASSERT_EQ(Samples(ActiveWave()), cut);
  EXPECT_FALSE(ActiveWave().saved);

  const std::string kept = files / "kept.csv";
  commonDialogs.Expect(CommonDialogRequest::Kind::SaveFile, [kept](CommonDialogRequest& r) {
    r.accepted = true;
    r.path = kept;
    r.filterIndex = 2;  // amplitudes only
  });
  Command(33023);
  EXPECT_EQ(ActiveCaption(), CString("kept"));
  boxes.Expect(IDNO, "kept");  // Save As keeps the question at the close
  CloseActiveWindow();
  EXPECT_EQ(WaveWindows(), 0);

  OpenFromMenu(kept);
  ASSERT_EQ(WaveWindows(), 1);
  const std::vector<float> reopened = Samples(ActiveWave());
  ASSERT_EQ(reopened.size(), cut.size());
  for (std::size_t i = 0; i < cut.size(); ++i) ASSERT_EQ(reopened[i], AsWritten(cut[i])) << i;
  Picture("journey2-4-reopened.png");
  EXPECT_EQ(Plotted(), Shown());
}

// A new waveform drawn free-hand and with a line, points with a spline
// (then undone), an equation, a value changed in the table, and a print.
TEST_F(EditingJourney, DrawByHandLinesPointsAndAnEquationThenTableAndPrint) {
  dialogs.Expect([](HWND d) { ui_test::ClickCenter(GetDlgItem(d, 1235)); });
  Command(32840);
  ASSERT_EQ(WaveWindows(), 1);
  ASSERT_EQ(ActiveWave().thedata.GetSize(), 16384u);

  Command(32850);  // free-hand
  GraphStroke({GraphPoint(1000, 2), GraphPoint(1500, 2.5), GraphPoint(2000, 3),
               GraphPoint(2500, 3.5), GraphPoint(3000, 4)});
  std::vector<float> drawn = Samples(ActiveWave());
  EXPECT_NEAR(drawn[2000], 3, 0.2);
  EXPECT_EQ(drawn[500], 0.0f);
  EXPECT_EQ(drawn[4000], 0.0f);
  EXPECT_FALSE(ActiveWave().saved);
  Picture("journey3-1-free-hand.png");

  Command(32853);  // a line between two points
  // The line starts at the waveform's own value where it is pressed (0).
  GraphStroke({GraphPoint(5000, -2), GraphPoint(7000, 0), GraphPoint(9000, 2)});
  drawn = Samples(ActiveWave());
  EXPECT_NEAR(drawn[5100], 0.05, 0.2);
  EXPECT_NEAR(drawn[7000], 1, 0.2);
  EXPECT_NEAR(drawn[8900], 1.95, 0.2);
  for (int i = 5100; i < 8900; ++i) ASSERT_LE(drawn[i], drawn[i + 1]) << i;
  EXPECT_NEAR(drawn[2000], 3, 0.2);  // the free-hand stroke stays
  Picture("journey3-2-line.png");

  // Five points by mouse joined by a spline, each reached; then undone.
  dialogs.Expect([](HWND d) {
    ui_test::ClickCenter(GetDlgItem(d, 1151));
    ui_test::ClickCenter(GetDlgItem(d, 1061));
    SetWindowText(GetDlgItem(d, 1053), "5");
    ui_test::ClickCenter(GetDlgItem(d, 1251));
  });
  Command(32824);
  const double xs[] = {2000, 5000, 8000, 11000, 14000}, ys[] = {1, -1, 2, -2, 0.5};
  for (int i = 0; i < 5; ++i) GraphClick(GraphPoint(xs[i], ys[i]));
  const std::vector<float> spline = Samples(ActiveWave());
  for (int i = 0; i < 5; ++i) EXPECT_NEAR(spline[static_cast<std::size_t>(xs[i])], ys[i], 0.1) << i;
  EXPECT_NE(spline, drawn);
  Picture("journey3-3-spline.png");
  Command(32896);
  EXPECT_EQ(Samples(ActiveWave()), drawn);

  dialogs.Expect([](HWND d) {
    SetWindowText(GetDlgItem(d, 1053), "sin(x/100)");
    ui_test::PressKey(GetDlgItem(d, 1053), Qt::Key_Return);
  });
  Command(32826);
  const std::vector<float> equation = Samples(ActiveWave());
  ASSERT_EQ(equation.size(), 16384u);
  for (std::size_t i = 0; i < equation.size(); i += 97)
    ASSERT_NEAR(equation[i], std::sin(2 * M_PI * static_cast<double>(i) / 16384 / 100), 1e-6) << i;
  EXPECT_EQ(Plotted(), equation);
  Picture("journey3-4-equation.png");

  // Page 2 of the table starts at sample 1024.
  dialogs.Expect([](HWND table) {
    SetWindowText(GetDlgItem(table, CTable_view::IDC_PAGE), "2");
    ui_test::Pump();
    listview::SetItemText(GetDlgItem(table, CTable_view::IDC_GRID), 5, 1, "0.75");
    ui_test::ClickCenter(GetDlgItem(table, CTable_view::IDC_OK));
  });
  Command(33064);
  EXPECT_EQ(ActiveWave().thedata[1029], 0.75f);
  // The rows left as they were keep their samples, and so does page 1.
  EXPECT_EQ(ActiveWave().thedata[1028], equation[1028]);
  EXPECT_EQ(ActiveWave().thedata[3], equation[3]);
  EXPECT_EQ(Plotted()[1029], 0.75f);

  const std::string pdf = files / "printed.pdf";
  commonDialogs.ExpectPath(CommonDialogRequest::Kind::Print, pdf);
  Command(32874);
  QFile file(QString::fromStdString(pdf));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray printed = file.readAll();
  EXPECT_TRUE(printed.startsWith("%PDF"));
  EXPECT_EQ(printed.count("/Type /Page\n") + printed.count("/Type /Page\r") +
                printed.count("/Type /Page "),
            1);
  Picture("journey3-5-table-and-print.png");
}

// Undo and redo walk back and forth through changes of every kind, one
// change a step: a delete, a free-hand stroke, a Math constant and a cut,
// then three undos and three redos. After each, the samples and the graph
// are exactly what the user saw before (or after) that change.
TEST_F(EditingJourney, UndoAndRedoStepThroughADeleteAStrokeAMathConstantAndACut) {
  dialogs.Expect([](HWND d) {
    HWND kind = GetDlgItem(d, 1293);  // a point count of our own: 32768
    SendMessage(kind, CB_SETCURSEL, 1, 0);
    SendMessage(d, WM_COMMAND, MAKEWPARAM(1293, CBN_SELCHANGE), reinterpret_cast<LPARAM>(kind));
    SetWindowText(GetDlgItem(d, 1313), "32768");
    ui_test::ClickCenter(GetDlgItem(d, 1235));
  });
  Command(32840);
  ASSERT_EQ(WaveWindows(), 1);
  ASSERT_EQ(ActiveWave().thedata.GetSize(), 32768u);
  dialogs.Expect([](HWND d) {
    SetWindowText(GetDlgItem(d, 1053), "sin(x/1000)");
    ui_test::PressKey(GetDlgItem(d, 1053), Qt::Key_Return);
  });
  Command(32826);

  // What the user sees before each change: the samples and the graph.
  struct Seen {
    std::vector<float> samples, plotted;
  };
  std::vector<Seen> seen;
  auto look = [&] {
    EXPECT_EQ(Plotted(), Shown());
    return Seen{Samples(ActiveWave()), Plotted()};
  };

  seen.push_back(look());
  Command(32841);  // the cursors at 20 % and 80 %
  ASSERT_TRUE(ActiveWave().cursorson);
  Command(32859);  // Delete
  ASSERT_LT(ActiveWave().thedata.GetSize(), 32768u / 2);

  seen.push_back(look());
  Command(32850);  // free-hand
  GraphStroke({GraphPoint(2000, 1), GraphPoint(2500, 1.5), GraphPoint(3000, 2)});
  ASSERT_NE(Samples(ActiveWave()), seen.back().samples);
  EXPECT_NEAR(Samples(ActiveWave())[2500], 1.5, 0.2);

  seen.push_back(look());
  dialogs.Expect([](HWND d) {
    SetWindowText(GetDlgItem(d, 1053), "0.5");  // added to the whole waveform
    ui_test::ClickCenter(GetDlgItem(d, 1222));
  });
  Command(32827);
  const std::vector<float> plusHalf = Samples(ActiveWave());
  ASSERT_EQ(plusHalf.size(), seen.back().samples.size());
  for (std::size_t i = 0; i < plusHalf.size(); i += 101)
    ASSERT_FLOAT_EQ(plusHalf[i], seen.back().samples[i] + 0.5f) << i;

  seen.push_back(look());
  Command(32841);  // the cursors again
  ASSERT_TRUE(ActiveWave().cursorson);
  Command(33004);  // Cut
  ASSERT_LT(ActiveWave().thedata.GetSize(), seen.back().samples.size());
  seen.push_back(look());

  // Undo three times, back to before the stroke; redo three times, and a
  // fourth that finds nothing newer.
  const std::pair<UINT, std::size_t> walk[] = {{33002, 3}, {33002, 2}, {33002, 1}, {33003, 2},
                                               {33003, 3}, {33003, 4}, {33003, 4}};
  for (auto [command, shown] : walk) {
    SCOPED_TRACE(testing::Message() << (command == 33002 ? "undo" : "redo") << " to " << shown);
    Command(command);
    ASSERT_EQ(Samples(ActiveWave()), seen[shown].samples);
    EXPECT_EQ(Plotted(), seen[shown].plotted);
  }
  Picture("journey3-6-undo-redo.png");
}

// A file that cannot be read says which line and changes nothing open.
TEST_F(EditingJourney, AMalformedFileIsRefusedAndNothingOpenChanges) {
  OpenFromMenu(Write("good.csv", "xpos,value\n0,0.5\n1,-0.5\n2,0.25\n"));
  ASSERT_EQ(WaveWindows(), 1);
  const std::vector<float> good = Samples(ActiveWave());
  boxes.Expect(IDOK, "Line 3 of the file holds no value");
  OpenFromMenu(Write("bad.csv", "xpos,value\n0,0.5\n1,zero\n2,0.25\n"));
  EXPECT_EQ(WaveWindows(), 1);
  EXPECT_EQ(g_WaveArray.GetSize(), 1);
  EXPECT_EQ(Samples(ActiveWave()), good);
  Picture("journey6-2-malformed-file.png");
  // The program goes on: the next file opens.
  OpenFromMenu(Write("next.csv", "xpos,value\n0,1\n1,2\n"));
  EXPECT_EQ(WaveWindows(), 2);
}

}  // namespace
}  // namespace program_test
