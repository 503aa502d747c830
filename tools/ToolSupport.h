#pragma once
// Helpers the tool dialogs share: texts and boxes by id, the messages to the
// main frame, the active waveform, the preview graphs and the refusal of
// samples that are not finite numbers.

#include "containers/CSgScalarVector.h"
#include "controls/CSgGraph.h"
#include "platform/afx/String.h"
#include "waveform/WaveStore.h"

namespace tools {

// The translated text of id; empty when the language files have none.
CString Text(int id);
// A box with the text of id and an OK button; returns the answer.
int ShowText(int id, UINT type = MB_OK);

// Sends a message to the main frame and waits for it; 0 without one.
LRESULT NotifyFrame(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// The five drawing-mode flags off, and the frame told to clear the four
// modes' menu checks (WM_DRAWMODE_STATE 0 with 0, 1, 2, 3).
void LeaveDrawingModes();
// The caption of the main frame's active waveform window, blanks at both
// ends removed; empty when there is none.
CString ActiveWaveTitle();
// The active waveform window takes a new title (a renamed waveform).
void SetActiveWaveTitle(const CString& title);
// The record named like the active window (the last that matches), -1 when
// none does.
int FindActiveRecord();
// WM_WAVE_ACTIVATE to the frame, then the active waveform's index
// (g_nActiveWave, 0 when the view reported none).
int ActivateAndGetIndex();

// Axis ranges of a preview graph by axis name.
void SetAxisRange(const SG::CSgGraph& graph, const char* axis, double minimum, double maximum);
void SetAxisMaximum(const SG::CSgGraph& graph, const char* axis, double maximum);
// Plot 1 of graph shows samples at X 0, 1, 2 ... through the display
// decimation: above kDisplayLimit samples every k-th one (X step k), so the
// graph never takes more than kDisplayLimit points.
void PlotPreview(const SG::CSgGraph& graph, const SG::CSgVectorT<float>& samples);
void PlotPreview(const SG::CSgGraph& graph, const SG::CSgVectorT<double>& samples);
// The same with the decimated samples gathered into shown, which the caller
// keeps from one preview to the next: a fresh array of a long record's size
// costs more to map than the gathering itself.
void PlotPreview(const SG::CSgGraph& graph, const SG::CSgVectorT<double>& samples,
                 SG::CSgScalarVector<double>& shown);
// The same when every sample is a finite number; false, and nothing
// plotted, when one is not. One pass over the samples serves both.
bool PlotFinitePreview(const SG::CSgGraph& graph, const SG::CSgVectorT<double>& samples,
                       SG::CSgScalarVector<double>& shown);

// True when every sample is a finite number.
bool AllFinite(const SG::CSgVectorT<float>& samples);
bool AllFinite(const SG::CSgVectorT<double>& samples);
// Shows message kMsgNotFinite and answers true when a sample is not finite.
bool RefuseNonFinite(const SG::CSgVectorT<float>& samples);
bool RefuseNonFinite(const SG::CSgVectorT<double>& samples);

// The samples of result (converted to float) into the waveform's samples
// and display, as the math dialogs commit: one step of its edit history
// (waveform/RecordedEdit.h), so Undo brings back the samples from before.
// False, with message kMsgNotFinite and the waveform as it was, when a
// converted sample is not a finite number (a double beyond the float range
// becomes infinite). Everything is prepared first; the waveform changes
// only when nothing can fail any more. @excsafety{Strong}
template <class T>
bool CommitSamples(WaveEntry& entry, const SG::CSgVectorT<T>& result);

}  // namespace tools
