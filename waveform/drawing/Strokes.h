#pragma once
// The four mouse strokes of the editor (free-hand, horizontal, vertical and
// two-point line) on a working copy of a waveform's samples. A press copies
// the record's samples into the working copy; each drag changes only the
// samples it draws (a line first puts back the ones its previous drag drew,
// so it follows the mouse without a trail) and keeps the record's display
// vector in step, so one move costs what it draws, not the waveform's
// length. The record's samples stay as they are until the release commits
// the working copy (waveform::CommitWorkData).
//
// Positions p are display positions (indexes into showdata); a position
// stands for sample p * dispstep. Every position is clamped onto the
// waveform, so no drag writes outside it; a waveform without samples draws
// nothing.

#include "waveform/WaveData.h"

namespace drawing {

using Samples = SG::CSgScalarVector<float>;

class Stroke {
 public:
  // work: the view's working copy, which the strokes fill and change.
  explicit Stroke(Samples& work) : work_(work) {}
  Stroke(const Stroke&) = delete;
  Stroke& operator=(const Stroke&) = delete;

  // Each press step returns false, and starts nothing, for a waveform
  // without samples. The drag steps return whether the display changed.

  // Free-hand: the sample under the press becomes y; every move draws a
  // straight line from the previous point to the new one.
  bool BeginFreehand(CWaveData& wave, int p, double y);
  bool ContinueFreehand(CWaveData& wave, int p, double y);

  // Horizontal line at the press's level y, from the press sample up to (not
  // including) the sample under the mouse.
  bool PressHorizontalLine(CWaveData& wave, int p, double y);
  bool DragHorizontalLine(CWaveData& wave, int p);

  // Vertical line: the press sample takes the mouse's level.
  bool PressVerticalLine(CWaveData& wave, int p);
  bool DragVerticalLine(CWaveData& wave, double y);

  // Two-point line from the wave's own value at the press to (p, y).
  bool BeginTwoPointLine(CWaveData& wave, int p);
  bool DragTwoPointLine(CWaveData& wave, int p, double y);

  // The sample a display position stands for, on the working copy.
  unsigned int SampleAt(const CWaveData& wave, int p) const;

 private:
  bool Start(CWaveData& wave);
  // Puts the samples the last drag drew back from the record.
  void Restore(CWaveData& wave);
  // work[i] = value, the display in step; marks i drawn.
  void Put(CWaveData& wave, unsigned int i, double value);
  void RefreshDisplay(CWaveData& wave, unsigned int lo, unsigned int hi);

  Samples& work_;
  int anchorX_ = 0;             // display position of the last free-hand point or line press
  double lastY_ = 0.0;          // Y of the last free-hand point
  double anchorValue_ = 0.0;    // the stroke's value there, before rounding to a sample
  double lineY_ = 0.0;          // level of the horizontal line
  unsigned int lineStart_ = 0;  // sample where the two-point line starts
  double lineStartValue_ = 0.0;
  // The samples drawn since the press or the last restore: lo..hi-1.
  unsigned int drawnLo_ = 0, drawnHi_ = 0;
};

}  // namespace drawing
