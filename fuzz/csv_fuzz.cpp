// csv_fuzz.cpp: uslova-cli --column on any bytes, read in chunks of random sizes: with the field
// it adds taken out again, the output is the input byte for byte. The field is found by a
// reader of its own here, written from the rules the CSV mode promises: the delimiter of the
// first row, quotes that open a field, CRLF and LF as row endings, and a lone CR one too where
// the first row ends with it, and data elsewhere.
// SPDX-License-Identifier: MIT
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "cli.h"

namespace {

void Check(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "check failed: %s\n", what);
  std::abort();
}

class ChunkedInput : public uslova::cli::Input {
 public:
  ChunkedInput(std::string_view text, unsigned seed) : text_(text), seed_(seed) {}
  std::ptrdiff_t read(char* buffer, std::size_t size, std::string&) override {
    seed_ = seed_ * 1103515245u + 12345u;
    const std::size_t n = std::min({size, std::size_t{1} + (seed_ >> 16) % 9, text_.size()});
    std::memcpy(buffer, text_.data(), n);
    text_.remove_prefix(n);
    return static_cast<std::ptrdiff_t>(n);
  }
  bool ready() override { return true; }

 private:
  std::string_view text_;
  unsigned seed_;
};

class StringOutput : public uslova::cli::Output {
 public:
  bool write(std::string_view bytes) override {
    text.append(bytes);
    return true;
  }
  std::string text;
};

enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };

/// The delimiter of the first row: counted outside quotes, ";" if there is one, else a tab,
/// else ",". A quote opens a field at the row's start or after any of the three.
char FirstRowDelimiter(std::string_view text) {
  State state = State::FieldStart;
  std::array<int, 3> counts{};  // ";", tab, ","
  for (const char ch : text) {
    if (state == State::Quoted) {
      if (ch == '"') state = State::QuoteInQuoted;
    } else if (ch == '"' && state != State::Unquoted) {
      state = State::Quoted;
    } else if (ch == '\n' || ch == '\r') {
      break;
    } else {
      const std::size_t which = std::string_view(";\t,").find(ch);
      if (which != std::string_view::npos) ++counts[which];
      state = which != std::string_view::npos ? State::FieldStart : State::Unquoted;
    }
  }
  return counts[0] != 0 ? ';' : counts[1] != 0 ? '\t' : ',';
}

/// The first row's field `column` and the field added after it, as written.
struct Header {
  std::string_view field, added;
  bool found = false;
};

/// `text` without field `column` + 1 of each row that has one, and the delimiter before it.
std::string WithoutField(std::string_view text, char delimiter, std::size_t column,
                         Header& header) {
  std::string kept;
  std::vector<std::size_t> starts{0};  // where each field of the current row begins
  std::size_t rowStart = 0;
  State state = State::FieldStart;
  bool returnEndsRows = false, rowEnded = false;
  const auto endRow = [&](std::size_t end) {  // the row's fields end at `end`
    std::size_t from = rowStart, to = end;
    if (starts.size() > column) {  // the added field, with the delimiter before it
      from = starts[column] - 1;
      to = starts.size() > column + 1 ? starts[column + 1] - 1 : end;
      kept.append(text.substr(rowStart, from - rowStart));
      if (rowStart == 0) {
        header = {text.substr(starts[column - 1], from - starts[column - 1]),
                  text.substr(from + 1, to - from - 1), true};
      }
      from = to;
    }
    kept.append(text.substr(from, end - from));
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    if (state == State::Quoted) {
      if (ch == '"') state = State::QuoteInQuoted;
      continue;
    }
    if (ch == '"' && state != State::Unquoted) {  // opens, or is doubled within quotes
      state = State::Quoted;
      continue;
    }
    const bool crlf = ch == '\r' && (i + 1 == text.size() || text[i + 1] == '\n');
    returnEndsRows = returnEndsRows || (ch == '\r' && !crlf && !rowEnded);
    if (ch == '\n' || crlf || (ch == '\r' && returnEndsRows)) {
      rowEnded = true;
      endRow(i);
      const std::size_t ending = crlf && i + 1 < text.size() ? 2 : 1;
      kept.append(text.substr(i, ending));
      i += ending - 1;
      rowStart = i + 1;
      starts.assign(1, rowStart);
      state = State::FieldStart;
    } else if (ch == delimiter) {
      starts.push_back(i + 1);
      state = State::FieldStart;
    } else {
      state = State::Unquoted;
    }
  }
  if (rowStart < text.size()) endRow(text.size());
  return kept;
}

/// A field's text as the CSV mode reads it: without its quotes, doubled quotes single.
std::string Unquoted(std::string_view field) {
  if (!field.starts_with('"')) return std::string(field);
  std::string text;
  std::size_t i = 1;
  for (; i < field.size(); ++i) {
    if (field[i] == '"' && (i + 1 == field.size() || field[i + 1] != '"')) break;
    if (field[i] == '"') ++i;
    text += field[i];
  }
  return text.append(field.substr(std::min(i + 1, field.size())));  // what follows, as it is
}

/// `text` as a field of ours: quoted only when it holds a quote, the delimiter, CR or LF.
std::string Quoted(std::string_view text, char delimiter) {
  if (text.find_first_of(std::string{'"', delimiter, '\r', '\n'}) == std::string_view::npos) {
    return std::string(text);
  }
  std::string quoted = "\"";
  for (char ch : text)
    quoted.append(ch == '"' ? 2 : 1, ch);
  return quoted + '"';
}

/// Whether `text` is UTF-8: each character in its shortest form, no surrogate, at most
/// U+10FFFF.
bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if ((lead >= 0x80 && lead < 0xC2) || lead > 0xF4 || i + length > text.size()) return false;
    char32_t character = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      character = (character << 6) | (next & 0x3F);
    }
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (character < least[length] || (character >= 0xD800 && character <= 0xDFFF) ||
        character > 0x10FFFF) {
      return false;
    }
    i += length;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const unsigned seed = data[0];
  const std::size_t column = 1 + (data[1] & 3);
  std::string_view input(reinterpret_cast<const char*>(data) + 2, size - 2);
  const std::string columnArgument = "--column=" + std::to_string(column);
  std::vector<std::string_view> args{columnArgument};
  // A second column after the first, of amounts or of dates, given before it or after it.
  const std::size_t second = seed & 0x80 ? column + 1 + ((seed >> 5) & 3) : 0;
  const std::string secondArgument =
      (seed & 0x10 ? "--date-column=" : "--column=") + std::to_string(second);
  if (second != 0) args.insert(seed & 8 ? args.begin() : args.end(), secondArgument);
  const std::array<std::string_view, 4> delimiters{"", "--delimiter=;", "--delimiter=,",
                                                   "--delimiter=tab"};
  const std::string_view given = delimiters[(data[1] >> 2) & 3];
  if (!given.empty()) args.push_back(given);
  if (data[1] & 16) args.push_back("--header");
  if (data[1] & 32) args.push_back("--currency=RSD");
  // Words with diacritics: in the file's own Windows-1250, or in a file that must be UTF-8.
  if (data[1] & 64) args.push_back("--script=latin");
  if (data[1] & 128) args.push_back("--encoding=windows-1250");

  ChunkedInput in(input, seed);
  StringOutput out, err;
  const int status = uslova::cli::Run(args, {in, out, err});

  // A UTF-8 byte-order mark is kept, and is not part of the first field.
  constexpr std::string_view kMark = "\xef\xbb\xbf";
  std::string_view text = input, written = out.text;
  if (text.starts_with(kMark)) text.remove_prefix(kMark.size());
  if (text.starts_with("\xff\xfe") || text.starts_with("\xfe\xff")) {  // UTF-16 is refused
    Check(out.text.empty() && status == uslova::cli::kSomeRejected, "UTF-16 refused");
    return 0;
  }
  if ((data[1] & 192) == 64 && !IsUtf8(input)) {
    Check(status == uslova::cli::kUsageError && out.text.empty(), "not UTF-8: nothing written");
    return 0;
  }
  Check(status != uslova::cli::kUsageError, "no usage error");
  if (input.starts_with(kMark)) {
    Check(written.starts_with(kMark), "the byte-order mark kept");
    written.remove_prefix(kMark.size());
  }
  const char delimiter = given.empty()         ? FirstRowDelimiter(text)
                         : given.back() == 'b' ? '\t'
                                               : given.back();
  Header header, secondHeader;
  // The second column's field goes after it, one further on for the first one's.
  const std::string withoutSecond =
      second == 0 ? std::string(written)
                  : WithoutField(written, delimiter, second + 1, secondHeader);
  Check(WithoutField(withoutSecond, delimiter, column, header) == text, "the input, byte for byte");
  if (header.found && (data[1] & 16)) {  // --header: the column's name and " slovima"
    Check(header.added == Quoted(Unquoted(header.field) + " slovima", delimiter),
          "the header field quoted exactly when it must be");
  }
  return 0;
}
