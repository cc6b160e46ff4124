#include "model/saturation.hpp"

#include <algorithm>
#include <cmath>

#include "model/cubic.hpp"
#include "model/properties.hpp"

namespace vdw {

void saturation_state(double T, double& P, double& Vf, double& Vg) {
  if (T >= 1) {
    P = 1;
    Vf = 1;
    Vg = 1;
    return;
  }

  // Bisection in ln P over a fixed number of steps: 32 halvings of five
  // decades leave a bracket ratio of about 1 + 2.7e-9, far below the printed digits.
  double lo = 1e-5;
  double hi = 1.0;
  for (int step = 0; step < 32; ++step) {
    const double mid = std::sqrt(hi * lo);
    P = mid;

    // The equation of state as a cubic in Z at (T, mid).
    const CubicCoefficients cubic{
        (-27 * mid * mid * 0.001953125) / T / T / T,
        (mid * 27 * 0.015625) / T / T,
        -((mid * 0.125) / T + 1),
    };
    CubicRoots roots;
    if (solve_cubic(cubic, roots) != 3) {
      // A single root is judged by its volume against the critical volume 1.
      // Below T = 1 a lone vapour root lies beyond the vapour spinodal
      // (V > 1) and a lone liquid root below the liquid spinodal (V < 1).
      // Judging by Z > 0.5 instead fails close to the critical point, where
      // the vapour root has Z below 0.5 just under the three-root band.
      const double V = roots.root[0].re * T / (mid * ZC);
      if (V > 1) {
        lo = mid;  // vapour: the trial lies below saturation
      } else {
        hi = mid;
      }
      continue;
    }

    // The middle root is the unstable branch and plays no part.
    const double Zmin = std::min({roots.root[0].re, roots.root[1].re, roots.root[2].re});
    const double Zmax = std::max({roots.root[0].re, roots.root[1].re, roots.root[2].re});
    Vf = Zmin * T / mid / ZC;
    Vg = Zmax * T / mid / ZC;
    const double phi_f = fugacity_coefficient(T, Vf);
    const double phi_g = fugacity_coefficient(T, Vg);
    if (phi_g < phi_f) {
      lo = mid;  // the vapour is stable: the trial lies below saturation
    } else {
      hi = mid;
    }
  }
}

}  // namespace vdw
