// c_api.cpp: the C interface of libuslova.so.1 over the converter and its option tables.
// SPDX-License-Identifier: MIT
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <span>

#include "c_api.h"
#include "uslova/converter.h"
#include "uslova/dates.h"
#include "uslova/option_names.h"
#include "uslova/uslova.h"
#include "uslova/version.h"
#include "uslova/words_reader.h"

namespace uslova {
namespace {

static_assert(sizeof(WordsBuffer) >= USLOVA_WORDS_SIZE);
static_assert(std::tuple_size_v<decltype(ShortText::bytes)> == USLOVA_FLOAT_TEXT_SIZE,
              "the float text's room is promised to C programs");
// The C names stand for the same values as the C++ ones.
static_assert(USLOVA_NOT_A_NUMBER == static_cast<int>(Verdict::NotANumber) &&
              USLOVA_TOO_LARGE == static_cast<int>(Verdict::TooLarge) &&
              USLOVA_UNSUPPORTED == static_cast<int>(Verdict::Unsupported) &&
              USLOVA_TOO_MANY_DECIMALS == static_cast<int>(Verdict::TooManyDecimals) &&
              USLOVA_MORE_THAN_THREE_DECIMALS == static_cast<int>(Verdict::MoreThanThreeDecimals) &&
              USLOVA_INEXACT == static_cast<int>(Verdict::Inexact) &&
              USLOVA_NOT_WHOLE == static_cast<int>(Verdict::NotWhole) &&
              USLOVA_NOT_A_DATE == static_cast<int>(Verdict::NotADate) &&
              USLOVA_OTHER_CURRENCY == static_cast<int>(Verdict::OtherCurrency) &&
              USLOVA_BAD_OPTIONS == static_cast<int>(Verdict::BadOptions));
static_assert(USLOVA_SCRIPT_CYRILLIC == static_cast<int>(Options::Script::Cyrillic) &&
              USLOVA_SPACING_JOINED == static_cast<int>(Options::Spacing::Joined) &&
              USLOVA_CASE_UPPER == static_cast<int>(Options::LetterCase::Upper) &&
              USLOVA_CURRENCY_USD == static_cast<int>(Options::Currency::USD) &&
              USLOVA_MINOR_FRACTION == static_cast<int>(Options::Minor::Fraction) &&
              USLOVA_FORMS_SHORT == static_cast<int>(Options::Forms::Short) &&
              USLOVA_DECIMAL_POINT == static_cast<int>(Options::Decimal::Point) &&
              USLOVA_UNIT_OWN == static_cast<int>(Options::Unit::Own) &&
              USLOVA_INFLECTION_ACCUSATIVE == static_cast<int>(Options::Inflection::Accusative) &&
              USLOVA_NOUN_NONE == static_cast<int>(Options::NounWord::None));

/// The struct as releases 1.1 to 1.3 shipped it, for its size.
struct OptionsOf1_1 {
  std::size_t size;
  int script, spacing, letter_case, currency, minor, forms, decimal;
};

/// The struct as release 1.4 shipped it, for its size.
struct OptionsOf1_4 {
  std::size_t size;
  int script, spacing, letter_case, currency, minor, forms, decimal, unit;
  char unit_noun[sizeof uslova_options::unit_noun];
};

/// The sizes of the struct that releases have shipped: 1.0's, which had no `decimal`, 1.1's,
/// 1.4's, and today's. The library writes and reads a struct only at one of them.
constexpr std::size_t kFirstSize = offsetof(uslova_options, decimal);
constexpr std::array<std::size_t, 4> kShippedSizes{kFirstSize, sizeof(OptionsOf1_1),
                                                   sizeof(OptionsOf1_4), sizeof(uslova_options)};

bool Shipped(std::size_t size) {
  return std::find(kShippedSizes.begin(), kShippedSizes.end(), size) != kShippedSizes.end();
}

/// A field of uslova_options, and the first shipped size that has it: a struct of a smaller
/// size lacks it, though its padding may have room for it.
struct Field {
  int uslova_options::*member;
  std::size_t since;
};
/// The fields of uslova_options, in the order of kOptionFamilies.
constexpr std::array<Field, std::size(kOptionFamilies)> kFields{{
    {&uslova_options::script, kFirstSize},
    {&uslova_options::spacing, kFirstSize},
    {&uslova_options::letter_case, kFirstSize},
    {&uslova_options::currency, kFirstSize},
    {&uslova_options::minor, kFirstSize},
    {&uslova_options::forms, kFirstSize},
    {&uslova_options::decimal, kShippedSizes[1]},
    {&uslova_options::unit, kShippedSizes[2]},
    {&uslova_options::inflection, kShippedSizes[3]},
    {&uslova_options::noun, kShippedSizes[3]},
}};
static_assert(offsetof(uslova_options, forms) + sizeof(int) == kFirstSize &&
              offsetof(uslova_options, decimal) == offsetof(OptionsOf1_1, decimal) &&
              offsetof(uslova_options, unit_noun) == offsetof(OptionsOf1_4, unit_noun) &&
              sizeof(OptionsOf1_4) < sizeof(uslova_options));

/// The option sets that a binding keeps prepared: a bound for callers that make up options
/// without end (nouns of one's own), far above the sets a program uses.
constexpr int kMostPreparedOptions = 1024;

/// The value of spacing and minor that uslova_options_init leaves them at.
constexpr int kUnset = -1;
static_assert(USLOVA_SPACING_UNSET == kUnset && USLOVA_MINOR_UNSET == kUnset &&
              USLOVA_INFLECTION_UNSET == kUnset);

/// The bytes of the longest family's values as a list, "ascii, latin, cyrillic", with its NUL.
constexpr std::size_t kLongestValueList = [] {
  std::size_t longest = 0;
  for (const OptionFamily& family : kOptionFamilies) {
    std::size_t size = 0;
    for (const Choice& choice : family.choices)
      size += (size == 0 ? 0 : 2) + choice.name.size();
    longest = std::max(longest, size + 1);
  }
  return longest;
}();

/// Each family's values as such a list, written by the compiler.
constexpr auto kValueLists = [] {
  std::array<std::array<char, kLongestValueList>, std::size(kOptionFamilies)> lists{};
  for (std::size_t f = 0; f < lists.size(); ++f) {
    std::size_t at = 0;
    for (const Choice& choice : kOptionFamilies[f].choices) {
      if (at != 0) {
        lists[f][at++] = ',';
        lists[f][at++] = ' ';
      }
      for (char ch : choice.name)
        lists[f][at++] = ch;
    }
  }
  return lists;
}();

/// A limit of what is spelled, as uslova_limit names it.
struct Limit {
  std::string_view name;
  int value;
};
constexpr Limit kLimits[] = {
    {"integer_digits", static_cast<int>(Number::kMaxDigits)},
    {"decimals", static_cast<int>(Number::kMostDecimals)},
    {"amount_decimals", static_cast<int>(Number::kAmountDecimals)},
    {"prepared_options", kMostPreparedOptions},
    {"float_digits", static_cast<int>(Number::kMaxDigits)},
    {"float_text", static_cast<int>(std::tuple_size_v<decltype(ShortText::bytes)>)},
    {"read_text", USLOVA_READ_SIZE},
};

const OptionFamily* FamilyNamed(const char* name, std::size_t& index) {
  for (index = 0; index < std::size(kOptionFamilies); ++index) {
    if (name != nullptr && kOptionFamilies[index].name == name) return &kOptionFamilies[index];
  }
  return nullptr;
}

}  // namespace

std::string_view ReadOptions(const uslova_options* given, Options& options, OwnNoun& noun) {
  if (given == nullptr) return {};
  // Only the size of a shipped struct is read past its first field: never more than it covers.
  if (!Shipped(given->size)) return problems::kUnknownSize.english;
  GivenOptions read;
  for (std::size_t f = 0; f < kFields.size(); ++f) {
    const OptionFamily& family = kOptionFamilies[f];
    const int uslova_options::*member = kFields[f].member;
    if (kFields[f].since > given->size) continue;  // an older struct: the option's default
    const int value = given->*member;
    if (value == kUnset &&
        (member == &uslova_options::spacing || member == &uslova_options::minor ||
         member == &uslova_options::inflection)) {
      continue;
    }
    if (member == &uslova_options::unit && value == USLOVA_UNIT_OWN) {
      const char* end =
          static_cast<const char*>(std::memchr(given->unit_noun, '\0', sizeof given->unit_noun));
      if (end == nullptr) return problems::kNounNoEnd.english;
      const std::string_view problem =
          ReadOwnNoun({given->unit_noun, static_cast<std::size_t>(end - given->unit_noun)}, noun);
      if (!problem.empty()) return problem;
      read.options.unit = Options::Unit::Own;
      read.options.ownNoun = &noun;
      continue;
    }
    // The default is a value too, though the currency's, none, has no name.
    if (value != family.get(Options{}) &&
        std::none_of(family.choices.begin(), family.choices.end(),
                     [&](const Choice& c) { return c.value == value; })) {
      return problems::kOutOfRange.english;
    }
    family.set(read.options, static_cast<std::uint8_t>(value));
    if (member == &uslova_options::spacing) read.spacingGiven = true;
    if (member == &uslova_options::minor) read.minorGiven = true;
  }
  options = read.options;
  return OptionsProblem(read);
}

namespace {

/// The script that `options` choose, read on its own so that options with another problem
/// still have one: ASCII for none, or for a size or a value the library does not know.
Options::Script ScriptOf(const uslova_options* options) {
  static_assert(kOptionFamilies[0].name == "script");
  if (options == nullptr || !Shipped(options->size)) return Options::Script::Ascii;
  for (const Choice& choice : kOptionFamilies[0].choices) {
    if (choice.value == options->script) return static_cast<Options::Script>(choice.value);
  }
  return Options::Script::Ascii;
}

/// Copies `words` and a NUL into `buffer` when they fit, and sets `*length`.
uslova_verdict Written(std::string_view words, char* buffer, std::size_t size,
                       std::size_t* length) {
  if (length != nullptr) *length = words.size();
  if (buffer == nullptr || size <= words.size()) return USLOVA_BUFFER_TOO_SMALL;
  std::memcpy(buffer, words.data(), words.size());
  buffer[words.size()] = '\0';
  return USLOVA_ACCEPTED;
}

}  // namespace
}  // namespace uslova

using namespace uslova;

namespace {

/// `text` in `buffer` of `size` bytes, as much as fits, NUL-terminated.
void Keep(std::string_view text, char* buffer, size_t size) {
  if (buffer == nullptr || size == 0) return;
  const std::size_t kept = std::min(text.size(), size - 1);
  std::memcpy(buffer, text.data(), kept);
  buffer[kept] = '\0';
}

}  // namespace

extern "C" {

void uslova_options_init_size(uslova_options* options, size_t size) {
  if (!Shipped(size)) {
    if (size >= sizeof options->size) options->size = size;  // refused by every later call
    return;
  }
  uslova_options defaults{};
  defaults.size = size;
  for (std::size_t f = 0; f < kFields.size(); ++f)
    defaults.*kFields[f].member = kOptionFamilies[f].get(Options{});
  defaults.spacing = USLOVA_SPACING_UNSET;
  defaults.minor = USLOVA_MINOR_UNSET;
  defaults.inflection = USLOVA_INFLECTION_UNSET;
  std::memcpy(options, &defaults, size);  // never past the caller's struct
}

// The function that programs built against the headers of 1.0 and 1.1 call, by this name and
// without a size: it fills 1.0's struct, the smallest that any of them has. The parentheses
// keep the header's macro of the same name out of the definition.
void(uslova_options_init)(uslova_options* options) {
  uslova_options_init_size(options, kFirstSize);
}

size_t uslova_options_size(void) {
  return sizeof(uslova_options);
}

const char* uslova_options_problem(const uslova_options* options) {
  Options read;
  OwnNoun noun;  // filled only for a noun of one's own
  const std::string_view problem = ReadOptions(options, read, noun);
  return problem.empty() ? nullptr : problem.data();  // the problems are literals
}

int uslova_option_set(uslova_options* options, const char* name, const char* value) {
  if (options == nullptr || !Shipped(options->size)) return -3;
  std::size_t f;
  const OptionFamily* family = FamilyNamed(name, f);
  if (family == nullptr || kFields[f].since > options->size) return -1;
  if (value == nullptr) return -2;
  for (const Choice& choice : family->choices) {
    if (choice.name == value) {
      options->*kFields[f].member = choice.value;
      return 0;
    }
  }
  OwnNoun noun;
  const std::size_t length = std::strlen(value);
  if (kFields[f].member != &uslova_options::unit || length >= sizeof options->unit_noun ||
      !ReadOwnNoun({value, length}, noun).empty()) {
    return -2;
  }
  std::memset(options->unit_noun, 0, sizeof options->unit_noun);
  std::memcpy(options->unit_noun, value, length);
  options->unit = USLOVA_UNIT_OWN;
  return 0;
}

size_t uslova_option_problem(const char* name, const char* value, char* buffer, size_t size) {
  std::size_t f;
  const OptionFamily* family = FamilyNamed(name, f);
  if (family != nullptr && value != nullptr) {
    uslova_options options;
    uslova_options_init_size(&options, sizeof options);
    if (uslova_option_set(&options, name, value) == 0) {
      if (buffer != nullptr && size != 0) buffer[0] = '\0';
      return 0;
    }
  }
  // Written as far as the buffer holds, and counted to the end, with no allocation.
  std::size_t length = 0;
  const auto put = [&](std::string_view text) {
    for (char ch : text) {
      if (buffer != nullptr && length + 1 < size) buffer[length] = ch;
      ++length;
    }
  };
  const std::string_view shown = value == nullptr ? "" : value;
  if (family == nullptr) {
    put("unknown option '");
    put(name == nullptr ? "" : name);
    put("' (choose ");
    for (const OptionFamily& known : kOptionFamilies) {
      if (&known != &kOptionFamilies[0]) put(", ");
      put(known.name);
    }
    put(")");
  } else {
    put("invalid value '");
    put(shown);
    put("' for ");
    put(family->name);
    put(" (choose ");
    put(kValueLists[f].data());
    put(")");
    const char* noun = family->ownNoun && value != nullptr ? uslova_noun_problem(value) : nullptr;
    if (noun != nullptr) {
      put(": ");
      put(noun);
    }
  }
  if (buffer != nullptr && size != 0) buffer[std::min(length, size - 1)] = '\0';
  return length;
}

const char* uslova_noun_problem(const char* noun) {
  OwnNoun read;
  const std::size_t length = noun == nullptr ? 0 : std::strlen(noun);
  if (length >= sizeof(uslova_options::unit_noun)) return problems::kNounTooLong.english.data();
  const std::string_view problem = ReadOwnNoun({noun == nullptr ? "" : noun, length}, read);
  return problem.empty() ? nullptr : problem.data();  // the problems are literals
}

const char* uslova_option_name(size_t index) {
  return index < std::size(kOptionFamilies) ? kOptionFamilies[index].name.data() : nullptr;
}

const char* uslova_date_option_name(size_t index) {
  return index < kDateOptions.size() ? kDateOptions[index].data() : nullptr;
}

size_t uslova_words_size(void) {
  return USLOVA_WORDS_SIZE;
}

int uslova_limit(const char* name) {
  for (const Limit& limit : kLimits) {
    if (name != nullptr && limit.name == name) return limit.value;
  }
  return -1;
}

const char* uslova_limit_name(size_t index) {
  return index < std::size(kLimits) ? kLimits[index].name.data() : nullptr;
}

const char* uslova_option_label(const char* name, const char* value) {
  std::size_t f;
  const OptionFamily* family = FamilyNamed(name, f);
  if (family == nullptr) return nullptr;
  if (value == nullptr) return family->label.data();
  if (*value == '\0') return family->none.empty() ? nullptr : family->none.data();
  for (const Choice& choice : family->choices) {
    if (choice.name == value) return (choice.label.empty() ? choice.name : choice.label).data();
  }
  return nullptr;
}

const char* uslova_option_group(const char* group, size_t index) {
  const std::string_view named = group == nullptr ? "" : group;
  if (named == "date") return index < kDateOptions.size() ? kDateOptions[index].data() : nullptr;
  if (named == "read") return index < kReadOptions.size() ? kReadOptions[index].data() : nullptr;
  bool OptionFamily::*const member = named == "counted"    ? &OptionFamily::counted
                                     : named == "own_noun" ? &OptionFamily::ownNoun
                                     : named == "amount"   ? &OptionFamily::amount
                                                           : nullptr;
  if (member == nullptr) return nullptr;
  for (const OptionFamily& family : kOptionFamilies) {
    if (family.*member && index-- == 0) return family.name.data();
  }
  return nullptr;
}

const char* uslova_option_values(const char* name) {
  std::size_t f;
  return FamilyNamed(name, f) == nullptr ? nullptr : kValueLists[f].data();
}

uslova_verdict uslova_spell(const char* text, size_t text_length, const uslova_options* options,
                            char* buffer, size_t size, size_t* length) {
  Options read;
  OwnNoun noun;
  // No options, the window's text, is the call of most bindings: it reads none.
  if (options != nullptr && !ReadOptions(options, read, noun).empty()) return USLOVA_BAD_OPTIONS;
  Number number;
  Verdict verdict = ReadNumber({text, text_length}, number, read.decimal, read.currency);
  WordsBuffer words;
  std::string_view spelled;
  if (verdict == Verdict::Accepted) verdict = SpellInto(number, read, words, spelled);
  if (verdict != Verdict::Accepted) return static_cast<uslova_verdict>(verdict);
  return Written(spelled, buffer, size, length);
}

namespace {

/// Whether `options` (NULL for none) set no option but those `taken` names, every other left as
/// uslova_options_init leaves it.
bool TakesOnly(const uslova_options* options, std::span<const std::string_view> taken) {
  if (options == nullptr) return true;
  uslova_options defaults;
  uslova_options_init_size(&defaults, options->size);
  for (std::size_t f = 0; f < kFields.size(); ++f) {
    const int uslova_options::*member = kFields[f].member;
    if (kFields[f].since > options->size) continue;
    if (std::find(taken.begin(), taken.end(), kOptionFamilies[f].name) == taken.end() &&
        options->*member != defaults.*member) {
      return false;
    }
  }
  return true;
}

}  // namespace

uslova_verdict uslova_spell_date(const char* text, size_t text_length,
                                 const uslova_options* options, char* buffer, size_t size,
                                 size_t* length) {
  Options read;
  OwnNoun noun;
  if (!ReadOptions(options, read, noun).empty()) return USLOVA_BAD_OPTIONS;
  // A date takes the options of kDateOptions alone: every other as uslova_options_init sets it.
  // An unset inflection is the date's own, the genitive; a struct of a release before the
  // inflection has none, and is not read past its end.
  if (!TakesOnly(options, kDateOptions)) return USLOVA_BAD_OPTIONS;
  const bool inflected =
      options != nullptr && options->size >= kShippedSizes[3] && options->inflection != kUnset;
  const Options::Inflection inflection =
      inflected ? read.inflection : Options::Inflection::Genitive;
  Date date;
  if (!ReadDate({text == nullptr ? "" : text, text == nullptr ? 0 : text_length}, date))
    return USLOVA_NOT_A_DATE;
  DateBuffer words;
  return Written(DateWords(date, read.script, read.letterCase, inflection, words), buffer, size,
                 length);
}

uslova_verdict uslova_float_text(const char* shown, size_t shown_length,
                                 const uslova_options* options, char* buffer, size_t size,
                                 size_t* length) {
  Options read;
  OwnNoun noun;
  if (!ReadOptions(options, read, noun).empty()) return USLOVA_BAD_OPTIONS;
  ShortText text;
  const Verdict verdict = FloatText(
      {shown == nullptr ? "" : shown, shown == nullptr ? 0 : shown_length}, read.decimal, text);
  if (verdict != Verdict::Accepted) return static_cast<uslova_verdict>(verdict);
  return Written({text.bytes.data(), text.size}, buffer, size, length);
}

const char* uslova_prompt(uslova_verdict verdict) {
  return uslova_prompt_in(verdict, nullptr);
}

const char* uslova_prompt_in(uslova_verdict verdict, const uslova_options* options) {
  if (verdict <= USLOVA_ACCEPTED || verdict > USLOVA_OTHER_CURRENCY) return "";
  return PromptOf(static_cast<Verdict>(verdict), ScriptOf(options)).data();  // NUL-terminated
}

uslova_verdict uslova_refusal(const char* text, size_t text_length, const uslova_options* options,
                              uslova_verdict verdict) {
  Options read;
  OwnNoun noun;
  if (verdict != USLOVA_NOT_A_NUMBER || text == nullptr ||
      (options != nullptr && !ReadOptions(options, read, noun).empty())) {
    return verdict;
  }
  return static_cast<uslova_verdict>(
      WhyRefused({text, text_length}, Verdict::NotANumber, read.decimal, read.currency));
}

namespace {

/// uslova_read, its reason in Serbian with `serbian`.
uslova_verdict Read(const char* words, size_t length, const uslova_options* options, char* buffer,
                    size_t size, bool serbian) {
  Options read;
  OwnNoun noun;
  std::string_view problem =
      options == nullptr ? std::string_view{} : ReadOptions(options, read, noun);
  if (problem.empty() && !TakesOnly(options, kReadOptions)) problem = ReadAlone();
  if (problem.empty() && words == nullptr && length != 0) problem = "no words";
  if (!problem.empty()) {  // the reason too, as for a text that does not read
    const std::string_view said = serbian ? SerbianProblem(problem, Options::Script::Latin) : "";
    Keep(said.empty() ? problem : said, buffer, size);
    return USLOVA_BAD_OPTIONS;
  }
  WordsReading reading;
  const std::string_view text =
      words == nullptr ? std::string_view{} : std::string_view{words, length};
  const bool accepted = ReadWords(text, read, reading) == ReadProblem::None;
  std::array<char, USLOVA_READ_SIZE> written;
  const std::size_t n =
      accepted ? WriteReadDigits(reading, read.decimal, written.data())
               : WriteReadProblem(text, reading, written.data(), written.size(), serbian);
  Keep({written.data(), n}, buffer, size);
  return accepted ? USLOVA_ACCEPTED : USLOVA_NOT_A_NUMBER;
}

}  // namespace

uslova_verdict uslova_read(const char* words, size_t length, const uslova_options* options,
                           char* buffer, size_t size) {
  return Read(words, length, options, buffer, size, false);
}

uslova_verdict uslova_read_in_serbian(const char* words, size_t length,
                                      const uslova_options* options, char* buffer, size_t size) {
  return Read(words, length, options, buffer, size, true);
}

const char* uslova_read_option_name(size_t index) {
  return index < kReadOptions.size() ? kReadOptions[index].data() : nullptr;
}

const char* uslova_problem_in_serbian(const char* problem, const uslova_options* options) {
  if (problem == nullptr) return nullptr;
  const std::string_view serbian = SerbianProblem(problem, ScriptOf(options));
  return serbian.empty() ? nullptr : serbian.data();  // NUL-terminated
}

const char* uslova_verdict_name(uslova_verdict verdict) {
  switch (verdict) {
    case USLOVA_ACCEPTED:
      return "accepted";
    case USLOVA_NOT_A_NUMBER:
      return "not_a_number";
    case USLOVA_TOO_LARGE:
      return "too_large";
    case USLOVA_UNSUPPORTED:
      return "unsupported";
    case USLOVA_TOO_MANY_DECIMALS:
      return "too_many_decimals";
    case USLOVA_MORE_THAN_THREE_DECIMALS:
      return "more_than_three_decimals";
    case USLOVA_INEXACT:
      return "inexact";
    case USLOVA_NOT_WHOLE:
      return "not_whole";
    case USLOVA_NOT_A_DATE:
      return "not_a_date";
    case USLOVA_OTHER_CURRENCY:
      return "other_currency";
    case USLOVA_BUFFER_TOO_SMALL:
      return "buffer_too_small";
    case USLOVA_BAD_OPTIONS:
      return "bad_options";
  }
  return "unknown";
}

const char* uslova_version(void) {
  return kVersion;
}

}  // extern "C"
