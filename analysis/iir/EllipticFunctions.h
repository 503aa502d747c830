#pragma once
// Elliptic integrals and Jacobi functions used by the elliptic filter designs.
// Each is a pure function of doubles.
namespace SgCore {

// Complete integral of the first kind K(k) from the complementary modulus k'.
double EllipticIntegralK(double kc);

// sn, cn, dn of u for the modulus whose complement is kc.
void JacobiSnCnDn(double u, double kc, double* sn, double* cn, double* dn);

// Incomplete integral of the first kind F(arctan x, sqrt(1 - m^2)).
double EllipticIntegralFArctan(double x, double m);

// Modulus k for the nome q = exp(-pi x); at most 1.
double EllipticModulusFromNome(double x);

// The design quantities of an elliptic filter of ripple r dB, attenuation
// a dB and order n (no filtering). Returns 0.
int EllipticDesignParameters(double r, double a, int n, double* epsP, double* k1, double* k1c,
                             double* bigK1, double* bigK1c, double* k, double* kc, double* bigK,
                             double* bigKc, double* v0, double* sn1, double* cn1, double* dn1);

}  // namespace SgCore
