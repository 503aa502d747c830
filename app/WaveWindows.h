#pragma once
// The document and view classes of the program's waveform windows, named
// once for the program and for the tests that start it.

#include "app/PlaceholderView.h"

inline CRuntimeClass* WaveDocumentClass() { return RUNTIME_CLASS(CPlaceholderDoc); }
inline CRuntimeClass* WaveViewClass() { return RUNTIME_CLASS(CPlaceholderView); }
