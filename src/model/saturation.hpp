// Vapour-liquid equilibrium of the reduced van der Waals fluid.
#pragma once

namespace vdw {

// Stores the saturation pressure P and the saturated liquid and vapour volumes
// Vf < Vg at reduced temperature T; at T >= 1 all three are 1, the critical point.
void saturation_state(double T, double& P, double& Vf, double& Vg);

}  // namespace vdw
