// converter_bench.cpp: the converter against ICU's rule-based spell-out for Serbian Latin, on the
// same fixed workload, with heap allocations counted per conversion.
#include <benchmark/benchmark.h>
#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "uslova/converter.h"

// Every allocation through operator new is counted, so a benchmark can report its own.
namespace {
std::atomic<std::size_t> allocations{0};
}
void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace {

struct Item {
  std::string text;
  bool decimal;
  std::int64_t integer;  // the value, for ICU
  double value;
};

/// 4,096 typed numbers: 85% non-negative integers of 1 to 15 digits (uniform), 5% negative
/// integers, 10% decimals with 1 to 3 decimal digits, half of them negative. Always the same.
const std::vector<Item>& Workload() {
  static const std::vector<Item> items = [] {
    std::mt19937_64 random(42);
    auto digits = [&](int count, bool leading) {
      std::string s;
      for (int i = 0; i < count; ++i) {
        const int low = i == 0 && leading && count > 1 ? 1 : 0;
        s += static_cast<char>('0' + low + static_cast<int>(random() % (10 - low)));
      }
      return s;
    };
    std::vector<Item> result;
    for (int i = 0; i < 4096; ++i) {
      const int kind = static_cast<int>(random() % 100);
      const bool decimal = kind >= 90;
      const bool negative = (kind >= 85 && kind < 90) || (decimal && random() % 2 == 0);
      const std::string integer = digits(1 + static_cast<int>(random() % 15), true);
      std::string text = (negative ? "-" : "") + integer;
      if (decimal) text += "," + digits(1 + static_cast<int>(random() % 3), false);
      std::string point = text;
      if (decimal) point[point.find(',')] = '.';
      result.push_back({text, decimal, std::stoll(text), std::strtod(point.c_str(), nullptr)});
    }
    return result;
  }();
  return items;
}

void BM_Convert(benchmark::State& state) {
  const std::vector<Item>& items = Workload();
  std::string caption;
  for (const Item& item : items)
    (void)uslova::SpellInto(item.text, caption);  // grows `caption` once
  std::size_t i = 0;
  for (auto _ : state) {
    const uslova::Verdict verdict = uslova::SpellInto(items[i++ & 4095].text, caption);
    benchmark::DoNotOptimize(verdict);
    benchmark::DoNotOptimize(caption.data());
  }
  state.SetItemsProcessed(state.iterations());
  // Counted over one more pass, outside the timing, where nothing else allocates.
  const std::size_t before = allocations.load();
  for (const Item& item : items)
    (void)uslova::SpellInto(item.text, caption);
  state.counters["allocs_per_conversion"] =
      static_cast<double>(allocations.load() - before) / static_cast<double>(items.size());
}
BENCHMARK(BM_Convert);

void BM_IcuSpellout(benchmark::State& state) {
  const std::vector<Item>& items = Workload();
  UErrorCode status = U_ZERO_ERROR;
  icu::RuleBasedNumberFormat format(icu::URBNF_SPELLOUT, icu::Locale("sr_Latn"), status);
  if (U_FAILURE(status)) {
    state.SkipWithError("ICU has no spell-out rules for sr_Latn");
    return;
  }
  icu::UnicodeString words;
  std::string utf8;
  std::size_t i = 0;
  for (auto _ : state) {
    const Item& item = items[i++ & 4095];
    words.remove();
    if (item.decimal) {
      format.format(item.value, words);
    } else {
      format.format(item.integer, words);
    }
    utf8.clear();
    words.toUTF8String(utf8);
    benchmark::DoNotOptimize(utf8.data());
  }
  state.SetItemsProcessed(state.iterations());  // ICU allocates with malloc, which is not counted
}
BENCHMARK(BM_IcuSpellout);

/// Shows the usual table, and keeps each benchmark's items per second for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  SummaryReporter() : ConsoleReporter(OO_Tabular) {}

  std::map<std::string, double> itemsPerSecond;

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (const auto it = run.counters.find("items_per_second"); it != run.counters.end()) {
        itemsPerSecond[run.benchmark_name()] = it->second.value;
      }
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  const double ours = reporter.itemsPerSecond["BM_Convert"];
  const double icu = reporter.itemsPerSecond["BM_IcuSpellout"];
  if (ours > 0 && icu > 0) {
    std::printf("Summary: BM_Convert %.2f M/s, BM_IcuSpellout %.2f M/s, ratio %.1fx\n", ours / 1e6,
                icu / 1e6, ours / icu);
  }
  return 0;
}
