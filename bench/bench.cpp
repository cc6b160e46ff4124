// Run with: build/release/bench/vdw_bench
#include <benchmark/benchmark.h>

#include <cstdio>

#include "model/cubic.hpp"
#include "model/properties.hpp"
#include "model/saturation.hpp"
#include "report/mollier_chart.hpp"
#include "report/saturation_table.hpp"

namespace {

// The cubic in Z at T = 0.8 and its saturation pressure: three real roots.
void BM_SolveCubic(benchmark::State& state) {
  const double T = 0.8;
  const double P = 0.38336;
  vdw::CubicCoefficients cubic{(-27 * P * P * 0.001953125) / T / T / T, (P * 27 * 0.015625) / T / T,
                               -((P * 0.125) / T + 1)};
  vdw::CubicRoots roots;
  if (vdw::solve_cubic(cubic, roots) != 3) state.SkipWithError("expected three real roots");
  for (auto _ : state) {
    benchmark::DoNotOptimize(cubic);
    benchmark::DoNotOptimize(vdw::solve_cubic(cubic, roots));
    benchmark::DoNotOptimize(roots);
  }
}
BENCHMARK(BM_SolveCubic);

void BM_SaturationState(benchmark::State& state) {
  const double T = static_cast<double>(state.range(0)) / 100;
  double P = 0;
  double Vf = 0;
  double Vg = 0;
  for (auto _ : state) {
    double t = T;
    benchmark::DoNotOptimize(t);
    vdw::saturation_state(t, P, Vf, Vg);
    benchmark::DoNotOptimize(P);
    benchmark::DoNotOptimize(Vf);
    benchmark::DoNotOptimize(Vg);
  }
}
BENCHMARK(BM_SaturationState)->Arg(50)->Arg(80)->Arg(99);

// Both reports, formatted in full, to /dev/null: what a run costs without
// the file system's part.
void BM_WholeRun(benchmark::State& state) {
  std::FILE* sink = std::fopen("/dev/null", "w");
  if (sink == nullptr) {
    state.SkipWithError("cannot open /dev/null");
    return;
  }
  for (auto _ : state) {
    vdw::h_ref = 0.0;
    vdw::s_ref = 0.0;
    vdw::print_saturation_table(sink);
    vdw::write_mollier_points(sink);
  }
  std::fclose(sink);
}
BENCHMARK(BM_WholeRun)->Unit(benchmark::kMicrosecond);

}  // namespace
