// The operations the editor calls, against the real graph offscreen: plots,
// axis ranges, value pairs, ticks, cursors, events from scripted mouse input
// and the picture that printing renders.
#include "ControlsTestSupport.h"

#include "containers/CSgScalarVector.h"
#include "controls/CSgGraph.h"
#include "controls/GraphControl.h"
#include "controls/GraphPicture.h"
#include "controls/GraphRenderer.h"
#include "platform/afx/OleException.h"
#include "platform/window/Gdi.h"

#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

using namespace SG;

namespace {

struct Event {
  DISPID id;
  std::vector<double> values;  // the arguments as numbers, in declaration order
};

double Number(const VARIANT& v) {
  switch (v.vt) {
    case VT_BYREF | VT_I2: return *v.piVal;
    case VT_BYREF | VT_I4: return *v.plVal;
    case VT_BYREF | VT_VARIANT: return v.pvarVal->dblVal;
    case VT_I2: return v.iVal;
    case VT_I4: return v.lVal;
    default: return NAN;
  }
}

class GraphTest : public testing::Test {
 protected:
  void SetUp() override {
    graph.SubclassWindow(window.control);  // as the dialog's data exchange does
    sink = hosted::NewEventSink([this](DISPID id, DISPPARAMS& p) {
      Event& e = events.emplace_back();
      e.id = id;
      for (UINT i = p.cArgs; i-- > 0;) e.values.push_back(Number(p.rgvarg[i]));
    });
    hosted::AdviseControlEvents(window.control, sink);
  }
  void TearDown() override { sink->Release(); }
  QWidget* Widget() { return WidgetOf(window.control); }
  hosted::GraphMapping Mapping() {
    auto* w = static_cast<hosted::GraphWidget*>(Widget());
    return hosted::MapGraph(w->Model(), QRectF(w->rect()), 1.0);
  }
  QPoint At(double x, double y) {
    const auto m = Mapping();
    return QPointF(m.PixelX(x), m.PixelY(y)).toPoint();
  }

  HostedWindow window{kGraphClass, kEditorGraph, 800, 400};
  CSgGraph graph{2};
  IDispatch* sink = nullptr;
  std::vector<Event> events;
};

TEST_F(GraphTest, HoldsTheEditorsInitialObjects) {
  ASSERT_TRUE(graph.IsAttached());
  EXPECT_EQ(graph.GetPlots().GetCount(), 3);
  EXPECT_EQ(graph.GetPlots().Item(2).GetName(), CString("Plot-2"));
  EXPECT_EQ(graph.GetAxes().GetCount(), 2);
  EXPECT_EQ(graph.GetAxes().Item(1).GetName(), CString("XAxis"));
  EXPECT_EQ(graph.GetAxes().Item(2).GetName(), CString("YAxis"));
  EXPECT_EQ(graph.GetAxes().Item("XAxis").GetValuePairs().GetCount(), 11);
  CSgCursors cursors = graph.GetCursors();
  ASSERT_EQ(cursors.GetCount(), 3);
  EXPECT_EQ(cursors.Item(1).GetName(), CString("Cursor1"));
  EXPECT_EQ(cursors.Item(2).GetName(), CString("CursorXY"));
  EXPECT_EQ(cursors.Item(3).GetName(), CString("Cursor2"));
}

TEST_F(GraphTest, PlotsAxesTicksAndValuePairs) {
  CSgScalarVector<float> samples(1000);
  for (unsigned i = 0; i < samples.GetSize(); ++i) samples[i] = static_cast<float>(i % 100) / 10.0f;
  graph.GetPlots().Item(1).PlotSamples(samples, 0.0, 1.0);
  auto* model = &static_cast<hosted::GraphWidget*>(Widget())->Model();
  ASSERT_TRUE(model->plots[0]->data);
  EXPECT_EQ(model->plots[0]->data->Size(), 1000u);
  EXPECT_TRUE(std::holds_alternative<hosted::SampleVector<float>>(model->plots[0]->data->values));
  // An emptied wave (everything cut) plots as nothing, without a failure.
  graph.GetPlots().Item(2).PlotSamples(CSgScalarVector<float>(0), 0.0, 1.0);
  ASSERT_TRUE(model->plots[1]->data);
  EXPECT_EQ(model->plots[1]->data->Size(), 0u);
  Widget()->grab();

  graph.GetAxes().Item("XAxis").SetMaximum(999.0);
  graph.GetAxes().Item("YAxis").SetMinimum(-5.0);
  graph.GetAxes().Item("YAxis").SetMaximum(5.0);
  // By index and by name: the same axis.
  EXPECT_EQ(graph.GetAxes().Item(1).GetMaximum(), 999.0);
  graph.GetAxes().Item(1).SetMinMax(100.0, 200.0);
  EXPECT_EQ(graph.GetAxes().Item("XAxis").GetMinimum(), 100.0);
  EXPECT_EQ(graph.GetAxes().Item("XAxis").GetMaximum(), 200.0);
  EXPECT_EQ(graph.GetAxes().Item(2).GetMinimum(), -5.0);

  CSgValuePairs pairs = graph.GetAxes().Item("XAxis").GetValuePairs();
  pairs.Item(2).SetName("0.100ms");
  pairs.Item(2).SetValue(1637.0);
  pairs.SetGridLines(true);
  EXPECT_EQ(pairs.Item(2).GetName(), CString("0.100ms"));
  EXPECT_EQ(pairs.Item(2).GetValue(), 1637.0);
  EXPECT_TRUE(pairs.GetGridLines());

  CSgTicks ticks = graph.GetAxes().Item("YAxis").GetTicks();
  ticks.SetGridLines(true);
  ticks.SetSubGridLines(true);
  ticks.SetGridColor(CSgColor(10, 20, 30));
  EXPECT_TRUE(ticks.GetGridLines() && ticks.GetSubGridLines());
  EXPECT_EQ(ticks.GetGridColor(), CSgColor(10, 20, 30));

  CSgPlot plot = graph.GetPlots().Item(1);
  plot.SetPlotStyle(5);
  plot.SetLineColor(CSgColor(255, 0, 0));
  plot.SetPointColor(CSgColor(0, 0, 255));
  EXPECT_EQ(plot.GetPlotStyle(), 5);
  EXPECT_EQ(plot.GetLineColor(), CSgColor(255, 0, 0));
  graph.GetPlots().Item(2).SetVisible(false);
  EXPECT_FALSE(graph.GetPlots().Item(2).GetVisible());

  graph.GetPlots().Item(3).PlotPoint(3.0, 4.0);  // the points plot
  ASSERT_TRUE(model->plots[2]->data);
  EXPECT_EQ(model->plots[2]->data->x, std::vector<double>{3.0});
  EXPECT_EQ(model->plots[2]->data->At(0), 4.0);

  graph.SetBackgroundColor(CSgColor(255, 255, 255));
  EXPECT_EQ(graph.GetBackgroundColor(), CSgColor(255, 255, 255));
  graph.ClearData();
  EXPECT_FALSE(model->plots[0]->data);
  graph.GetPlots().Item(1).PlotSamples(samples);
  plot.ClearData();
  EXPECT_FALSE(model->plots[0]->data);
}

TEST_F(GraphTest, CursorsMoveAddAndRemoveWithoutEvents) {
  CSgCursor c1 = graph.GetCursors().Item("Cursor1");
  c1.SetXPosition(200.0);
  c1.SetMoveMode(4);
  c1.SetColor(CSgColor(0, 255, 0));
  EXPECT_EQ(graph.GetCursors().Item("Cursor1").GetXPosition(), 200.0);
  EXPECT_EQ(c1.GetMoveMode(), 4);
  EXPECT_EQ(c1.GetColor(), CSgColor(0, 255, 0));
  graph.GetCursors().Item("CursorXY").SetPosition(12.0, 3.5);
  EXPECT_EQ(graph.GetCursors().Item(2).GetYPosition(), 3.5);

  CSgCursor point = graph.GetCursors().Add();
  point.SetName("SplineCursor1");
  point.SetStyle(0);
  point.SetPointStyle(14);
  EXPECT_EQ(graph.GetCursors().GetCount(), 4);
  graph.GetCursors().Remove("SplineCursor1");
  EXPECT_EQ(graph.GetCursors().GetCount(), 3);
  EXPECT_TRUE(events.empty());  // moves made by code raise nothing

  // An unknown name reaches the control and fails with its description.
  try {
    graph.GetCursors().Item("NoSuchCursor");
    FAIL() << "no exception";
  } catch (COleDispatchException* e) {
    EXPECT_FALSE(e->m_strDescription.IsEmpty());
    EXPECT_EQ(e->m_scError, DISP_E_BADINDEX);
    e->Delete();
  }
}

TEST_F(GraphTest, DrawingModeRaisesOnlyPlotAreaEvents) {
  graph.GetAxes().Item("XAxis").SetMinMax(0.0, 100.0);
  graph.GetAxes().Item("YAxis").SetMinMax(-10.0, 10.0);
  CSgScalarVector<double> line(101, 0.0);
  graph.GetPlots().Item(1).PlotSamples(line, 0.0, 1.0);
  graph.SetInteractionMode(0);
  const QPoint on = At(40.0, 0.0);  // on the plotted line: still a plot-area event
  QTest::mousePress(Widget(), Qt::LeftButton, {}, on);
  QTest::mouseMove(Widget(), At(50.0, 5.0));
  QTest::mouseRelease(Widget(), Qt::LeftButton, {}, At(50.0, 5.0));
  std::vector<DISPID> ids;
  for (const Event& e : events) ids.push_back(e.id);
  EXPECT_EQ(ids, (std::vector<DISPID>{hosted::kStockMouseDown, hosted::kPlotAreaMouseDown,
                                      hosted::kPlotAreaMouseMove, hosted::kPlotAreaMouseUp}));
  ASSERT_EQ(events[1].values.size(), 4u);
  EXPECT_EQ(events[1].values[0], 1);            // left button
  EXPECT_NEAR(events[1].values[2], 40.0, 0.2);  // X in axis units
  EXPECT_NEAR(events[2].values[2], 50.0, 0.2);
  EXPECT_NEAR(events[2].values[3], 5.0, 0.1);
}

// Outside drawing a press on the curve raises the plot event with the plot
// and the point under the mouse, then the plot-area event; moves raise the
// plot-area event with no button held too (the editor's tracking read-out).
TEST_F(GraphTest, CursorModeRaisesPlotThenPlotAreaEvents) {
  graph.GetAxes().Item("XAxis").SetMinMax(0.0, 100.0);
  graph.GetAxes().Item("YAxis").SetMinMax(-10.0, 10.0);
  CSgScalarVector<double> line(101, 0.0);
  graph.GetPlots().Item(2).PlotSamples(line, 0.0, 1.0);
  for (const char* name : {"Cursor1", "Cursor2", "CursorXY"})
    graph.GetCursors().Item(name).SetVisible(false);
  graph.SetInteractionMode(1);
  QTest::mouseMove(Widget(), At(30.0, 6.0));
  QTest::mousePress(Widget(), Qt::RightButton, Qt::ShiftModifier, At(40.0, 0.0));
  QTest::mouseRelease(Widget(), Qt::RightButton, Qt::ShiftModifier, At(40.0, 0.0));
  QTest::mousePress(Widget(), Qt::LeftButton, {}, At(60.0, 5.0));  // off the curve
  std::vector<DISPID> ids;
  for (const Event& e : events) ids.push_back(e.id);
  EXPECT_EQ(ids, (std::vector<DISPID>{hosted::kPlotAreaMouseMove, hosted::kStockMouseDown,
                                      hosted::kPlotMouseDown, hosted::kPlotAreaMouseDown,
                                      hosted::kPlotMouseUp, hosted::kPlotAreaMouseUp,
                                      hosted::kStockMouseDown, hosted::kPlotAreaMouseDown}));
  ASSERT_EQ(events.size(), 8u);
  EXPECT_EQ(events[0].values[0], 0);  // no button held
  EXPECT_NEAR(events[0].values[2], 30.0, 0.2);
  EXPECT_NEAR(events[0].values[3], 6.0, 0.1);
  EXPECT_EQ(events[1].values,
            (std::vector<double>{2, 1, events[1].values[2], events[1].values[3]}));
  ASSERT_EQ(events[2].values.size(), 6u);
  EXPECT_EQ(events[2].values[0], 2);  // right button
  EXPECT_EQ(events[2].values[1], 1);  // shift
  EXPECT_NEAR(events[2].values[2], 40.0, 0.2);
  EXPECT_EQ(events[2].values[4], 2);   // plot index
  EXPECT_EQ(events[2].values[5], 40);  // point index
  EXPECT_EQ(events[3].values.size(), 4u);
  EXPECT_EQ(events[7].values[0], 1);
}

TEST_F(GraphTest, DraggingACursorRaisesCursorChange) {
  graph.GetAxes().Item("XAxis").SetMinMax(0.0, 100.0);
  CSgScalarVector<double> ramp(101);
  for (int i = 0; i <= 100; ++i) ramp[i] = (i - 50) / 10.0;
  graph.GetPlots().Item(1).PlotSamples(ramp, 0.0, 1.0);
  graph.GetCursors().Item("Cursor1").SetVisible(false);
  graph.GetCursors().Item("Cursor2").SetXPosition(20.0);
  // The tracking cross-hair (index 2) under the mouse follows the program
  // only: the press still grabs the selection cursor (index 3) beside it.
  graph.GetCursors().Item("CursorXY").SetMoveMode(1);
  graph.GetCursors().Item("CursorXY").SetPosition(20.0, 0.0);
  graph.SetInteractionMode(1);
  QTest::mousePress(Widget(), Qt::LeftButton, {}, At(20.0, 0.0));
  QTest::mouseMove(Widget(), At(30.0, 2.0));
  QTest::mouseRelease(Widget(), Qt::LeftButton, {}, At(30.0, 2.0));
  ASSERT_GE(events.size(), 2u);
  EXPECT_EQ(events[0].id, hosted::kStockMouseDown);
  EXPECT_EQ(events[1].id, hosted::kCursorChange);
  ASSERT_EQ(events[1].values.size(), 4u);
  EXPECT_EQ(events[1].values[0], 3);  // cursor index
  EXPECT_NEAR(events[1].values[1], 30.0, 0.2);
  EXPECT_DOUBLE_EQ(events[1].values[2], -2.0);  // on plot 1: the wave's value there
  EXPECT_EQ(events[1].values[3], 1);            // still being dragged
  EXPECT_NEAR(graph.GetCursors().Item(3).GetXPosition(), 30.0, 0.2);
  EXPECT_EQ(graph.GetCursors().Item(2).GetXPosition(), 20.0);
  for (const Event& e : events)
    EXPECT_NE(e.id, hosted::kPlotAreaMouseDown) << "a cursor drag is no plot-area press";
}

// The editor places its selection cursors by code and reads their Y back as
// the wave's value there; point cursors it adds are dragged anywhere.
TEST_F(GraphTest, SelectionCursorsReadTheWaveAndPointCursorsFloat) {
  graph.GetAxes().Item("XAxis").SetMinMax(0.0, 100.0);
  graph.GetAxes().Item("YAxis").SetMinMax(-10.0, 10.0);
  CSgScalarVector<double> ramp(101);
  for (int i = 0; i <= 100; ++i) ramp[i] = (i - 50) / 10.0;
  graph.GetPlots().Item(1).PlotSamples(ramp, 0.0, 1.0);
  struct Row {
    double x, y;
  } rows[] = {{20.0, -3.0}, {20.4, -3.0}, {70.6, 2.1}, {-5.0, -5.0}, {500.0, 5.0}};
  for (const Row& r : rows) {
    graph.GetCursors().Item("Cursor1").SetXPosition(r.x);
    EXPECT_DOUBLE_EQ(graph.GetCursors().Item("Cursor1").GetYPosition(), r.y) << r.x;
  }
  // A replot moves the value under a cursor that stays where it is.
  graph.GetCursors().Item("Cursor2").SetXPosition(80.0);
  for (unsigned i = 0; i <= 100; ++i) ramp[i] = -ramp[i];
  graph.GetPlots().Item(1).PlotSamples(ramp, 0.0, 1.0);
  EXPECT_DOUBLE_EQ(graph.GetCursors().Item("Cursor2").GetYPosition(), -3.0);

  for (const char* name : {"Cursor1", "Cursor2", "CursorXY"})
    graph.GetCursors().Item(name).SetVisible(false);
  CSgCursor point = graph.GetCursors().Add();
  point.SetName("SplineCursor1");
  point.SetStyle(0);
  point.SetPointStyle(14);
  point.SetXPosition(40.0);
  point.SetYPosition(6.0);
  EXPECT_EQ(point.GetYPosition(), 6.0);
  graph.SetInteractionMode(1);
  events.clear();
  QTest::mousePress(Widget(), Qt::LeftButton, {}, At(40.0, 6.0));
  QTest::mouseMove(Widget(), At(45.0, -4.0));
  QTest::mouseRelease(Widget(), Qt::LeftButton, {}, At(45.0, -4.0));
  ASSERT_GE(events.size(), 2u);
  EXPECT_EQ(events[1].id, hosted::kCursorChange);
  EXPECT_EQ(events[1].values[0], 4);  // the fourth cursor
  EXPECT_NEAR(point.GetXPosition(), 45.0, 0.2);
  EXPECT_NEAR(point.GetYPosition(), -4.0, 0.1);  // the mouse's Y, not the wave's
}

// The editor's zoom commands: 7 horizontal, 8 vertical, 6 region; the axes
// the drag does not cover keep their range.
TEST_F(GraphTest, ZoomByDragRaisesAxisChange) {
  struct Row {
    LONG mode;
    double xMin, xMax, yMin, yMax;
  } rows[] = {
      {7, 20.0, 60.0, -10.0, 10.0},
      {8, 0.0, 100.0, -5.0, 5.0},
      {6, 20.0, 60.0, -5.0, 5.0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.mode);
    graph.GetAxes().Item("XAxis").SetMinMax(0.0, 100.0);
    graph.GetAxes().Item("YAxis").SetMinMax(-10.0, 10.0);
    graph.SetInteractionMode(r.mode);
    events.clear();
    QTest::mousePress(Widget(), Qt::LeftButton, {}, At(20.0, 5.0));
    QTest::mouseMove(Widget(), At(60.0, -5.0));
    QTest::mouseRelease(Widget(), Qt::LeftButton, {}, At(60.0, -5.0));
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().id, hosted::kAxisChange);
    for (const Event& e : events)
      EXPECT_NE(e.id, hosted::kPlotAreaMouseDown) << "a zoom drag is no plot-area press";
    EXPECT_NEAR(graph.GetAxes().Item("XAxis").GetMinimum(), r.xMin, 0.2);
    EXPECT_NEAR(graph.GetAxes().Item("XAxis").GetMaximum(), r.xMax, 0.2);
    EXPECT_NEAR(graph.GetAxes().Item("YAxis").GetMinimum(), r.yMin, 0.1);
    EXPECT_NEAR(graph.GetAxes().Item("YAxis").GetMaximum(), r.yMax, 0.1);
  }
}

// A plot of far more samples than pixels is drawn as one span a column on
// a plain image: a flat stretch is one pixel row high, a stretch swinging
// between -5 and 5 covers exactly the rows in between, and nothing beyond.
TEST_F(GraphTest, LongPlotColumnsCoverTheirSpansOnAnImage) {
  CSgScalarVector<float> samples(200000, 0.0f);
  for (int i = 100000; i < 200000; ++i) samples[i] = i % 2 ? 5.0f : -5.0f;
  graph.GetAxes().Item("XAxis").SetMinMax(0.0, 199999.0);
  graph.GetAxes().Item("YAxis").SetMinMax(-10.0, 10.0);
  graph.GetPlots().Item(1).SetLineColor(CSgColor(0, 255, 0));
  graph.GetPlots().Item(1).PlotSamples(samples, 0.0, 1.0);
  for (int i = 1; i <= 3; ++i) graph.GetCursors().Item(i).SetVisible(false);
  auto* widget = static_cast<hosted::GraphWidget*>(Widget());
  QImage image(widget->size(), QImage::Format_RGB32);
  {
    QPainter painter(&image);
    hosted::RenderGraph(widget->Model(), painter, QRectF(image.rect()), 1.0);
  }
  auto green = [&](double x, double y) { return image.pixelColor(At(x, y)) == QColor(0, 255, 0); };
  struct Row {
    double x, y;
    bool drawn;
  };
  for (const Row& r : {Row{50000, 0.0, true}, Row{50000, 1.0, false}, Row{50000, -1.0, false},
                       Row{150000, 4.8, true}, Row{150000, 0.0, true}, Row{150000, -4.8, true},
                       Row{150000, 5.6, false}, Row{150000, -5.6, false}})
    EXPECT_EQ(green(r.x, r.y), r.drawn) << r.x << ", " << r.y;
}

TEST_F(GraphTest, PictureRendersToPngWithoutLosingPeaks) {
  // A million samples on 800 pixels: one spike must still show.
  CSgScalarVector<float> samples(1000000, 0.0f);
  samples[654321] = 9.0f;
  graph.GetAxes().Item("XAxis").SetMinMax(0.0, 999999.0);
  graph.GetAxes().Item("YAxis").SetMinMax(-10.0, 10.0);
  graph.GetPlots().Item(1).SetLineColor(CSgColor(0, 255, 0));
  graph.GetPlots().Item(1).PlotSamples(samples, 0.0, 1.0);
  for (int i = 1; i <= 3; ++i) graph.GetCursors().Item(i).SetVisible(false);

  CSgPicture picture = graph.GetControlImage();
  IDispatch* disp = picture.GetPictureDisp();
  const QImage image = hosted::ControlPictureImage(disp);
  ASSERT_EQ(image.width(), 800);
  ASSERT_EQ(image.height(), 400);
  const QString path = QDir::temp().filePath("pelmoran_graph_picture.png");
  ASSERT_TRUE(image.save(path, "PNG"));
  EXPECT_FALSE(QImage(path).isNull());

  const QPoint spike = At(654321.0, 8.5);
  bool green = false;
  for (int dx = -1; dx <= 1; ++dx)
    green = green || image.pixelColor(spike.x() + dx, spike.y()) == QColor(0, 255, 0);
  EXPECT_TRUE(green) << "the spike's column reaches up to 9";

  // The same picture at printer resolution: a 6-inch-wide page area.
  QImage page(3600, 1800, QImage::Format_RGB32);
  QPainter painter(&page);
  EXPECT_TRUE(hosted::RenderControlPicture(disp, painter, QRectF(page.rect())));
  painter.end();
  const QPoint printed((spike.x() * 3600) / 800, (spike.y() * 1800) / 400);
  bool printedGreen = false;
  for (int dx = -8; dx <= 8; ++dx)
    printedGreen =
        printedGreen || page.pixelColor(printed.x() + dx, printed.y()) == QColor(0, 255, 0);
  EXPECT_TRUE(printedGreen);

  // And into a PDF page through the window layer's device context.
  const QString pdfPath = QDir::temp().filePath("pelmoran_graph_picture.pdf");
  {
    QPdfWriter pdf(pdfPath);
    pdf.setResolution(600);
    DeviceContext dc(&pdf, nullptr);
    EXPECT_TRUE(hosted::RenderControlPicture(disp, &dc, RECT{0, 0, 3600, 1800}));
  }
  EXPECT_GT(QFileInfo(pdfPath).size(), 1000);
  disp->Release();
}

TEST_F(GraphTest, EditorLookRendersGridLabelsAndCursors) {
  CSgScalarVector<float> wave(16384);
  for (unsigned i = 0; i < wave.GetSize(); ++i)
    wave[i] = static_cast<float>(std::sin(i * 6.2831853 / 4096) * 2.0);
  graph.GetAxes().Item("XAxis").SetMinMax(0.0, 16383.0);
  graph.GetAxes().Item("YAxis").SetMinMax(-2.5, 2.5);
  CSgValuePairs pairs = graph.GetAxes().Item("XAxis").GetValuePairs();
  pairs.Item(1).SetValue(0.0);
  for (int i = 1; i <= 10; ++i) {
    CString name;
    name.Format("%.3fms", i * 0.1);
    pairs.Item(i + 1).SetName(name);
    pairs.Item(i + 1).SetValue(i * 16384 / 10 - 1);
  }
  for (const char* axis : {"XAxis", "YAxis"}) {
    graph.GetAxes().Item(axis).GetTicks().SetGridLines(true);
    graph.GetAxes().Item(axis).GetTicks().SetGridColor(CSgColor(64, 64, 64));
  }
  pairs.SetGridLines(true);
  graph.GetPlots().Item(1).PlotSamples(wave, 0.0, 1.0);
  graph.GetCursors().Item("Cursor1").SetXPosition(3276.0);
  graph.GetCursors().Item("Cursor2").SetXPosition(13107.0);
  graph.GetCursors().Item("Cursor1").SetColor(CSgColor(255, 255, 0));
  graph.GetCursors().Item("Cursor2").SetColor(CSgColor(0, 255, 255));
  graph.GetCursors().Item("CursorXY").SetVisible(false);
  CSgPicture picture = graph.GetControlImage();
  IDispatch* disp = picture.GetPictureDisp();
  const QImage image = hosted::ControlPictureImage(disp);
  disp->Release();
  ASSERT_TRUE(image.save(QDir::temp().filePath("pelmoran_editor_graph.png"), "PNG"));
  const QPoint c1 = At(3276.0, 1.0);
  EXPECT_EQ(image.pixelColor(c1), QColor(255, 255, 0));  // Cursor1's line
}

TEST(GraphFacade, WithoutAWindowTheAttachFailsWithEPointer) {
  CSgGraph graph(2);
  try {
    graph.GetPlots();
    FAIL() << "no exception";
  } catch (COleException* e) {
    EXPECT_EQ(e->m_sc, E_POINTER);
    e->Delete();
  }
  EXPECT_FALSE(graph.IsAttached());
}

TEST(GraphFacade, CreatedInCodeAttachesAndDetachesWithItsWindow) {
  RegisterStandardControls();
  HostedWindow host("#32770", "", 10, 10);  // a plain parent with no graph yet
  CSgGraph graph(2);
  CWnd* parent = CWnd::FromHandle(host.host);
  ASSERT_TRUE(graph.Create(nullptr, "", WS_VISIBLE, RECT{0, 0, 300, 200}, parent, 77));
  EXPECT_TRUE(graph.IsAttached());
  EXPECT_EQ(g_controlWindowMap.count(graph.m_hWnd), 1u);
  EXPECT_EQ(graph.GetPlots().GetCount(), 1);  // a graph without a template text
  const HWND h = graph.m_hWnd;
  DestroyWindow(h);
  EXPECT_FALSE(graph.IsAttached());
  EXPECT_EQ(g_controlWindowMap.count(h), 0u);
}

}  // namespace
