#include "model/properties.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace vdw {
namespace {

using Property = double (*)(double, double);

// Offsets at their start values, whatever ran before.
class PropertiesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h_ref = 0.0;
    s_ref = 0.0;
  }
};

struct PropertyCase {
  const char* what;
  Property property;
  double T;
  double V;
  double expected;
  // Zero where only + - * / are involved: those results are exact to the bit.
  // Otherwise a bound that covers a few ulps of the library's ln and exp
  // (or the number of digits to which the value is known).
  double tolerance;
};

constexpr PropertyCase kPropertyCases[] = {
    // Rounding of B and of each step leaves the critical pressure 5 ulps below 1.
    {"P at the critical point", reduced_pressure, 1, 1, 0.9999999999999994, 0},
    {"negative P returned as is", reduced_pressure, 0.5, 0.5, -4.000000000000001, 0},
    {"P at the co-volume", reduced_pressure, 1, B, INVALID, 0},
    {"P at T = 0", reduced_pressure, 0, 1, INVALID, 0},
    {"P at T < 0", reduced_pressure, -1, 2, INVALID, 0},
    {"h departure at (1, 1)", enthalpy_departure, 1, 1, 1.7500000000000002, 0},
    {"h at (1, 1)", enthalpy, 1, 1, 0.7499999999999998, 0},
    {"phi at (1, 1)", fugacity_coefficient, 1, 1, 0.69509577380178, 1e-14},
    {"s departure at (1, 1), ln 4", entropy_departure, 1, 1, 1.38629436111989, 1e-14},
    {"s at (1, 1)", entropy, 1, 1, -1.38629436111989, 1e-14},
    // Negative pressure: everything that needs P > 0 is out of its domain,
    // but enthalpy subtracts INVALID as it is.
    {"P at (0.5, 0.6)", reduced_pressure, 0.5, 0.6, -3.3333333333333335, 0},
    {"phi at negative P", fugacity_coefficient, 0.5, 0.6, INVALID, 0},
    {"h departure at negative P", enthalpy_departure, 0.5, 0.6, INVALID, 0},
    {"s departure at negative P", entropy_departure, 0.5, 0.6, INVALID, 0},
    {"s at negative P", entropy, 0.5, 0.6, INVALID, 0},
    {"h at negative P", enthalpy, 0.5, 0.6, 1000.25, 0},
    {"h at the co-volume", enthalpy, 1, B, 1001.5, 0},
    {"s at the co-volume", entropy, 1, B, INVALID, 0},
    {"P at (0.9, 0.5)", reduced_pressure, 0.9, 0.5, 2.3999999999999986, 0},
    {"h departure at (0.9, 0.5)", enthalpy_departure, 0.9, 0.5, 2.7, 0},
    {"h at (0.9, 0.5)", enthalpy, 0.9, 0.5, -0.4500000000000002, 0},
    {"phi at (0.9, 0.5)", fugacity_coefficient, 0.9, 0.5, 0.298722410207, 5e-13},
    {"s departure at (0.9, 0.5)", entropy_departure, 0.9, 0.5, 1.791759469228, 5e-13},
    {"s at (0.9, 0.5)", entropy, 0.9, 0.5, -2.930629495727, 5e-13},
    // A strongly compressed liquid: no upper limit on any result.
    {"P of compressed liquid", reduced_pressure, 0.8, 0.34, 294.04844290657235, 0},
    {"phi of compressed liquid", fugacity_coefficient, 0.8, 0.34, 1.4419e18, 0.00005e18},
};

TEST_F(PropertiesTest, KnownValuesAndDomain) {
  for (const PropertyCase& c : kPropertyCases) {
    SCOPED_TRACE(c.what);
    const double value = c.property(c.T, c.V);
    if (c.tolerance == 0) {
      EXPECT_EQ(value, c.expected);
    } else {
      EXPECT_NEAR(value, c.expected, c.tolerance);
    }
  }
}

TEST_F(PropertiesTest, OffsetsShiftEnthalpyAndEntropyOnly) {
  const double h = enthalpy(0.9, 0.5);
  const double s = entropy(0.9, 0.5);
  const double phi = fugacity_coefficient(0.9, 0.5);
  h_ref = 2.0;
  s_ref = 4.5;
  EXPECT_DOUBLE_EQ(enthalpy(0.9, 0.5), h + 2.0);
  EXPECT_DOUBLE_EQ(entropy(0.9, 0.5), s + 4.5);
  EXPECT_EQ(fugacity_coefficient(0.9, 0.5), phi);
}

// Far from the co-volume the fluid is an ideal gas: Z = 1 and both departures vanish.
TEST_F(PropertiesTest, IdealGasLimitAtLargeVolume) {
  for (const double T : {0.5, 1.0, 2.0}) {
    SCOPED_TRACE(T);
    const double V = 1e7;
    // The leading corrections are of order B/V and A/(V*T), about 1e-7.
    EXPECT_NEAR(reduced_pressure(T, V) * ZC * V / T, 1.0, 1e-6);
    EXPECT_NEAR(fugacity_coefficient(T, V), 1.0, 1e-6);
    EXPECT_NEAR(enthalpy_departure(T, V), 0.0, 1e-6);
    EXPECT_NEAR(entropy_departure(T, V), 0.0, 1e-6);
    // Ideal-gas entropy: CP ln T - ln P.
    EXPECT_NEAR(entropy(T, V), CP * std::log(T) - std::log(reduced_pressure(T, V)), 1e-6);
  }
}

// The departures must be consistent with the pressure they come from:
// (ds/dV) at constant T equals (dP/dT) at constant V, which in reduced units
// (entropy in R, so with the factor ZC = Pc Vc / (R Tc)) is 1/(V - B).
TEST_F(PropertiesTest, EntropyFollowsMaxwellRelation) {
  const struct {
    double T;
    double V;
  } states[] = {{0.9, 0.5}, {1.2, 2.0}, {0.6, 30.0}};
  for (const auto& state : states) {
    SCOPED_TRACE(::testing::Message() << "T = " << state.T << ", V = " << state.V);
    const double dV = 1e-5 * state.V;
    const double dsdV =
        (entropy(state.T, state.V + dV) - entropy(state.T, state.V - dV)) / (2 * dV);
    // Central difference: error of order dV^2, plus rounding of order 1e-16/dV.
    EXPECT_NEAR(dsdV, 1 / (state.V - B), 1e-6 * std::fabs(dsdV));
  }
}

}  // namespace
}  // namespace vdw
