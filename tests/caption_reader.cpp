// caption_reader.cpp: a reader of Serbian number words, written apart from the converter so that
// a round trip catches wrong words, wrong forms and dropped groups.
// SPDX-License-Identifier: MIT
#include "caption_reader.h"

#include <map>
#include <sstream>

namespace uslova::testing {
namespace {

enum Form { kOne = 1, kFew = 2, kMany = 4 };  // of a noun after a count: 1; 2 to 4; 0, 5 to 20
enum Kind { kNumber, kMasculine, kFeminine, kHundreds, kScale };
struct Word {
  Kind kind;
  std::int64_t value;
  int forms = 0;  // the counts a noun may follow
  bool feminine = false;
};

const std::map<std::string_view, Word> kWords{
    {"jedan", {kMasculine, 1}},
    {"jedna", {kFeminine, 1}},
    {"dva", {kMasculine, 2}},
    {"dve", {kFeminine, 2}},
    {"tri", {kNumber, 3}},
    {"cetiri", {kNumber, 4}},
    {"pet", {kNumber, 5}},
    {"sest", {kNumber, 6}},
    {"sedam", {kNumber, 7}},
    {"osam", {kNumber, 8}},
    {"devet", {kNumber, 9}},
    {"deset", {kNumber, 10}},
    {"jedanaest", {kNumber, 11}},
    {"dvanaest", {kNumber, 12}},
    {"trinaest", {kNumber, 13}},
    {"cetrnaest", {kNumber, 14}},
    {"petnaest", {kNumber, 15}},
    {"sesnaest", {kNumber, 16}},
    {"sedamnaest", {kNumber, 17}},
    {"osamnaest", {kNumber, 18}},
    {"devetnaest", {kNumber, 19}},
    {"dvadeset", {kNumber, 20}},
    {"trideset", {kNumber, 30}},
    {"cetrdeset", {kNumber, 40}},
    {"pedeset", {kNumber, 50}},
    {"sezdeset", {kNumber, 60}},
    {"sedamdeset", {kNumber, 70}},
    {"osamdeset", {kNumber, 80}},
    {"devedeset", {kNumber, 90}},
    {"stotinu", {kNumber, 100}},
    {"stotine", {kHundreds, 100, kFew, true}},
    {"stotina", {kHundreds, 100, kMany, true}},
    {"hiljada", {kScale, 1'000, kOne | kMany, true}},
    {"hiljade", {kScale, 1'000, kFew, true}},
    {"milion", {kScale, 1'000'000, kOne}},
    {"miliona", {kScale, 1'000'000, kFew | kMany}},
    {"milijarda", {kScale, 1'000'000'000, kOne, true}},
    {"milijarde", {kScale, 1'000'000'000, kFew, true}},
    {"milijardi", {kScale, 1'000'000'000, kMany, true}},
    {"bilion", {kScale, 1'000'000'000'000, kOne}},
    {"biliona", {kScale, 1'000'000'000'000, kFew | kMany}}};

int FormAfter(std::int64_t count) {
  if (count % 100 / 10 == 1) return kMany;
  if (count % 10 == 1) return kOne;
  return count % 10 >= 2 && count % 10 <= 4 ? kFew : kMany;
}

}  // namespace

std::string ReadCaption(std::string_view caption, SpelledNumber& number) {
  number = {};
  std::istringstream words{std::string(caption)};
  std::string word;
  std::int64_t group = 0, lowestScale = 1'000'000'000'000'000;
  Kind gender = kNumber;  // of the last numeral
  for (bool first = true; words >> word; first = false) {
    if (first && word == "minus") {
      number.negative = true;
      continue;
    }
    if (word == "zapeta" && !number.hasDecimal) {
      number.integer += group;
      number.hasDecimal = true;
      group = 0;
      continue;
    }
    const auto found = kWords.find(word);
    if (found == kWords.end()) return "unknown word '" + word + "'";
    const Word& w = found->second;
    if (w.kind == kHundreds || w.kind == kScale) {
      const bool numeralAgrees =
          gender == kNumber || gender == (w.feminine ? kFeminine : kMasculine);
      if (group == 0 || (w.forms & FormAfter(group)) == 0 || !numeralAgrees) {
        return "'" + word + "' does not agree with " + std::to_string(group);
      }
      if (w.kind == kHundreds && group > 9) return "'" + word + "' after " + std::to_string(group);
      if (w.kind == kScale && w.value >= lowestScale) return "'" + word + "' out of order";
      if (w.kind == kScale) lowestScale = w.value;
      number.integer += w.kind == kScale ? group * w.value : 0;
      group = w.kind == kScale ? 0 : group * 100;
      gender = kNumber;
    } else {
      group += w.value;
      gender = w.kind;
    }
  }
  if (gender == kFeminine) return "a feminine numeral without its noun";
  if (number.hasDecimal) {
    number.decimal = static_cast<int>(group);
  } else {
    number.integer += group;
  }
  return {};
}

}  // namespace uslova::testing
