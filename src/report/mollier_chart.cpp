#include "report/mollier_chart.hpp"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "model/properties.hpp"
#include "model/saturation.hpp"
#include "report/file_replace.hpp"

namespace vdw {

namespace {

constexpr int kSubcriticalIsotherms = 25;
constexpr int kPointsPerBranch = 20;
constexpr double kEndVolume = 100;

// The k-th (1..20) of the volumes that step geometrically from V0, which is
// not itself a point, to V1. Each follows from k alone, so a dropped point
// changes nothing after it.
double branch_volume(double V0, double V1, int k) {
  const double L = std::log(V1 / V0);
  return V0 * std::exp((k * L) / kPointsPerBranch);
}

void print_point(std::FILE* out, double s, double h) { std::fprintf(out, "%lG,%lG\n", s, h); }

void write_point(std::FILE* out, double T, double V) {
  print_point(out, entropy(T, V), enthalpy(T, V));
}

// Points on or above the line h = 0.65 s + 1 lie in the compressed liquid far
// beyond the interesting part of the chart and are left out; a NaN fails the
// comparison too.
void write_clipped_point(std::FILE* out, double T, double V) {
  const double s = entropy(T, V);
  const double h = enthalpy(T, V);
  if (h < 0.65 * s + 1) print_point(out, s, h);
}

void end_curve(std::FILE* out) { std::fputs("\n", out); }

}  // namespace

void write_mollier_points(std::FILE* out) {
  double T_sat[kSubcriticalIsotherms] = {};
  double Vf[kSubcriticalIsotherms] = {};
  double Vg[kSubcriticalIsotherms] = {};
  double T = 0;

  for (int i = 0; i < kSubcriticalIsotherms; ++i) {
    T = 0.5 + (0.5 * i) / kSubcriticalIsotherms;
    T_sat[i] = T;
    double P = 0;
    saturation_state(T, P, Vf[i], Vg[i]);
    for (int k = 1; k <= kPointsPerBranch; ++k) {
      write_clipped_point(out, T, branch_volume(B, Vf[i], k));
    }
    write_point(out, T, Vf[i]);
    write_point(out, T, Vg[i]);
    for (int k = 1; k <= kPointsPerBranch; ++k) {
      write_point(out, T, branch_volume(Vg[i], kEndVolume, k));
    }
    end_curve(out);
  }

  // The apex is drawn at the last subcritical temperature, not at T = 1.
  for (int i = 0; i < kSubcriticalIsotherms; ++i) write_point(out, T_sat[i], Vf[i]);
  write_point(out, T, 1);
  for (int i = kSubcriticalIsotherms - 1; i >= 0; --i) write_point(out, T_sat[i], Vg[i]);
  end_curve(out);

  // T is accumulated, not computed from a count: 31 isotherms, 1.00 to 1.60.
  T = 1.0;
  do {
    for (int k = 1; k <= kPointsPerBranch; ++k) {
      write_clipped_point(out, T, branch_volume(B, kEndVolume, k));
    }
    end_curve(out);
    T = T + 0.02;
  } while (T < 1.61);
}

int write_mollier_chart(std::FILE* log) {
  std::fputs("creating Mollier chart\n", log);

  // Formatted in memory first: the point writer stays free of error checks,
  // and replace_file checks each write to the file, with its exact reason.
  char* text = nullptr;
  std::size_t size = 0;
  std::FILE* buffer = open_memstream(&text, &size);
  if (buffer == nullptr) return errno;
  write_mollier_points(buffer);
  const bool formatted = std::fclose(buffer) == 0;
  const int format_error = errno;
  const std::unique_ptr<char, decltype(&std::free)> owned(text, &std::free);
  if (!formatted) return format_error;

  return replace_file("Mollier.csv", std::string_view(text, size));
}

}  // namespace vdw
