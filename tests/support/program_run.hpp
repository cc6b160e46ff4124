#pragma once

#include <filesystem>
#include <set>
#include <string>

#include "support/temp_dir.hpp"

namespace vdw::test {

struct ProgramRun {
  int exit_status = -1;  // -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// Runs the shell script `script` with /bin/sh in `workdir`, where "$VDW" names
// the built program, and returns what it wrote to standard output and
// standard error (captured outside `workdir`) and its exit status.
ProgramRun run_in(const std::filesystem::path& workdir, const std::string& script = "\"$VDW\"");

// The whole content of a file, or "" when it cannot be read.
std::string read_file(const std::filesystem::path& path);

// The names in a directory, to see what a run left behind.
std::set<std::string> entries_of(const std::filesystem::path& dir);

// A plain run of the program in a fresh directory, and the chart it wrote
// there: what the other runs are compared with. Made once per test program.
struct GoodRun {
  TempDir dir;
  ProgramRun run = run_in(dir.path());
  std::string chart = read_file(dir.path() / "Mollier.csv");
};
const GoodRun& good_run();

}  // namespace vdw::test
