#include "model/cubic.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace vdw {
namespace {

TEST(SolveCubic, OneRealRootAndConjugatePair) {
  CubicRoots roots;
  ASSERT_EQ(solve_cubic({-1, 0, 0}, roots), 1);  // x^3 - 1
  EXPECT_DOUBLE_EQ(roots.root[0].re, 1.0);
  EXPECT_EQ(roots.root[0].im, 0.0);
  EXPECT_DOUBLE_EQ(roots.root[1].re, -0.5);
  EXPECT_DOUBLE_EQ(roots.root[1].im, std::sqrt(3.0) / 2);
  EXPECT_DOUBLE_EQ(roots.root[2].re, -0.5);
  EXPECT_DOUBLE_EQ(roots.root[2].im, -std::sqrt(3.0) / 2);
}

TEST(SolveCubic, ThreeRealRootsLargestSmallestMiddle) {
  CubicRoots roots;
  ASSERT_EQ(solve_cubic({-6, 11, -6}, roots), 3);  // (x - 1)(x - 2)(x - 3)
  EXPECT_NEAR(roots.root[0].re, 3.0, 1e-14);
  EXPECT_NEAR(roots.root[1].re, 1.0, 1e-14);
  EXPECT_NEAR(roots.root[2].re, 2.0, 1e-14);
  for (const CubicRoot& root : roots.root) EXPECT_EQ(root.im, 0.0);
}

TEST(SolveCubic, ZeroDiscriminantTakesOneRootForm) {
  CubicRoots roots;
  ASSERT_EQ(solve_cubic({2, -3, 0}, roots), 1);  // (x - 1)^2 (x + 2), discriminant exactly 0
  EXPECT_EQ(roots.root[0].re, -2.0);
  EXPECT_EQ(roots.root[1].re, 1.0);
  EXPECT_EQ(roots.root[2].re, 1.0);
  for (const CubicRoot& root : roots.root) EXPECT_EQ(root.im, 0.0);
}

TEST(SolveCubic, TripleRootAtZeroKeepsSignedZeros) {
  CubicRoots roots;
  ASSERT_EQ(solve_cubic({0, 0, 0}, roots), 1);
  const double values[] = {roots.root[0].re, roots.root[0].im, roots.root[1].re,
                           roots.root[1].im, roots.root[2].re, roots.root[2].im};
  const bool negative[] = {false, false, true, false, true, true};
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(values[i], 0.0);
    EXPECT_EQ(std::signbit(values[i]), negative[i]);
  }
}

// No tolerance on the discriminant: for (x - 1)^2 (x - 2) it rounds to a tiny
// positive value, and the double root comes back as a nearly real pair.
TEST(SolveCubic, RoundedDoubleRootBecomesNearlyRealPair) {
  CubicRoots roots;
  ASSERT_EQ(solve_cubic({-2, 5, -4}, roots), 1);
  EXPECT_NEAR(roots.root[0].re, 2.0, 1e-14);
  EXPECT_NEAR(roots.root[1].re, 1.0, 1e-14);
  EXPECT_NEAR(roots.root[2].re, 1.0, 1e-14);
  EXPECT_GT(roots.root[1].im, 1e-9);
  EXPECT_LT(roots.root[1].im, 1e-8);
  EXPECT_EQ(roots.root[2].im, -roots.root[1].im);
}

// Near a double root rounding can push the cosine argument just past +-1;
// unclamped, acos gives NaN and all three roots are lost.
TEST(SolveCubic, CosineArgumentRoundedPastOneStillGivesRoots) {
  const CubicCoefficients cases[] = {
      {-0.10012480403753926, -0.74292544688766304, -1.119747279531798},  // argument 1 + 2^-52
      {0.69600320944293714, -0.64711300713521136, -1.0388618241740875},  // argument -1 - 2^-52
  };
  for (const CubicCoefficients& c : cases) {
    CubicRoots roots;
    ASSERT_EQ(solve_cubic(c, roots), 3);
    for (const CubicRoot& root : roots.root) {
      const double x = root.re;
      ASSERT_TRUE(std::isfinite(x));
      // Residual of a root next to a double root: the polynomial is flat there.
      EXPECT_NEAR(((x + c.c2) * x + c.c1) * x + c.c0, 0.0, 1e-12);
    }
  }
}

}  // namespace
}  // namespace vdw
