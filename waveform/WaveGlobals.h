#pragma once
// The program-wide waveform state besides the collections: the active
// waveform's published values, the drawing-mode flags, the point-drawing
// settings, the equation result, the colour tables and the time units.
// User-interface thread only.

#include "containers/CSgColorVector.h"
#include "containers/CSgScalarVector.h"
#include "platform/afx/String.h"
#include "waveform/SplinePoint.h"

#include <vector>

// The plain globals with their values at load: type, name, value, meaning.
#define PELMORAN_WAVE_SCALARS(X)                                                                  \
  X(int, g_nPointCount, 16384)    /* point count of the active waveform; producers set it */      \
  X(bool, g_bPointsByMouse, true) /* points of the point drawing come from the mouse */           \
  X(bool, g_bLinearFill, true)    /* ... and are joined by straight lines */                      \
  X(int, g_nSaveAnswer, -1)    /* last save dialog or close prompt: 1 saved, 2 cancelled, 7 no */ \
  X(bool, g_bEditEnable, true) /* the active waveform shows its cursors: edit menu on */          \
  X(int, g_nActiveWave, -1)    /* index the view last reported with WM_WAVE_ACTIVATE */           \
  X(bool, g_bWaveOpen, false)  /* a waveform window exists */                                     \
  X(int, g_nZoomKind, 0)       /* last interactive zoom: 1 horizontal, 2 vertical, 3 region */    \
  X(bool, g_bDrawFreehand, false) /* the drawing modes, at most one on */                         \
  X(bool, g_bDrawHLine, false)                                                                    \
  X(bool, g_bDrawVLine, false)                                                                    \
  X(bool, g_bDrawTwoPoint, false)                                                                 \
  X(bool, g_bPointsMode, false)                                                                   \
  X(bool, g_bPointsByTable, false)    /* points of the point drawing come from the table */       \
  X(bool, g_bSplineFill, false)       /* ... and are joined by a cubic spline */                  \
  X(int, g_nSplinePointCount, 0)      /* number of feature points */                              \
  X(bool, g_bTablePointsDrawn, false) /* g_pTablePoints has been applied */                       \
  X(double, g_dCursor1X, 0.0)         /* selection cursors of the active view, display units */   \
  X(double, g_dCursor2X, 0.0)                                                                     \
  X(double, g_dTimeSpan,                                                                          \
    0.0) /* the active waveform's period in display units (DisplayTimeSpan) */                    \
  X(double, g_dAmplitudeSpan, 0.0) /* the active waveform's span */                               \
  X(int, g_nWaveNameCounter, 0)    /* k of the imported waveforms' names "Wavename<k>" */

#define PELMORAN_DECLARE_WAVE_SCALAR(type, name, value) extern type name;
PELMORAN_WAVE_SCALARS(PELMORAN_DECLARE_WAVE_SCALAR)
#undef PELMORAN_DECLARE_WAVE_SCALAR

// The point-drawing table's list (count + 1 points, point 0 at index 0,
// value 0.0), as the point-list dialog built it; its size is its count.
extern std::vector<SplinePoint> g_pTablePoints;

// The equation dialog's result (g_nPointCount samples), taken over by
// waveform::ApplyEquationResult.
extern SG::CSgScalarVector<float> g_EquationWave;

// Colour roles 0 waveform, 1 background, 2 grid, 3 Cursor1, 4 Cursor2: the
// graph's own colours (A) and those picked in the colour dialog (B); black
// until written.
extern SG::CSgColorVector g_ColorsA;
extern SG::CSgColorVector g_ColorsB;

// Suffixes of the time labels, indexed by a record's periodunit; the sixth
// entry is empty and never indexed.
extern const CString g_TimeUnits[6];

// Every global of this file back to its value at load, and no waveform open
// (tests start from here).
void ResetWaveState();
