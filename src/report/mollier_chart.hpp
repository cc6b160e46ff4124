// The enthalpy-entropy (Mollier) chart of the reduced van der Waals fluid.
#pragma once

#include <cstdio>

namespace vdw {

// Writes the chart to `out`: one "s,h" line per point and an empty line after
// every curve; 25 subcritical isotherms (T = 0.50 to 0.98), the saturation
// dome, and 31 supercritical isotherms (T = 1.00 to 1.60). Reads h_ref and
// s_ref, so the saturation table must have fixed them first.
void write_mollier_points(std::FILE* out);

// Prints "creating Mollier chart" on `log`, then writes the chart to
// "Mollier.csv" in the current directory. Returns 0, or the errno of the
// step that failed, in which case an earlier "Mollier.csv" is left untouched.
int write_mollier_chart(std::FILE* log = stdout);

}  // namespace vdw
