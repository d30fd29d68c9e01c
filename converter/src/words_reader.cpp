// words_reader.cpp: words back to a number. The text is brought to lower-case ASCII letters,
// cut into the converter's own words (every word of words.h, found by its ASCII), read leniently
// into a number, and then held against the words the converter writes for that number: a text
// is accepted only when its words are those, word for word, in one of the cases. So a text
// that reads is one the converter could have written, up to the forms people type.
// SPDX-License-Identifier: MIT
#include "uslova/words_reader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <bitset>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "letters.h"
#include "render.h"
#include "uslova/converter.h"
#include "words.h"

namespace uslova {
namespace {

// ---- The words, by their ASCII -------------------------------------------------------------

/// What a word says, for the lenient reading.
enum class Kind : std::uint8_t {
  Zero,
  Minus,
  Point,
  And,
  Unit,          // value 1 to 9
  Teen,          // 10 to 19
  Tens,          // 20 to 90
  Hundreds,      // 100 to 900
  Scale,         // value: the group, 2 for the thousands to 5 for the billions
  Major,         // a currency's unit; value: its Options::Currency
  Minor,         // a currency's hundredth
  Counted,       // a unit of counts; value: its Options::Unit
  HundredsNoun,  // "stotine" or "stotina" after a separate numeral: "dve stotine"
};

/// A word as the reader knows it: a byte each, as the page downloads the table.
struct Entry {
  std::uint8_t row;  // its first row in kWords, whose joined ASCII is its key
  Kind kind;
  std::uint8_t value;      // "stotine" 0 and "stotina" 1 for the HundredsNoun
  std::uint8_t canonical;  // the entry that a form people type stands for: "sto" for "stotinu"
  bool shortForm;          // "sto", "dvesta", and "hiljadu" for one thousand
};

/// The kind and value of the word in row `row` of kWords.
constexpr std::pair<Kind, std::uint8_t> Meaning(std::size_t row) {
  const auto byte = [](std::size_t v) { return static_cast<std::uint8_t>(v); };
  if (row == kZero) return {Kind::Zero, 0};
  if (row == kMinus) return {Kind::Minus, 0};
  if (row == kPoint) return {Kind::Point, 0};
  if (row == kAnd) return {Kind::And, 0};
  if (row == kFeminineOne || row == kOneGenitive || row == kFeminineOneGenitive ||
      row == kFeminineOneAccusative || row == kNeuterOne) {
    return {Kind::Unit, 1};
  }
  if (row == kFeminineTwo) return {Kind::Unit, 2};
  if (row > kUnits && row < kTeens) return {Kind::Unit, byte(row - kUnits)};
  if (row >= kTeens && row < kTens) return {Kind::Teen, byte(10 + row - kTeens)};
  if (row >= kTens && row < kHundreds) return {Kind::Tens, byte(10 * (row - kTens))};
  if (row > kHundreds && row < kShortHundreds) return {Kind::Hundreds, byte(row - kHundreds)};
  if (row > kShortHundreds && row < kThousandShort)
    return {Kind::Hundreds, byte(row - kShortHundreds)};
  if (row == kThousandShort) return {Kind::Scale, 2};
  const std::size_t noun = (row - kNounWords) / kNounForms;
  if (noun < kScales.size()) return {Kind::Scale, byte(noun + 2)};
  const std::size_t money = noun - kScales.size();
  if (money < 2 * std::size(kCurrencies))
    return {money % 2 == 0 ? Kind::Major : Kind::Minor, byte(money / 2 + 1)};
  return {Kind::Counted, byte(money - 2 * std::size(kCurrencies) + 1)};
}

constexpr std::string_view AsciiOf(std::size_t row) {
  const Slot& slot = kSpelled[0][1][kLower][row];  // ASCII, joined, lower case
  return {slot.text.data(), slot.size};
}

/// An entry's key: lower-case ASCII, without blanks.
constexpr std::string_view KeyOf(const Entry& entry) {
  if (entry.kind == Kind::HundredsNoun) return entry.value == 0 ? "stotine" : "stotina";
  return AsciiOf(entry.row);
}

inline constexpr std::size_t kMostEntries = 254;  // an entry + 1 is a byte, and 255 is none

/// A key of at most 16 bytes as two numbers, its first byte lowest and its unused bytes zero:
/// compared, and hashed, in a few steps.
struct PackedKey {
  std::uint64_t low = 0, high = 0;
  bool operator==(const PackedKey&) const = default;
};
inline constexpr std::size_t kLongestKey = 16;

constexpr PackedKey Pack(std::string_view key) {
  PackedKey packed;
  for (std::size_t i = 0; i < key.size() && i < kLongestKey; ++i) {
    const auto byte = static_cast<std::uint64_t>(static_cast<unsigned char>(key[i]));
    (i < 8 ? packed.low : packed.high) |= byte << (8 * (i % 8));
  }
  return packed;
}

struct Dictionary {
  std::array<Entry, kMostEntries> entries{};
  std::array<PackedKey, kMostEntries> keys{};  // each entry's
  std::size_t size = 0;
  std::array<std::uint8_t, kWordCount> entryOfRow{};  // 255 for a row without letters
  static constexpr std::size_t kSlots = 2048;
  std::array<std::uint8_t, kSlots> slots{};  // an entry + 1, or 0 for none
  /// The hundred that each entry makes with "stotine" ([0]) and "stotina" ([1]) after it, as
  /// "dve" and "stotine" make "dve stotine"; 255 for none.
  std::array<std::array<std::uint8_t, kMostEntries>, 2> hundreds{};
};

/// A key's slot. No key has a zero byte, so a packed key says its length too.
constexpr std::size_t Hash(const PackedKey& key) {
  const std::uint64_t hash = (key.low * 0x9E3779B97F4A7C15u) ^ (key.high * 0xC2B2AE3D27D4EB4Fu);
  return static_cast<std::size_t>(hash >> 53);  // 11 bits: Dictionary::kSlots
}

constexpr std::uint8_t Find(const Dictionary& d, const PackedKey& key) {
  for (std::size_t i = Hash(key); d.slots[i] != 0; i = (i + 1) % Dictionary::kSlots) {
    const std::size_t entry = d.slots[i] - 1u;
    if (d.keys[entry] == key) return static_cast<std::uint8_t>(entry);
  }
  return 255;
}

constexpr std::uint8_t Find(const Dictionary& d, std::string_view key) {
  return key.size() > kLongestKey ? 255 : Find(d, Pack(key));
}

/// The bytes of a key of each size that each half of a packed key keeps.
inline constexpr auto kKeptBytes = [] {
  std::array<PackedKey, kLongestKey + 1> kept{};
  for (std::size_t size = 0; size <= kLongestKey; ++size)
    kept[size] = Pack(
        std::string_view("\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff", size));
  return kept;
}();

/// The key of the `size` bytes at `bytes` (at most kLongestKey), which may be read 16 bytes far.
inline PackedKey PackAt(const char* bytes, std::size_t size) {
  if constexpr (std::endian::native != std::endian::little) {
    return Pack({bytes, size});
  } else {
    PackedKey key;
    std::memcpy(&key.low, bytes, 8);
    std::memcpy(&key.high, bytes + 8, 8);
    key.low &= kKeptBytes[size].low;
    key.high &= kKeptBytes[size].high;
    return key;
  }
}

constexpr void Add(Dictionary& d, Entry entry) {
  if (d.size == kMostEntries) throw "more words than an entry's byte can number";
  const std::string_view key = KeyOf(entry);
  if (key.size() > kLongestKey) throw "a word longer than a packed key";
  d.entries[d.size] = entry;
  d.keys[d.size] = Pack(key);
  if (key.find('\0') != std::string_view::npos) throw "a zero byte in a word";
  std::size_t i = Hash(d.keys[d.size]);
  while (d.slots[i] != 0)
    i = (i + 1) % Dictionary::kSlots;
  d.slots[i] = static_cast<std::uint8_t>(++d.size);
}

constexpr Dictionary BuildDictionary() {
  Dictionary d;
  for (std::size_t row = 0; row < kWordCount; ++row) {
    const std::string_view key = AsciiOf(row);
    if (key.empty()) {
      d.entryOfRow[row] = 255;
      continue;
    }
    std::uint8_t found = Find(d, key);
    if (found == 255) {
      const auto [kind, value] = Meaning(row);
      const bool shortForm =
          (row > kShortHundreds && row < kThousandShort) || row == kThousandShort;
      found = static_cast<std::uint8_t>(d.size);
      Add(d, {static_cast<std::uint8_t>(row), kind, value, found, shortForm});
    }
    d.entryOfRow[row] = found;
  }
  // The short hundreds stand for the long ones: "dvesta" is "dve stotine" wherever it stands.
  for (std::size_t digit = 1; digit <= 9; ++digit) {
    d.entries[d.entryOfRow[kShortHundreds + digit]].canonical = d.entryOfRow[kHundreds + digit];
  }
  // The second word of a hundred written apart: "dve stotine", "pet stotina".
  Add(d, {0, Kind::HundredsNoun, 0, static_cast<std::uint8_t>(d.size), false});
  Add(d, {0, Kind::HundredsNoun, 1, static_cast<std::uint8_t>(d.size), false});
  for (std::size_t noun = 0; noun < 2; ++noun) {
    for (std::size_t entry = 0; entry < kMostEntries; ++entry) {
      d.hundreds[noun][entry] = 255;
      if (entry >= d.size) continue;
      std::array<char, 2 * kLongestKey> joined{};
      const std::string_view numeral = KeyOf(d.entries[entry]);
      const std::string_view hundred = noun == 0 ? "stotine" : "stotina";
      std::copy(numeral.begin(), numeral.end(), joined.begin());
      std::copy(hundred.begin(), hundred.end(), joined.begin() + numeral.size());
      const std::uint8_t found = Find(d, {joined.data(), numeral.size() + hundred.size()});
      if (found != 255 && d.entries[found].kind == Kind::Hundreds) d.hundreds[noun][entry] = found;
    }
  }
  return d;
}

inline constexpr Dictionary kDictionary = BuildDictionary();
/// "stotine" and "stotina", the last two entries.
inline constexpr std::size_t kFirstHundredsNoun = kDictionary.size - 2;
static_assert(kDictionary.entries[kFirstHundredsNoun].kind == Kind::HundredsNoun);

/// What a numeral or a scale word does to the integer being read, so that reading it takes
/// no branch on its kind: a numeral can follow only what comes before its place in a group
/// (`place` below `limit`), adds `add` to the group and leaves the group at `after`; a scale
/// word (`scale`, its group) can follow any place, and multiplies the group.
struct Step {
  std::uint16_t add = 0;
  std::uint8_t limit = 0;  // 0 for a word that is neither, which no place comes before
  std::uint8_t after = 0;
  std::uint8_t scale = 0;
  bool alone = false;  // a scale word that is one of its own: "hiljadu"
};

inline constexpr auto kSteps = [] {
  std::array<Step, kMostEntries> steps{};
  for (std::size_t i = 0; i < kDictionary.size; ++i) {
    const Entry& entry = kDictionary.entries[i];
    Step& step = steps[i];
    switch (entry.kind) {
      case Kind::Hundreds:
        step = {static_cast<std::uint16_t>(100 * entry.value), 1, 1};
        break;
      case Kind::Tens:
        step = {entry.value, 2, 2};
        break;
      case Kind::Teen:  // after the hundreds alone, and ends the group's numerals as units do
        step = {entry.value, 2, 3};
        break;
      case Kind::Unit:
        step = {entry.value, 3, 3};
        break;
      case Kind::Scale:
        step = {0, 4, 0, entry.value, entry.shortForm};
        break;
      default:
        break;
    }
  }
  return steps;
}();

/// "00" to "99", for writing digits two at a time.
inline constexpr auto kTwoDigits = [] {
  std::array<char, 200> digits{};
  for (std::size_t i = 0; i < 100; ++i) {
    digits[2 * i] = static_cast<char>('0' + i / 10);
    digits[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return digits;
}();

/// Where the integer's reading stands between two words: the place in its group (0 to 3, as
/// read() counts them) and the last scale word's group (2 to 6, 6 for none yet), as one
/// number, place + 4 (scale - 2).
constexpr std::uint8_t IntegerState(int place, int lastScale) {
  return static_cast<std::uint8_t>(place + 4 * (lastScale - 2));
}
inline constexpr std::size_t kIntegerStates = IntegerState(3, 6) + 1;
inline constexpr std::uint8_t kStop = 0xFF;  // a word that cannot stand there, or no such word

/// kNextState[state][entry]: the state after the word, or kStop; from kSteps' rules.
inline constexpr auto kNextState = [] {
  std::array<std::array<std::uint8_t, kMostEntries>, kIntegerStates> next{};
  for (int lastScale = 2; lastScale <= 6; ++lastScale) {
    for (int place = 0; place <= 3; ++place) {
      auto& row = next[IntegerState(place, lastScale)];
      for (std::size_t entry = 0; entry < kMostEntries; ++entry) {
        const Step& step = kSteps[entry];
        row[entry] = kStop;
        if (step.scale != 0) {
          if (step.scale < lastScale && (place != 0 || step.alone))
            row[entry] = IntegerState(0, step.scale);
        } else if (place < step.limit) {
          row[entry] = IntegerState(step.after, lastScale);
        }
      }
    }
  }
  return next;
}();

/// What a scale word multiplies its group by, from its group: 1000 for the thousands.
inline constexpr std::array<std::uint64_t, 6> kScaleOf{0,       1,          1000,
                                                       1000000, 1000000000, 1000000000000};

// ---- Letters to ASCII ----------------------------------------------------------------------

/// The lower-case ASCII of the Cyrillic letters U+0400 to U+045F, from the Latin of each.
inline constexpr auto kCyrillicAscii = [] {
  std::array<std::array<char, 3>, 0x60> ascii{};
  for (const letters::Letters& letter : letters::kCyrillic) {
    const auto lead = static_cast<unsigned char>(letter.second[0]);
    const auto next = static_cast<unsigned char>(letter.second[1]);
    const char32_t lower = static_cast<char32_t>(((lead & 0x1F) << 6) | (next & 0x3F));
    std::array<char, 3> written{};
    std::size_t size = 0;
    for (std::size_t i = 0; i < letter.first.size();) {
      const std::string_view rest = letter.first.substr(i);
      const letters::Letters plain = letters::Find(rest, letters::kAscii);
      const std::string_view out = plain.first.empty() ? rest.substr(0, 1) : plain.second;
      for (char c : out)
        written[size++] = c;
      i += plain.first.empty() ? 1 : plain.first.size();
    }
    ascii[lower - 0x400] = written;
    ascii[letters::Capital(lower) - 0x400] = written;
  }
  return ascii;
}();

/// What each ASCII byte is in the words' ASCII: a letter in lower case, a digit or "/" of an
/// amount's hundredths, a blank for a space or a tab, and kStrange for any other.
constexpr char kStrange = '\x01';  // a character that is in no word
inline constexpr auto kAsciiOf = [] {
  std::array<char, 128> plain{};
  for (std::size_t byte = 0; byte < plain.size(); ++byte) {
    const auto c = static_cast<char>(byte);
    plain[byte] = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32)
                  : (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' ? c
                  : c == ' ' || c == '\t'                                        ? ' '
                                                                                 : kStrange;
  }
  return plain;
}();

/// The lower-case ASCII of a Latin letter with diacritics, or nothing.
constexpr std::string_view LatinAscii(char32_t letter) {
  switch (letter) {
    case U'č':
    case U'Č':
    case U'ć':
    case U'Ć':
      return "c";
    case U'š':
    case U'Š':
      return "s";
    case U'ž':
    case U'Ž':
      return "z";
    case U'đ':
    case U'Đ':
      return "dj";
    default:
      return {};
  }
}

// ---- Reading -------------------------------------------------------------------------------

constexpr std::size_t kMostBytes = kMostReadBytes;
constexpr std::size_t kMostTokens = 48;

enum class TokenKind : std::uint8_t { Word, Digits, Fraction, Own };

struct Token {
  TokenKind kind;
  std::uint8_t entry;      // of a word
  std::uint8_t value;      // of digits and fractions; a noun of one's own's form
  std::uint16_t at, size;  // in the ASCII
};

struct Reader {
  Reader(std::string_view typed, const Options& asked, WordsReading& into)
      : text(typed), options(asked), reading(into) {
    if (asked.unit != Options::Unit::Own || asked.ownNoun == nullptr) return;
    const OwnNoun& noun = *asked.ownNoun;
    for (std::size_t form = 0; form < kOwnForms; ++form) {
      const bool accusative = form == kOwnForms - 1;
      const std::size_t written = letters::Transcribe(
          noun.form(accusative ? 0 : form), Options::Script::Ascii, own[form].data(),
          own[form].size(), accusative && FinalU(noun.form(0), noun.feminine));
      const auto end = std::remove(own[form].begin(),
                                   own[form].begin() + std::min(written, own[form].size()), ' ');
      ownSizes[form] = static_cast<std::uint8_t>(end - own[form].begin());
    }
    owns = kOwnForms;
  }

  /// The form of the noun of one's own that the ASCII at `begin` starts with (`whole`: is, up to
  /// `end`), the longest, or kOwnForms for none.
  std::size_t ownAt(std::size_t begin, std::size_t end, bool whole) const {
    std::size_t found = kOwnForms;
    for (std::size_t form = 0; form < owns; ++form) {
      const std::size_t n = ownSizes[form];
      if (n == 0 || n > end - begin || (whole && n != end - begin)) continue;
      if (std::memcmp(&ascii[begin], own[form].data(), n) != 0) continue;
      if (found == kOwnForms || n > ownSizes[found]) found = form;
    }
    return found;
  }

  std::string_view text;
  const Options& options;
  WordsReading& reading;
  // Left uninitialized: only [0, size) and [0, count) are read, and zeroing them would cost
  // more than the reading.
  std::array<char, kMostBytes + kLongestKey> ascii;  // zeros after the last, for PackAt
  // Each ASCII byte's place in `text`, written only to say where a problem lies.
  std::array<std::uint32_t, kMostBytes + 1> origin;
  std::size_t size = 0;
  std::array<Token, kMostTokens> tokens;
  std::size_t count = 0;
  // A noun of one's own, when one is asked for: its forms after one, after two to four and
  // after five, and its accusative after one, in the words' ASCII without blanks.
  static constexpr std::size_t kOwnForms = 4;
  std::array<std::array<char, OwnNoun::kMostBytes + 1>, kOwnForms> own;
  std::array<std::uint8_t, kOwnForms> ownSizes{};
  std::size_t owns = 0;  // kOwnForms with a noun of one's own, else 0
  // Where the blanks of the ASCII are, a bit a byte, and one more bit after its last byte: a
  // word ends at the first bit after its start.
  std::array<std::uint64_t, kMostBytes / 64 + 1> blanks;
  bool cyrillic = false, latin = false, diacritics = false;

  /// The problem, about the ASCII bytes [at, at + bytes); where they are in `text` is found
  /// once the reading has failed.
  ReadProblem fail(ReadProblem problem, std::size_t at, std::size_t bytes) {
    reading.problem = problem;
    reading.at = static_cast<std::uint32_t>(at);
    reading.size = static_cast<std::uint32_t>(bytes);
    return problem;
  }
  ReadProblem fail(ReadProblem problem, const Token& token) {
    return fail(problem, token.at, token.size);
  }
  ReadProblem fail(ReadProblem problem, const Token& first, const Token& last) {
    return fail(problem, first.at, last.at + last.size - first.at);
  }

  /// The text as lower-case ASCII words with one blank between each two; `Placed` writes
  /// where each byte comes from.
  template <bool Placed>
  ReadProblem normalize();
  template <bool Placed>
  bool AsciiWords(std::size_t& i, bool& blank);
  /// The problem's bytes in `text`, from those in the ASCII.
  void place();
  /// Cuts the words of ASCII bytes [begin, end) into tokens, joined ones too.
  bool cut(std::size_t begin, std::size_t end, std::bitset<kMostBytes>& dead);
  ReadProblem tokenize();
  void put(const Token& token);
  // Tokens merged into the one before ("dve" "stotine"), which count against kMostTokens as
  // the words they were; and the first hundred that was not one, told once every word is known.
  std::size_t merged = 0;
  struct {
    ReadProblem problem;
    std::uint32_t at, size;
  } hundreds{ReadProblem::None, 0, 0};
  ReadProblem read();
  bool matches(const Options& written, std::size_t& mismatch) const;
};

/// Takes the next eight bytes of the text at once where they are lower-case letters and blanks
/// apart, as most words are, and says whether it did.
template <bool Placed>
bool Reader::AsciiWords(std::size_t& i, bool& blank) {
#if defined(__SSE2__)
  // Sixteen bytes at once, where the processor compares them so.
  if (i + 16 <= text.size() && size + 16 <= kMostBytes) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
    // A byte from 0x80 on is below "a" as a signed one.
    const __m128i letters = _mm_and_si128(_mm_cmpgt_epi8(bytes, _mm_set1_epi8('a' - 1)),
                                          _mm_cmplt_epi8(bytes, _mm_set1_epi8('z' + 1)));
    const auto lower = static_cast<unsigned>(_mm_movemask_epi8(letters));
    const auto spaces =
        static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(' '))));
    if ((lower | spaces) == 0xFFFF && (spaces & (spaces << 1)) == 0 && !(blank && (spaces & 1))) {
      if (Placed) {
        for (std::size_t k = 0; k < 16; ++k)
          origin[size + k] = static_cast<std::uint32_t>(i + k);
      }
      _mm_storeu_si128(reinterpret_cast<__m128i*>(&ascii[size]), bytes);
      blanks[size / 64] |= std::uint64_t{spaces} << (size % 64);
      blanks[size / 64 + 1] |= (std::uint64_t{spaces} >> 1) >> (63 - size % 64);
      size += 16;
      i += 16;
      latin |= lower != 0;
      blank = (spaces >> 15) != 0;
      return true;
    }
  }
#endif
  if constexpr (std::endian::native != std::endian::little) {
    return false;
  } else {
    constexpr std::uint64_t kOnes = 0x0101010101010101u, kHighs = 0x8080808080808080u;
    if (i + 8 > text.size() || size + 8 > kMostBytes) return false;
    std::uint64_t bytes;
    std::memcpy(&bytes, text.data() + i, 8);
    if ((bytes & kHighs) != 0) return false;
    // The high bit of each byte from "a" to "z", and of each blank: no byte carries.
    const std::uint64_t lower = (bytes + kOnes * (0x80 - 'a')) & ~(bytes + kOnes * (0x80 - '{'));
    const std::uint64_t apart = bytes ^ (kOnes * ' ');
    const std::uint64_t spaces = ~(((apart & ~kHighs) + ~kHighs) | apart) & kHighs;
    if (((lower & kHighs) | spaces) != kHighs || (spaces & (spaces << 8)) != 0 ||
        (blank && (spaces & 0x80) != 0)) {
      return false;  // another byte, or blanks that are held as one
    }
    if (Placed) {
      for (std::size_t k = 0; k < 8; ++k)
        origin[size + k] = static_cast<std::uint32_t>(i + k);
    }
    std::memcpy(&ascii[size], &bytes, 8);
    // The blanks' bits, which may run into the next word of them.
    const std::uint64_t bits = ((spaces >> 7) * 0x0102040810204080u) >> 56;
    blanks[size / 64] |= bits << (size % 64);
    blanks[size / 64 + 1] |= (bits >> 1) >> (63 - size % 64);
    size += 8;
    i += 8;
    latin |= (lower & kHighs) != 0;
    blank = (spaces >> 63) != 0;
    return true;
  }
}

template <bool Placed>
ReadProblem Reader::normalize() {
  bool blank = true;  // at the start, as after a blank
  blanks.fill(0);
  for (std::size_t i = 0; i < text.size();) {
    if (AsciiWords<Placed>(i, blank)) continue;
    const auto byte = static_cast<unsigned char>(text[i]);
    const auto at = static_cast<std::uint32_t>(i);
    if (byte < 0x80) {  // nearly every byte: one look-up
      const char plain = kAsciiOf[byte];
      ++i;
      if (plain == ' ' && blank) continue;
      if (size == kMostBytes) return fail(ReadProblem::TooLong, 0, 0);
      if (Placed) origin[size] = at;
      blank = plain == ' ';
      blanks[size / 64] |= std::uint64_t{blank} << (size % 64);
      ascii[size++] = plain;
      latin |= plain >= 'a';
      continue;
    }
    std::string_view plain;
    char one = 0;
    std::size_t length = 1;
    if ((byte & 0xE0) == 0xC0 && i + 1 < text.size() &&
        (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
      length = 2;
      const char32_t letter = static_cast<char32_t>(
          ((byte & 0x1F) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F));
      if (letter == 0xA0) {  // a no-break space
        i += 2;
        if (!blank && size < kMostBytes) {
          if (Placed) origin[size] = at;
          blanks[size / 64] |= std::uint64_t{1} << (size % 64);
          ascii[size++] = ' ';
        }
        blank = true;
        continue;
      }
      if (letter >= 0x400 && letter < 0x460 && kCyrillicAscii[letter - 0x400][0] != 0) {
        plain = kCyrillicAscii[letter - 0x400].data();
        cyrillic = true;
      } else if (!(plain = LatinAscii(letter)).empty()) {
        latin = diacritics = true;
      } else {
        one = kStrange;
      }
    } else {
      // Any other character, a whole one: no word has it.
      while (i + length < text.size() &&
             (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80) {
        ++length;
      }
      one = kStrange;
    }
    if (plain.empty()) plain = {&one, 1};
    if (size + plain.size() > kMostBytes) return fail(ReadProblem::TooLong, 0, 0);
    for (char c : plain) {
      if (Placed) origin[size] = at;
      ascii[size++] = c;
    }
    blank = false;
    i += length;
  }
  if (size != 0 && ascii[size - 1] == ' ') --size;  // its bit stays: the one after the last
  blanks[size / 64] |= std::uint64_t{1} << (size % 64);
  if (Placed) origin[size] = static_cast<std::uint32_t>(text.size());
  std::memset(&ascii[size], 0, kLongestKey);
  if (size == 0) return fail(ReadProblem::NoWords, 0, 0);
  if (cyrillic && latin) return fail(ReadProblem::MixedScripts, 0, 0);
  return ReadProblem::None;
}

void Reader::place() {
  if (reading.size == 0) return;  // a problem of the whole text
  const std::uint32_t at = reading.at, end = reading.at + reading.size;
  size = 0;
  normalize<true>();  // as before, now with each byte's place
  reading.at = origin[at];
  reading.size = origin[end] - origin[at];
}

bool Reader::cut(std::size_t begin, std::size_t end, std::bitset<kMostBytes>& dead) {
  if (begin == end) return true;
  if (dead[begin] || count + merged == kMostTokens) return false;
  const auto place = [&](std::size_t from, std::size_t to) {
    return std::pair{static_cast<std::uint16_t>(from), static_cast<std::uint16_t>(to - from)};
  };
  const char first = ascii[begin];
  if (first >= '0' && first <= '9') {  // hundredths in digits, "50", or as a fraction, "50/100"
    std::size_t i = begin;
    unsigned value = 0;
    while (i < end && i - begin < 3 && ascii[i] >= '0' && ascii[i] <= '9')
      value = value * 10 + static_cast<unsigned>(ascii[i++] - '0');
    TokenKind kind = TokenKind::Digits;
    if (end - i >= 4 && std::string_view(&ascii[i], 4) == "/100") {
      kind = TokenKind::Fraction;
      i += 4;
    }
    if (value <= 99 && (i == end || ascii[i] < '0' || ascii[i] > '9')) {
      const auto [at, bytes] = place(begin, i);
      tokens[count++] = {kind, 0, static_cast<std::uint8_t>(value), at, bytes};
      if (cut(i, end, dead)) return true;
      --count;
    }
    dead[begin] = true;
    return false;
  }
  // The words that the rest begins with, the longest tried first.
  std::array<std::uint8_t, kLongestKey + 1> found{};
  const std::size_t longest = std::min(kLongestKey, end - begin);
  for (std::size_t length = 1; length <= longest; ++length)
    found[length] = Find(kDictionary, PackAt(&ascii[begin], length));
  // A noun of one's own, joined to the numerals before it: "petstanova".
  if (const std::size_t form = ownAt(begin, end, false); form != kOwnForms) {
    const auto [at, bytes] = place(begin, begin + ownSizes[form]);
    tokens[count++] = {TokenKind::Own, 0, static_cast<std::uint8_t>(form), at, bytes};
    if (cut(begin + ownSizes[form], end, dead)) return true;
    --count;
  }
  for (std::size_t length = longest; length >= 1; --length) {
    if (found[length] == 255) continue;
    const auto [at, bytes] = place(begin, begin + length);
    tokens[count++] = {TokenKind::Word, found[length], 0, at, bytes};
    if (cut(begin + length, end, dead)) return true;
    --count;
  }
  dead[begin] = true;
  return false;
}

ReadProblem Reader::tokenize() {
  std::bitset<kMostBytes> dead;
  std::size_t word = 0;             // of `blanks`
  std::uint64_t ahead = blanks[0];  // its bits not yet passed
  for (std::size_t begin = 0; begin < size;) {
    while (ahead == 0)
      ahead = blanks[++word];
    const std::size_t end = 64 * word + static_cast<std::size_t>(std::countr_zero(ahead));
    ahead &= ahead - 1;
    // Most words stand apart: one look-up each, before any cutting.
    const std::uint8_t whole = end - begin <= kLongestKey && count + merged < kMostTokens
                                   ? Find(kDictionary, PackAt(&ascii[begin], end - begin))
                                   : 255;
    if (whole != 255) {
      put({TokenKind::Word, whole, 0, static_cast<std::uint16_t>(begin),
           static_cast<std::uint16_t>(end - begin)});
    } else if (const std::size_t form = ownAt(begin, end, true);
               form != kOwnForms && count + merged < kMostTokens) {
      put({TokenKind::Own, 0, static_cast<std::uint8_t>(form), static_cast<std::uint16_t>(begin),
           static_cast<std::uint16_t>(end - begin)});
    } else {
      const std::size_t from = count;
      if (!cut(begin, end, dead)) {
        if (count + merged == kMostTokens) return fail(ReadProblem::TooLong, 0, 0);
        return fail(ReadProblem::UnknownWord, begin, end - begin);
      }
      const std::size_t cutEnd = count;
      count = from;
      for (std::size_t i = from; i < cutEnd; ++i)
        put(tokens[i]);
    }
    begin = end + 1;
  }
  if (hundreds.problem != ReadProblem::None)
    return fail(hundreds.problem, hundreds.at, hundreds.size);
  return ReadProblem::None;
}

/// Keeps `token` after those kept; a hundred written apart is one word with the numeral before
/// it: "dve" and "stotine" are "dve stotine".
void Reader::put(const Token& token) {
  if (token.kind != TokenKind::Word || token.entry < kFirstHundredsNoun) {
    tokens[count++] = token;
    return;
  }
  ++merged;
  if (hundreds.problem != ReadProblem::None) return;  // the first problem is told
  if (count == 0 || tokens[count - 1].kind != TokenKind::Word) {
    hundreds = {ReadProblem::Hundreds, token.at, token.size};
    return;
  }
  Token& numeral = tokens[count - 1];
  const std::uint8_t entry =
      kDictionary.hundreds[kDictionary.entries[token.entry].value][numeral.entry];
  if (entry == 255) {
    hundreds = {ReadProblem::Hundreds, numeral.at,
                static_cast<std::uint16_t>(token.at + token.size - numeral.at)};
    return;
  }
  numeral.entry = entry;
  numeral.size = static_cast<std::uint16_t>(token.at + token.size - numeral.at);
}

/// Whether the tokens are the words that the converter writes for the number read with
/// `written`; else `mismatch` is the first token that differs (`count` for a missing one).
bool Reader::matches(const Options& written, std::size_t& mismatch) const {
  Words model;
  mismatch = 0;
  if (BuildWords(reading.number, written, model) != Verdict::Accepted) return false;
  std::size_t i = 0;
  for (const Word& word : model) {
    if (word.row == kDigits || word.row == kFraction) {
      const TokenKind kind = word.row == kDigits ? TokenKind::Digits : TokenKind::Fraction;
      if (i == count || tokens[i].kind != kind || tokens[i].value != word.value) {
        mismatch = i;
        return false;
      }
      ++i;
      continue;
    }
    const std::uint8_t entry = kDictionary.entryOfRow[word.row];
    if (entry == 255) continue;  // a blank of the window's text
    if (i == count || tokens[i].kind != TokenKind::Word ||
        kDictionary.entries[tokens[i].entry].canonical != kDictionary.entries[entry].canonical) {
      mismatch = i;
      return false;
    }
    ++i;
  }
  if (written.unit == Options::Unit::Own) {  // the noun of one's own, in the form it takes
    std::size_t form = OwnForm(reading.number);
    if (form == 0 && written.inflection == Options::Inflection::Genitive) form = kGenitiveForm;
    if (form == 0 && written.inflection == Options::Inflection::Accusative) form = kOwnForms - 1;
    const bool same = i < count && tokens[i].kind == TokenKind::Own &&
                      std::string_view(own[tokens[i].value].data(), ownSizes[tokens[i].value]) ==
                          std::string_view(own[form].data(), ownSizes[form]);
    if (!same) {
      mismatch = i;
      return false;
    }
    ++i;
  }
  mismatch = i;
  return i == count;
}

ReadProblem Reader::read() {
  enum Phase { Integer, Decimals, AfterMajor, Hundredths, End };
  Phase phase = Integer;
  bool negative = false, numeral = false, zero = false;
  std::uint64_t total = 0;
  unsigned group = 0;  // the numerals of the group being read
  int place = 0;       // 0 at its start, 1 after hundreds, 2 after tens, 3 after units
  int lastScale = 6;   // the scale before, 6 for none yet
  std::array<char, 3> decimals{};
  std::size_t decimalCount = 0, decimalZeros = 0;
  bool hundredths = false;
  Options settled;
  settled.spacing = Options::Spacing::Tidy;
  const auto numeralOf = [&](const Token& token) -> ReadProblem {
    const Step& step = kSteps[token.entry];
    if (place >= step.limit || zero) return fail(ReadProblem::OutOfOrder, token);
    group += step.add;
    place = step.after;
    numeral = true;
    return ReadProblem::None;
  };
  // The decimals read: the zeros spelled first ("nula pet" is 05), then the group's digits.
  const auto takeDecimals = [&] {
    decimalCount = decimalZeros;
    std::fill_n(decimals.begin(), decimalZeros, '0');
    std::array<char, 3> digits{};
    std::size_t n = 0;
    for (unsigned rest = group; rest != 0; rest /= 10)
      digits[n++] = static_cast<char>('0' + rest % 10);
    while (n > 0 && decimalCount < decimals.size())
      decimals[decimalCount++] = digits[--n];
    decimalCount += n;  // past the room: refused below
  };
  // A count's noun, of a unit or of one's own: after the numerals, or after decimals.
  const auto countedNoun = [&](const Token& token, Options::Unit unit) {
    if (phase == Integer) {
      if (!(numeral || zero)) return fail(ReadProblem::OutOfOrder, token);
      total += group;
      group = 0;
    } else if (phase != Decimals || (group == 0 && decimalZeros == 0)) {
      return fail(ReadProblem::OutOfOrder, token);
    }
    settled.unit = unit;
    settled.ownNoun = options.ownNoun;
    if (phase == Decimals) takeDecimals();
    phase = End;
    return ReadProblem::None;
  };
  std::size_t i = 0;
  if (tokens[0].kind == TokenKind::Word &&
      kDictionary.entries[tokens[0].entry].kind == Kind::Minus) {
    negative = true;
    i = 1;
  }
  // The integer's numerals and scale words, most of every text, in a loop of their own that
  // branches only to leave it: at another word, or at one that cannot stand where it does,
  // which the loop after it reads (and refuses) as it reads every word.
  bool shortScale = false;
  const std::size_t integerStart = i;
  std::uint8_t state = IntegerState(place, lastScale);
  for (; i < count; ++i) {
    const Token& token = tokens[i];
    const std::uint8_t next = kNextState[state][token.entry];
    if (token.kind != TokenKind::Word || next == kStop) break;
    const Step& step = kSteps[token.entry];
    const bool scale = step.scale != 0, alone = state % 4 == 0;  // no numeral yet in the group
    total += (group | static_cast<unsigned>(alone)) * kScaleOf[step.scale];
    group = (group + step.add) & (static_cast<unsigned>(scale) - 1u);  // 0 after a scale
    shortScale |= scale & alone;
    state = next;
  }
  place = state % 4;
  lastScale = state / 4 + 2;
  numeral = numeral || i > integerStart;
  if (shortScale) settled.forms = Options::Forms::Short;  // as the short forms write it
  for (; i < count; ++i) {
    const Token& token = tokens[i];
    if (token.kind == TokenKind::Own) {
      if (const ReadProblem p = countedNoun(token, Options::Unit::Own); p != ReadProblem::None)
        return p;
      continue;
    }
    if (token.kind != TokenKind::Word) {
      if (phase != Hundredths || group != 0 || hundredths)
        return fail(ReadProblem::OutOfOrder, token);
      hundredths = true;
      group = token.value;
      settled.minor =
          token.kind == TokenKind::Digits ? Options::Minor::Digits : Options::Minor::Fraction;
      if (token.kind == TokenKind::Fraction) phase = End;
      continue;
    }
    const Entry& entry = kDictionary.entries[token.entry];
    ReadProblem problem = ReadProblem::None;
    switch (entry.kind) {
      case Kind::Minus:
        if (i != 0) return fail(ReadProblem::OutOfOrder, token);
        negative = true;
        break;
      case Kind::Zero:
        if (phase == Decimals && group == 0 && place == 0) {
          if (decimalZeros == Number::kMostDecimals) return fail(ReadProblem::OutOfOrder, token);
          ++decimalZeros;
          break;
        }
        if (phase != Integer || numeral || zero) return fail(ReadProblem::OutOfOrder, token);
        zero = true;
        break;
      case Kind::Unit:
      case Kind::Teen:
      case Kind::Tens:
      case Kind::Hundreds:
        if (phase == AfterMajor || phase == End || settled.minor != Options::Minor::Words)
          return fail(ReadProblem::OutOfOrder, token);
        problem = numeralOf(token);
        if (phase == Hundredths && group > 99) return fail(ReadProblem::OutOfOrder, token);
        if (phase == Hundredths) hundredths = true;
        break;
      case Kind::Scale: {
        if (phase != Integer) return fail(ReadProblem::OutOfOrder, token);
        if (entry.value >= lastScale) return fail(ReadProblem::ScaleOrder, token);
        if (group == 0) {  // "hiljadu" alone is one thousand
          if (!entry.shortForm || zero) return fail(ReadProblem::OutOfOrder, token);
          group = 1;
          settled.forms = Options::Forms::Short;  // as the short forms write it
        }
        total += group * kScaleOf[entry.value];
        group = 0;
        place = 0;
        lastScale = entry.value;
        numeral = true;
        break;
      }
      case Kind::Point:
        if (phase != Integer || !(numeral || zero)) return fail(ReadProblem::OutOfOrder, token);
        total += group;
        group = 0;
        place = 0;
        zero = false;
        phase = Decimals;
        break;
      case Kind::Major:
        if (phase != Integer || !(numeral || zero)) return fail(ReadProblem::OutOfOrder, token);
        if (options.unit != Options::Unit::None) return fail(ReadProblem::OtherUnit, token);
        if (options.currency != Options::Currency::None &&
            static_cast<std::uint8_t>(options.currency) != entry.value) {
          return fail(ReadProblem::OtherCurrency, token);
        }
        settled.currency = static_cast<Options::Currency>(entry.value);
        total += group;
        group = 0;
        place = 0;
        zero = false;
        phase = AfterMajor;
        break;
      case Kind::And:
        if (phase != AfterMajor) return fail(ReadProblem::OutOfOrder, token);
        phase = Hundredths;
        break;
      case Kind::Minor:
        if (phase != Hundredths || !hundredths || settled.minor == Options::Minor::Fraction)
          return fail(ReadProblem::OutOfOrder, token);
        phase = End;
        break;
      case Kind::Counted:
        if (options.currency != Options::Currency::None)
          return fail(ReadProblem::OtherCurrency, token);
        if (options.unit != Options::Unit::None &&
            static_cast<std::uint8_t>(options.unit) != entry.value) {
          return fail(ReadProblem::OtherUnit, token);
        }
        problem = countedNoun(token, static_cast<Options::Unit>(entry.value));
        break;
      case Kind::HundredsNoun:
        return fail(ReadProblem::Hundreds, token);
    }
    if (problem != ReadProblem::None) return problem;
  }
  // The end of the words: the number must be whole.
  const Token& last = tokens[count - 1];
  switch (phase) {
    case Integer:
      if (!(numeral || zero)) return fail(ReadProblem::TooSoon, last);
      total += group;
      break;
    case Decimals:
      if (group == 0 && decimalZeros == 0) return fail(ReadProblem::TooSoon, last);
      takeDecimals();
      break;
    case Hundredths:
      if (!hundredths || settled.minor != Options::Minor::Fraction)
        return fail(ReadProblem::TooSoon, last);
      break;
    case AfterMajor:
    case End:
      break;
  }
  if (decimalCount > Number::kMostDecimals) return fail(ReadProblem::OutOfOrder, last);

  // The number, as the converter's reader would hold it: "minus nula" is no number below zero,
  // and the converter writes none.
  Number& number = reading.number;
  number = Number{};
  number.negative = negative && (total != 0 || group != 0 ||
                                 std::any_of(decimals.begin(), decimals.begin() + 3,
                                             [](char d) { return d > '0'; }));
  // Two digits at a time, and a last one alone.
  std::size_t at = Number::kMaxDigits;
  for (; total >= 10; total /= 100) {
    at -= 2;
    std::memcpy(&number.integer[at], &kTwoDigits[2 * static_cast<std::size_t>(total % 100)], 2);
  }
  if (total != 0) number.integer[--at] = static_cast<char>('0' + total);
  number.integerDigits = static_cast<std::uint8_t>(Number::kMaxDigits - at);
  if (settled.currency != Options::Currency::None) {
    const unsigned cents = phase == AfterMajor ? 0 : group;
    reading.hundredths = phase != AfterMajor;
    if (reading.hundredths) {
      number.decimals = {static_cast<char>('0' + cents / 10), static_cast<char>('0' + cents % 10)};
      number.decimalsTyped = 2;
    }
  } else {
    std::copy_n(decimals.begin(), 3, number.decimals.begin());
    number.decimalsTyped = static_cast<std::uint8_t>(decimalCount);
  }

  // Held against the words the converter writes, in each case in turn.
  std::size_t first = 0;
  for (const Options::Inflection inflection :
       {Options::Inflection::Nominative, Options::Inflection::Genitive,
        Options::Inflection::Accusative}) {
    settled.inflection = inflection;
    std::size_t mismatch = 0;
    if (matches(settled, mismatch)) {
      reading.written = settled;
      return ReadProblem::None;
    }
    if (inflection == Options::Inflection::Nominative) first = mismatch;
  }
  settled.inflection = Options::Inflection::Nominative;
  settled.script = cyrillic     ? Options::Script::Cyrillic
                   : diacritics ? Options::Script::Latin
                                : Options::Script::Ascii;
  reading.written = settled;
  const Token& wrong = tokens[std::min(first, count - 1)];
  return fail(ReadProblem::Disagrees, wrong);
}

/// The bytes of the printable UTF-8 character that `rest` begins with, or 0 for a byte that
/// begins none (a stray or overlong byte, a surrogate) and for a control character.
std::size_t Utf8Length(std::string_view rest) {
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(rest[i]); };
  const unsigned char lead = at(0);
  if (lead < 0x80) return lead >= 0x20 && lead != 0x7F ? 1 : 0;
  const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                            : 0;
  if (length == 0 || rest.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((at(i) & 0xC0) != 0x80) return 0;
  }
  const unsigned char second = at(1);
  if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
      (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90) ||
      (lead == 0xC2 && second < 0xA0)) {  // overlong, a surrogate, past U+10FFFF, a C1 control
    return 0;
  }
  return length;
}

}  // namespace

[[gnu::noinline]] ReadProblem ReadWords(std::string_view text, const Options& options,
                                        WordsReading& reading) {
  reading = WordsReading{};
  Reader reader(text, options, reading);
  ReadProblem problem = reader.normalize<false>();
  if (problem == ReadProblem::None) problem = reader.tokenize();
  if (problem == ReadProblem::None) problem = reader.read();
  if (problem != ReadProblem::None) reader.place();
  return problem;
}

std::size_t WriteReadDigits(const WordsReading& reading, Options::Decimal decimal, char* out) {
  const Number& number = reading.number;
  char* at = out;
  const std::string_view decimals = number.decimalDigits();
  if (number.negative) *at++ = '-';
  if (number.integerDigits == 0) {
    *at++ = '0';
  } else {
    const char* digits = number.integer.data() + Number::kMaxDigits - number.integerDigits;
    at = std::copy_n(digits, number.integerDigits, at);
  }
  if (!decimals.empty()) {
    *at++ = decimal == Options::Decimal::Point ? '.' : ',';
    at = std::copy(decimals.begin(), decimals.end(), at);
  }
  return static_cast<std::size_t>(at - out);
}

[[gnu::noinline]] std::size_t WriteReadProblem(std::string_view text, const WordsReading& reading,
                                               char* out, std::size_t room, bool serbian) {
  std::array<char, 256> message{};
  std::size_t size = 0;
  const auto put = [&](std::string_view part) {
    const std::size_t n = std::min(part.size(), message.size() - size);
    std::copy_n(part.begin(), n, message.begin() + static_cast<std::ptrdiff_t>(size));
    size += n;
  };
  // The words that the problem is about, as typed, cut short where they are long.
  std::string_view words =
      text.substr(std::min<std::size_t>(reading.at, text.size()), reading.size);
  if (words.size() > 60) {
    std::size_t cut = 57;
    while (cut > 0 && (static_cast<unsigned char>(words[cut]) & 0xC0) == 0x80)
      --cut;
    words = words.substr(0, cut);
  }
  // Quoted as UTF-8 that any reader can show: a byte that is not, or a control, is a "?".
  const auto quoted = [&](std::string_view part) {
    put("'");
    for (std::size_t i = 0; i < part.size();) {
      const std::size_t valid = Utf8Length(part.substr(i));
      put(valid == 0 ? "?" : part.substr(i, valid));
      i += valid == 0 ? 1 : valid;
    }
    put(reading.size > words.size() ? "...'" : "'");
  };
  // What is said of each problem, in English and in Serbian: before the words quoted, and after
  // them; a problem without words quoted says its first text alone.
  struct Said {
    std::string_view before{}, after{};
  };
  struct Sayings {
    Said english, serbian;
    bool quotes;
  };
  static constexpr Sayings kSaid[] = {
      {{}, {}, false},                               // None
      {{"no words to read"}, {"nema reči"}, false},  // NoWords
      {{"more words than any number's"}, {"više reči nego što ih ima ijedan broj"}, false},
      {{"", " is not a word of the numbers"}, {"", " nije reč kojom se pišu brojevi"}, true},
      {{"Latin and Cyrillic letters in one text"}, {"latinica i ćirilica u istom tekstu"}, false},
      {{"", " cannot stand there"}, {"", " ne može da stoji tu"}, true},  // OutOfOrder
      {{"",
        " is out of order: bilion, milijarda, milion and hiljada come once each, the largest "
        "first"},
       {"",
        " nije na svom mestu: bilion, milijarda, milion i hiljada dolaze po jednom, od "
        "najveće"},
       true},
      {{"", " is not a hundred: dve, tri, cetiri stotine; pet to devet stotina"},
       {"", " nije stotina: dve, tri, četiri stotine; pet do devet stotina"},
       true},
      {{"the words end too soon, after ", ""}, {"reči se završavaju prerano, posle ", ""}, true},
      {{"", " does not agree: "}, {"", " se ne slaže: "}, true},  // Disagrees, then the number
      {{"", " is not a noun of the currency asked for"},
       {"", " nije imenica tražene valute"},
       true},
      {{"", " is not a noun of the unit asked for"}, {"", " nije imenica tražene jedinice"}, true},
  };
  static_assert(std::size(kSaid) == static_cast<std::size_t>(ReadProblem::OtherUnit) + 1);
  const Sayings& sayings = kSaid[static_cast<std::size_t>(reading.problem)];
  const Said& said = serbian ? sayings.serbian : sayings.english;
  put(said.before);
  if (sayings.quotes) quoted(words);
  put(said.after);
  if (reading.problem == ReadProblem::Disagrees) {
    std::array<char, kMostReadDigits> digits{};
    put({digits.data(), WriteReadDigits(reading, Options::Decimal::Comma, digits.data())});
    WordsBuffer buffer;
    std::string_view written;
    if (SpellInto(reading.number, reading.written, buffer, written) == Verdict::Accepted) {
      put(serbian ? " se piše '" : " is written '");
      put(written);
      put("'");
    } else {
      put(serbian ? " se ne piše tako" : " is not written so");
    }
  }
  const std::size_t n = room == 0 ? 0 : std::min(size, room - 1);
  std::memcpy(out, message.data(), n);
  if (room != 0) out[n] = '\0';
  return n;
}

}  // namespace uslova
