#include "support/program_run.hpp"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace vdw::test {

ProgramRun run_in(const std::filesystem::path& workdir, const std::string& script) {
  const TempDir capture;
  const auto out = capture.path() / "stdout";
  const auto err = capture.path() / "stderr";
  // Passing everything through the environment spares us quoting paths and scripts.
  setenv("VDW", VDW_THERMO_PATH, 1);
  setenv("VDW_WORKDIR", workdir.c_str(), 1);
  setenv("VDW_SCRIPT", script.c_str(), 1);
  setenv("VDW_OUT", out.c_str(), 1);
  setenv("VDW_ERR", err.c_str(), 1);
  const int status =
      std::system(R"(cd "$VDW_WORKDIR" && /bin/sh -c "$VDW_SCRIPT" >"$VDW_OUT" 2>"$VDW_ERR")");

  ProgramRun run;
  if (status != -1 && WIFEXITED(status)) run.exit_status = WEXITSTATUS(status);
  run.out = read_file(out);
  run.err = read_file(err);
  return run;
}

std::string read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

std::set<std::string> entries_of(const std::filesystem::path& dir) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    names.insert(entry.path().filename());
  }
  return names;
}

const GoodRun& good_run() {
  static const GoodRun run;
  return run;
}

}  // namespace vdw::test
