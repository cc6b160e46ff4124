#include "model/cubic.hpp"

#include <algorithm>
#include <cmath>

namespace vdw {

namespace {

// The stored exponent, not cbrt: the saturation pressures and volumes are
// specified to the last bit, and cbrt rounds differently from pow.
constexpr double ONE_THIRD = 0.3333333333333333;
constexpr double TWO_PI_OVER_3 = 2.0943951023931953;
constexpr double FOUR_PI_OVER_3 = 4.1887902047863905;

double signed_cube_root(double t) {
  if (t > 0) return std::pow(t, ONE_THIRD);
  if (t < 0) return -std::pow(-t, ONE_THIRD);
  return 0.0;
}

}  // namespace

int solve_cubic(const CubicCoefficients& coefficients, CubicRoots& roots) {
  const double c0 = coefficients.c0;
  const double c1 = coefficients.c1;
  const double c2 = coefficients.c2;
  roots = CubicRoots{};

  // Depressed cubic t^3 + p*t + q = 0 through x = t - c2/3.
  const double p = c1 - c2 * c2 / 3;
  const double q = ((c2 + c2) * c2 * c2 - (c2 * 9) * c1 + c0 * 27) / 27;
  // No tolerance: a double root whose discriminant rounds to a tiny positive
  // value is returned as one real root and a nearly real pair.
  const double D = p * p * p / 27 + q * q * 0.25;

  if (D >= 0) {
    const double s = std::sqrt(D);
    const double t1 = s - 0.5 * q;
    const double t2 = -0.5 * q - s;
    const double k1 = signed_cube_root(t1);
    const double k2 = signed_cube_root(t2);
    roots.root[0].re = (k1 + k2) - c2 / 3;
    roots.root[1].re = -0.5 * (k1 + k2) - c2 / 3;
    roots.root[2].re = roots.root[1].re;
    roots.root[1].im = std::sqrt(3.0) * (k1 - k2) * 0.5;
    roots.root[2].im = -roots.root[1].im;
    return 1;
  }

  // D < 0, or NaN: three real roots in trigonometric form.
  const double r = 2 * std::sqrt(p / (-3));
  const double w = r * p;
  const double a = std::fabs(w) > 0 ? 3 * q / w : 0.0;
  // Rounding can push the argument just past +-1, where acos gives NaN.
  const double theta = std::acos(std::clamp(a, -1.0, 1.0)) / 3;
  roots.root[0].re = r * std::cos(theta) - c2 / 3;
  roots.root[1].re = r * std::cos(theta + TWO_PI_OVER_3) - c2 / 3;
  roots.root[2].re = r * std::cos(theta + FOUR_PI_OVER_3) - c2 / 3;
  return 3;
}

}  // namespace vdw
