// The call frame and the slot routing of the wrappers, against a recording
// private interface: slots, value kinds and order, results, failures, and
// the reference balance on every way out.
#include "RecordingSlots.h"
#include "ControlsTestSupport.h"

#include "containers/CSgException.h"
#include "containers/CSgScalarVector.h"
#include "controls/SubObjects.h"
#include "controls/SlotNames.h"
#include "platform/com/SafeArray.h"
#include "platform/afx/OleException.h"
#include "platform/afx/Utf.h"

#include <gtest/gtest.h>

using namespace SG;

namespace {

class FrameTest : public testing::Test {
 protected:
  void SetUp() override { fake = ComPtr<RecordingSlots>::Adopt(new RecordingSlots); }
  // A wrapper over the fake; plain mode unless said otherwise.
  template <class W>
  W Over(int threadOption = 0) {
    return W(static_cast<ISgSlotCall*>(fake.Get()), threadOption, false);
  }
  const RecordedCall& Last() { return fake->calls.back(); }
  ComPtr<RecordingSlots> fake;
};

std::string Text(const SlotValue& v) {
  return v.text ? AfxUtf16ToUtf8(BstrView(v.text)) : "<null>";
}

TEST_F(FrameTest, SettersPassTheirSlotAndValueKind) {
  CSgAxis axis = Over<CSgAxis>();
  axis.SetMaximum(2.5);
  EXPECT_EQ(Last().slot, AxisSlots::SetMaximum);
  ASSERT_EQ(Last().args.size(), 1u);
  EXPECT_EQ(Last().args[0].kind, SlotKind::Variant);
  EXPECT_EQ(Last().args[0].variant.vt, VT_R8);
  EXPECT_EQ(Last().args[0].variant.dblVal, 2.5);

  axis.SetMinMax(-1.0, 7.0);  // one call, minimum first
  EXPECT_EQ(Last().slot, AxisSlots::SetMinMax);
  ASSERT_EQ(Last().args.size(), 2u);
  EXPECT_EQ(Last().args[0].variant.dblVal, -1.0);
  EXPECT_EQ(Last().args[1].variant.dblVal, 7.0);

  CSgCursor cursor = Over<CSgCursor>();
  cursor.SetVisible(true);
  EXPECT_EQ(Last().slot, CursorSlots::SetVisible);
  EXPECT_EQ(Last().args[0].kind, SlotKind::Bool);
  EXPECT_EQ(Last().args[0].flag, -1);
  cursor.SetVisible(false);
  EXPECT_EQ(Last().args[0].flag, 0);
  cursor.SetPosition(3.0, 4.0);
  EXPECT_EQ(Last().slot, CursorSlots::SetPosition);
  EXPECT_EQ(Last().args[0].variant.dblVal, 3.0);
  EXPECT_EQ(Last().args[1].variant.dblVal, 4.0);
  cursor.SetColor(CSgColor(255, 0, 0));
  EXPECT_EQ(Last().slot, CursorSlots::SetColor);
  EXPECT_EQ(Last().args[0].kind, SlotKind::Color);
  EXPECT_EQ(Last().args[0].color, 0x000000FFu);
  cursor.SetMoveMode(4);
  EXPECT_EQ(Last().slot, CursorSlots::SetMoveMode);
  EXPECT_EQ(Last().args[0].kind, SlotKind::Int32);
  EXPECT_EQ(Last().args[0].int32, 4);

  CSgValuePair pair = Over<CSgValuePair>();
  pair.SetName("");  // an empty text is an empty BSTR, not a null one
  EXPECT_EQ(Last().slot, ValuePairSlots::SetName);
  ASSERT_EQ(Last().args[0].kind, SlotKind::Text);
  ASSERT_NE(Last().args[0].text, nullptr);
  EXPECT_EQ(SysStringLen(Last().args[0].text), 0u);
  pair.SetName("12.5 ms");
  EXPECT_EQ(Text(Last().args[0]), "12.5 ms");
}

TEST_F(FrameTest, PlotDataKeepsItsElementTypeAndMissingArguments) {
  CSgPlot plot = Over<CSgPlot>();
  CSgScalarVector<float> samples(5, 1.5f);
  plot.PlotSamples(samples, 0.0, 1.0);
  EXPECT_EQ(Last().slot, PlotSlots::PlotSamples);
  ASSERT_EQ(Last().args.size(), 3u);
  EXPECT_EQ(Last().args[0].variant.vt, VT_ARRAY | VT_R4);
  EXPECT_EQ(Last().args[0].variant.parray->rgsabound[0].cElements, 5u);
  EXPECT_EQ(Last().args[2].variant.dblVal, 1.0);

  plot.PlotSamples(samples, 2.0);
  EXPECT_EQ(Last().args[1].variant.dblVal, 2.0);
  EXPECT_EQ(Last().args[2].variant.vt, VT_ERROR);
  EXPECT_EQ(static_cast<HRESULT>(Last().args[2].variant.scode), DISP_E_PARAMNOTFOUND);
  plot.PlotSamples(samples);
  EXPECT_TRUE(ArgMissing(Last().args[1]) && ArgMissing(Last().args[2]));

  plot.ChartSamples(4.0);  // one value: a one-element double vector
  EXPECT_EQ(Last().slot, PlotSlots::ChartSamples);
  EXPECT_EQ(Last().args[0].variant.vt, VT_ARRAY | VT_R8);
  EXPECT_EQ(Last().args[0].variant.parray->rgsabound[0].cElements, 1u);
}

TEST_F(FrameTest, CollectionKeysTravelAsVariants) {
  CSgCursors cursors = Over<CSgCursors>();
  fake->replyWithSelf = true;
  CSgCursor byName = cursors.Item("CursorXY");
  EXPECT_EQ(Last().slot, CollectionSlots::Item);
  EXPECT_EQ(Last().args[0].variant.vt, VT_BSTR);
  CSgCursor byIndex = cursors.Item(1);
  EXPECT_EQ(Last().args[0].variant.vt, VT_I4);
  EXPECT_EQ(Last().args[0].variant.lVal, 1);
  cursors.Remove("SplineCursor1");
  EXPECT_EQ(Last().slot, CollectionSlots::Remove);

  CSgValuePairs pairs = Over<CSgValuePairs>();
  pairs.AddEvenly(3, 9);  // two VT_I4 VARIANTs in order
  EXPECT_EQ(Last().slot, ValuePairsSlots::AddEvenly);
  EXPECT_EQ(Last().args[0].variant.lVal, 3);
  EXPECT_EQ(Last().args[1].variant.lVal, 9);
}

TEST_F(FrameTest, GettersConvertWhatTheSlotDelivers) {
  CSgCursor cursor = Over<CSgCursor>();
  fake->reply.kind = SlotKind::Bool;
  fake->reply.flag = 1;  // any non-zero value is true
  EXPECT_TRUE(cursor.GetVisible());
  EXPECT_EQ(fake->resultKinds.back(), SlotKind::Bool);

  fake->reply = SlotValue{};
  fake->reply.kind = SlotKind::Variant;
  fake->reply.variant.vt = VT_BSTR;
  fake->reply.variant.bstrVal = SysAllocStringFromUtf8("12.5");
  EXPECT_EQ(cursor.GetXPosition(), 12.5);
  VariantClear(&fake->reply.variant);
  fake->reply.variant.vt = VT_DISPATCH;  // not convertible: 0
  fake->reply.variant.pdispVal = nullptr;
  EXPECT_EQ(cursor.GetXPosition(), 0.0);

  fake->reply = SlotValue{};
  fake->reply.kind = SlotKind::Text;  // a null BSTR reads as empty
  EXPECT_EQ(CString(""), cursor.GetName());
  fake->reply.kind = SlotKind::Int16;
  fake->reply.int16 = -3;
  EXPECT_EQ(Over<CSgPlots>().GetCount(), -3);
  fake->reply.kind = SlotKind::Color;
  fake->reply.color = 0x00FFFFFF;
  EXPECT_EQ(cursor.GetColor(), CSgColor(255, 255, 255));
}

TEST_F(FrameTest, FailuresCarryDescriptionAndStatus) {
  CSgAxis axis = Over<CSgAxis>();
  fake->failure = DISP_E_BADINDEX;
  fake->errorText = "No such axis.";
  try {
    axis.SetMinimum(1.0);
    FAIL() << "no exception";
  } catch (COleDispatchException* e) {
    EXPECT_EQ(e->m_strDescription, CString("No such axis."));
    EXPECT_EQ(e->m_scError, DISP_E_BADINDEX);
    e->Delete();
  }
  fake->errorText.clear();  // no error object: an empty description
  try {
    axis.GetMaximum();
    FAIL() << "no exception";
  } catch (COleDispatchException* e) {
    EXPECT_TRUE(e->m_strDescription.IsEmpty());
    EXPECT_EQ(e->m_scError, DISP_E_BADINDEX);
    e->Delete();
  }
}

TEST_F(FrameTest, ReferencesBalanceOnEveryWayOut) {
  for (int threadOption : {0, 2}) {
    const ULONG before = fake->ReferenceCount();
    {
      CSgCursors cursors = Over<CSgCursors>(threadOption);
      fake->replyWithSelf = true;
      CSgCursor item = cursors.Item(2);  // adopts the delivered reference
      CSgCursor copy = item;
      fake->replyWithSelf = false;
      CSgPlot plot = Over<CSgPlot>(threadOption);
      copy.SetPlot(plot);  // a wrapper argument passes its raw interface
      EXPECT_EQ(Last().args[0].kind, SlotKind::Object);
      EXPECT_EQ(Last().args[0].object,
                static_cast<IUnknown*>(static_cast<ISgSlotCall*>(fake.Get())));
      fake->failure = E_FAIL;
      fake->replyWithSelf = true;  // a failing slot that still delivered an object
      EXPECT_TRUE(ThrowsPointer<COleDispatchException>([&] { cursors.Add(); }));
      fake->replyWithSelf = false;
      try {
        copy.SetPlot(plot);
      } catch (COleDispatchException* e) {
        e->Delete();
      }
      fake->failure = S_OK;
    }
    // Copies of the recorded arguments hold references of their own.
    for (auto& call : fake->calls)
      for (auto& v : call.args) FreeSlotValue(v);
    fake->calls.clear();
    EXPECT_EQ(fake->ReferenceCount(), before) << "thread option " << threadOption;
  }
}

TEST_F(FrameTest, EmptyWrappersThrowBeforeAnyCall) {
  CSgAxis axis;
  try {
    axis.SetMaximum(1.0);
    FAIL() << "no exception";
  } catch (CSgObjectNotInUsableStateException* e) {
    EXPECT_EQ(e->GetErrorString(), CString("CSgAxis instance is in an unusable state."));
    e->Delete();
  }
  CSgImage image;
  EXPECT_TRUE(ThrowsPointer<CSgObjectNotInUsableStateException>([&] { image.GetPicture(); }));
  EXPECT_TRUE(fake->calls.empty());
  // A copy outlives the wrapper it was copied from.
  CSgTicks copy;
  {
    CSgTicks first = Over<CSgTicks>(2);
    copy = first;
  }
  copy.SetGridLines(true);
  EXPECT_EQ(Last().slot, TicksSlots::SetGridLines);
}

}  // namespace

namespace {

TEST_F(FrameTest, SinglePointsTravelAsTwoByOneMatrices) {
  CSgPlot plot = Over<CSgPlot>();
  plot.PlotPoint(3.0, 4.0);
  EXPECT_EQ(Last().slot, PlotSlots::PlotMatrix);
  ASSERT_EQ(Last().args.size(), 2u);
  const VARIANT& m = Last().args[0].variant;
  ASSERT_EQ(m.vt, VT_ARRAY | VT_R8);
  ASSERT_EQ(SafeArrayGetDim(m.parray), 2u);
  const double* values = static_cast<const double*>(m.parray->pvData);
  EXPECT_EQ(values[0], 3.0);
  EXPECT_EQ(values[1], 4.0);
  EXPECT_EQ(Last().args[1].variant.vt, VT_BOOL);
  EXPECT_EQ(Last().args[1].variant.boolVal, VARIANT_TRUE);
}

}  // namespace
