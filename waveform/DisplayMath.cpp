#include "waveform/DisplayMath.h"

#include <algorithm>
#include <cmath>

namespace {

// A finite double as an int, truncated and kept inside int's range.
int ToInt(double x) noexcept {
  if (!(x == x)) return 0;
  return static_cast<int>(std::clamp(std::trunc(x), -2147483648.0, 2147483647.0));
}

}  // namespace

double DisplayTimeSpan(double period) noexcept { return period >= 1000 ? period / 1000 : period; }

double ClampCursor(double x, int displaylen) noexcept {
  if (!(x > 0) || displaylen <= 1) return 0.0;
  return std::min(x, static_cast<double>(displaylen - 1));
}

double CursorFromTime(double t, double period, int displaylen) noexcept {
  const double span = DisplayTimeSpan(period);
  if (!(span > 0)) return 0.0;
  const double clipped = std::clamp(t == t ? t : 0.0, 0.0, span);
  return ClampCursor(displaylen * clipped / span, displaylen);
}

long long SampleIndexAt(const CWaveData& wave, double x) noexcept {
  const double k = wave.dispstep > 0 ? wave.dispstep : 1;
  const double index = std::trunc(x * k);
  if (!(index == index)) return 0;
  return static_cast<long long>(std::clamp(index, -9.0e18, 9.0e18));
}

HorizontalPan HorizontalPanFor(int displaylen, double xmin, double xmax) noexcept {
  HorizontalPan pan;
  pan.maximum = std::max(0, ToInt(displaylen - (xmax - xmin)));
  pan.page = pan.maximum / 20;
  pan.position = std::clamp(ToInt(xmin), 0, pan.maximum);
  return pan;
}

int VerticalPanPosition(double ymax, double span, double offset) noexcept {
  if (!(span > 0)) return 0;
  return std::clamp(ToInt((offset + span / 2 - ymax) * 100 / span), 0, 100);
}

double VerticalPanMaximum(int position, double span, double offset) noexcept {
  if (!(span > 0)) return offset;
  return offset + span / 2 - position * span / 100;
}
