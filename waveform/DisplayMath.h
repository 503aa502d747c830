#pragma once
// Pure arithmetic of display positions, shared by the view and the bars:
// display units are indexes into a record's display vector (showdata), which
// the graph plots from X 0 in steps of 1. None of these fails; none divides
// by zero.

#include "waveform/WaveData.h"

// The period in the unit the coordinate bar shows: divided by 1000 when it is
// 1000 or more (g_dTimeSpan).
double DisplayTimeSpan(double period) noexcept;

// A cursor position the user moved, clamped to the display: 0 to
// displaylen - 1 (0 for an empty display or a position that is not a number).
double ClampCursor(double x, int displaylen) noexcept;

// The display position of a typed time t in the displayed span
// (DisplayTimeSpan(period)): t is clipped to 0 .. span, then scaled to
// displaylen and clamped like a moved cursor. 0 when the period is not
// positive.
double CursorFromTime(double t, double period, int displaylen) noexcept;

// The sample index a display position stands for: trunc(x * dispstep).
long long SampleIndexAt(const CWaveData& wave, double x) noexcept;

// The horizontal pan trackbar after the X axis changed to xmin .. xmax: its
// range 0 .. maximum (what is left of the display beyond the visible width),
// page size and position (xmin, within the range).
struct HorizontalPan {
  int maximum = 0;
  int page = 0;
  int position = 0;
};
HorizontalPan HorizontalPanFor(int displaylen, double xmin, double xmax) noexcept;

// The vertical pan trackbar (positions 0 .. 100 over the span, 0 at the top)
// and the Y axis maximum at a position; both around the offset, so that
// position 0 shows the axis as the record sets it (offset + span / 2). A
// span that is not positive gives position 0 and leaves ymax at the offset.
int VerticalPanPosition(double ymax, double span, double offset) noexcept;
double VerticalPanMaximum(int position, double span, double offset) noexcept;
