// Closed-form roots of a real cubic with leading coefficient 1.
#pragma once

namespace vdw {

// The cubic x^3 + c2*x^2 + c1*x + c0 = 0.
struct CubicCoefficients {
  double c0;
  double c1;
  double c2;
};

// One complex root: real part, imaginary part.
struct CubicRoot {
  double re;
  double im;
};

// Three roots. With one real root it is root[0], and root[1] carries the
// non-negative imaginary part of the conjugate pair; with three, root[0] is
// the largest, root[1] the smallest and root[2] the middle one.
struct CubicRoots {
  CubicRoot root[3];
};

// Solves the cubic into `roots` (all six values written); returns 1 when it
// took the one-real-root form (discriminant >= 0), 3 for three real roots.
int solve_cubic(const CubicCoefficients& coefficients, CubicRoots& roots);

}  // namespace vdw
