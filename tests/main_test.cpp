// How a run ends when its output cannot be written: a message, status 1, and
// no chart lost. Every case works as root too, since none relies on permission bits.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "support/program_run.hpp"
#include "support/temp_dir.hpp"

namespace vdw {
namespace {

namespace fs = std::filesystem;

using test::entries_of;

constexpr const char* kOldChart = "an older chart\n";

TEST(ProgramFailures, ChartCannotBeWritten) {
  const struct {
    const char* what;
    const char* script;
    const char* reason;
    bool old_chart;  // an earlier Mollier.csv that must survive
    std::set<std::string> left;
  } cases[] = {
      {"Mollier.csv is a directory",
       "mkdir Mollier.csv && \"$VDW\"",
       "Is a directory",
       false,
       {"Mollier.csv"}},
      // A file size limit stops the chart part way; stdout (about 3 kB) still fits.
      {"file size limit",
       "ulimit -f 10 && trap '' XFSZ && \"$VDW\"",
       "File too large",
       true,
       {"Mollier.csv"}},
      {"working directory removed",
       "mkdir gone && cd gone && rmdir ../gone && \"$VDW\"",
       "No such file or directory",
       false,
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const test::TempDir dir;
    if (c.old_chart) std::ofstream(dir.path() / "Mollier.csv") << kOldChart;
    const test::ProgramRun run = test::run_in(dir.path(), c.script);
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.err, std::string("vdw-thermo: cannot write Mollier.csv: ") + c.reason + "\n");
    // The table and the announcement were printed before the chart failed.
    EXPECT_EQ(run.out, test::good_run().run.out);
    if (c.old_chart) {
      EXPECT_EQ(test::read_file(dir.path() / "Mollier.csv"), kOldChart);
    }
    EXPECT_EQ(entries_of(dir.path()), c.left) << "no temporary file stays behind";
  }
}

TEST(ProgramFailures, StandardOutputCannotBeWritten) {
  const struct {
    const char* what;
    const char* script;
    const char* reason;
  } cases[] = {
      {"full device", "\"$VDW\" >/dev/full", "No space left on device"},
      // A file opened while descriptor 1 is closed would become standard
      // output and take in the table.
      {"closed", "\"$VDW\" >&-", "Bad file descriptor"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const test::TempDir dir;
    const test::ProgramRun run = test::run_in(dir.path(), c.script);
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.err, std::string("vdw-thermo: write error: ") + c.reason + "\n");
    EXPECT_EQ(test::read_file(dir.path() / "Mollier.csv"), test::good_run().chart);
    EXPECT_EQ(entries_of(dir.path()), std::set<std::string>{"Mollier.csv"});
  }
}

TEST(ProgramFailures, BrokenPipeEndsQuietly) {
  const test::TempDir dir;
  const test::ProgramRun run = test::run_in(dir.path(), "\"$VDW\" | head -n 3");
  EXPECT_EQ(run.out,
            "van der Waals Equation of State\nsaturation properties\n"
            "Trs   Prs    Vrf     Vrg     Zg    Hrf    Hrg    Srf   Srg\n");
  EXPECT_EQ(run.err, "");
}

// A good run replaces an earlier chart whole, with the permissions a newly
// created file would have.
TEST(ProgramRun, ReplacesEarlierChartWithUmaskPermissions) {
  const test::TempDir dir;
  std::ofstream(dir.path() / "Mollier.csv") << kOldChart;
  const test::ProgramRun run = test::run_in(dir.path(), "umask 027 && \"$VDW\"");
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(test::read_file(dir.path() / "Mollier.csv"), test::good_run().chart);
  const fs::perms perms = fs::status(dir.path() / "Mollier.csv").permissions();
  EXPECT_EQ(perms, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(entries_of(dir.path()), std::set<std::string>{"Mollier.csv"});
}

}  // namespace
}  // namespace vdw
