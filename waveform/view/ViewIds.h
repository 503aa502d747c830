#pragma once
// The editor view's form (template 103): its controls by id, the layout
// WM_SIZE gives them, and the names of the graph's parts the view drives.

#include "platform/window/WindowSide.h"

#include "platform/window/WinUser.h"

namespace view {

inline constexpr UINT kFormTemplate = 103;
inline constexpr UINT kDrawingPointer = 214;  // the cursor resource of the drawing modes

// The form's controls: id, class of the member bound to it, member, and its
// place at a client size of cx by cy (x, y, width, height; the move button
// keeps its template place).
// clang-format off
#define PELMORAN_VIEW_CONTROLS(X)                                                  \
  X(1023, SG::CSgGraph, m_Graph,           30,          0,            cx - 60, cy - 70) \
  X(1160, CSliderCtrl, m_HScroll,          75,          cy - 52,      cx - 110, 25)     \
  X(1161, CSliderCtrl, m_VScroll,          cx - 30,     0,            25,      cy - 70) \
  X(1266, CStatic, m_TimeCaption,          cx / 2 - 30, cy - 67,      40,      20)      \
  X(1265, CStatic, m_UnitLabel,            10,          (cy - 50) / 2 - 20, 25, 20)     \
  X(1291, CStatic, m_CountLabel,           30,          cy - 67,      500,     20)      \
  X(1297, CStatic, m_Unused,               30,          cy - 44,      150,     20)      \
  X(1268, CButton, m_MoveButton,           -1,          -1,           -1,      -1)      \
  X(1316, CStatic, m_AmplitudeCaption,     120,         cy - 50,      60,      30)      \
  X(1317, CStatic, m_OffsetCaption,        120,         cy - 20,      60,      30)      \
  X(1318, CEdit, m_AmplitudeReadout,       200,         cy - 50,      80,      20)      \
  X(1319, CEdit, m_OffsetReadout,          200,         cy - 20,      80,      20)      \
  X(1320, CStatic, m_FrequencyCaption,     380,         cy - 50,      60,      30)      \
  X(1321, CStatic, m_PhaseCaption,         380,         cy - 20,      60,      30)      \
  X(1322, CEdit, m_FrequencyReadout,       460,         cy - 50,      80,      20)      \
  X(1323, CEdit, m_PhaseReadout,           460,         cy - 20,      80,      20)
// clang-format on

inline constexpr int kGraph = 1023;
inline constexpr int kHScroll = 1160;
inline constexpr int kVScroll = 1161;
inline constexpr int kUnitLabel = 1265;
inline constexpr int kCountLabel = 1291;
inline constexpr int kMoveButton = 1268;
// The four parameter read-outs, in the order of ReadoutField (waveform/Readouts.h).
inline constexpr int kReadouts[4] = {1318, 1319, 1322, 1323};
// The captions and read-outs whose notifications the view takes and ignores.
inline constexpr int kCaptions[5] = {1316, 1317, 1320, 1321, 1265};

// The graph's parts.
inline constexpr char kCursor1[] = "Cursor1";
inline constexpr char kCursor2[] = "Cursor2";
inline constexpr char kCursorXY[] = "CursorXY";
inline constexpr char kXAxis[] = "XAxis";
inline constexpr char kYAxis[] = "YAxis";
inline constexpr char kSplineCursor[] = "SplineCursor";  // names of the point cursors
inline constexpr int kWavePlot = 1, kPreviewPlot = 2, kPointsPlot = 3;

// The graph's interaction modes and plot styles the view sets.
enum InteractionMode : LONG {
  kDrawingMode = 0,  // presses raise the plot-area events
  kCursorMode = 1,   // the cursors can be dragged
  kPlotPressMode = 2,
  kRegionZoom = 6,
  kHorizontalZoom = 7,
  kVerticalZoom = 8,
  kLeaveRegionZoom = 10,
  kLeaveHorizontalZoom = 11,
  kLeaveVerticalZoom = 12,
};
inline constexpr LONG kLineStyle = 1, kPointStyle = 5;
// Cursor move modes: 0 the user drags it, 1 follows the program only, 4 pinned.
inline constexpr LONG kMoveFree = 0, kMoveFollow = 1, kMovePinned = 4;

}  // namespace view
