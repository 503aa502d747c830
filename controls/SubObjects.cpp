#include "controls/SubObjects.h"

#include "controls/CSgControl.h"
#include "controls/SlotDefinitions.h"
#include "controls/SlotNames.h"
#include "matrix/CSgScalarMatrix.h"

namespace SG {

// One point as the data methods take it: two rows, one column, X then Y.
CSgScalarMatrix<double> PointMatrix(double x, double y) {
  const double values[2] = {x, y};
  return CSgScalarMatrix<double>(2, 1, values);
}

// The four collection methods shared by axes, plots, cursors, annotations.
#define SG_DEFINE_COLLECTION(Cls, ItemT, IndexType)                                   \
  ItemT Cls::Item(const CString& name) const {                                        \
    return Frame().Call<class ItemT>(CollectionSlots::Item, CSgVariant(name));        \
  }                                                                                   \
  ItemT Cls::Item(int index) const {                                                  \
    return Frame().Call<class ItemT>(CollectionSlots::Item, CSgVariant(index));       \
  }                                                                                   \
  void Cls::Remove(const CString& name) const {                                       \
    Frame().Call<void>(CollectionSlots::Remove, CSgVariant(name));                    \
  }                                                                                   \
  void Cls::Remove(IndexType index) const {                                           \
    Frame().Call<void>(CollectionSlots::Remove, CSgVariant(static_cast<int>(index))); \
  }                                                                                   \
  void Cls::RemoveAll() const { Frame().Call<void>(CollectionSlots::RemoveAll); }     \
  ItemT Cls::Add() const { return Frame().Call<class ItemT>(CollectionSlots::Add); }

#define SG_SLOT_CLASS CSgAxes
SG_DEFINE_SLOTS(SG_AXES_SLOTS)
#undef SG_SLOT_CLASS
SG_DEFINE_COLLECTION(CSgAxes, CSgAxis, long)

#define SG_SLOT_CLASS CSgAxis
SG_DEFINE_SLOTS(SG_AXIS_SLOTS)
#undef SG_SLOT_CLASS
void CSgAxis::SetMinMax(double minimum, double maximum) const {
  Frame().Call<void>(AxisSlots::SetMinMax, AsVariant{minimum}, AsVariant{maximum});
}
void CSgAxis::AutoScaleNow() const { Frame().Call<void>(AxisSlots::AutoScaleNow); }

#define SG_SLOT_CLASS CSgTicks
SG_DEFINE_SLOTS(SG_TICKS_SLOTS)
#undef SG_SLOT_CLASS

#define SG_SLOT_CLASS CSgLabels
SG_DEFINE_SLOTS(SG_LABELS_SLOTS)
#undef SG_SLOT_CLASS

#define SG_SLOT_CLASS CSgValuePair
SG_DEFINE_SLOTS(SG_VALUEPAIR_SLOTS)
#undef SG_SLOT_CLASS

#define SG_SLOT_CLASS CSgValuePairs
SG_DEFINE_SLOTS(SG_VALUEPAIRS_SLOTS)
#undef SG_SLOT_CLASS
CSgValuePair CSgValuePairs::Item(const CString& name) const {
  return Frame().Call<CSgValuePair>(ValuePairsSlots::Item, CSgVariant(name));
}
CSgValuePair CSgValuePairs::Item(int index) const {
  return Frame().Call<CSgValuePair>(ValuePairsSlots::Item, CSgVariant(index));
}
void CSgValuePairs::Remove(const CString& name) const {
  Frame().Call<void>(ValuePairsSlots::Remove, CSgVariant(name));
}
void CSgValuePairs::Remove(long index) const {
  Frame().Call<void>(ValuePairsSlots::Remove, CSgVariant(static_cast<int>(index)));
}
void CSgValuePairs::RemoveAll() const { Frame().Call<void>(ValuePairsSlots::RemoveAll); }
CSgValuePair CSgValuePairs::Add() const { return Frame().Call<CSgValuePair>(ValuePairsSlots::Add); }
void CSgValuePairs::AddEvenly(LONG first, LONG count) const {
  Frame().Call<void>(ValuePairsSlots::AddEvenly, CSgVariant(static_cast<int>(first)),
                     CSgVariant(static_cast<int>(count)));
}

#define SG_SLOT_CLASS CSgPlots
SG_DEFINE_SLOTS(SG_PLOTS_SLOTS)
#undef SG_SLOT_CLASS
SG_DEFINE_COLLECTION(CSgPlots, CSgPlot, long)

#define SG_SLOT_CLASS CSgPlot
SG_DEFINE_SLOTS(SG_PLOT_SLOTS)
#undef SG_SLOT_CLASS
void CSgPlot::ClearData() const { Frame().Call<void>(PlotSlots::ClearData); }
void CSgPlot::PlotSamples(const CSgVector& samples, double first, double step) const {
  Frame().Call<void>(PlotSlots::PlotSamples, samples, AsVariant{first}, AsVariant{step});
}
void CSgPlot::PlotSamples(const CSgVector& samples, double first) const {
  Frame().Call<void>(PlotSlots::PlotSamples, samples, AsVariant{first}, Missing{});
}
void CSgPlot::PlotSamples(const CSgVector& samples) const {
  Frame().Call<void>(PlotSlots::PlotSamples, samples, Missing{}, Missing{});
}
void CSgPlot::PlotXvsY(const CSgVector& x, const CSgVector& y) const {
  Frame().Call<void>(PlotSlots::PlotXvsY, x, y);
}
void CSgPlot::ChartSamples(const CSgVector& samples, double step) const {
  Frame().Call<void>(PlotSlots::ChartSamples, samples, AsVariant{step});
}
void CSgPlot::ChartSamples(const CSgVector& samples) const {
  Frame().Call<void>(PlotSlots::ChartSamples, samples, Missing{});
}
void CSgPlot::ChartSamples(double y, double step) const {
  Frame().Call<void>(PlotSlots::ChartSamples, CSgScalarVector<double>(1u, &y), AsVariant{step});
}
void CSgPlot::ChartSamples(double y) const {
  Frame().Call<void>(PlotSlots::ChartSamples, CSgScalarVector<double>(1u, &y), Missing{});
}
void CSgPlot::ChartXvsY(const CSgVector& x, const CSgVector& y) const {
  Frame().Call<void>(PlotSlots::ChartXvsY, x, y);
}
void CSgPlot::PlotMatrix(const CSgMatrix& m, bool flag) const {
  Frame().Call<void>(PlotSlots::PlotMatrix, m, CSgVariant(flag));
}
void CSgPlot::PlotMatrix(const CSgMatrix& m) const {
  Frame().Call<void>(PlotSlots::PlotMatrix, m, Missing{});
}
void CSgPlot::PlotPoint(double x, double y) const {
  Frame().Call<void>(PlotSlots::PlotMatrix, PointMatrix(x, y), CSgVariant(true));
}
void CSgPlot::ChartMatrix(const CSgMatrix& m, bool flag) const {
  Frame().Call<void>(PlotSlots::ChartMatrix, m, CSgVariant(flag));
}
void CSgPlot::ChartMatrix(const CSgMatrix& m) const {
  Frame().Call<void>(PlotSlots::ChartMatrix, m, Missing{});
}
void CSgPlot::ChartPoint(double x, double y) const {
  Frame().Call<void>(PlotSlots::ChartMatrix, PointMatrix(x, y), CSgVariant(true));
}

#define SG_SLOT_CLASS CSgCursors
SG_DEFINE_SLOTS(SG_CURSORS_SLOTS)
#undef SG_SLOT_CLASS
SG_DEFINE_COLLECTION(CSgCursors, CSgCursor, int)

#define SG_SLOT_CLASS CSgCursor
SG_DEFINE_SLOTS(SG_CURSOR_SLOTS)
#undef SG_SLOT_CLASS
void CSgCursor::SetPosition(double x, double y) const {
  Frame().Call<void>(CursorSlots::SetPosition, AsVariant{x}, AsVariant{y});
}

#define SG_SLOT_CLASS CSgBindings
SG_DEFINE_SLOTS(SG_BINDINGS_SLOTS)
#undef SG_SLOT_CLASS
CSgBinding CSgBindings::Item(int index) const {
  return Frame().Call<CSgBinding>(CollectionSlots::Item, CSgVariant(index));
}
void CSgBindings::Remove(int index) const {
  Frame().Call<void>(CollectionSlots::Remove, CSgVariant(index));
}
void CSgBindings::RemoveAll() const { Frame().Call<void>(CollectionSlots::RemoveAll); }
CSgBinding CSgBindings::Add() const { return Frame().Call<CSgBinding>(CollectionSlots::Add); }

#define SG_SLOT_CLASS CSgBinding
SG_DEFINE_SLOTS(SG_BINDING_SLOTS)
#undef SG_SLOT_CLASS
void CSgBinding::SetTarget(const CSgControl& control) const {
  CallFrame frame = Frame();
  frame.Call<void>(BindingSlots::SetTarget,
                   OwnedReference{const_cast<CSgControl&>(control).GetDispatch()});
}
void CSgBinding::SetTarget(const CSgInterface& object) const {
  CallFrame frame = Frame();
  frame.Call<void>(BindingSlots::SetTarget,
                   OwnedReference{const_cast<CSgInterface&>(object).GetDispatch()});
}
void CSgBinding::Method24() const { Frame().Call<void>(BindingSlots::Method24); }
void CSgBinding::Method25() const { Frame().Call<void>(BindingSlots::Method25); }
void CSgBinding::Method26(const char* text, LONG value) const {
  Frame().Call<void>(BindingSlots::Method26, text, value);
}
void CSgBinding::Method27() const { Frame().Call<void>(BindingSlots::Method27); }
bool CSgBinding::Method28(const CString& a, const CString& b, LONG value, const CString& c) const {
  return Frame().Call<bool>(BindingSlots::Method28, CSgVariant(a), CSgVariant(b),
                            CSgVariant(static_cast<int>(value)), CSgVariant(c));
}

#define SG_SLOT_CLASS CSgAnnotations
SG_DEFINE_SLOTS(SG_ANNOTATIONS_SLOTS)
#undef SG_SLOT_CLASS
SG_DEFINE_COLLECTION(CSgAnnotations, CSgAnnotation, int)

#define SG_SLOT_CLASS CSgAnnotation
SG_DEFINE_SLOTS(SG_ANNOTATION_SLOTS)
#undef SG_SLOT_CLASS
void CSgAnnotation::Method20(LONG value) const {
  Frame().Call<void>(AnnotationSlots::Method20, value);
}

#define SG_SLOT_CLASS CSgCaption
SG_DEFINE_SLOTS(SG_CAPTION_SLOTS)
#undef SG_SLOT_CLASS
void CSgCaption::SetPair(double first, double second) const {
  Frame().Call<void>(CaptionSlots::SetPair, first, second);
}

#define SG_SLOT_CLASS CSgShape
SG_DEFINE_SLOTS(SG_SHAPE_SLOTS)
#undef SG_SLOT_CLASS
void CSgShape::SetArrays(const CSgVector& first, const CSgVector& second) const {
  Frame().Call<void>(ShapeSlots::SetArrays, first, second);
}

#define SG_SLOT_CLASS CSgArrow
SG_DEFINE_SLOTS(SG_ARROW_SLOTS)
#undef SG_SLOT_CLASS

#define SG_SLOT_CLASS CSgImage
SG_DEFINE_SLOTS(SG_IMAGE_SLOTS)
#undef SG_SLOT_CLASS
CSgPicture CSgImage::GetPicture() const {
  CallFrame frame = Frame();
  m_self->CheckThread();
  return frame.Call<CSgPicture>(ImageSlots::GetPicture);
}
void CSgImage::SetPicture(const CSgPicture& picture) const {
  CallFrame frame = Frame();
  picture.CheckThread();
  m_self->CheckThread();
  bool mustRelease = false;
  IUnknown* p = const_cast<CSgPicture&>(picture).GetInterface(false, &mustRelease);
  if (!p) throw new CSgObjectNotInUsableStateException("CSgPicture", TRUE);
  frame.Call<void>(ImageSlots::SetPicture, OwnedReference{mustRelease ? p : (p->AddRef(), p)});
}
void CSgImage::Method41() const { Frame().Call<void>(ImageSlots::Method41); }

}  // namespace SG
