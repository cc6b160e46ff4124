#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "report/mollier_chart.hpp"
#include "report/saturation_table.hpp"

namespace {

// Puts /dev/null on any of descriptors 0, 1 and 2 that is closed, so that no
// file the program opens takes its number: a chart file opened as descriptor
// 1 would receive the table. Returns whether standard output was closed.
bool hold_closed_standard_descriptors() {
  bool stdout_closed = false;
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    if (fd == STDOUT_FILENO) stdout_closed = true;
    // The lower descriptors are open by now, so open() returns this one.
    open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
  }
  return stdout_closed;
}

// Flushes standard output; returns 0 if everything written to it arrived, or an errno.
int standard_output_error(bool stdout_closed) {
  if (stdout_closed) return EBADF;
  if (std::fflush(stdout) != 0) return errno;
  if (std::ferror(stdout) != 0) return EIO;  // failed earlier; the reason is gone
  return 0;
}

void report_failure(const char* what, int error) {
  std::fprintf(stderr, "vdw-thermo: %s: %s\n", what, std::strerror(error));
}

}  // namespace

int main() {
  const bool stdout_closed = hold_closed_standard_descriptors();
  int status = 0;

  vdw::print_saturation_table();
  if (const int error = vdw::write_mollier_chart(); error != 0) {
    report_failure("cannot write Mollier.csv", error);
    status = 1;
  }
  // Checked once, at the end, so that a failing standard output does not
  // keep the chart from being written.
  if (const int error = standard_output_error(stdout_closed); error != 0) {
    report_failure("write error", error);
    status = 1;
  }
  return status;
}
