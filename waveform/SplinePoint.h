#pragma once
// One feature point of the point drawing. The view's mouse list and the
// point-list dialog's table list share the type; a list holds count + 1
// points, point 0 fixed at index 0, value 0.0.

#include "platform/afx/String.h"

struct SplinePoint {
  CString name;   // the point's graph cursor ("SplineCursor%d"); empty for table points
  int index = 0;  // sample index
  double value = 0.0;
  int wave = 0;  // the waveform a mouse point was placed on; nothing reads it
};
