#pragma once
// The document and view classes of the program's waveform windows, named
// once for the program and for the tests that start it.

#include "waveform/view/PelmoranDoc.h"
#include "waveform/view/PelmoranView.h"

inline CRuntimeClass* WaveDocumentClass() { return RUNTIME_CLASS(CPelmoranDoc); }
inline CRuntimeClass* WaveViewClass() { return RUNTIME_CLASS(CPelmoranView); }
