#include "support/temp_dir.hpp"

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <system_error>

namespace vdw::test {

TempDir::TempDir() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "vdw-thermo-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  // A test may have taken the write bits away; removal needs them back.
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace vdw::test
