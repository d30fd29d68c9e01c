// converter_bench.cpp: the converter, in the window's text and in the command line's styles,
// against ICU's parsing and rule-based spell-out for Serbian Latin, on the same fixed workload,
// with heap allocations counted per conversion.
// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>
#include <unicode/fmtable.h>
#include <unicode/locid.h>
#include <unicode/numfmt.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "uslova/converter.h"
#include "uslova/dates.h"
#include "uslova/uslova.h"
#include "uslova/words_reader.h"

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
};

/// 4,096 typed numbers: 85% non-negative integers of 1 to 15 digits (uniform), 5% negative
/// integers, 10% decimals with 1 to `maxDecimals` decimal digits, half of them negative.
/// Always the same.
std::vector<Item> MakeWorkload(int maxDecimals) {
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
    std::string text = (negative ? "-" : "") + digits(1 + static_cast<int>(random() % 15), true);
    if (decimal) text += "," + digits(1 + static_cast<int>(random() % maxDecimals), false);
    result.push_back({text});
  }
  return result;
}

/// The numbers, with up to three decimal digits.
const std::vector<Item>& Workload() {
  static const std::vector<Item> items = MakeWorkload(3);
  return items;
}

/// The same as amounts, with up to two decimal digits.
const std::vector<Item>& Amounts() {
  static const std::vector<Item> items = MakeWorkload(2);
  return items;
}

/// The numbers as counts, whole: the same integers, the decimals left out.
const std::vector<Item>& Counts() {
  static const std::vector<Item> items = [] {
    std::vector<Item> whole = Workload();
    for (Item& item : whole)
      item.text = item.text.substr(0, item.text.find(','));
    return whole;
  }();
  return items;
}

/// Converts the workload with `options` in a loop, reusing one string, and counts the heap
/// allocations of one more pass.
void RunConversions(benchmark::State& state, const uslova::Options& options,
                    const std::vector<Item>* workload = nullptr) {
  const std::vector<Item>& items = workload != nullptr ? *workload
                                   : options.currency == uslova::Options::Currency::None
                                       ? Workload()
                                       : Amounts();
  std::string words;
  for (const Item& item : items)
    (void)uslova::SpellInto(item.text, options, words);  // grows `words` once
  std::size_t i = 0;
  for (auto _ : state) {
    const uslova::Verdict verdict = uslova::SpellInto(items[i++ & 4095].text, options, words);
    benchmark::DoNotOptimize(verdict);
    benchmark::DoNotOptimize(words.data());
  }
  state.SetItemsProcessed(state.iterations());
  // Counted over one more pass, outside the timing, where nothing else allocates.
  const std::size_t before = allocations.load();
  for (const Item& item : items)
    (void)uslova::SpellInto(item.text, options, words);
  state.counters["allocs_per_conversion"] =
      static_cast<double>(allocations.load() - before) / static_cast<double>(items.size());
}

/// The window's exact text.
void BM_Convert(benchmark::State& state) {
  RunConversions(state, {});
}
BENCHMARK(BM_Convert);

using O = uslova::Options;

/// The styles of the command line, each through the word model.
void BM_Styled(benchmark::State& state, O options) {
  RunConversions(state, options);
}
BENCHMARK_CAPTURE(BM_Styled, tidy_latin, O{O::Script::Latin, O::Spacing::Tidy});
BENCHMARK_CAPTURE(BM_Styled, upper_cyrillic,
                  O{O::Script::Cyrillic, O::Spacing::Tidy, O::LetterCase::Upper});
BENCHMARK_CAPTURE(BM_Styled, rsd_amount,
                  O{O::Script::Ascii, O::Spacing::Tidy, O::LetterCase::Lower, O::Currency::RSD});
BENCHMARK_CAPTURE(BM_Styled, short_forms,
                  O{O::Script::Ascii, O::Spacing::Tidy, O::LetterCase::Lower, O::Currency::None,
                    O::Minor::Words, O::Forms::Short});
/// The amounts again in the genitive, beside rsd_amount's nominative.
O Genitive() {
  O options{O::Script::Ascii, O::Spacing::Tidy, O::LetterCase::Lower, O::Currency::RSD};
  options.inflection = O::Inflection::Genitive;
  return options;
}
BENCHMARK_CAPTURE(BM_Styled, rsd_amount_genitive, Genitive());

/// Counts of a noun: a masculine and a feminine unit on whole counts, and "odsto" on the
/// numbers with their decimals.
void BM_Counted(benchmark::State& state, O options) {
  const bool decimals = uslova::kCountedUnits[static_cast<std::size_t>(options.unit) - 1].decimals;
  RunConversions(state, options, decimals ? &Workload() : &Counts());
}
O Counting(std::string_view unit) {
  O options{O::Script::Ascii, O::Spacing::Tidy};
  for (std::size_t i = 0; i < std::size(uslova::kCountedUnits); ++i) {
    if (uslova::kCountedUnits[i].name == unit) options.unit = static_cast<O::Unit>(i + 1);
  }
  return options;
}
BENCHMARK_CAPTURE(BM_Counted, dan, Counting("dan"));
BENCHMARK_CAPTURE(BM_Counted, godina, Counting("godina"));
BENCHMARK_CAPTURE(BM_Counted, odsto, Counting("odsto"));

/// 4,096 dates of every day of the years 1 to 9999, as "D.M.YYYY"; always the same.
const std::vector<Item>& Dates() {
  static const std::vector<Item> items = [] {
    std::mt19937_64 random(42);
    std::vector<Item> dates;
    for (int i = 0; i < 4096; ++i) {
      const auto year = 1 + static_cast<int>(random() % 9999);
      const auto month = 1 + static_cast<int>(random() % 12);
      const auto day = 1 + static_cast<int>(random() % 28);
      char text[16];
      std::snprintf(text, sizeof text, "%d.%d.%04d", day, month, year);
      dates.push_back({text});
    }
    return dates;
  }();
  return items;
}

/// A date read and written in words, in Latin with diacritics, into a buffer of the caller's.
void BM_Date(benchmark::State& state) {
  const std::vector<Item>& items = Dates();
  uslova::DateBuffer buffer;
  const auto spell = [&](const std::string& text) {
    uslova::Date date;
    if (!uslova::ReadDate(text, date)) return std::string_view{};
    return uslova::DateWords(date, O::Script::Latin, O::LetterCase::Lower, O::Inflection::Genitive,
                             buffer);
  };
  std::size_t i = 0;
  for (auto _ : state) {
    const std::string_view words = spell(items[i++ & 4095].text);
    benchmark::DoNotOptimize(words.data());
  }
  state.SetItemsProcessed(state.iterations());
  const std::size_t before = allocations.load();
  for (const Item& item : items)
    benchmark::DoNotOptimize(spell(item.text).data());
  state.counters["allocs_per_conversion"] =
      static_cast<double>(allocations.load() - before) / static_cast<double>(items.size());
}
BENCHMARK(BM_Date);

/// Words read back to digits: the workload's numbers as tidy words, half of them as amounts in
/// dinars, each read and written as digits.
void BM_Read(benchmark::State& state) {
  static const std::vector<Item> texts = [] {
    std::vector<Item> words;
    O tidy{O::Script::Ascii, O::Spacing::Tidy};
    O rsd = tidy;
    rsd.currency = O::Currency::RSD;
    for (std::size_t i = 0; i < 4096; ++i) {
      std::string spelled;
      const bool amount = i % 2 == 1;
      if (uslova::SpellInto((amount ? Amounts() : Workload())[i].text, amount ? rsd : tidy,
                            spelled) != uslova::Verdict::Accepted) {
        spelled = "pet";
      }
      words.push_back({spelled});
    }
    return words;
  }();
  const auto read = [](const std::string& text, char* digits) {
    uslova::WordsReading reading;
    if (uslova::ReadWords(text, {}, reading) != uslova::ReadProblem::None) return std::size_t{0};
    return uslova::WriteReadDigits(reading, O::Decimal::Comma, digits);
  };
  std::array<char, uslova::kMostReadDigits> digits;
  std::size_t i = 0, bytes = 0;
  for (const Item& item : texts) {
    if (read(item.text, digits.data()) == 0) state.SkipWithError("a text did not read");
    bytes += item.text.size();
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(read(texts[i++ & 4095].text, digits.data()));
    benchmark::DoNotOptimize(digits.data());
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["bytes_per_text"] = static_cast<double>(bytes) / 4096.0;
  const std::size_t before = allocations.load();
  for (const Item& item : texts)
    benchmark::DoNotOptimize(read(item.text, digits.data()));
  state.counters["allocs_per_conversion"] =
      static_cast<double>(allocations.load() - before) / static_cast<double>(texts.size());
}
BENCHMARK(BM_Read);

/// The C interface of libuslova.so.1, with its defaults: a call from another language's
/// binding, into a buffer of the caller's.
void BM_CInterface(benchmark::State& state) {
  const std::vector<Item>& items = Workload();
  std::array<char, USLOVA_WORDS_SIZE> words;
  std::size_t length = 0;
  std::size_t i = 0;
  for (auto _ : state) {
    const std::string& text = items[i++ & 4095].text;
    const uslova_verdict verdict =
        uslova_spell(text.data(), text.size(), nullptr, words.data(), words.size(), &length);
    benchmark::DoNotOptimize(verdict);
    benchmark::DoNotOptimize(words.data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CInterface);

/// ICU: the typed text parsed by its number format for Serbian Latin, which reads "," as the
/// decimal point, then spelled out by its rule-based format. It writes other words than ours:
/// the decimal digits one by one after "koma".
void BM_IcuSpellout(benchmark::State& state) {
  const std::vector<Item>& items = Workload();
  const icu::Locale locale("sr_Latn");
  UErrorCode status = U_ZERO_ERROR;
  icu::RuleBasedNumberFormat format(icu::URBNF_SPELLOUT, locale, status);
  std::unique_ptr<icu::NumberFormat> parser(icu::NumberFormat::createInstance(locale, status));
  if (U_FAILURE(status)) {
    state.SkipWithError("ICU has no spell-out rules or number format for sr_Latn");
    return;
  }
  parser->setGroupingUsed(false);
  icu::UnicodeString words;
  icu::Formattable number;
  std::string utf8;
  std::size_t i = 0;
  for (auto _ : state) {
    const Item& item = items[i++ & 4095];
    parser->parse(icu::UnicodeString::fromUTF8(item.text), number, status);
    words.remove();
    if (number.getType() == icu::Formattable::kDouble) {
      format.format(number.getDouble(), words);
    } else {
      format.format(number.getInt64(), words);
    }
    utf8.clear();
    words.toUTF8String(utf8);
    benchmark::DoNotOptimize(utf8.data());
  }
  if (U_FAILURE(status)) state.SkipWithError("ICU could not parse the workload");
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
  const double icu = reporter.itemsPerSecond["BM_IcuSpellout"];
  for (const auto& [name, rate] : reporter.itemsPerSecond) {
    if (name == "BM_IcuSpellout" || icu <= 0) continue;
    std::printf("Summary: %s %.2f M/s, %.1fx ICU's %.2f M/s\n", name.c_str(), rate / 1e6,
                rate / icu, icu / 1e6);
  }
  return 0;
}
