// Every row of every slot table, against the real controls: a value of a
// property row's kind set through the setter slot comes back through the
// getter slot, every method row is an operation the control knows, and a
// slot in neither table is none. Nothing but the tables says which slots
// exist.
#include "ControlsTestSupport.h"

#include "controls/CSgGraph.h"
#include "controls/CSgNumEdit.h"
#include "controls/SlotNames.h"
#include "controls/SlotObject.h"
#include "platform/afx/Utf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <vector>

using namespace SG;

namespace {

SlotValue Sample(SlotKind kind) {
  SlotValue v;
  v.kind = kind;
  switch (kind) {
    case SlotKind::Bool: v.flag = VARIANT_TRUE; break;
    case SlotKind::Variant:
      v.variant.vt = VT_R8;
      v.variant.dblVal = 3.0;
      break;
    case SlotKind::Double: v.number = 2.5; break;
    case SlotKind::Int32: v.int32 = 7; break;
    case SlotKind::Int16: v.int16 = 3; break;
    case SlotKind::Color: v.color = 0x00123456; break;
    case SlotKind::Text: v.text = SysAllocStringFromUtf8("%g units"); break;
    default: break;
  }
  return v;
}

bool Same(const SlotValue& a, const SlotValue& b) {
  switch (a.kind) {
    case SlotKind::Bool: return (a.flag != 0) == (b.flag != 0);
    case SlotKind::Variant: return b.variant.vt == VT_R8 && b.variant.dblVal == a.variant.dblVal;
    case SlotKind::Double: return a.number == b.number;
    case SlotKind::Int32: return a.int32 == b.int32;
    case SlotKind::Int16: return a.int16 == b.int16;
    case SlotKind::Color: return a.color == b.color;
    case SlotKind::Text:
      return b.text && AfxUtf16ToUtf8(BstrView(a.text)) == AfxUtf16ToUtf8(BstrView(b.text));
    default: return true;
  }
}

// Sets and reads back every property of one object's table and calls each of
// its methods without arguments: a method may refuse the missing arguments,
// but never as an operation the control does not have.
void RoundTrip(const char* name, CSgInterface& holder, std::span<const SlotSpec> specs,
               const std::vector<UINT>& methods) {
  bool release = false;
  auto* object = static_cast<ISgSlotCall*>(holder.GetInterface(false, &release));
  ASSERT_NE(object, nullptr) << name;
  for (const SlotSpec& setter : specs) {
    if (setter.getter || setter.kind == SlotKind::Object) continue;
    SlotValue value = Sample(setter.kind);
    EXPECT_EQ(object->CallSlot(setter.slot, &value, 1, nullptr), S_OK)
        << name << " slot " << setter.slot;
    SlotValue back;
    back.kind = setter.kind;
    EXPECT_EQ(object->CallSlot(setter.key, nullptr, 0, &back), S_OK)
        << name << " slot " << setter.key;
    EXPECT_TRUE(Same(value, back)) << name << " slots " << setter.key << ", " << setter.slot;
    FreeSlotValue(value);
    FreeSlotValue(back);
  }
  // Every getter answers with a value of its kind (objects included).
  for (const SlotSpec& getter : specs) {
    if (!getter.getter) continue;
    SlotValue back;
    back.kind = getter.kind;
    EXPECT_EQ(object->CallSlot(getter.slot, nullptr, 0, &back), S_OK)
        << name << " slot " << getter.slot;
    FreeSlotValue(back);
  }
  UINT unknown = 3;
  for (UINT method : methods) {
    SlotValue back;
    EXPECT_NE(object->CallSlot(method, nullptr, 0, &back), E_NOTIMPL)
        << name << " method " << method;
    FreeSlotValue(back);
    unknown = std::max(unknown, method + 1);
  }
  for (const SlotSpec& spec : specs) unknown = std::max(unknown, spec.slot + 1);
  SlotValue none;
  EXPECT_EQ(object->CallSlot(unknown, nullptr, 0, &none), E_NOTIMPL) << name << " slot " << unknown;
  if (release) object->Release();
}

// The control object of a hosted window, under the given private interface.
CSgInterface Root(HWND window, const IID& iid) {
  IUnknown* object = hosted::InvokeControlObject(window);
  CSgInterface root;
  root.AttachUnknown(object, iid, nullptr, 0);
  object->Release();
  return root;
}

TEST(SlotTables, EveryPropertyRoundTrips) {
  HostedWindow window(kGraphClass, kEditorGraph, 300, 200);
  CSgGraph graph(2);
  graph.SubclassWindow(window.control);
  CSgInterface root = Root(window.control, IID_CSgGraph);
  RoundTrip("graph", root, kGraphSpecs, SG_METHOD_SLOTS(SG_GRAPH_METHODS));

  CSgAxes axes = graph.GetAxes();
  CSgAxis axis = axes.Item(1);
  CSgTicks ticks = axis.GetTicks();
  CSgLabels labels = axis.GetLabels();
  CSgValuePairs pairs = axis.GetValuePairs();
  CSgValuePair pair = pairs.Item(1);
  CSgPlots plots = graph.GetPlots();
  CSgPlot plot = plots.Item(1);
  CSgCursors cursors = graph.GetCursors();
  CSgCursor cursor = cursors.Item(1);
  CSgBindings bindings = graph.GetBindings();
  CSgBinding binding = bindings.Add();
  CSgAnnotations annotations = graph.GetAnnotations();
  CSgAnnotation annotation = annotations.Add();
  CSgCaption caption = annotation.GetCaption();
  CSgShape shape = annotation.GetShape();
  CSgArrow arrow = annotation.GetArrow();
  CSgImage image = graph.GetImage(CString("logo"));
  RoundTrip("axes", axes, kAxesSpecs, SG_METHOD_SLOTS(SG_COLLECTION_METHODS));
  RoundTrip("axis", axis, kAxisSpecs, SG_METHOD_SLOTS(SG_AXIS_METHODS));
  RoundTrip("ticks", ticks, kTicksSpecs, SG_METHOD_SLOTS(SG_NO_METHODS));
  RoundTrip("labels", labels, kLabelsSpecs, SG_METHOD_SLOTS(SG_NO_METHODS));
  RoundTrip("value pairs", pairs, kValuePairsSpecs, SG_METHOD_SLOTS(SG_VALUEPAIRS_METHODS));
  RoundTrip("value pair", pair, kValuePairSpecs, SG_METHOD_SLOTS(SG_NO_METHODS));
  RoundTrip("plots", plots, kPlotsSpecs, SG_METHOD_SLOTS(SG_COLLECTION_METHODS));
  RoundTrip("plot", plot, kPlotSpecs, SG_METHOD_SLOTS(SG_PLOT_METHODS));
  RoundTrip("cursors", cursors, kCursorsSpecs, SG_METHOD_SLOTS(SG_COLLECTION_METHODS));
  RoundTrip("cursor", cursor, kCursorSpecs, SG_METHOD_SLOTS(SG_CURSOR_METHODS));
  RoundTrip("bindings", bindings, kBindingsSpecs, SG_METHOD_SLOTS(SG_COLLECTION_METHODS));
  RoundTrip("binding", binding, kBindingSpecs, SG_METHOD_SLOTS(SG_BINDING_METHODS));
  RoundTrip("annotations", annotations, kAnnotationsSpecs, SG_METHOD_SLOTS(SG_COLLECTION_METHODS));
  RoundTrip("annotation", annotation, kAnnotationSpecs, SG_METHOD_SLOTS(SG_ANNOTATION_METHODS));
  RoundTrip("caption", caption, kCaptionSpecs, SG_METHOD_SLOTS(SG_CAPTION_METHODS));
  RoundTrip("shape", shape, kShapeSpecs, SG_METHOD_SLOTS(SG_SHAPE_METHODS));
  RoundTrip("arrow", arrow, kArrowSpecs, SG_METHOD_SLOTS(SG_NO_METHODS));
  RoundTrip("image", image, kImageSpecs, SG_METHOD_SLOTS(SG_IMAGE_METHODS));
}

TEST(SlotTables, EditAndButtonPropertiesRoundTrip) {
  HostedWindow edit(kNumEditClass, "", 100, 20, 1200);
  HostedWindow button(kButtonClass, "", 40, 20, 1300);
  CSgInterface editRoot = Root(edit.control, IID_CSgNumEdit);
  CSgInterface buttonRoot = Root(button.control, IID_CSgButton);
  RoundTrip("numeric edit", editRoot, kNumEditSpecs, SG_METHOD_SLOTS(SG_NUMEDIT_METHODS));
  RoundTrip("button", buttonRoot, kButtonSpecs, SG_METHOD_SLOTS(SG_BUTTON_METHODS));
}

}  // namespace
