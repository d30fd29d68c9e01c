// caption_reader.cpp: a reader of Serbian number words, written apart from the converter so that
// a round trip catches wrong words, wrong forms and dropped groups.
#include "caption_reader.h"

#include <map>
#include <vector>

namespace uslova::testing {
namespace {

enum class Gender { None, Masculine, Feminine };

struct Numeral {
  int value;
  Gender gender;
};

const std::map<std::string_view, Numeral> kUnits{
    {"jedan", {1, Gender::Masculine}}, {"jedna", {1, Gender::Feminine}},
    {"dva", {2, Gender::Masculine}},   {"dve", {2, Gender::Feminine}},
    {"tri", {3, Gender::None}},        {"cetiri", {4, Gender::None}},
    {"pet", {5, Gender::None}},        {"sest", {6, Gender::None}},
    {"sedam", {7, Gender::None}},      {"osam", {8, Gender::None}},
    {"devet", {9, Gender::None}}};
const std::map<std::string_view, int> kTeens{
    {"deset", 10},    {"jedanaest", 11}, {"dvanaest", 12},   {"trinaest", 13},  {"cetrnaest", 14},
    {"petnaest", 15}, {"sesnaest", 16},  {"sedamnaest", 17}, {"osamnaest", 18}, {"devetnaest", 19}};
const std::map<std::string_view, int> kTens{{"dvadeset", 20},  {"trideset", 30}, {"cetrdeset", 40},
                                            {"pedeset", 50},   {"sezdeset", 60}, {"sedamdeset", 70},
                                            {"osamdeset", 80}, {"devedeset", 90}};

/// A scale word: its power of a thousand and the forms of the count it stands after.
enum Forms { kOne = 1, kFew = 2, kMany = 4 };
struct ScaleWord {
  int power;
  int forms;
  bool feminine;
};
const std::map<std::string_view, ScaleWord> kScaleWords{
    {"hiljada", {1, kOne | kMany, true}}, {"hiljade", {1, kFew, true}},
    {"milion", {2, kOne, false}},         {"miliona", {2, kFew | kMany, false}},
    {"milijarda", {3, kOne, true}},       {"milijarde", {3, kFew, true}},
    {"milijardi", {3, kMany, true}},      {"bilion", {4, kOne, false}},
    {"biliona", {4, kFew | kMany, false}}};

/// The form a scale noun takes after `count`.
Forms FormFor(int count) {
  const int lastTwo = count % 100;
  if (lastTwo >= 10 && lastTwo <= 19) return kMany;
  if (count % 10 == 1) return kOne;
  if (count % 10 >= 2 && count % 10 <= 4) return kFew;
  return kMany;
}

class Reader {
 public:
  explicit Reader(std::string_view caption) {
    while (!caption.empty()) {
      const std::size_t blank = caption.find(' ');
      if (blank != 0) words_.push_back(caption.substr(0, blank));
      if (blank == std::string_view::npos) break;
      caption.remove_prefix(blank + 1);
    }
  }

  bool take(std::string_view word) {
    if (at_ >= words_.size() || words_[at_] != word) return false;
    ++at_;
    return true;
  }
  std::string_view peek(std::size_t ahead = 0) const {
    return at_ + ahead < words_.size() ? words_[at_ + ahead] : std::string_view{};
  }
  bool done() const { return at_ == words_.size(); }

  /// Reads a count of 1 to 999; 0 when no count word stands here. `gender` is that of its last
  /// numeral when that is one or two.
  int count(Gender& gender) {
    int value = 0;
    gender = Gender::None;
    if (take("stotinu")) {
      value = 100;
    } else if (auto unit = kUnits.find(peek()); unit != kUnits.end() && unit->second.value >= 2) {
      const bool few = unit->second.value <= 4;
      if (peek(1) == (few ? "stotine" : "stotina") && unit->first != "dva") {
        value = unit->second.value * 100;
        at_ += 2;
      }
    }
    if (auto teen = kTeens.find(peek()); teen != kTeens.end()) {
      ++at_;
      return value + teen->second;
    }
    if (auto tens = kTens.find(peek()); tens != kTens.end()) {
      ++at_;
      value += tens->second;
    }
    if (auto unit = kUnits.find(peek()); unit != kUnits.end()) {
      ++at_;
      value += unit->second.value;
      gender = unit->second.gender;
    }
    return value;
  }

 private:
  std::vector<std::string_view> words_;
  std::size_t at_ = 0;
};

}  // namespace

std::string ReadCaption(std::string_view caption, SpelledNumber& number) {
  Reader r(caption);
  number = {};
  number.negative = r.take("minus");
  int lowestPower = 5;  // the groups come highest first
  while (!r.done() && r.peek() != "zapeta") {
    Gender gender;
    const int count = r.count(gender);
    const auto scale = kScaleWords.find(r.peek());
    const int power = scale == kScaleWords.end() ? 0 : scale->second.power;
    if (count == 0) return "no count before '" + std::string(r.peek()) + "'";
    if (power >= lowestPower) return "group out of order at '" + std::string(r.peek()) + "'";
    const bool feminine = scale != kScaleWords.end() && scale->second.feminine;
    if (gender != Gender::None && gender != (feminine ? Gender::Feminine : Gender::Masculine)) {
      return "wrong gender of the numeral before power " + std::to_string(power);
    }
    if (scale != kScaleWords.end()) {
      if ((scale->second.forms & FormFor(count)) == 0) {
        return "wrong form '" + std::string(r.peek()) + "' after " + std::to_string(count);
      }
      r.take(scale->first);
    }
    std::int64_t multiplier = 1;
    for (int p = 0; p < power; ++p)
      multiplier *= 1000;
    number.integer += count * multiplier;
    lowestPower = power;
  }
  if (r.take("zapeta")) {
    Gender gender;
    number.hasDecimal = true;
    number.decimal = r.count(gender);
    if (gender == Gender::Feminine) return "feminine numeral in the decimal part";
  }
  if (!r.done()) return "unexpected word '" + std::string(r.peek()) + "'";
  return {};
}

}  // namespace uslova::testing
