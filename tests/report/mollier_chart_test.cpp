#include "report/mollier_chart.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "model/properties.hpp"
#include "report/saturation_table.hpp"
#include "support/program_run.hpp"

namespace vdw {
namespace {

using Curve = std::vector<std::string>;

// The file's curves: runs of point lines, each closed by an empty line.
std::vector<Curve> curves_of(const std::string& text) {
  std::vector<Curve> curves(1);
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (line.empty()) {
      curves.emplace_back();
    } else {
      curves.back().push_back(line);
    }
  }
  curves.pop_back();  // what follows the last empty line: nothing, in a good file
  return curves;
}

// Both numbers of a point line are zero up to rounding.
bool is_zero_point(const std::string& line) {
  double s = 1;
  double h = 1;
  std::istringstream in(line);
  char comma = 0;
  in >> s >> comma >> h;
  return in && comma == ',' && std::fabs(s) < 1e-15 && std::fabs(h) < 1e-15;
}

// The curves of the chart that a plain run wrote.
const std::vector<Curve>& chart_curves() {
  static const std::vector<Curve> curves = curves_of(test::good_run().chart);
  return curves;
}

constexpr int kDome = 25;  // index of the dome among the curves

TEST(MollierChart, RunReportsChartAndSucceeds) {
  const test::GoodRun& good = test::good_run();
  EXPECT_EQ(good.run.exit_status, 0);
  EXPECT_EQ(good.run.err, "");
  EXPECT_EQ(std::count(good.run.out.begin(), good.run.out.end(), '\n'), 55);
  EXPECT_TRUE(good.run.out.ends_with("3.2458\ncreating Mollier chart\n"));
  EXPECT_EQ(test::entries_of(good.dir.path()), std::set<std::string>{"Mollier.csv"});
}

TEST(MollierChart, FileShape) {
  const std::string& chart = test::good_run().chart;
  const std::vector<Curve>& curves = chart_curves();
  EXPECT_EQ(std::count(chart.begin(), chart.end(), '\n'), 1203);
  EXPECT_TRUE(chart.ends_with("\n8.95812,5.99442\n\n"))
      << "last point, then the closing empty line";
  ASSERT_EQ(curves.size(), 57U);
  EXPECT_EQ(curves.front().front(), "-0.387376,0.733574");
  EXPECT_EQ(curves[kDome].size(), 51U);
}

TEST(MollierChart, SubcriticalIsotherms) {
  const std::vector<Curve>& curves = chart_curves();
  // Points kept on the liquid branch of T = 0.50, 0.52, ..., 0.98; the branch
  // is followed by the saturated liquid and vapour and 20 vapour points.
  const std::size_t liquid_kept[25] = {7, 7, 7, 7,  7,  8,  8,  8,  8,  8,  8,  9, 9,
                                       9, 9, 9, 10, 10, 10, 10, 11, 11, 11, 12, 12};
  for (int i = 0; i < 25; ++i) {
    SCOPED_TRACE(::testing::Message() << "isotherm " << i);
    EXPECT_EQ(curves[i].size(), liquid_kept[i] + 2 + 20);
  }
  // The branch ends at the saturated liquid, written again on the next line.
  const Curve& at_098 = curves[24];
  EXPECT_EQ(at_098[11], "2.80499,2.29908");
  EXPECT_EQ(at_098[12], "2.80499,2.29908");
  // The reference state: zero up to rounding, twice.
  const Curve& at_050 = curves.front();
  EXPECT_TRUE(is_zero_point(at_050[6])) << at_050[6];
  EXPECT_TRUE(is_zero_point(at_050[7])) << at_050[7];
  EXPECT_EQ(at_050.back(), "7.21339,3.24074");  // (0.50, 100)
}

TEST(MollierChart, SaturationDome) {
  const std::vector<Curve>& curves = chart_curves();
  const Curve& dome = curves[kDome];
  ASSERT_EQ(dome.size(), 51U);
  EXPECT_TRUE(is_zero_point(dome.front())) << dome.front();
  // The apex is the state (0.98, 1), not the critical point (3.24581,2.76156).
  EXPECT_EQ(dome[25], "3.21551,2.70156");
  EXPECT_EQ(dome.back(), "6.43257,3.21629");
  // Liquid side ascending, vapour side descending: the same states as the isotherms.
  EXPECT_EQ(dome[24], curves[24][12]);
  EXPECT_EQ(dome[26], curves[24][13]);
}

TEST(MollierChart, SupercriticalIsotherms) {
  const std::vector<Curve>& curves = chart_curves();
  const std::size_t kept[31] = {19, 19, 19, 19, 17, 16, 14, 14, 13, 11, 11, 10, 10, 9, 9, 9,
                                8,  8,  8,  8,  7,  7,  7,  7,  7,  6,  6,  6,  6,  5, 5};
  for (int j = 0; j < 31; ++j) {
    SCOPED_TRACE(::testing::Message() << "supercritical isotherm " << j);
    EXPECT_EQ(curves[kDome + 1 + j].size(), kept[j]);
  }
  EXPECT_EQ(curves[kDome + 1].front(), "2.28992,1.99621");  // T = 1.00, second volume
  EXPECT_EQ(curves.back().back(), "8.95812,5.99442");       // (1.60, 100)
}

// At T = 1.08 the volumes k = 1, 6 and 7 fail the clipping test; the curve
// goes on after the gap, as one run of lines.
TEST(MollierChart, ClippingLeavesGapInsideIsotherm) {
  const std::vector<Curve>& curves = chart_curves();
  ASSERT_EQ(curves.size(), 57U);
  std::FILE* table = std::tmpfile();
  ASSERT_NE(table, nullptr);
  // The chart's numbers are measured from the offsets that the table fixes.
  h_ref = 0.0;
  s_ref = 0.0;
  print_saturation_table(table);
  std::fclose(table);

  double T = 1.0;
  for (int j = 0; j < 4; ++j) T = T + 0.02;
  std::vector<std::string> expected;
  for (int k = 1; k <= 20; ++k) {
    if (k == 1 || k == 6 || k == 7) continue;
    const double V = B * std::exp((k * std::log(100 / B)) / 20);
    char line[64];
    std::snprintf(line, sizeof line, "%G,%G", entropy(T, V), enthalpy(T, V));
    expected.emplace_back(line);
  }
  EXPECT_EQ(curves[kDome + 1 + 4], expected);
}

}  // namespace
}  // namespace vdw
