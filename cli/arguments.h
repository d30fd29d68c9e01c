// arguments.h: the command line's arguments: options from the option tables, and numbers.
// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "csv.h"
#include "uslova/options.h"

namespace uslova::cli {

/// What the arguments of one run asked for.
struct Arguments {
  Options options;
  std::shared_ptr<OwnNoun> ownNoun;  ///< a --unit of one's own, which `options` points to
  bool csv = false;                  ///< --column: CSV on standard input, as `csvSettings` say
  bool dates = false;                ///< --date: each NUMBER and line of input is a date
  bool words = false;                ///< --read: each NUMBER and line is a number in words
  CsvSettings csvSettings;
  bool help = false;
  bool version = false;
  std::vector<std::size_t> numbers;  ///< positions in the arguments, from 0
  std::string problem;               ///< a usage error, or empty
  bool hint = false;                 ///< the problem is worth pointing to --help
};

/// Reads the arguments as getopt_long would: "--script=latin" or "--script latin", an option
/// abbreviated where that is unambiguous ("--sc latin"), "-h" and "-V", and "--" to end the
/// options. Only an argument that begins with "--", or with "-" and a letter, is an option;
/// every other one is a number ("-7", "-,5", "-+5", "- 5").
/// e.g. {"--spacing", "tidy", "-7"} gives tidy spacing and the number at position 2.
Arguments ReadArguments(std::span<const std::string_view> args);

/// The text of --help, its options listed from the option tables.
std::string HelpText();

}  // namespace uslova::cli
