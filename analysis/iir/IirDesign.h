#pragma once
// Design of the recursive filters: the checks of a request, and the analogue
// prototype carried through the frequency and bilinear transforms into a
// cascade of second-order sections. Band filters get two second-order
// sections per prototype pole pair (never one fourth-order section), so a
// narrow or low band keeps a stable design stable.
#include <cstdint>

namespace SgCore::iir {

enum class Family { Butterworth, Chebyshev, InverseChebyshev, Elliptic };
enum class Kind { LowPass, HighPass, BandPass, BandStop };

struct Request {
  Family family;
  Kind kind;
  double fs;
  double f1;           // fc, or fl for the band kinds
  double f2;           // fh for the band kinds
  double ripple;       // dB, Chebyshev and elliptic
  double attenuation;  // dB, inverse Chebyshev and elliptic
  int order;
};

// One section y = b0 x + b1 x1 + b2 x2 - a1 y1 - a2 y2; a first-order section
// has no x2, y2 terms.
struct Section {
  double b0, b1, b2, a1, a2;
  bool firstOrder;
};

// The checks in the order they are made; 0 or the code of the first failure.
int CheckRequest(int count, const Request& request);

// The designed cascade; built only from a request that passed CheckRequest.
class Design {
 public:
  explicit Design(const Request& request);

  // Prototype factors: the real pole (odd order) first, then the pole pairs.
  int64_t FactorCount() const { return (order_ % 2) + order_ / 2; }
  // Writes the sections of factor i (one, or two for a band pole pair) and
  // returns how many.
  int FactorSections(int64_t i, Section out[2]) const;
  // 0 when every coefficient is finite, else the code that refuses it.
  int CheckFinite() const;

 private:
  struct Root {
    double re, im;
    bool infinite;
  };
  void PrototypePair(int64_t k, Root* pole, Root* zero) const;
  Root PrototypeRealPole() const;
  int Realise(const Root* poles, const Root* zeros, bool pair, double gain, Section out[2]) const;

  Request r_;
  int order_;
  double w_ = 0, bw_ = 0, w0sq_ = 0;  // pre-warped edge, bandwidth, centre^2
  double sh_ = 0, ch_ = 0;            // Chebyshev hyperbolic factors
  double evenGain_ = 1;               // even-order pass-band level
  double ellK_ = 0, ellk_ = 0, ellkc_ = 0, sn1_ = 0, cn1_ = 0, dn1_ = 0;
};

}  // namespace SgCore::iir
