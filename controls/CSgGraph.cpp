#include "controls/CSgGraph.h"

#include "controls/FacadeDefinitions.h"
#include "controls/SlotNames.h"
#include "matrix/CSgScalarMatrix.h"

namespace SG {

SG_DEFINE_FACADE(CSgGraph, "B309AEAA-EF99-49FC-9F80-CDD52F1D5AE7")

#define SG_SLOT_CLASS CSgGraph
SG_DEFINE_SLOTS(SG_GRAPH_SLOTS)
#undef SG_SLOT_CLASS

void CSgGraph::ClearData() const { Frame().Call<void>(GraphSlots::ClearData); }

CSgPicture CSgGraph::GetControlImage() const {
  CallFrame frame = Frame();
  const_cast<CSgGraph*>(this)->CheckInterfaceThread();
  return frame.Call<CSgPicture>(GraphSlots::GetControlImage);
}

CSgPicture CSgGraph::GetControlImage(LONG width, LONG height) const {
  CallFrame frame = Frame();
  const_cast<CSgGraph*>(this)->CheckInterfaceThread();
  return frame.Call<CSgPicture>(GraphSlots::GetControlImageOfSize, width, height);
}

CSgImage CSgGraph::GetImage(const CString& name) const {
  return Frame().Call<CSgImage>(GraphSlots::GetImage, CSgVariant(name));
}
CSgImage CSgGraph::GetImage(int index) const {
  return Frame().Call<CSgImage>(GraphSlots::GetImage, CSgVariant(index));
}

void CSgGraph::PlotXvsY(const CSgVector& x, const CSgVector& y) const {
  Frame().Call<void>(GraphSlots::PlotXvsY, x, y, CSgVariant(true));
}
void CSgGraph::PlotSamples(const CSgVector& v, double a, double b) const {
  Frame().Call<void>(GraphSlots::PlotSamples, v, AsVariant{a}, AsVariant{b}, Missing{});
}
void CSgGraph::PlotSamples(const CSgVector& v, double a) const {
  Frame().Call<void>(GraphSlots::PlotSamples, v, AsVariant{a}, Missing{}, Missing{});
}
void CSgGraph::PlotSamples(const CSgVector& v) const {
  Frame().Call<void>(GraphSlots::PlotSamples, v, Missing{}, Missing{}, Missing{});
}
void CSgGraph::ChartSamples(const CSgVector& v, double b) const {
  Frame().Call<void>(GraphSlots::ChartSamples, v, AsVariant{b}, Missing{});
}
void CSgGraph::ChartSamples(const CSgVector& v) const {
  Frame().Call<void>(GraphSlots::ChartSamples, v, Missing{}, Missing{});
}
void CSgGraph::ChartSamples(double y, double b) const {
  Frame().Call<void>(GraphSlots::ChartSamples, CSgScalarVector<double>(1u, &y), AsVariant{b},
                     Missing{});
}
void CSgGraph::ChartSamples(double y) const {
  Frame().Call<void>(GraphSlots::ChartSamples, CSgScalarVector<double>(1u, &y), Missing{},
                     Missing{});
}
void CSgGraph::ChartXvsY(const CSgVector& x, const CSgVector& y) const {
  Frame().Call<void>(GraphSlots::ChartXvsY, x, y, CSgVariant(true));
}
void CSgGraph::PlotXvsY(const CSgVector& x, const CSgMatrix& y, bool flag) const {
  Frame().Call<void>(GraphSlots::PlotXvsY, x, y, CSgVariant(flag));
}
void CSgGraph::PlotXvsY(const CSgVector& x, const CSgMatrix& y) const {
  Frame().Call<void>(GraphSlots::PlotXvsY, x, y, Missing{});
}
void CSgGraph::PlotSamples(const CSgMatrix& m, double a, double b, bool flag) const {
  Frame().Call<void>(GraphSlots::PlotSamples, m, AsVariant{a}, AsVariant{b}, CSgVariant(flag));
}
void CSgGraph::PlotSamples(const CSgMatrix& m, bool flag) const {
  Frame().Call<void>(GraphSlots::PlotSamples, m, Missing{}, Missing{}, CSgVariant(flag));
}
void CSgGraph::PlotSamples(const CSgMatrix& m) const {
  Frame().Call<void>(GraphSlots::PlotSamples, m, Missing{}, Missing{}, Missing{});
}
void CSgGraph::PlotMatrix(const CSgMatrix& m, bool flag) const {
  Frame().Call<void>(GraphSlots::PlotMatrix, m, CSgVariant(flag));
}
void CSgGraph::PlotMatrix(const CSgMatrix& m) const {
  Frame().Call<void>(GraphSlots::PlotMatrix, m, Missing{});
}
void CSgGraph::PlotPoint(double x, double y) const {
  Frame().Call<void>(GraphSlots::PlotMatrix, PointMatrix(x, y), CSgVariant(true));
}
void CSgGraph::ChartSamples(const CSgMatrix& m, double b, bool flag) const {
  Frame().Call<void>(GraphSlots::ChartSamples, m, AsVariant{b}, CSgVariant(flag));
}
void CSgGraph::ChartSamples(const CSgMatrix& m, bool flag) const {
  Frame().Call<void>(GraphSlots::ChartSamples, m, Missing{}, CSgVariant(flag));
}
void CSgGraph::ChartSamples(const CSgMatrix& m) const {
  Frame().Call<void>(GraphSlots::ChartSamples, m, Missing{}, Missing{});
}
void CSgGraph::ChartMatrix(const CSgMatrix& m, bool flag) const {
  Frame().Call<void>(GraphSlots::ChartMatrix, m, CSgVariant(flag));
}
void CSgGraph::ChartMatrix(const CSgMatrix& m) const {
  Frame().Call<void>(GraphSlots::ChartMatrix, m, Missing{});
}
void CSgGraph::ChartPoint(double x, double y) const {
  Frame().Call<void>(GraphSlots::ChartMatrix, PointMatrix(x, y), CSgVariant(true));
}
void CSgGraph::ChartXvsY(const CSgVector& x, const CSgMatrix& y, bool flag) const {
  Frame().Call<void>(GraphSlots::ChartXvsY, x, y, CSgVariant(flag));
}
void CSgGraph::ChartXvsY(const CSgVector& x, const CSgMatrix& y) const {
  Frame().Call<void>(GraphSlots::ChartXvsY, x, y, Missing{});
}
void CSgGraph::Method58(const char* text) const { Frame().Call<void>(GraphSlots::Method58, text); }
void CSgGraph::Method59(const char* text) const { Frame().Call<void>(GraphSlots::Method59, text); }
void CSgGraph::Method64() const { Frame().Call<void>(GraphSlots::Method64); }
void CSgGraph::Method65() const { Frame().Call<void>(GraphSlots::Method65); }

}  // namespace SG
