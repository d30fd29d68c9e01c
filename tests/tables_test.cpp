// tables_test.cpp: the option tables are the single source of every option's name and values.
// What is written by hand elsewhere (the C enums, the TypeScript types, the man page, the
// option lists of the bindings and the page's labels) must name every family and value, so
// that a new row missing anywhere fails here with the place named.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <string>

#include "uslova/options.h"

namespace uslova {
namespace {

std::string Source(std::string_view path) {
  std::ifstream file(std::string(USLOVA_SOURCE_DIR) + "/" + std::string(path));
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

TEST(Tables, EveryPlaceWrittenByHandNamesEveryOption) {
  const std::string header = Source("converter/include/uslova/uslova.h");
  const std::string types = Source("js/index.d.ts");
  const std::string manual = Source("packaging/uslova-cli.1");
  const std::string python = Source("python/uslova/_ctypes.py");
  const std::string stub = Source("python/uslova/__init__.pyi");
  const std::string page = Source("web/app.js");
  std::string names;  // the families in order, as each binding lists them
  for (const OptionFamily& family : kOptionFamilies) {
    SCOPED_TRACE(family.name);
    names.append(names.empty() ? "" : ", ").append("\"").append(family.name).append("\"");
    for (const Choice& choice : family.choices) {
      SCOPED_TRACE(choice.name);
      const std::string enumerator = "USLOVA_" + Upper(family.name) + "_" + Upper(choice.name);
      EXPECT_NE(header.find(enumerator + ",\n"), std::string::npos)
          << "uslova.h lacks " << enumerator;
      EXPECT_NE(page.find(std::string(choice.name) + ": \""), std::string::npos)
          << "web/app.js has no label for it";
    }
    EXPECT_NE(types.find(std::string(family.name) + "?: " + Joined(family, " | ", "\"") + ";"),
              std::string::npos)
        << "js/index.d.ts";
    EXPECT_NE(manual.find("\\-\\-" + std::string(family.name) + "= { " + Joined(family, " | ", "") +
                          " }"),
              std::string::npos)
        << "packaging/uslova-cli.1";
    EXPECT_NE(python.find(std::string(family.name) + " " + Joined(family, "|", "")),
              std::string::npos)
        << "the docstring of python/uslova/_ctypes.py";
    EXPECT_NE(stub.find("Literal[" + Joined(family, ", ", "\"") + "]"), std::string::npos)
        << "the types of python/uslova/__init__.pyi";
  }
  EXPECT_NE(Source("js/src/core.js").find("[" + names + "]"), std::string::npos) << "core.js";
  EXPECT_NE(Source("python/uslova/_common.py").find("(" + names + ")"), std::string::npos)
      << "python/uslova/_common.py";
  EXPECT_NE(Source("python/uslova/_uslova.c").find("{" + names + "}"), std::string::npos)
      << "python/uslova/_uslova.c";
  std::string php = names;
  std::replace(php.begin(), php.end(), '"', '\'');
  EXPECT_NE(Source("examples/php/uslova.php").find("[" + php + "]"), std::string::npos)
      << "examples/php/uslova.php";
}

}  // namespace
}  // namespace uslova
