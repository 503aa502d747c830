// Elliptic integrals and Jacobi functions against values of the established
// implementations (scipy.special, in EllipticReferences.h, written by
// make_elliptic_references.py) and their identities.
#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <vector>

#include "analysis/iir/EllipticFunctions.h"
#include "analysis/iir/tests/EllipticReferences.h"

using namespace SgCore;

namespace {
double Complement(double k) { return std::sqrt((1.0 - k) * (1.0 + k)); }
}  // namespace

TEST(EllipticFunctions, CompleteIntegralMatchesReference) {
  for (const auto& r : elliptic_references::kComplete)
    EXPECT_NEAR(EllipticIntegralK(Complement(r.k)), r.value, 1e-13) << r.k;
  EXPECT_NEAR(EllipticIntegralK(1.0), M_PI / 2, 1e-13);  // modulus 0
}

TEST(EllipticFunctions, JacobiFunctionsMatchReference) {
  std::vector<elliptic_references::Jacobi> rows(std::begin(elliptic_references::kJacobi),
                                                std::end(elliptic_references::kJacobi));
  rows.push_back({0.7, 0.0, std::sin(0.7), std::cos(0.7), 1.0});  // modulus 0: sin, cos
  for (const auto& r : rows) {
    double sn, cn, dn;
    JacobiSnCnDn(r.u, Complement(r.k), &sn, &cn, &dn);
    EXPECT_NEAR(sn, r.sn, 1e-12) << r.u;
    EXPECT_NEAR(cn, r.cn, 1e-12) << r.u;
    EXPECT_NEAR(dn, r.dn, 1e-12) << r.u;
  }
  double sn, cn, dn;
  JacobiSnCnDn(0.0, 0.3, &sn, &cn, &dn);
  EXPECT_EQ(sn, 0.0);
  EXPECT_EQ(cn, 1.0);
  EXPECT_EQ(dn, 1.0);
  JacobiSnCnDn(0.8, 0.0, &sn, &cn, &dn);  // modulus 1
  EXPECT_NEAR(sn, std::tanh(0.8), 1e-15);
  EXPECT_NEAR(dn, 1.0 / std::cosh(0.8), 1e-15);
  // At the quarter period sn = 1, cn = 0 and dn = k'.
  const double kc = Complement(0.8);
  JacobiSnCnDn(EllipticIntegralK(kc), kc, &sn, &cn, &dn);
  EXPECT_NEAR(sn, 1.0, 1e-12);
  EXPECT_NEAR(cn, 0.0, 1e-7);
  EXPECT_NEAR(dn, kc, 1e-12);
}

TEST(EllipticFunctions, IncompleteIntegralMatchesReference) {
  for (const auto& r : elliptic_references::kIncomplete)
    EXPECT_NEAR(EllipticIntegralFArctan(r.x, r.m), r.value, 1e-13) << r.x;
  EXPECT_NEAR(EllipticIntegralFArctan(0.0, 0.5), 0.0, 1e-13);
  EXPECT_NEAR(EllipticIntegralFArctan(INFINITY, 0.6), EllipticIntegralK(0.6), 1e-14);
}

TEST(EllipticFunctions, ModulusFromNomeInvertsTheQuarterPeriodRatio) {
  for (double k : {0.05, 0.5, 0.9}) {
    const double ratio = EllipticIntegralK(k) / EllipticIntegralK(Complement(k));  // K'/K
    EXPECT_NEAR(EllipticModulusFromNome(ratio), k, 1e-10) << k;
  }
  EXPECT_LE(EllipticModulusFromNome(1e-6), 1.0);
}

TEST(EllipticFunctions, DesignParametersMeetTheDegreeEquation) {
  double epsP, k1, k1c, bigK1, bigK1c, k, kc, bigK, bigKc, v0, sn1, cn1, dn1;
  ASSERT_EQ(EllipticDesignParameters(0.1, 40.0, 5, &epsP, &k1, &k1c, &bigK1, &bigK1c, &k, &kc,
                                     &bigK, &bigKc, &v0, &sn1, &cn1, &dn1),
            0);
  EXPECT_NEAR(epsP, std::sqrt(std::pow(10.0, 0.01) - 1.0), 1e-15);
  EXPECT_NEAR(k1 * k1 + k1c * k1c, 1.0, 1e-15);
  // N K'(k)/K(k) = K'(k1)/K(k1) ties the selectivity to the discrimination.
  EXPECT_NEAR(5.0 * bigKc / bigK, bigK1c / bigK1, 1e-9);
  EXPECT_NEAR(sn1 * sn1 + cn1 * cn1, 1.0, 1e-15);
  EXPECT_GT(v0, 0.0);
}
