// Replacing a file so that readers see either the old content or the new.
#pragma once

#include <string_view>

namespace vdw {

// Writes `content` to a new temporary file beside `path` and renames it over
// `path`, with the permissions that creating `path` would give (0666 less the
// umask). Returns 0, or the errno of the first step that failed; then the
// temporary file is removed and `path` is as it was.
int replace_file(const char* path, std::string_view content);

}  // namespace vdw
