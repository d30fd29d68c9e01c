// tables_test.cpp: the option tables are the single source of every option's name and values.
// The C header's enumerators, which C programs set by value, are written by hand and must name
// every value; the man page's option lines and the Python type stub are written by the build
// from the tables, and are checked here as built. (The npm package's types are checked by its
// own tests.)
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <string>

#include "uslova/option_names.h"

namespace uslova {
namespace {

std::string Read(const std::string& path) {
  std::ifstream file(path);
  EXPECT_TRUE(file) << path;
  return {std::istreambuf_iterator<char>(file), {}};
}

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& ch : upper)
    ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return upper;
}

/// The family's values joined: "ascii" + between + "latin" + ...
std::string Joined(const OptionFamily& family, std::string_view between, std::string_view quote) {
  std::string joined;
  for (const Choice& choice : family.choices) {
    if (!joined.empty()) joined += between;
    joined.append(quote).append(choice.name).append(quote);
  }
  return joined;
}

TEST(Tables, TheCHeaderNamesEveryValue) {
  const std::string header = Read(USLOVA_SOURCE_DIR "/converter/include/uslova/uslova.h");
  for (const OptionFamily& family : kOptionFamilies) {
    for (const Choice& choice : family.choices) {
      const std::string enumerator = "USLOVA_" + Upper(family.name) + "_" + Upper(choice.name);
      EXPECT_NE(header.find(enumerator + ",\n"), std::string::npos)
          << "uslova.h lacks " << enumerator;
    }
  }
}

TEST(Tables, WhatTheBuildWritesListsEveryValue) {
  const std::string manual = Read(USLOVA_BINARY_DIR "/packaging/uslova-cli.1");
  const std::string stubPath = USLOVA_STUB;  // empty in a build without the Python package
  const std::string stub = stubPath.empty() ? "" : Read(stubPath);
  for (const OptionFamily& family : kOptionFamilies) {
    SCOPED_TRACE(family.name);
    EXPECT_NE(manual.find("\\-\\-" + std::string(family.name) + "= { " + Joined(family, " | ", "") +
                          " }\n"),
              std::string::npos);
    std::string type = Upper(family.name.substr(0, 1)) + std::string(family.name.substr(1));
    // A unit may also be a noun of one's own, any text.
    const std::string literal = "Literal[" + Joined(family, ", ", "\"") + "]";
    const std::string typed = family.ownNoun ? "Union[" + literal + ", str]" : literal;
    EXPECT_TRUE(stubPath.empty() || stub.find(type + " = " + typed + "\n") != std::string::npos);
  }
}

// The man page lists every unit of counts with the forms of its row, as the converter has them.
TEST(Tables, TheManualListsEveryUnit) {
  const std::string manual = Read(USLOVA_BINARY_DIR "/packaging/uslova-cli.1");
  for (const CountedUnit& unit : kCountedUnits) {
    const Noun& noun = unit.noun;
    const std::string entry = ".B " + std::string(unit.name) + "\n" + std::string(noun.one) +
                              (noun.one == noun.many && noun.few == noun.many
                                   ? ","
                                   : ", " + std::string(noun.few) + ", " + std::string(noun.many) +
                                         (noun.feminine ? " (feminine)" : "") + "\n");
    EXPECT_NE(manual.find(entry), std::string::npos) << entry;
  }
}

}  // namespace
}  // namespace uslova
