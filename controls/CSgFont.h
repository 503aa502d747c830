#pragma once
// A standard OLE font object as the controls hand it out, read and written
// through its standard properties by dispatch id.

#include "containers/CSgDispatch.h"

namespace SG {

class CSgFont : public CSgDispatch {
 public:
  CSgFont() = default;
  CSgFont(IUnknown* pointer, int threadOption, bool adopt);
  CSgFont(const CSgInterface& other) : CSgDispatch(other) {}
  CSgFont& operator=(const CSgFont& other) {
    CSgDispatch::operator=(other);
    return *this;
  }
  ~CSgFont() override = default;

  CString GetName();
  void SetName(const CString& name);
  // Points, fractions kept (9.75 reads back 9.75).
  double GetSize();
  // Stored as currency: |size| x 10000, at most 4294967295, truncated.
  void SetSize(double points);
  bool GetBold();
  void SetBold(bool value);
  bool GetItalic();
  void SetItalic(bool value);
  bool GetUnderline();
  void SetUnderline(bool value);
  bool GetStrikethrough();
  void SetStrikethrough(bool value);
  SHORT GetWeight();
  void SetWeight(SHORT value);

  // The currency value the size setter stores for points.
  static CY SizeToCurrency(double points);
  static double CurrencyToSize(const CY& value);

 private:
  bool GetSwitch(DISPID id);
  void SetSwitch(DISPID id, bool value);
};

}  // namespace SG
