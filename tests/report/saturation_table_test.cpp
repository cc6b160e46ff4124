#include "report/saturation_table.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "model/properties.hpp"
#include "support/program_run.hpp"
#include "support/temp_dir.hpp"

namespace vdw {
namespace {

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(SaturationTable, ProgramPrintsHeaderAndRows) {
  const test::ProgramRun& run = test::good_run().run;
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.err, "");
  const std::vector<std::string> lines = lines_of(run.out);
  ASSERT_GE(lines.size(), 54U);
  EXPECT_EQ(lines[0], "van der Waals Equation of State");
  EXPECT_EQ(lines[1], "saturation properties");
  EXPECT_EQ(lines[2], "Trs   Prs    Vrf     Vrg     Zg    Hrf    Hrg    Srf   Srg");
  // The liquid at 0.50 is the reference state: zeros without a minus sign.
  EXPECT_EQ(lines[3], "0.50 0.0278 0.4068 45.9838 0.9584 0.0000 3.2163 0.0000 6.4326");
  EXPECT_EQ(lines[4], "0.51 0.0317 0.4091 40.8908 0.9543 0.0312 3.2357 0.0605 6.3440");
  EXPECT_EQ(lines[52], "0.99 0.9605 0.8309  1.2430 0.4522 2.4419 3.0391 2.9382 3.5415");
  // The accumulated T ends just above 1, which the solver takes as the critical point.
  EXPECT_EQ(lines[53], "1.00 1.0000 1.0000  1.0000 0.3750 2.7616 2.7616 3.2458 3.2458");
  EXPECT_TRUE(lines.size() == 54 || !lines[54].starts_with("1.01")) << "a row past 1.00";
}

TEST(SaturationTable, ArgumentsAreIgnored) {
  const test::TempDir dir;
  const test::ProgramRun with_args = test::run_in(dir.path(), R"("$VDW" --help -x "two words")");
  EXPECT_EQ(with_args.exit_status, 0);
  EXPECT_EQ(with_args.out, test::good_run().run.out);
  EXPECT_EQ(with_args.err, "");
  EXPECT_EQ(test::read_file(dir.path() / "Mollier.csv"), test::good_run().chart);
}

TEST(SaturationTable, FirstRowFixesReferenceOffsets) {
  h_ref = 0.0;
  s_ref = 0.0;
  std::FILE* sink = std::tmpfile();
  ASSERT_NE(sink, nullptr);
  print_saturation_table(sink);
  std::fclose(sink);
  EXPECT_NEAR(h_ref, 2.0115648205, 1e-10);
  EXPECT_NEAR(s_ref, 4.6321079060, 1e-10);
}

}  // namespace
}  // namespace vdw
