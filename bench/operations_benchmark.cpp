// Times each operation on typical texts beside its floor, the same reading and writing done by
// the standard library's bare conversions, and prints the ratio of the two; also times reading
// ever longer numbers, to show the reader is linear.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "engine/operations.h"
#include "runtime/numbers/number_reading.h"

namespace {

using engine::DisplayTexts;
using engine::Operation;

// Each operation's floor should be within this factor of the operation itself.
constexpr double kTargetRatio = 1.5;

const DisplayTexts kTypical{.entry = "98.6", .answer = "12345.678", .marker = ""};
// 12345.678 ^ 98.6 overflows; the power is timed on these instead, and on the fault as well.
const DisplayTexts kPowerTexts{.entry = "2.5", .answer = "98.6", .marker = ""};

struct Case {
  const char* name;
  Operation operation;
  const DisplayTexts* texts;
  bool writes;  // false when the operation faults
  // The operation's arithmetic on the two numbers.
  double (*result)(double answer, double entry);
};

const std::vector<Case> kCases = {
    {"ApplySum", Operation::Sum, &kTypical, true, [](double a, double e) { return a + e; }},
    {"ApplySubtract", Operation::Subtract, &kTypical, true,
     [](double a, double e) { return a - e; }},
    {"ApplyMultiply", Operation::Multiply, &kTypical, true,
     [](double a, double e) { return a * e; }},
    {"ApplyDivide", Operation::Divide, &kTypical, true, [](double a, double e) { return a / e; }},
    {"ApplyPercent", Operation::Percent, &kTypical, true,
     [](double a, double e) { return a / e * 100.0; }},
    {"ApplyPower", Operation::Power, &kPowerTexts, true,
     [](double a, double e) { return std::pow(a, e); }},
    {"ApplyPower/overflow", Operation::Power, &kTypical, false,
     [](double a, double e) { return std::pow(a, e); }},
    {"ApplySquare", Operation::Square, &kTypical, true, [](double a, double) { return a * a; }},
    {"ApplyCube", Operation::Cube, &kTypical, true, [](double a, double) { return a * a * a; }},
};

void TimeOperation(benchmark::State& state, const Case& each) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::Apply(each.operation, *each.texts));
  }
}

// How the floor writes the result: as the standard library's general format at 15 significant
// digits, the same work as the calculator's format, or in the shortest form that reads back,
// which is cheaper work than the calculator can do.
enum class FloorFormat { General15, Shortest };

// Two std::from_chars of the texts, the operation's arithmetic and one std::to_chars of its
// result.
void TimeFloor(benchmark::State& state, const Case& each, FloorFormat format) {
  const std::string& answerText = each.texts->answer;
  const std::string& entryText = each.texts->entry;
  char text[32];
  for (auto _ : state) {
    double answer = 0.0;
    double entry = 0.0;
    std::from_chars(answerText.data(), answerText.data() + answerText.size(), answer);
    std::from_chars(entryText.data(), entryText.data() + entryText.size(), entry);
    const double result = each.result(answer, entry);
    if (each.writes) {
      benchmark::DoNotOptimize(
          format == FloorFormat::General15
              ? std::to_chars(text, text + sizeof text, result, std::chars_format::general, 15).ptr
              : std::to_chars(text, text + sizeof text, result).ptr);
    } else {
      benchmark::DoNotOptimize(&result);
    }
    benchmark::ClobberMemory();
  }
}

void TimeClearAll(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::ClearAll());
  }
}

// A number of `state.range(0)` digits after the point.
void TimeLongReading(benchmark::State& state) {
  const std::string text = "0." + std::string(static_cast<std::size_t>(state.range(0)), '3');
  for (auto _ : state) {
    benchmark::DoNotOptimize(runtime::ReadLeadingNumber(text));
  }
  state.SetComplexityN(state.range(0));
}

// Passes every run on to the console and keeps its CPU time per iteration, by name.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
        times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintRatios() const {
    std::printf("\n%-20s %9s %14s %8s %14s %8s\n", "Operation", "CPU ns", "floor ns", "ratio",
                "shortest ns", "ratio");
    for (const Case& each : kCases) {
      const double time = TimeOf(each.name);
      const double floor = TimeOf(std::string("Floor/") + each.name);
      const double shortest = TimeOf(std::string("Floor/shortest/") + each.name);
      if (time <= 0.0 || floor <= 0.0 || shortest <= 0.0) {
        continue;
      }
      std::printf("%-20s %9.1f %14.1f %7.2fx %14.1f %7.2fx  %s\n", each.name, time, floor,
                  time / floor, shortest, time / shortest,
                  time / floor <= kTargetRatio ? "within target" : "ABOVE TARGET");
    }
    std::printf(
        "floor: two std::from_chars and std::to_chars(general, 15); shortest: the same with the\n"
        "shortest std::to_chars. Target: each operation at most %.1fx its floor.\n",
        kTargetRatio);
  }

 private:
  [[nodiscard]] double TimeOf(const std::string& name) const {
    const auto found = times_.find(name);
    return found == times_.end() ? 0.0 : found->second;
  }

  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  for (const Case& each : kCases) {
    benchmark::RegisterBenchmark(each.name, TimeOperation, each);
    benchmark::RegisterBenchmark((std::string("Floor/") + each.name).c_str(), TimeFloor, each,
                                 FloorFormat::General15);
    benchmark::RegisterBenchmark((std::string("Floor/shortest/") + each.name).c_str(), TimeFloor,
                                 each, FloorFormat::Shortest);
  }
  benchmark::RegisterBenchmark("ClearAll", TimeClearAll);
  benchmark::RegisterBenchmark("ReadLeadingNumber/digits", TimeLongReading)
      ->RangeMultiplier(8)
      ->Range(1 << 8, 1 << 20)
      ->Complexity(benchmark::oN);

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
