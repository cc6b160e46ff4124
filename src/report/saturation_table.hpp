// The table of saturation states from T = 0.50 to 1.00.
#pragma once

#include <cstdio>

namespace vdw {

// Prints the banner, the column header and one row per reduced temperature
// from 0.50 to 1.00 in steps of 0.01 to `out`. On its first row it fixes
// h_ref and s_ref, so that the saturated liquid at T = 0.5 has zero enthalpy
// and entropy; everything printed later is measured from that state.
void print_saturation_table(std::FILE* out = stdout);

}  // namespace vdw
