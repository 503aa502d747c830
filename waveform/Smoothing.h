#pragma once
// Smoothing of one waveform's samples (WM_SMOOTH and the context menu).

#include "waveform/EditOps.h"

namespace waveform {

// The half width of the smoothing window: each sample is averaged with up to
// this many samples on either side.
constexpr unsigned int kSmoothHalfWidth = 128;

// A centred moving average, computed into a new vector: each sample becomes
// the mean of itself and the kSmoothHalfWidth samples on either side; near
// the ends the window shrinks to the samples on hand, the same number on both
// sides, so the first and the last sample keep their values. The result is
// recorded in the history like an edit, so Undo brings back the samples from
// before. Unchanged for a waveform without samples. @excsafety{Strong}
EditResult Smooth(WaveEntry& entry);

}  // namespace waveform
