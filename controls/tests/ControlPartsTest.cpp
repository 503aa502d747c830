// Version texts, the font size, the column reduction and the objects every
// control shares (annotations, bindings, images), each on its own.
#include "ControlsTestSupport.h"

#include "containers/CSgException.h"
#include "controls/CSgFont.h"
#include "controls/CSgGraph.h"
#include "controls/CVersion.h"
#include "controls/ColumnReduction.h"
#include "controls/GraphPicture.h"
#include "controls/GraphRenderer.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstring>
#include <limits>
#include "platform/com/Picture.h"

#include <gtest/gtest.h>

using namespace SG;

namespace {

struct VersionRow {
  const char* text;
  LONG major, minor, build, revision;
  bool passes;  // compares at least "6.0"
};

class VersionText : public testing::TestWithParam<VersionRow> {};

TEST_P(VersionText, ParsesAndCompares) {
  const VersionRow& row = GetParam();
  const CVersion v{CString(row.text)};
  EXPECT_EQ(v.major, row.major);
  EXPECT_EQ(v.minor, row.minor);
  EXPECT_EQ(v.build, row.build);
  EXPECT_EQ(v.revision, row.revision);
  EXPECT_EQ(!(v < CVersion(CString("6.0"))), row.passes);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, VersionText,
    testing::Values(VersionRow{"6.0", 6, 0, 0, 0, true}, VersionRow{"6", 6, 0, 0, 0, true},
                    VersionRow{"6.0.0.0", 6, 0, 0, 0, true}, VersionRow{"10.1", 10, 1, 0, 0, true},
                    VersionRow{"5.9.9.9", 5, 9, 9, 9, false}, VersionRow{"", 0, 0, 0, 0, false},
                    VersionRow{"6.x", 6, 0, 0, 0, true}, VersionRow{"6.0.0.0.9", 6, 0, 0, 0, true},
                    VersionRow{" 7", 7, 0, 0, 0, true}, VersionRow{"-1.5", -1, 5, 0, 0, false}));

TEST(Version, OrderIsFieldByField) {
  EXPECT_FALSE(CVersion(CString("6.1")) < CVersion(CString("6.0.5")));
  EXPECT_TRUE(CVersion(CString("6.0")) < CVersion(CString("6.0.0.1")));
  EXPECT_TRUE(CVersion(CString("6.0.0.1")) > CVersion(CString("6.0")));
  EXPECT_TRUE(CVersion(CString("6")) == CVersion(CString("6.0.0.0")));
}

TEST(Font, SizeKeepsFractionsAndClampsTheCurrency) {
  CSgFont font(static_cast<IFontDisp*>(new FontObject("Sans", 8.0)), 0, true);
  font.SetSize(9.75);
  EXPECT_EQ(font.GetSize(), 9.75);
  EXPECT_EQ(CSgFont::SizeToCurrency(12.5).int64, 125000);
  EXPECT_EQ(CSgFont::SizeToCurrency(-8).int64, 80000);
  EXPECT_EQ(CSgFont::SizeToCurrency(1e9).int64, 4294967295LL);
  font.SetBold(true);
  EXPECT_TRUE(font.GetBold());
  font.SetName("Courier");
  EXPECT_EQ(font.GetName(), CString("Courier"));
  font.SetWeight(700);
  EXPECT_EQ(font.GetWeight(), 700);
}

TEST(ColumnReduction, EveryColumnKeepsItsExtremes) {
  hosted::SampleData data;
  hosted::SampleVector<float> v(10000, 0.0f);
  v[1234] = 5.0f;
  v[8765] = -7.0f;
  data.values = v;
  const auto columns = hosted::ReduceColumns(data, 0.0, 1.0, 0.0, 9999.0, 100);
  ASSERT_EQ(columns.size(), 100u);
  double hi = 0, lo = 0;
  int used = 0;
  for (const auto& c : columns) {
    used += c.used;
    hi = std::max(hi, c.maximum);
    lo = std::min(lo, c.minimum);
  }
  EXPECT_EQ(used, 100);
  EXPECT_EQ(hi, 5.0);
  EXPECT_EQ(lo, -7.0);
  EXPECT_EQ(columns[12].maximum, 5.0);  // sample 1234 of 10000 on 100 columns
  // Only the visible range is read.
  const auto part = hosted::ReduceColumns(data, 0.0, 1.0, 2000.0, 3000.0, 10);
  for (const auto& c : part) EXPECT_EQ(c.maximum, 0.0);
}

// Against a plain count: each visible sample belongs to the column its X
// falls in; every column's first, last, minimum and maximum must match, at
// the edges of the range and whatever the samples per column.
TEST(ColumnReduction, MatchesAPlainCountAtEdgesAndAnyDecimation) {
  struct Row {
    size_t count;
    double first, step, xMin, xMax;
    int width;
  } rows[] = {
      {10000, 0.0, 1.0, 0.0, 10000.0, 100},   // column edges fall on samples
      {10007, 0.0, 1.0, 0.3, 9999.7, 97},     // and between them
      {5000, 0.0, 1.0, -250.0, 5250.0, 64},   // range wider than the data
      {5000, 0.0, 1.0, 1234.5, 1300.25, 31},  // a zoom: a few samples a column
      {3000, 10.0, 0.5, 100.0, 1400.0, 200},  // first and step other than 0 and 1
  };
  for (const Row& r : rows) {
    hosted::SampleVector<double> v(r.count);
    uint32_t seed = 12345;
    for (double& x : v) x = (seed = seed * 1664525u + 1013904223u) / 4294967296.0 - 0.5;
    v.front() = 9.0;  // peaks on the first and last samples
    v.back() = -9.0;
    hosted::SampleData data;
    data.values = v;
    const auto columns = hosted::ReduceColumns(data, r.first, r.step, r.xMin, r.xMax, r.width);
    std::vector<hosted::ColumnExtent> expected(r.width);
    const double perColumn = (r.xMax - r.xMin) / r.width;
    for (size_t i = 0; i < r.count; ++i) {
      const double x = r.first + i * r.step;
      if (x < r.xMin || x > r.xMax) continue;
      auto& e =
          expected[std::min<size_t>(static_cast<size_t>((x - r.xMin) / perColumn), r.width - 1)];
      if (!e.used) e.first = e.minimum = e.maximum = v[i];
      e.minimum = std::min(e.minimum, v[i]);
      e.maximum = std::max(e.maximum, v[i]);
      e.last = v[i];
      e.used = true;
    }
    for (int c = 0; c < r.width; ++c) {
      SCOPED_TRACE(testing::Message() << r.count << " samples, column " << c);
      ASSERT_EQ(columns[c].used, expected[c].used);
      if (!expected[c].used) continue;
      EXPECT_EQ(columns[c].first, expected[c].first);
      EXPECT_EQ(columns[c].last, expected[c].last);
      EXPECT_EQ(columns[c].minimum, expected[c].minimum);
      EXPECT_EQ(columns[c].maximum, expected[c].maximum);
    }
    // The replot's one-pass copy summarises alike.
    hosted::ColumnCache cache;
    cache.first = r.first, cache.step = r.step, cache.xMin = r.xMin, cache.xMax = r.xMax,
    cache.width = r.width;
    hosted::SampleVector<double> copy;
    hosted::CopyAndReduce(v.data(), v.size(), copy, cache);
    EXPECT_EQ(copy, v);
    for (int c = 0; c < r.width; ++c) {
      EXPECT_EQ(cache.columns[c].minimum, columns[c].minimum);
      EXPECT_EQ(cache.columns[c].maximum, columns[c].maximum);
    }
  }
}

// The replot's copy summarises in one pass of whole cache lines, with the
// lines across a column's edge taken sample by sample: float samples, NaNs
// at a column's start, inside it and filling a column, a visible range that
// starts and ends inside lines, and every offset of the data in memory.
TEST(ColumnReduction, OnePassCopySummarisesAsTheColumnsDo) {
  std::vector<float> all(40000 + 16);
  uint32_t seed = 7;
  for (float& x : all) x = float((seed = seed * 1664525u + 1013904223u) / 4294967296.0 - 0.5);
  for (size_t offset = 0; offset < 16; ++offset) {
    const float* v = all.data() + offset;
    const size_t count = 40000;
    hosted::SampleVector<float> samples(v, v + count);
    // Columns of 403.9 samples from 0: column 1 starts at 404, column 4
    // holds 1616 to 2019.
    samples[404] = NAN;
    samples[405] = 3.0f;
    for (size_t i = 1616; i < 2020; ++i) samples[i] = NAN;
    samples[5555] = NAN;
    hosted::SampleData data;
    data.values = samples;
    for (double xMin : {0.0, 1.5, 333.25}) {
      SCOPED_TRACE(testing::Message() << "offset " << offset << ", xMin " << xMin);
      const double xMax = 39990.7;
      const int width = 99;
      const auto columns = hosted::ReduceColumns(data, 0.0, 1.0, xMin, xMax, width);
      hosted::ColumnCache cache;
      cache.first = 0, cache.step = 1, cache.xMin = xMin, cache.xMax = xMax, cache.width = width;
      hosted::SampleVector<float> copy;
      hosted::CopyAndReduce(samples.data(), count, copy, cache);
      ASSERT_EQ(copy.size(), count);
      EXPECT_EQ(std::memcmp(copy.data(), samples.data(), count * sizeof(float)), 0);
      auto same = [](double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); };
      for (int c = 0; c < width; ++c) {
        ASSERT_EQ(cache.columns[c].used, columns[c].used) << c;
        EXPECT_TRUE(same(cache.columns[c].first, columns[c].first)) << c;
        EXPECT_TRUE(same(cache.columns[c].last, columns[c].last)) << c;
        EXPECT_TRUE(same(cache.columns[c].minimum, columns[c].minimum)) << c;
        EXPECT_TRUE(same(cache.columns[c].maximum, columns[c].maximum)) << c;
      }
      if (xMin == 0.0) {
        EXPECT_EQ(cache.columns[1].maximum, 3.0);  // the leading NaN hides no peak
        EXPECT_TRUE(std::isnan(cache.columns[4].minimum));
      }
    }
  }
}

TEST(ColumnReduction, ALeadingNaNHidesNoPeak) {
  hosted::SampleData data;
  hosted::SampleVector<float> v(1000, 0.0f);
  v[0] = NAN;  // the first sample of column 0
  v[5] = 4.0f;
  v[7] = -3.0f;
  data.values = v;
  const auto columns = hosted::ReduceColumns(data, 0.0, 1.0, 0.0, 1000.0, 10);
  EXPECT_EQ(columns[0].maximum, 4.0);
  EXPECT_EQ(columns[0].minimum, -3.0);
}

TEST(SharedObjects, UnnamedPropertiesAndCollectionsAnswer) {
  HostedWindow window(kGraphClass, "", 200, 100);
  CSgGraph graph(2);
  graph.SubclassWindow(window.control);

  CSgAnnotation note = graph.GetAnnotations().Add();
  EXPECT_EQ(graph.GetAnnotations().GetCount(), 1);
  note.GetCaption().SetProperty3("peak");
  EXPECT_EQ(graph.GetAnnotations().Item(1).GetCaption().GetProperty3(), CString("peak"));
  note.GetArrow().SetProperty7(-2);
  EXPECT_EQ(note.GetArrow().GetProperty7(), -2);
  CSgScalarVector<double> xs(3, 1.5);
  note.GetShape().SetProperty5(xs);
  EXPECT_EQ(note.GetShape().GetProperty5().GetSize(), 3u);
  note.SetPlot(CSgPlot());  // an empty wrapper passes a null interface

  CSgBinding binding = graph.GetBindings().Add();
  binding.SetProperty14(true);
  EXPECT_TRUE(graph.GetBindings().Item(1).GetProperty14());
  EXPECT_FALSE(binding.Method28("a", "b", 1, "c"));

  CSgImage image = graph.GetImage(CString("logo"));
  image.SetProperty19(42);
  EXPECT_EQ(graph.GetImage(1).GetProperty19(), 42);
  EXPECT_TRUE(
      ThrowsPointer<CSgObjectNotInUsableStateException>([&] { image.SetPicture(CSgPicture()); }));

  graph.SetProperty35(0.25);  // a plain double
  EXPECT_EQ(graph.GetProperty35(), 0.25);
  graph.GetFont().SetSize(9.75);
  EXPECT_EQ(graph.GetFont().GetSize(), 9.75);
  graph.GetAxes().Item(1).GetLabels().SetProperty15(3);
  EXPECT_EQ(graph.GetAxes().Item(1).GetLabels().GetProperty15(), 3);
}

}  // namespace

namespace {

// A picture shows the graph as it was when taken: changing any part of the
// graph afterwards (plots, axes, ticks, value pairs, cursors, colours)
// leaves it alone, and the copy never asks the widget to repaint.
TEST(GraphPicture, ASnapshotKeepsTheGraphAsItWasWhenTaken) {
  hosted::Graph graph;
  hosted::InitGraph(graph, 2, {"Cursor1"}, 3);
  auto data = std::make_shared<hosted::SampleData>();
  data->values = hosted::SampleVector<double>{0, 4, -3, 2, 8, 1, -6, 5, 0, 3, 2};
  graph.plots[0]->data = data;
  graph.XAxis().ticks->gridLines = true;
  int repaints = 0;
  graph.changed = [&] { ++repaints; };
  auto image = [](hosted::Graph& g) {
    QImage out(300, 160, QImage::Format_RGB32);
    QPainter painter(&out);
    hosted::RenderGraph(g, painter, QRectF(out.rect()), 1.0);
    return out;
  };

  const auto snapshot = hosted::SnapshotGraph(graph);
  const QImage taken = image(*snapshot);
  EXPECT_EQ(snapshot->cursors[0]->plot.lock(), snapshot->plots[0]);
  EXPECT_EQ(snapshot->plots[0]->data, data);  // samples shared, not copied

  graph.background = 0x00FFFFFF;
  graph.plots[0]->lineColor = 0x000000FF;
  graph.plots[0]->data.reset();
  graph.XAxis().maximum = 3.0;
  graph.XAxis().ticks->gridLines = false;
  graph.XAxis().valuePairs[1]->name = "changed";
  graph.cursors[0]->x = 7.0;
  graph.cursors[0]->plot = graph.plots[1];
  snapshot->Changed();

  EXPECT_EQ(repaints, 0);
  EXPECT_EQ(image(*snapshot), taken);
  EXPECT_NE(image(graph), taken);
}

// Columns of the plot area whose pixel on row y has the plot's line colour.
int LineColumns(const QImage& image, const QRectF& area, double y) {
  const int row = static_cast<int>(std::lround(y));
  int found = 0;
  for (int x = static_cast<int>(std::ceil(area.left())); x < static_cast<int>(area.right()); ++x)
    for (int dy = -1; dy <= 1; ++dy)
      if (row + dy >= 0 && row + dy < image.height() &&
          image.pixel(x, row + dy) == qRgb(0, 255, 0)) {
        ++found;
        break;
      }
  return found;
}

// Infinite and undefined samples among finite ones leave the finite line
// drawn where it belongs; an axis range that is no range (NaN) is widened
// around zero and the graph is painted whole.
// Axis labels: centred under their ticks, kept inside the graph, and one
// that would meet a label already placed is left out (the clamped last
// label of a short capture used to run into its neighbour).
TEST(Renderer, AxisLabelsThatWouldMeetAreLeftOut) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char* what;
    std::vector<double> centres, widths, lefts;
  } cases[] = {
      {"spaced", {100, 200, 300}, {40, 40, 40}, {80, 180, 280}},
      {"clamped at both ends", {0, 500}, {40, 40}, {0, 460}},
      {"last clamped onto its neighbour", {380, 470, 500}, {50, 50, 50}, {355, 445, nan}},
      {"closer than the gap", {100, 146}, {40, 40}, {80, nan}},
      {"exactly the gap apart", {100, 150}, {40, 40}, {80, 130}},
      {"wider than the graph", {250}, {600}, {0}},
  };
  for (const Case& c : cases) {
    const auto lefts = hosted::PlaceLabels(c.centres, c.widths, 0, 500, 10);
    ASSERT_EQ(lefts.size(), c.lefts.size()) << c.what;
    for (size_t i = 0; i < lefts.size(); ++i) {
      if (std::isnan(c.lefts[i]))
        EXPECT_TRUE(std::isnan(lefts[i])) << c.what << " " << i;
      else
        EXPECT_EQ(lefts[i], c.lefts[i]) << c.what << " " << i;
    }
  }
}

TEST(Renderer, ToleratesNonFiniteSamplesAndRanges) {
  hosted::Graph graph;
  hosted::InitGraph(graph, 1, {}, 0);
  auto data = std::make_shared<hosted::SampleData>();
  hosted::SampleVector<double> v(100000, 1.0);
  v[10] = NAN;
  v[20] = INFINITY;
  v[0] = -INFINITY;
  data->values = v;
  graph.plots[0]->data = data;
  graph.XAxis().maximum = 99999;
  const QColor unpainted(255, 0, 0);
  auto render = [&] {
    QImage image(400, 200, QImage::Format_RGB32);
    image.fill(unpainted);
    QPainter painter(&image);
    hosted::RenderGraph(graph, painter, QRectF(image.rect()), 1.0);
    return image;
  };
  auto everyPixelPainted = [&](const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y) == unpainted) return false;
    return true;
  };

  const QImage finite = render();
  const hosted::GraphMapping m = hosted::MapGraph(graph, QRectF(finite.rect()), 1.0);
  EXPECT_TRUE(everyPixelPainted(finite));
  // The line at 1 runs across the whole area, the columns of the odd
  // samples included.
  EXPECT_GE(LineColumns(finite, m.area, m.PixelY(1.0)), static_cast<int>(m.area.width()) - 2);

  graph.YAxis().minimum = graph.YAxis().maximum = NAN;
  const QImage noRange = render();
  const hosted::GraphMapping widened = hosted::MapGraph(graph, QRectF(noRange.rect()), 1.0);
  EXPECT_DOUBLE_EQ(widened.yMin, -0.5);
  EXPECT_DOUBLE_EQ(widened.yMax, 0.5);
  EXPECT_TRUE(everyPixelPainted(noRange));
  // 1 lies above the widened range: no line across the area's middle.
  EXPECT_EQ(LineColumns(noRange, widened.area, widened.PixelY(0.0)), 0);
}

}  // namespace
