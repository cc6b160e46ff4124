#pragma once

#include <filesystem>
#include <string>

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

}  // namespace vdw::test
