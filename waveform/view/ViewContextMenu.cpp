// The graph's right-click menu: sixteen commands, their texts from the
// language table at each opening, greyed by the waveform's state; and the
// commands that exist only there.
#include "waveform/view/PelmoranView.h"

#include "platform/services/Services.h"
#include "platform/window/Cursors.h"
#include "platform/window/Menu.h"
#include "waveform/ActiveState.h"
#include "waveform/PrivateMessages.h"
#include "waveform/WaveGlobals.h"

namespace {

constexpr int kMessageNoSamples = 302;

enum class ItemRule { Never, EditState, SelectAll, WaveOpen };

struct ContextItem {
  UINT id;
  ItemRule rule;
  bool separator;
};

constexpr ContextItem kContextMenu[] = {
#define PELMORAN_CONTEXT_ITEM(id, handler, rule, separator) {id, ItemRule::rule, separator},
    PELMORAN_VIEW_CONTEXT_MENU(PELMORAN_CONTEXT_ITEM)
#undef PELMORAN_CONTEXT_ITEM
};

UINT FlagsOf(ItemRule rule) {
  switch (rule) {
    case ItemRule::EditState: return g_bEditEnable ? MF_ENABLED : MF_GRAYED;
    case ItemRule::SelectAll: return g_bEditEnable ? MF_ENABLED : MF_DISABLED;
    case ItemRule::WaveOpen: return g_bWaveOpen ? MF_ENABLED : MF_GRAYED;
    case ItemRule::Never: break;
  }
  return MF_ENABLED;
}

// The mode flag of each drawing mode, by WM_SET_DRAWMODE's numbers.
enum DrawMode { kFreehand = 0, kHorizontal = 1, kVertical = 2, kTwoPoint = 3 };

}  // namespace

void CPelmoranView::OnGraphMouseDown(short button, short, LONG, LONG) {
  if (button != 2) return;
  CMenu menu;
  menu.CreatePopupMenu();
  if (const CWaveData* wave = FindRecord()) g_bEditEnable = wave->cursorson;
  for (const ContextItem& item : kContextMenu) {
    menu.AppendMenu(MF_STRING | FlagsOf(item.rule), item.id,
                    services::Current().Text(static_cast<int>(item.id)).c_str());
    if (item.separator) menu.AppendMenu(MF_SEPARATOR);
  }
  POINT at{};
  ::GetCursorPos(&at);
  menu.TrackPopupMenu(TPM_RIGHTBUTTON, at.x, at.y, this);
  menu.DestroyMenu();
  m_Graph.EnableWindow(FALSE);
  m_Graph.EnableWindow(TRUE);
}

void CPelmoranView::OnCtxCursorLine() {
  if (CWaveData* wave = FindRecord()) {
    if (wave->cursorson) {
      ClearDrawModes(*wave);
      HideSelection(*wave);
      SendStatus(0);
    } else {
      ShowCursorsAt(*wave, wave->displaylen * 0.2, wave->displaylen * 0.8);
    }
  }
  for (int kind = 0; kind <= 4; ++kind) Tell(WM_DRAWMODE_STATE, 0, kind);
}

void CPelmoranView::OnCtxUndo() { Undo(); }
void CPelmoranView::OnCtxRedo() { Redo(); }
void CPelmoranView::OnCtxCut() { CutOrDelete(2); }
void CPelmoranView::OnCtxCopy() { Copy(); }
void CPelmoranView::OnCtxPaste() { Paste(); }
void CPelmoranView::OnCtxDelete() { CutOrDelete(3); }
void CPelmoranView::OnCtxSelectAll() { SelectAll(); }
void CPelmoranView::OnCtxUndoLastDraw() { UndoLastDraw(); }
void CPelmoranView::OnCtxSmooth() { Smooth(); }
void CPelmoranView::OnCtxFreehand() { EnterDrawMode(kFreehand); }
void CPelmoranView::OnCtxHorizontalLine() { EnterDrawMode(kHorizontal); }
void CPelmoranView::OnCtxVerticalLine() { EnterDrawMode(kVertical); }
void CPelmoranView::OnCtxTwoPointLine() { EnterDrawMode(kTwoPoint); }

// The menu's drawing modes; unlike the frame's commands they leave the
// point cursors where they are.
void CPelmoranView::EnterDrawMode(int mode) {
  CWaveData* wave = FindRecord();
  if (!wave) return;
  if (wave->tracking) LeaveTrace(*wave);
  if ((mode == kVertical || mode == kTwoPoint) && wave->thedata.GetSize() == 0) {
    MessageById(kMessageNoSamples);
    return;
  }
  ClearDrawModes(*wave);
  (mode == kFreehand     ? wave->freehand
   : mode == kHorizontal ? wave->hline
   : mode == kVertical   ? wave->vline
                         : wave->twopoint) = true;
  (mode == kFreehand     ? g_bDrawFreehand
   : mode == kHorizontal ? g_bDrawHLine
   : mode == kVertical   ? g_bDrawVLine
                         : g_bDrawTwoPoint) = true;
  HideSelection(*wave);
  SendStatus(2);
  SetInteractionMode(view::kDrawingMode);
}

void CPelmoranView::OnCtxPointView() {
  CWaveData* wave = FindRecord();
  if (!wave) return;
  if (wave->thedata.GetSize() == 0) {
    MessageById(kMessageNoSamples);
    SendStatus(0);
    return;
  }
  wave->pointview = !wave->pointview;
  GraphPlot(view::kWavePlot).SetPlotStyle(wave->pointview ? view::kPointStyle : view::kLineStyle);
  PlotSamples(view::kWavePlot, wave->showdata);
  SendStatus(1);
}

void CPelmoranView::OnCtxCursorTrace() {
  CWaveData* wave = FindRecord();
  if (!wave || wave->thedata.GetSize() == 0) return;
  ClearDrawModes(*wave);
  HideSelection(*wave);
  SendStatus(0);
  SetInteractionMode(view::kDrawingMode);
  ToggleTrace(*wave);
}
