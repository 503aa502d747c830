#pragma once
// The wrappers of the graph's sub-objects and of the controls' shared
// sub-objects (bindings, images, annotations). Each is a value over one
// private interface held in an interface holder; every operation is one slot
// call through the frame. Properties come from the slot tables; collection
// and data methods are written out below.

#include "containers/CSgInterface.h"
#include "containers/CSgPicture.h"
#include "containers/CSgScalarVector.h"
#include "containers/SgInterfaceIds.h"
#include "controls/CSgFont.h"
#include "controls/CallFrame.h"
#include "controls/SlotTables.h"

namespace SG {

class CSgControl;
class CSgAxis;
class CSgAxes;
class CSgTicks;
class CSgLabels;
class CSgValuePair;
class CSgValuePairs;
class CSgPlot;
class CSgPlots;
class CSgCursor;
class CSgCursors;
class CSgBinding;
class CSgBindings;
class CSgAnnotation;
class CSgAnnotations;
class CSgCaption;
class CSgShape;
class CSgArrow;
class CSgImage;

#define SG_DECLARE_P(get, set, K, Name) \
  kind::K::Get Get##Name() const;       \
  void Set##Name(const kind::K::Set& value) const;
#define SG_DECLARE_G(slot, K, Name) kind::K::Get Get##Name() const;
#define SG_DECLARE_O(slot, W, Name) W Get##Name() const;
#define SG_DECLARE_OP(get, set, W, Name) \
  W Get##Name() const;                   \
  void Set##Name(const W& value) const;
#define SG_DECLARE_SLOTS(TABLE) TABLE(SG_DECLARE_P, SG_DECLARE_G, SG_DECLARE_O, SG_DECLARE_OP)

// What every sub-object wrapper has: its interface id, the holder's
// constructors and copies, and the frame of one operation.
#define SG_SUBOBJECT_CLASS(Cls)                                                \
 public:                                                                       \
  static const IID& GetIid() { return IID_##Cls; }                             \
  static constexpr const char* kClassName = #Cls;                              \
  Cls() : m_self(this) {}                                                      \
  Cls(IUnknown* pointer, int threadOption, bool adopt)                         \
      : CSgInterface(pointer, IID_##Cls, threadOption, adopt), m_self(this) {} \
  Cls(const Cls& other) : CSgInterface(other), m_self(this) {}                 \
  Cls& operator=(const Cls& other) {                                           \
    CSgInterface::operator=(other);                                            \
    return *this;                                                              \
  }                                                                            \
  ~Cls() override = default;                                                   \
                                                                               \
 private:                                                                      \
  CSgInterface* m_self;                                                        \
  CallFrame Frame() const { return CallFrame(*m_self, kClassName); }           \
                                                                               \
 public:

class CSgAxes : public CSgInterface {
  SG_SUBOBJECT_CLASS(CSgAxes)
  SG_DECLARE_SLOTS(SG_AXES_SLOTS)
  CSgAxis Item(const CString& name) const;
  CSgAxis Item(int index) const;
  void Remove(const CString& name) const;
  void Remove(long index) const;
  void RemoveAll() const;
  CSgAxis Add() const;
};

class CSgAxis : public CSgInterface {
  SG_SUBOBJECT_CLASS(CSgAxis)
  SG_DECLARE_SLOTS(SG_AXIS_SLOTS)
  // The minimum, then the maximum, in one call.
  void SetMinMax(double minimum, double maximum) const;
  void AutoScaleNow() const;
};

class CSgTicks : public CSgInterface {
  SG_SUBOBJECT_CLASS(CSgTicks)
  SG_DECLARE_SLOTS(SG_TICKS_SLOTS)
};

class CSgLabels : public CSgInterface {
  SG_SUBOBJECT_CLASS(CSgLabels)
  SG_DECLARE_SLOTS(SG_LABELS_SLOTS)
};

class CSgValuePair : public CSgInterface {
  SG_SUBOBJECT_CLASS(CSgValuePair)
  SG_DECLARE_SLOTS(SG_VALUEPAIR_SLOTS)
};

class CSgValuePairs : public CSgInterface {
  SG_SUBOBJECT_CLASS(CSgValuePairs)
  SG_DECLARE_SLOTS(SG_VALUEPAIRS_SLOTS)
  CSgValuePair Item(const CString& name) const;
  CSgValuePair Item(int index) const;
  void Remove(const CString& name) const;
  void Remove(long index) const;
  void RemoveAll() const;
  CSgValuePair Add() const;
  // Adds count pairs spread evenly from the first to the last value.
  void AddEvenly(LONG first, LONG count) const;
};

class CSgPlots : public CSgInterface {
  SG_SUBOBJECT_CLASS(CSgPlots)
  SG_DECLARE_SLOTS(SG_PLOTS_SLOTS)
  CSgPlot Item(const CString& name) const;
  CSgPlot Item(int index) const;
  void Remove(const CString& name) const;
  void Remove(long index) const;
  void RemoveAll() const;
  CSgPlot Add() const;
};

class CSgPlot : public CSgInterface {
  SG_SUBOBJECT_CLASS(CSgPlot)
  SG_DECLARE_SLOTS(SG_PLOT_SLOTS)
  void ClearData() const;
  // Sample i is drawn at X = first + i * step.
  void PlotSamples(const CSgVector& samples, double first, double step) const;
  void PlotSamples(const CSgVector& samples, double first) const;
  void PlotSamples(const CSgVector& samples) const;
  void PlotXvsY(const CSgVector& x, const CSgVector& y) const;
  // Appends samples after the plot's last one.
  void ChartSamples(const CSgVector& samples, double step) const;
  void ChartSamples(const CSgVector& samples) const;
  void ChartSamples(double y, double step) const;
  void ChartSamples(double y) const;
  void ChartXvsY(const CSgVector& x, const CSgVector& y) const;
  // Points from a matrix of two rows, X above Y; the switch is passed on.
  void PlotMatrix(const CSgMatrix& points, bool flag) const;
  void PlotMatrix(const CSgMatrix& points) const;
  void PlotPoint(double x, double y) const;
  void ChartMatrix(const CSgMatrix& points, bool flag) const;
  void ChartMatrix(const CSgMatrix& points) const;
  void ChartPoint(double x, double y) const;
};

class CSgCursors : public CSgInterface {
  SG_SUBOBJECT_CLASS(CSgCursors)
  SG_DECLARE_SLOTS(SG_CURSORS_SLOTS)
  CSgCursor Item(const CString& name) const;
  CSgCursor Item(int index) const;
  void Remove(const CString& name) const;
  void Remove(int index) const;
  void RemoveAll() const;
  CSgCursor Add() const;
};

class CSgCursor : public CSgInterface {
  SG_SUBOBJECT_CLASS(CSgCursor)
  SG_DECLARE_SLOTS(SG_CURSOR_SLOTS)
  // X then Y, in one call.
  void SetPosition(double x, double y) const;
};

class CSgBindings : public CSgInterface {
  SG_SUBOBJECT_CLASS(CSgBindings)
  SG_DECLARE_SLOTS(SG_BINDINGS_SLOTS)
  CSgBinding Item(int index) const;
  void Remove(int index) const;
  void RemoveAll() const;
  CSgBinding Add() const;
};

class CSgBinding : public CSgInterface {
  SG_SUBOBJECT_CLASS(CSgBinding)
  SG_DECLARE_SLOTS(SG_BINDING_SLOTS)
  void SetTarget(const CSgControl& control) const;
  void SetTarget(const CSgInterface& object) const;
  void Method24() const;
  void Method25() const;
  void Method26(const char* text, LONG value) const;
  void Method27() const;
  bool Method28(const CString& a, const CString& b, LONG value, const CString& c) const;
};

class CSgAnnotations : public CSgInterface {
  SG_SUBOBJECT_CLASS(CSgAnnotations)
  SG_DECLARE_SLOTS(SG_ANNOTATIONS_SLOTS)
  CSgAnnotation Item(const CString& name) const;
  CSgAnnotation Item(int index) const;
  void Remove(const CString& name) const;
  void Remove(int index) const;
  void RemoveAll() const;
  CSgAnnotation Add() const;
};

class CSgAnnotation : public CSgInterface {
  SG_SUBOBJECT_CLASS(CSgAnnotation)
  SG_DECLARE_SLOTS(SG_ANNOTATION_SLOTS)
  void Method20(LONG value) const;
};

class CSgCaption : public CSgInterface {
  SG_SUBOBJECT_CLASS(CSgCaption)
  SG_DECLARE_SLOTS(SG_CAPTION_SLOTS)
  void SetPair(double first, double second) const;
};

class CSgShape : public CSgInterface {
  SG_SUBOBJECT_CLASS(CSgShape)
  SG_DECLARE_SLOTS(SG_SHAPE_SLOTS)
  void SetArrays(const CSgVector& first, const CSgVector& second) const;
};

class CSgArrow : public CSgInterface {
  SG_SUBOBJECT_CLASS(CSgArrow)
  SG_DECLARE_SLOTS(SG_ARROW_SLOTS)
};

class CSgImage : public CSgInterface {
  SG_SUBOBJECT_CLASS(CSgImage)
  SG_DECLARE_SLOTS(SG_IMAGE_SLOTS)
  // Both check the calling thread against the owner threads first.
  CSgPicture GetPicture() const;
  void SetPicture(const CSgPicture& picture) const;
  void Method41() const;
};

}  // namespace SG
