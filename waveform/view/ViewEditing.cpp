// The edit commands (WM_EDIT_OP and the context menu) over the store's
// operations (waveform/EditOps.h): the view gives each its own record and
// the cursor positions, then shows the result, moves a cursor an edit moved
// and tells the user why a command was refused.
#include "waveform/view/PelmoranView.h"

#include "waveform/PrivateMessages.h"
#include "waveform/WaveCollections.h"
#include "waveform/WaveMessages.h"

namespace {
constexpr int kMessageWaveformFull = 303;

// The selection of a waveform: where this view last placed its cursors, so
// that a command edits between the cursors the user sees in this window
// (g_dCursor1X and g_dCursor2X follow whichever window reported last).
waveform::EditCursors Selection(const CWaveData& wave) { return {wave.cursor1, wave.cursor2}; }
}  // namespace

void CPelmoranView::AfterEdit(int index, const waveform::EditResult& result) {
  CWaveData& wave = g_WaveArray[index];
  switch (result.status) {
    case waveform::EditStatus::Done:
      PlotSamples(view::kWavePlot, wave.showdata);
      if (result.moved.cursor == 0 || result.moved.cursor == 1) {
        GraphCursor(result.moved.cursor == 0 ? view::kCursor1 : view::kCursor2)
            .SetXPosition(result.moved.position);
        SendCursorReadout(result.moved.cursor, result.moved.position, wave);
      }
      break;
    case waveform::EditStatus::SelectionOutOfRange: MessageById(kMsgSelectionOutOfRange); break;
    case waveform::EditStatus::WaveformFull: MessageById(kMessageWaveformFull); break;
    case waveform::EditStatus::Unchanged: break;
  }
}

LRESULT CPelmoranView::OnEditOp(WPARAM wParam, LPARAM) {
  switch (wParam) {
    case 0: Undo(); break;
    case 1: Redo(); break;
    case 2:
    case 3: CutOrDelete(static_cast<int>(wParam)); break;
    case 4: Paste(); break;
    case 5: Copy(); break;
    case 6: SelectAll(); break;
    case 7: FlipHorizontal(); break;
    case 8: FlipVertical(); break;
    default: break;
  }
  return 1;
}

void CPelmoranView::Undo() {
  if (const int index = FindWaveIndex(); index >= 0)
    AfterEdit(index, waveform::Undo(g_WaveStore.GetEntry(index)));
}

void CPelmoranView::Redo() {
  if (const int index = FindWaveIndex(); index >= 0)
    AfterEdit(index, waveform::Redo(g_WaveStore.GetEntry(index)));
}

void CPelmoranView::CutOrDelete(int code) {
  const int index = FindWaveIndex();
  if (index < 0) return;
  const auto kind = code == 2 ? waveform::CutKind::Cut : waveform::CutKind::Delete;
  AfterEdit(index, waveform::CutOrDelete(g_WaveStore.GetEntry(index), Selection(g_WaveArray[index]),
                                         kind));
}

void CPelmoranView::Copy() {
  const int index = FindWaveIndex();
  if (index < 0) return;
  waveform::EditResult result =
      waveform::Copy(g_WaveStore.GetEntry(index), Selection(g_WaveArray[index]));
  if (result.status != waveform::EditStatus::Done) AfterEdit(index, result);  // nothing to show
}

void CPelmoranView::Paste() {
  if (const int index = FindWaveIndex(); index >= 0)
    AfterEdit(index, waveform::Paste(g_WaveStore.GetEntry(index)));
}

void CPelmoranView::SelectAll() {
  CWaveData* wave = FindRecord();
  if (!wave) return;
  const waveform::EditCursors all = waveform::SelectAll(*wave);
  g_dCursor1X = all.cursor1;
  g_dCursor2X = all.cursor2;
  GraphCursor(view::kCursor1).SetXPosition(all.cursor1);
  GraphCursor(view::kCursor2).SetXPosition(all.cursor2);
  SendCursorReadout(0, all.cursor1, *wave);
  SendCursorReadout(1, all.cursor2, *wave);
}

void CPelmoranView::FlipHorizontal() {
  if (const int index = FindWaveIndex(); index >= 0)
    AfterEdit(index,
              waveform::FlipHorizontal(g_WaveStore.GetEntry(index), Selection(g_WaveArray[index])));
}

void CPelmoranView::FlipVertical() {
  if (const int index = FindWaveIndex(); index >= 0)
    AfterEdit(index,
              waveform::FlipVertical(g_WaveStore.GetEntry(index), Selection(g_WaveArray[index])));
}
