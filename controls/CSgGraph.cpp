#include "controls/CSgGraph.h"

#include "controls/FacadeDefinitions.h"
#include "matrix/CSgScalarMatrix.h"

namespace SG {

SG_DEFINE_FACADE(CSgGraph, "B309AEAA-EF99-49FC-9F80-CDD52F1D5AE7")

#define SG_SLOT_CLASS CSgGraph
SG_DEFINE_SLOTS(SG_GRAPH_SLOTS)
#undef SG_SLOT_CLASS

void CSgGraph::ClearData() const { Frame().Call<void>(57); }

CSgPicture CSgGraph::GetControlImage() const {
  CallFrame frame = Frame();
  const_cast<CSgGraph*>(this)->CheckInterfaceThread();
  return frame.Call<CSgPicture>(61);
}

CSgPicture CSgGraph::GetControlImage(LONG width, LONG height) const {
  CallFrame frame = Frame();
  const_cast<CSgGraph*>(this)->CheckInterfaceThread();
  return frame.Call<CSgPicture>(66, width, height);
}

CSgImage CSgGraph::GetImage(const CString& name) const {
  return Frame().Call<CSgImage>(60, CSgVariant(name));
}
CSgImage CSgGraph::GetImage(int index) const {
  return Frame().Call<CSgImage>(60, CSgVariant(index));
}

void CSgGraph::PlotXvsY(const CSgVector& x, const CSgVector& y) const {
  Frame().Call<void>(50, x, y, CSgVariant(true));
}
void CSgGraph::PlotSamples(const CSgVector& v, double a, double b) const {
  Frame().Call<void>(51, v, AsVariant{a}, AsVariant{b}, Missing{});
}
void CSgGraph::PlotSamples(const CSgVector& v, double a) const {
  Frame().Call<void>(51, v, AsVariant{a}, Missing{}, Missing{});
}
void CSgGraph::PlotSamples(const CSgVector& v) const {
  Frame().Call<void>(51, v, Missing{}, Missing{}, Missing{});
}
void CSgGraph::ChartSamples(const CSgVector& v, double b) const {
  Frame().Call<void>(54, v, AsVariant{b}, Missing{});
}
void CSgGraph::ChartSamples(const CSgVector& v) const {
  Frame().Call<void>(54, v, Missing{}, Missing{});
}
void CSgGraph::ChartSamples(double y, double b) const {
  Frame().Call<void>(54, CSgScalarVector<double>(1u, &y), AsVariant{b}, Missing{});
}
void CSgGraph::ChartSamples(double y) const {
  Frame().Call<void>(54, CSgScalarVector<double>(1u, &y), Missing{}, Missing{});
}
void CSgGraph::ChartXvsY(const CSgVector& x, const CSgVector& y) const {
  Frame().Call<void>(56, x, y, CSgVariant(true));
}
void CSgGraph::PlotXvsY(const CSgVector& x, const CSgMatrix& y, bool flag) const {
  Frame().Call<void>(50, x, y, CSgVariant(flag));
}
void CSgGraph::PlotXvsY(const CSgVector& x, const CSgMatrix& y) const {
  Frame().Call<void>(50, x, y, Missing{});
}
void CSgGraph::PlotSamples(const CSgMatrix& m, double a, double b, bool flag) const {
  Frame().Call<void>(51, m, AsVariant{a}, AsVariant{b}, CSgVariant(flag));
}
void CSgGraph::PlotSamples(const CSgMatrix& m, bool flag) const {
  Frame().Call<void>(51, m, Missing{}, Missing{}, CSgVariant(flag));
}
void CSgGraph::PlotSamples(const CSgMatrix& m) const {
  Frame().Call<void>(51, m, Missing{}, Missing{}, Missing{});
}
void CSgGraph::PlotMatrix(const CSgMatrix& m, bool flag) const {
  Frame().Call<void>(52, m, CSgVariant(flag));
}
void CSgGraph::PlotMatrix(const CSgMatrix& m) const { Frame().Call<void>(52, m, Missing{}); }
void CSgGraph::PlotPoint(double x, double y) const {
  Frame().Call<void>(52, PointMatrix(x, y), CSgVariant(true));
}
void CSgGraph::ChartSamples(const CSgMatrix& m, double b, bool flag) const {
  Frame().Call<void>(54, m, AsVariant{b}, CSgVariant(flag));
}
void CSgGraph::ChartSamples(const CSgMatrix& m, bool flag) const {
  Frame().Call<void>(54, m, Missing{}, CSgVariant(flag));
}
void CSgGraph::ChartSamples(const CSgMatrix& m) const {
  Frame().Call<void>(54, m, Missing{}, Missing{});
}
void CSgGraph::ChartMatrix(const CSgMatrix& m, bool flag) const {
  Frame().Call<void>(55, m, CSgVariant(flag));
}
void CSgGraph::ChartMatrix(const CSgMatrix& m) const { Frame().Call<void>(55, m, Missing{}); }
void CSgGraph::ChartPoint(double x, double y) const {
  Frame().Call<void>(55, PointMatrix(x, y), CSgVariant(true));
}
void CSgGraph::ChartXvsY(const CSgVector& x, const CSgMatrix& y, bool flag) const {
  Frame().Call<void>(56, x, y, CSgVariant(flag));
}
void CSgGraph::ChartXvsY(const CSgVector& x, const CSgMatrix& y) const {
  Frame().Call<void>(56, x, y, Missing{});
}
void CSgGraph::Method58(const char* text) const { Frame().Call<void>(58, text); }
void CSgGraph::Method59(const char* text) const { Frame().Call<void>(59, text); }
void CSgGraph::Method64() const { Frame().Call<void>(64); }
void CSgGraph::Method65() const { Frame().Call<void>(65); }

}  // namespace SG
