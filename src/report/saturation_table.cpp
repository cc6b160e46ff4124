#include "report/saturation_table.hpp"

#include "model/properties.hpp"
#include "model/saturation.hpp"

namespace vdw {

void print_saturation_table(std::FILE* out) {
  std::fputs("van der Waals Equation of State\n", out);
  std::fputs("saturation properties\n", out);
  std::fputs("Trs   Prs    Vrf     Vrg     Zg    Hrf    Hrg    Srf   Srg\n", out);

  // T is accumulated, not recomputed from a row count: the last row then has
  // T = 1.0000000000000004, which the solver reports as the critical point.
  for (double T = 0.5; T < 1.001; T = T + 0.01) {
    double P = 0;
    double Vf = 0;
    double Vg = 0;
    saturation_state(T, P, Vf, Vg);
    const double Zg = ((ZC * P) * Vg) / T;
    double Hf = enthalpy(T, Vf);
    double Hg = enthalpy(T, Vg);
    double Sf = entropy(T, Vf);
    double Sg = entropy(T, Vg);
    // The offsets are still zero on the first row only; there they become the
    // negated liquid values, and the row is shifted by hand to match.
    if (h_ref == 0.0) {
      h_ref = -Hf;
      s_ref = -Sf;
      Hf = Hf + h_ref;
      Hg = h_ref + Hg;
      Sf = Sf + s_ref;
      Sg = Sg + s_ref;
    }
    std::fprintf(out, "%4.2lf %6.4lf %6.4lf %7.4lf %6.4lf %6.4lf %6.4lf %6.4lf %6.4lf\n", T, P, Vf,
                 Vg, Zg, Hf, Hg, Sf, Sg);
  }
}

}  // namespace vdw
