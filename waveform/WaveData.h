#pragma once
// The waveform record: one per open waveform window, a plain value type.
// Units are indices, never scale factors; every reader converts.

#include "containers/CSgScalarVector.h"
#include "platform/afx/String.h"

class CWaveData {
 public:
  CString wavename;
  int pointcount = 0;
  double span = 0.0;
  int spanunit = 0;  // 0 V, 1 mV
  int bits = 0;
  double period = 0.0;
  int periodunit = 0;  // 0 ks, 1 s, 2 ms, 3 us, 4 ns
  double freq = 0.0;
  int frequnit = 0;  // 0 uHz, 1 mHz, 2 Hz, 3 kHz, 4 MHz
  int timemode = 0;
  bool saved = false;
  CString filepath;
  int shape = 0;
  int samplecount = 0;
  int displaylen = 0;
  double vpp = 0.0;
  int vppunit = 0;  // 1 mVpp, any other value Vpp
  double offset = 0.0;
  int offsetunit = 0;  // 0 V, 1 mV
  int cycles = 0;
  double phase = 0.0;
  int duty = 0;
  int symmetry = 0;
  double width = 0.0;
  double edge = 0.0;
  double expfactor = 0.0;
  int sincparam = 0;
  SG::CSgScalarVector<float> thedata;
  SG::CSgScalarVector<float> showdata;
  SG::CSgScalarVector<float> copydata;
  int dispstep = 1;
  bool cursorson = false;
  int cursor1;  // left unset: the view writes it before anything reads it
  int cursor2;
  bool grid = true;
  bool pointview = false;
  bool tracking = false;
  bool freehand = false;
  bool hline = false;
  bool vline = false;
  bool twopoint = false;
  int savetype = 0;
};

// Rebuilds `dispstep`, `displaylen` and `showdata` from `thedata`: above
// 5,000,000 samples every k-th sample is shown, k = ceil(n / 5,000,000).
void DisplayDecimation(CWaveData& wave);
