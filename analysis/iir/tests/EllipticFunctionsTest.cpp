// Elliptic integrals and Jacobi functions against values of the established
// implementations (scipy.special, computed once) and their identities.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/iir/EllipticFunctions.h"

using namespace SgCore;

namespace {
double Complement(double k) { return std::sqrt((1.0 - k) * (1.0 + k)); }
}  // namespace

TEST(EllipticFunctions, CompleteIntegralMatchesReference) {
  struct Row {
    double k, value;
  } rows[] = {{0.0, M_PI / 2},
              {0.1, 1.5747455615173558},
              {0.5, 1.685750354812596},
              {0.99, 3.3566005233611915}};
  for (const Row& r : rows) EXPECT_NEAR(EllipticIntegralK(Complement(r.k)), r.value, 1e-13) << r.k;
}

TEST(EllipticFunctions, JacobiFunctionsMatchReference) {
  struct Row {
    double u, k, sn, cn, dn;
  } rows[] = {{0.3, 0.5, 0.2944655515495562, 0.9556620945452506, 0.9891018702528339},
              {1.2, 0.9, 0.8552565691028542, 0.5182047867459494, 0.6383684851362855},
              {2.0, 0.999, 0.9644375480316933, 0.2643108320644752, 0.2678050884037454},
              {0.7, 0.0, std::sin(0.7), std::cos(0.7), 1.0}};
  for (const Row& r : rows) {
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
  struct Row {
    double x, m, value;
  } rows[] = {{0.5, 0.3, 0.47947848040765656},
              {3.0, 0.1, 1.799934861806726},
              {10.0, 0.01, 2.9957946702534977},
              {-0.5, 0.3, -0.47947848040765656},
              {0.0, 0.5, 0.0}};
  for (const Row& r : rows) EXPECT_NEAR(EllipticIntegralFArctan(r.x, r.m), r.value, 1e-13) << r.x;
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
