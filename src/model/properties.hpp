// Properties of the van der Waals fluid in reduced variables: T, P and V over
// their critical values, enthalpy in units of R*Tc, entropy in units of R.
#pragma once

namespace vdw {

// Ideal-gas heat capacity at constant pressure, in units of R.
constexpr double CP = 2.5;
// Critical compressibility factor: Z = ZC * P * V / T.
constexpr double ZC = 0.375;
// Attraction parameter in reduced form.
constexpr double A = 1.125;
// Co-volume in reduced form: volumes at or below it lie outside the model.
constexpr double B = 1.0 / 3.0;
// What a property function returns for a state outside its domain.
constexpr double INVALID = -999.0;

// Reference offsets added to every enthalpy and entropy. Zero until the
// saturation table fixes them, so that the saturated liquid at T = 0.5 has
// zero enthalpy and zero entropy.
inline double h_ref = 0.0;
inline double s_ref = 0.0;

// Reduced pressure at (T, V), negative values included; INVALID for V <= B or T <= 0.
double reduced_pressure(double T, double V);

// Fugacity coefficient at (T, V); INVALID for V <= B, T <= 0 or P <= 0.
double fugacity_coefficient(double T, double V);

// Ideal-gas minus real enthalpy at the same T, in R*Tc; INVALID for V <= B, T <= 0 or P <= 0.
double enthalpy_departure(double T, double V);

// Enthalpy in R*Tc measured from h_ref; never INVALID, since the departure is subtracted as it is.
double enthalpy(double T, double V);

// Ideal-gas minus real entropy at the same T and P, in R; INVALID outside the domain.
double entropy_departure(double T, double V);

// Entropy in R measured from s_ref; INVALID where the pressure is not positive.
double entropy(double T, double V);

}  // namespace vdw
