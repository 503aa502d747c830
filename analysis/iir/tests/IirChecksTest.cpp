// Argument checks of the recursive filters: codes in their documented order,
// refused calls that write nothing, non-finite design quantities refused.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "analysis/core/CoreErrors.h"
#include "analysis/iir/IirFilters.h"

using namespace SgCore;

namespace {
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Call {
  const char* name;
  int (*run)(double* x, int n, double* y);
  int expected;
};

std::vector<double> Samples() { return {1.0, -2.0, 3.0, 0.5, 0.25, -1.0, 4.0, 2.0}; }
}  // namespace

#define ROW(text, expr, code)                                    \
  Call {                                                         \
    text, [](double* x, int n, double* y) { return expr; }, code \
  }

TEST(IirChecks, CodesInDocumentedOrder) {
  const Call calls[] = {
      ROW("count 0 beats every other fault", ButterworthLowPassCore(x, 0, -1, -1, 0, y),
          ErrSamplesGtZero),
      ROW("negative count", ChebyshevBandStopCore(x, -5, 1000, 10, 20, 0.1, 3, y),
          ErrSamplesGtZero),
      ROW("order 0", ButterworthLowPassCore(x, n, 1000, 10, 0, y), ErrOrder),
      ROW("order 0 beats bad edges", EllipticBandPassCore(x, n, -1, 0, 0, -1, -1, 0, y), ErrOrder),
      ROW("fc 0", ButterworthLowPassCore(x, n, 1000, 0, 3, y), ErrBand),
      ROW("fs 0", ButterworthHighPassCore(x, n, 0, 10, 3, y), ErrBand),
      ROW("fc at fs/2 accepted", ButterworthLowPassCore(x, n, 1000, 500, 3, y), ErrNone),
      ROW("fc above fs/2", ButterworthLowPassCore(x, n, 1000, 500.001, 3, y), ErrCutoff),
      ROW("fl equals fh", ButterworthBandPassCore(x, n, 1000, 100, 100, 2, y), ErrBand),
      ROW("fh above fs/2", ButterworthBandStopCore(x, n, 1000, 100, 600, 2, y), ErrCutoff),
      ROW("fl >= fh before fh > fs/2", ButterworthBandStopCore(x, n, 1000, 700, 600, 2, y),
          ErrBand),
      ROW("ripple 0", ChebyshevLowPassCore(x, n, 1000, 100, 0, 2, y), ErrRipple),
      ROW("ripple before fc > fs/2", ChebyshevHighPassCore(x, n, 1000, 600, -1, 2, y), ErrRipple),
      ROW("ripple before fl >= fh", ChebyshevBandPassCore(x, n, 1000, 200, 100, 0, 2, y),
          ErrRipple),
      ROW("band order after ripple", ChebyshevBandPassCore(x, n, 1000, 200, 100, 0.1, 2, y),
          ErrBand),
      ROW("attenuation 0", InverseChebyshevLowPassCore(x, n, 1000, 100, 0, 2, y), ErrAttenuation),
      ROW("attenuation band", InverseChebyshevBandStopCore(x, n, 1000, 100, 200, -3, 2, y),
          ErrAttenuation),
      ROW("elliptic ripple first", EllipticLowPassCore(x, n, 1000, 100, 0, 0, 2, y), ErrRipple),
      ROW("elliptic attenuation", EllipticLowPassCore(x, n, 1000, 100, 1, 0, 2, y), ErrAttenuation),
      ROW("attenuation equals ripple", EllipticLowPassCore(x, n, 1000, 100, 3, 3, 2, y),
          ErrAttenuationRipple),
      ROW("ripple above attenuation, band", EllipticBandStopCore(x, n, 1000, 100, 200, 5, 3, 2, y),
          ErrAttenuationRipple),
      ROW("attenuation-ripple before fl >= fh",
          EllipticBandPassCore(x, n, 1000, 300, 200, 5, 3, 2, y), ErrAttenuationRipple),
      ROW("NaN fc", ButterworthLowPassCore(x, n, 1000, kNan, 2, y), ErrBand),
      ROW("NaN fs", ButterworthLowPassCore(x, n, kNan, 100, 2, y), ErrBand),
      ROW("NaN ripple", ChebyshevLowPassCore(x, n, 1000, 100, kNan, 2, y), ErrRipple),
      ROW("NaN attenuation", EllipticLowPassCore(x, n, 1000, 100, 1, kNan, 2, y), ErrAttenuation),
      ROW("infinite fs", ButterworthLowPassCore(x, n, kInf, 100, 2, y), ErrBand),
      ROW("infinite fh", ButterworthBandPassCore(x, n, 1000, 100, kInf, 2, y), ErrBand),
      ROW("infinite ripple", ChebyshevLowPassCore(x, n, 1000, 100, kInf, 2, y), ErrRipple),
      ROW("infinite attenuation", EllipticLowPassCore(x, n, 1000, 100, 1, kInf, 2, y),
          ErrAttenuation),
      ROW("ripple overflowing its power ratio", ChebyshevLowPassCore(x, n, 1000, 100, 4000, 2, y),
          ErrRipple),
      ROW("attenuation overflowing its power ratio",
          InverseChebyshevLowPassCore(x, n, 1000, 100, 4000, 3, y), ErrAttenuation),
      ROW("elliptic attenuation overflowing",
          EllipticBandPassCore(x, n, 1000, 100, 200, 1, 4000, 3, y), ErrAttenuation),
  };
  for (const Call& c : calls) {
    std::vector<double> x = Samples();
    std::vector<double> y(x.size(), 42.0);
    const int code = c.run(x.data(), static_cast<int>(x.size()), y.data());
    EXPECT_EQ(code, c.expected) << c.name;
    EXPECT_EQ(x, Samples()) << c.name;
    if (code != ErrNone) {
      EXPECT_EQ(y, std::vector<double>(x.size(), 42.0)) << c.name << ": refused call wrote";
    } else {
      for (double v : y) EXPECT_TRUE(std::isfinite(v)) << c.name;
    }
  }
}
