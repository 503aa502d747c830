// The four ready-made equiripple filters over the Remez design.
#include "analysis/core/CoreErrors.h"
#include "analysis/fir/FirDesign.h"

namespace SgCore {

int EquirippleLowPassCore(double fs, double pass, double stop, int n, double* out,
                          double* deviation) {
  const double edges[] = {0.0, pass, stop, fs / 2.0};
  const double desired[] = {1.0, 0.0}, weights[] = {1.0, 1.0};
  return EquirippleDesignCore(2, desired, weights, fs, edges, EquirippleMultiband, n, out,
                              deviation);
}

int EquirippleHighPassCore(double fs, double stop, double pass, int n, double* out,
                           double* deviation) {
  if (n % 2 == 0) return ErrOddTaps;
  const double edges[] = {0.0, stop, pass, fs / 2.0};
  const double desired[] = {0.0, 1.0}, weights[] = {1.0, 1.0};
  return EquirippleDesignCore(2, desired, weights, fs, edges, EquirippleMultiband, n, out,
                              deviation);
}

int EquirippleBandPassCore(double fs, double f1, double f2, double f3, double f4, int n,
                           double* out, double* deviation) {
  const double edges[] = {0.0, f1, f2, f3, f4, fs / 2.0};
  const double desired[] = {0.0, 1.0, 0.0}, weights[] = {1.0, 1.0, 1.0};
  return EquirippleDesignCore(3, desired, weights, fs, edges, EquirippleMultiband, n, out,
                              deviation);
}

int EquirippleBandStopCore(double fs, double f1, double f2, double f3, double f4, int n,
                           double* out, double* deviation) {
  if (n % 2 == 0) return ErrOddTaps;
  const double edges[] = {0.0, f1, f2, f3, f4, fs / 2.0};
  const double desired[] = {1.0, 0.0, 1.0}, weights[] = {1.0, 1.0, 1.0};
  return EquirippleDesignCore(3, desired, weights, fs, edges, EquirippleMultiband, n, out,
                              deviation);
}

}  // namespace SgCore
