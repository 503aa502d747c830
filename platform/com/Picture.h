#pragma once
// The standard OLE picture and font objects as dispatch interfaces with
// their standard properties. PictureObject and FontObject are our own
// implementations; a control that draws can derive from PictureObject to
// carry the image itself behind the handle.

#include <string_view>

#include "platform/com/PropertyTable.h"

inline constexpr IID IID_IPictureDisp = GuidFromText("7BF80981-BF32-101A-8BBB-00AA00300CAB");
inline constexpr IID IID_IFontDisp = GuidFromText("BEF6E003-A874-101A-8BBA-00AA00300CAB");

struct IPictureDisp : IDispatch {
  static constexpr const IID& iid = IID_IPictureDisp;
  using Parent = IDispatch;

 protected:
  ~IPictureDisp() = default;
};
using IPictureDispPtr = IPictureDisp*;

struct IFontDisp : IDispatch {
  static constexpr const IID& iid = IID_IFontDisp;
  using Parent = IDispatch;

 protected:
  ~IFontDisp() = default;
};

constexpr DISPID DISPID_PICT_HANDLE = 0;
constexpr DISPID DISPID_PICT_HPAL = 2;
constexpr DISPID DISPID_PICT_TYPE = 3;
constexpr DISPID DISPID_PICT_WIDTH = 4;
constexpr DISPID DISPID_PICT_HEIGHT = 5;

constexpr SHORT PICTYPE_UNINITIALIZED = -1;
constexpr SHORT PICTYPE_NONE = 0;
constexpr SHORT PICTYPE_BITMAP = 1;
constexpr SHORT PICTYPE_METAFILE = 2;
constexpr SHORT PICTYPE_ICON = 3;
constexpr SHORT PICTYPE_ENHMETAFILE = 4;

constexpr DISPID DISPID_FONT_NAME = 0;
constexpr DISPID DISPID_FONT_SIZE = 2;
constexpr DISPID DISPID_FONT_BOLD = 3;
constexpr DISPID DISPID_FONT_ITALIC = 4;
constexpr DISPID DISPID_FONT_UNDER = 5;
constexpr DISPID DISPID_FONT_STRIKE = 6;
constexpr DISPID DISPID_FONT_WEIGHT = 7;
constexpr DISPID DISPID_FONT_CHARSET = 8;

// Handle and hPal VT_I4, Type VT_I2, Width and Height VT_I4 (HIMETRIC).
class PictureObject : public PropertyObject<IPictureDisp> {
 public:
  PictureObject(SHORT type, LONG handle, LONG width, LONG height);
};

// Name VT_BSTR, Size VT_CY (points), Bold/Italic/Underline/Strikethrough
// VT_BOOL, Weight VT_I2, Charset VT_I2.
class FontObject : public PropertyObject<IFontDisp> {
 public:
  FontObject(std::string_view name, double points, bool bold = false);
};
