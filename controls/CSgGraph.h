#pragma once
// The facade of the hosted graph control: plots, axes and cursors, the
// interaction mode, colours, clearing the data and a picture for printing.

#include "controls/CSgControl.h"
#include "platform/afx/File.h"
#include "controls/SubObjects.h"

namespace SG {

// The shared shape of the three facades: interface id, class name and the
// frame of one operation.
#define SG_FACADE_CLASS(Cls)                                                                    \
  DECLARE_DYNCREATE(Cls)                                                                        \
 public:                                                                                        \
  explicit Cls(int threadOption = 2) : CSgControl(threadOption) {}                              \
  ~Cls() override;                                                                              \
  static const CLSID& GetClsid();                                                               \
  static const IID& GetIid() { return IID_##Cls; }                                              \
  static constexpr const char* kClassName = #Cls;                                               \
  BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, \
              UINT id, void* context = nullptr) override;                                       \
  /* Like Create; the persistence arguments are not used by our controls,  */                   \
  /* and the leading argument of the two longer forms is ignored.           */                  \
  virtual BOOL CreateControl(LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent,    \
                             UINT id, CFile* persist = nullptr, BOOL storage = FALSE,           \
                             BSTR licenceKey = nullptr) {                                       \
    return Create(nullptr, windowName, style, rect, parent, id);                                \
  }                                                                                             \
  virtual BOOL CreateControl(REFCLSID, LPCSTR windowName, DWORD style, const RECT& rect,        \
                             CWnd* parent, UINT id, CFile* persist = nullptr,                   \
                             BOOL storage = FALSE, BSTR licenceKey = nullptr) {                 \
    return Create(nullptr, windowName, style, rect, parent, id);                                \
  }                                                                                             \
  virtual BOOL CreateControl(LPCSTR, LPCSTR windowName, DWORD style, const RECT& rect,          \
                             CWnd* parent, UINT id, CFile* persist = nullptr,                   \
                             BOOL storage = FALSE, BSTR licenceKey = nullptr) {                 \
    return Create(nullptr, windowName, style, rect, parent, id);                                \
  }                                                                                             \
  void CheckInterfaceThread() override { CheckHolderThread(); }                                 \
  void Attach() override { AttachTo(IID_##Cls); }                                               \
  IUnknown* GetInterface(bool* release) override { return FetchInterface(release); }            \
  void Detach() override { DetachHolder(); }                                                    \
                                                                                                \
 private:                                                                                       \
  CallFrame Frame() const;                                                                      \
                                                                                                \
 public:

class CSgGraph : public CSgControl {
  SG_FACADE_CLASS(CSgGraph)
  SG_DECLARE_SLOTS(SG_GRAPH_SLOTS)

  void ClearData() const;
  CSgPicture GetControlImage() const;
  CSgPicture GetControlImage(LONG width, LONG height) const;
  CSgImage GetImage(const CString& name) const;
  CSgImage GetImage(int index) const;
  // Data for the first plot, in the plot's own forms.
  void PlotXvsY(const CSgVector& x, const CSgVector& y) const;
  void PlotSamples(const CSgVector& samples, double first, double step) const;
  void PlotSamples(const CSgVector& samples, double first) const;
  void PlotSamples(const CSgVector& samples) const;
  void ChartSamples(const CSgVector& samples, double step) const;
  void ChartSamples(const CSgVector& samples) const;
  void ChartSamples(double y, double step) const;
  void ChartSamples(double y) const;
  void ChartXvsY(const CSgVector& x, const CSgVector& y) const;
  // The matrix forms; flag is passed on to the control.
  void PlotXvsY(const CSgVector& x, const CSgMatrix& y, bool flag) const;
  void PlotXvsY(const CSgVector& x, const CSgMatrix& y) const;
  void PlotSamples(const CSgMatrix& m, double first, double step, bool flag) const;
  void PlotSamples(const CSgMatrix& m, bool flag) const;
  void PlotSamples(const CSgMatrix& m) const;
  void PlotMatrix(const CSgMatrix& points, bool flag) const;
  void PlotMatrix(const CSgMatrix& points) const;
  void PlotPoint(double x, double y) const;
  void ChartSamples(const CSgMatrix& m, double step, bool flag) const;
  void ChartSamples(const CSgMatrix& m, bool flag) const;
  void ChartSamples(const CSgMatrix& m) const;
  void ChartMatrix(const CSgMatrix& points, bool flag) const;
  void ChartMatrix(const CSgMatrix& points) const;
  void ChartPoint(double x, double y) const;
  void ChartXvsY(const CSgVector& x, const CSgMatrix& y, bool flag) const;
  void ChartXvsY(const CSgVector& x, const CSgMatrix& y) const;
  void Method58(const char* text) const;
  void Method59(const char* text) const;
  void Method64() const;
  void Method65() const;
};

}  // namespace SG
