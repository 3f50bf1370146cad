// The GDI operations a back buffer lives on, for a 1920 x 1080 32-bit bitmap in a
// memory DC, next to a plain memcpy of the same 8,294,400 bytes (the bandwidth
// limit). After the usual table the program prints each operation's time in
// milliseconds and its ratio to memcpy's time, measured in the same run.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/gdi/blit/transfer.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/pen_brush.h"
#include "platform/gdi/shapes.h"
#include "tests/platform/gdi/blit/memory_surface.h"

namespace {

using namespace platform;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr std::size_t kBytes = std::size_t{kWidth} * kHeight * 4;

// A memory DC with a back-buffer-sized bitmap selected.
class BackBuffer : public testing::MemorySurface {
 public:
  BackBuffer() : MemorySurface(kWidth, kHeight) {}
};

void ReportBytes(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBytes));
}

void Memcpy(benchmark::State& state) {
  std::vector<std::uint8_t> from(kBytes, 1), to(kBytes, 0);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), kBytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  ReportBytes(state);
}

void Clear(benchmark::State& state) {
  BackBuffer buffer;
  SelectObject(buffer.Dc(), GetStockObject(NULL_PEN));
  SelectObject(buffer.Dc(), GetStockObject(BLACK_BRUSH));
  for (auto _ : state) Rectangle(buffer.Dc(), 0, 0, kWidth, kHeight);
  ReportBytes(state);
}

void FillRectangle(benchmark::State& state) {
  BackBuffer buffer;
  const HBRUSH brush = CreateSolidBrush(RGB(30, 144, 255));
  SelectObject(buffer.Dc(), GetStockObject(NULL_PEN));
  const HGDIOBJ previous = SelectObject(buffer.Dc(), brush);
  for (auto _ : state) Rectangle(buffer.Dc(), 0, 0, kWidth, kHeight);
  SelectObject(buffer.Dc(), previous);
  DeleteObject(brush);
  ReportBytes(state);
}

void BitBltSrcCopy(benchmark::State& state) {
  BackBuffer from, to;
  for (auto _ : state) BitBlt(to.Dc(), 0, 0, kWidth, kHeight, from.Dc(), 0, 0, SRCCOPY);
  ReportBytes(state);
}

void BitBltTernaryRop(benchmark::State& state) {
  BackBuffer from, to;
  const HBRUSH brush = CreateHatchBrush(HS_DIAGCROSS, RGB(200, 40, 40));
  const HGDIOBJ previous = SelectObject(to.Dc(), brush);
  for (auto _ : state) BitBlt(to.Dc(), 0, 0, kWidth, kHeight, from.Dc(), 0, 0, 0x00E20746);
  SelectObject(to.Dc(), previous);
  DeleteObject(brush);
  ReportBytes(state);
}

void AlphaBlendConstant(benchmark::State& state) {
  BackBuffer from, to;
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 128, 0};
  for (auto _ : state) AlphaBlend(to.Dc(), 0, 0, kWidth, kHeight, from.Dc(), 0, 0, kWidth, kHeight, blend);
  ReportBytes(state);
}

void StretchBltHalf(benchmark::State& state) {
  BackBuffer from, to;
  for (auto _ : state) {
    StretchBlt(to.Dc(), 0, 0, kWidth / 2, kHeight / 2, from.Dc(), 0, 0, kWidth, kHeight, SRCCOPY);
  }
  ReportBytes(state);
}


// The console table, then the milliseconds and memcpy ratios of every operation.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
      const double toMs = 1e3 / benchmark::GetTimeUnitMultiplier(run.time_unit);
      results_.push_back({run.benchmark_name(), run.GetAdjustedRealTime() * toMs,
                          run.GetAdjustedCPUTime() * toMs});
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    double memcpyMs = 0;
    for (const Result& r : results_) {
      if (r.name == "Memcpy") memcpyMs = r.cpuMs;
    }
    std::printf("\n%-20s %10s %10s %12s\n", "operation", "real ms", "cpu ms", "x memcpy");
    for (const Result& r : results_) {
      std::printf("%-20s %10.3f %10.3f %12.2f\n", r.name.c_str(), r.realMs, r.cpuMs,
                  memcpyMs > 0 ? r.cpuMs / memcpyMs : 0.0);
    }
  }

 private:
  struct Result {
    std::string name;
    double realMs;
    double cpuMs;
  };
  std::vector<Result> results_;
};

}  // namespace

BENCHMARK(Memcpy)->Unit(benchmark::kMillisecond);
BENCHMARK(Clear)->Unit(benchmark::kMillisecond);
BENCHMARK(FillRectangle)->Unit(benchmark::kMillisecond);
BENCHMARK(BitBltSrcCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BitBltTernaryRop)->Unit(benchmark::kMillisecond);
BENCHMARK(AlphaBlendConstant)->Unit(benchmark::kMillisecond);
BENCHMARK(StretchBltHalf)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
