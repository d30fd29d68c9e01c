// csv.h: uslova-cli's CSV mode: every row copied as it came, with the words of one column's
// cell in a new field right after it, streamed in bounded memory whatever the file's size.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "cli.h"
#include "encoding.h"
#include "uslova/options.h"

namespace uslova::cli {

/// A column to spell: an amount, or a date.
struct CsvColumnSettings {
  std::size_t number = 0;  ///< the column's 1-based number, or 0 when it is named
  std::string name;        ///< the column's name in the first row, which is then a header
  std::string shown;       ///< the name as messages show it, in UTF-8 as it was given
  bool date = false;       ///< its cells are dates, D.M.YYYY or YYYY-MM-DD
  bool words = false;      ///< its cells are amounts in words, held against the amounts' (--check)
};

/// Which columns to spell, and how the file is laid out.
struct CsvSettings {
  std::vector<CsvColumnSettings> columns;  ///< at least one, each a different column
  bool header = false;  ///< the first row is a header, whatever names the columns
  /// The case of the dates' words: the genitive of contracts, unless --inflection is given
  Options::Inflection dateInflection = Options::Inflection::Genitive;
  char delimiter = 0;  ///< ';', ',' or '\t'; 0: found in the first row, outside quotes
  /// --decimal was given; otherwise a ';' file reads ',' as its decimal separator, as the
  /// spreadsheets that write ';' do
  bool decimalGiven = false;
  /// Instead of the CSV, the byte offset of the input at which each row ends, one a line:
  /// where a file may be cut into pieces of whole rows, as this mode reads them
  bool rowEnds = false;
  /// --check: nothing is written; each row's words are read and held against its amount, and
  /// a row where they differ gets a message
  bool check = false;
  /// The file's encoding: the words are written in it, and the column's name matched in it
  Encoding encoding = Encoding::Utf8;
  /// --encoding was given; otherwise a file that is not UTF-8 cannot take words that need more
  /// than ASCII, and is refused before any of it is written
  bool encodingGiven = false;
};

/// Copies the CSV of `streams.in` to `streams.out`, adding after each column's field one that
/// holds its words in `options`, e.g. with column 2, "7;12,5\n" gives
/// "7;12,5;  dvanaest zapeta   pet\n"; a date column's words are the date's. Quoting is RFC 4180's:
/// a quoted field may hold the delimiter, doubled quotes and line breaks; every field, line ending
/// and a UTF-8 byte-order mark is written back byte for byte. A header row gets the column's name
/// and " slovima". A cell that cannot be spelled gets an empty field and a message naming its row,
/// and its column where there are several; an empty or blank cell an empty field alone; a row
/// without a column is kept as it is, with a message. A row ends at "\n", at "\r\n", and at a lone
/// "\r" where the first row ends with one, as spreadsheets write CSV for old Macs; elsewhere a lone
/// "\r" outside quotes is data. Returns the exit status: kUsageError when a named column is not in
/// the first row, or two of them are one column, kSomeRejected after any message.
int ConvertCsv(const CsvSettings& settings, const Options& options, const Streams& streams);

}  // namespace uslova::cli
