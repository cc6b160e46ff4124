// Every formula keeps its order of evaluation: an algebraically equal
// rearrangement changes the last bits, and with them printed digits.
#include "model/properties.hpp"

#include <cmath>

namespace vdw {

double reduced_pressure(double T, double V) {
  if (V <= B) return INVALID;
  if (T <= 0) return INVALID;
  return (T / (V - B) - (A / V) / V) / ZC;
}

double fugacity_coefficient(double T, double V) {
  if (V <= B) return INVALID;
  if (T <= 0) return INVALID;
  const double P = reduced_pressure(T, V);
  if (P <= 0) return INVALID;
  const double Z = ((P * ZC) * V) / T;
  const double L = std::log(V / (V - B));
  return std::exp((((Z - 1) - std::log(Z)) + L) - (A / V) / T);
}

double enthalpy_departure(double T, double V) {
  if (V <= B) return INVALID;
  if (T <= 0) return INVALID;
  const double P = reduced_pressure(T, V);
  if (P <= 0) return INVALID;
  const double Z = ((P * ZC) * V) / T;
  return (1 - Z) * T + A / V;
}

double enthalpy(double T, double V) { return (CP * T + h_ref) - enthalpy_departure(T, V); }

double entropy_departure(double T, double V) {
  if (V <= B) return INVALID;
  if (T <= 0) return INVALID;
  const double P = reduced_pressure(T, V);
  if (P <= 0) return INVALID;
  const double phi = fugacity_coefficient(T, V);
  // Only an underflow of exp gives zero here, which needs T below about 0.0045.
  if (phi <= 0) return INVALID;
  return std::log(phi) + enthalpy_departure(T, V) / T;
}

double entropy(double T, double V) {
  // INVALID from reduced_pressure is negative, so this one test also rejects V <= B and T <= 0.
  const double P = reduced_pressure(T, V);
  if (P <= 0) return INVALID;
  return ((CP * std::log(T) + s_ref) - entropy_departure(T, V)) - std::log(P);
}

}  // namespace vdw
