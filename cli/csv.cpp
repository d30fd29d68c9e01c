// csv.cpp: the CSV mode: a byte-at-a-time reader of RFC 4180 rows that copies what it reads
// and adds the words of one column after it, in runs between the bytes that matter.
// SPDX-License-Identifier: MIT
#include "csv.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

#include "chunks.h"
#include "date_text.h"
#include "refusal.h"
#include "uslova/converter.h"
#include "uslova/dates.h"
#include "uslova/words_reader.h"

namespace uslova::cli {
namespace {

constexpr std::string_view kName = "uslova-cli";
constexpr std::size_t kFlushAt = 1 << 16;  // whole rows are written once this is held
constexpr std::size_t kLongRow = 1 << 20;  // a longer row is written as it goes
constexpr std::size_t kLongestHeaderName = 1 << 12;

std::string Counted(std::size_t n) {
  std::array<char, 24> digits;
  return {digits.data(), std::to_chars(digits.begin(), digits.end(), n).ptr};
}

/// The first row, held until its delimiter is known, and the delimiters counted in it outside
/// quotes. A quote opens a field where a field can start: at the row's start or after any of
/// ";", "," and a tab, as the rows are read once the delimiter is known. The first ";" settles
/// it, and so does the row's end; a first row longer than kLongestFirstRow without a ";" is
/// settled by what it has shown by then, so that memory stays bounded.
class FirstRow {
 public:
  static constexpr std::size_t kLongestFirstRow = 1 << 24;

  /// Holds `bytes`; true once the delimiter is known.
  bool feed(std::string_view bytes) {
    const std::size_t from = held_.size();
    held_.append(bytes);
    for (std::size_t i = from; i < held_.size(); ++i) {
      const char ch = held_[i];
      if (state_ == State::Quoted) {
        if (ch == '"') state_ = State::QuoteInQuoted;
        continue;
      }
      if (ch == '"' && state_ != State::Unquoted) {  // opens, or is doubled within quotes
        state_ = State::Quoted;
        continue;
      }
      if (ch == '\n' || ch == '\r') return true;
      const std::size_t which = std::string_view(";\t,").find(ch);
      if (which != std::string_view::npos) ++counts_[which];
      if (which == 0) return true;  // ";" wins whatever follows
      state_ = which != std::string_view::npos ? State::FieldStart : State::Unquoted;
    }
    return held_.size() >= kLongestFirstRow;
  }
  /// ";" if the row has one, else a tab if it has one, else ",".
  char delimiter() const { return counts_[0] != 0 ? ';' : counts_[1] != 0 ? '\t' : ','; }
  /// The bytes held, which are no longer.
  std::string take() { return std::move(held_); }

 private:
  std::string held_;
  enum class State : std::uint8_t { FieldStart, Unquoted, Quoted, QuoteInQuoted };
  State state_ = State::FieldStart;
  std::array<std::size_t, 3> counts_{};  // ";", tabs and "," outside quotes
};

class CsvColumn {
  /// A column to spell, and its field's number: 0 while its name is looked for in the header.
  struct Column {
    std::size_t field;
    const CsvColumnSettings* settings;
  };

 public:
  CsvColumn(const CsvSettings& settings, const Options& options, const Streams& streams)
      : settings_(settings),
        options_(options),  // a copy: the delimiter may yet choose the decimal separator
        streams_(streams),
        headerRow_(settings.header),
        reader_(options.decimal, options.currency) {
    for (const CsvColumnSettings& column : settings.columns) {
      targets_.push_back({column.number, &column});
      named_ += column.number == 0;
      headerRow_ = headerRow_ || column.number == 0;
    }
    SortTargets();
    if (settings.delimiter != 0) setDelimiter(settings.delimiter);
    startField();
  }

  /// The bytes of a UTF-8 byte-order mark, kept at the start of the output.
  void mark(std::string_view bytes) {
    out_.append(bytes);
    read_ += bytes.size();
  }

  /// The next bytes of the input; false once nothing more is to be read. The input's bytes
  /// are copied to the output in runs, broken only where a field of ours goes in.
  bool feed(std::string_view bytes) {
    if (delimiter_ == 0) {  // the first row is held until it ends, and its delimiter is known
      if (!firstRow_.feed(bytes)) return ok_;
      setDelimiter(firstRow_.delimiter());
      const std::string held = firstRow_.take();
      return feed(held);
    }
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    const char* copied = p;  // the input before it is in out_
    const auto copy = [&](const char* upTo) {
      out_.append(copied, upTo);
      copied = upTo;
    };
    const auto at = [&] { return read_ + static_cast<std::size_t>(p - bytes.data()); };
    while (p != end && status_ != kUsageError) {
      switch (state_) {
        case State::Return:  // a "\r" outside quotes ends the row if "\n" follows
          if (*p == '\n') {
            copied = ++p;
            endRow("\r\n", at());
          } else if (row_ == 1 || returnEndsRows_) {  // the first row set how rows end
            returnEndsRows_ = true;
            endRow("\r", at());
          } else {
            out_ += '\r';  // a lone "\r" is data
            cell("\r");
            state_ = State::Unquoted;
          }
          continue;
        case State::FieldStart:
          if (*p == '"') {
            ++p;
            state_ = State::Quoted;
            continue;
          }
          state_ = State::Unquoted;
          [[fallthrough]];
        case State::Unquoted: {
          const char* run = p;
          p = fieldEnd(p, end);
          cell({run, static_cast<std::size_t>(p - run)});
          if (p == end) break;
          if (*p == '\n' || *p == '\r') {
            copy(p);  // the row's words go before its line ending
            copied = p + 1;
            if (*p++ == '\r') {
              state_ = State::Return;
            } else {
              endRow("\n", at());
            }
          } else {
            if (inColumn_) copy(p);  // its words go before the delimiter
            ++p;
            endField();
          }
          continue;
        }
        case State::Quoted: {
          const auto* quote =
              static_cast<const char*>(std::memchr(p, '"', static_cast<std::size_t>(end - p)));
          const char* runEnd = quote == nullptr ? end : quote;
          cell({p, static_cast<std::size_t>(runEnd - p)});
          p = runEnd;
          if (p == end) break;
          ++p;
          state_ = State::QuoteInQuoted;
          continue;
        }
        case State::QuoteInQuoted:
          if (*p == '"') {  // a doubled quote: one quote of the field's text
            ++p;
            cell("\"");
            state_ = State::Quoted;
          } else {
            state_ = State::Unquoted;  // the quotes are closed; what follows is read as it is
          }
          continue;
      }
    }
    if (status_ == kUsageError) return false;
    copy(end);
    pieceDone();  // the chunk's bytes are read again
    read_ += bytes.size();
    // A long row goes out as it grows; a header row only once it has shown the named column,
    // as a usage error writes nothing. Row ends need none of the row's bytes.
    if (settings_.rowEnds) {
      out_.resize(rowStart_);
    } else if (out_.size() >= kLongRow && !(headerRow_ && named_ != 0)) {
      writeOut(out_.size());
    }
    return ok_;
  }

  /// Writes the rows read so far, and returns once they are out; false when the output failed.
  bool flush() {
    writeOut(rowStart_);
    if (ok_) ok_ = streams_.out.drain();
    return ok_;
  }

  /// Holds what it would write until finish(), as checkUtf8 asks.
  void hold() { holding_ = true; }

  /// The input is not UTF-8, and the words need more than ASCII: a usage error, after which
  /// nothing more is read, and nothing written if nothing was.
  bool notUtf8() {
    message(
        "the input is not UTF-8: give its encoding with --encoding=windows-1250 (or "
        "windows-1251), or write the words with --script=ascii");
    status_ = kUsageError;
    return false;
  }

  /// The input has ended, or `problem` stopped it: the last row, and the exit status.
  int finish(std::string_view problem) {
    holding_ = false;
    if (delimiter_ == 0) {  // the input ended within its first row
      setDelimiter(firstRow_.delimiter());
      feed(firstRow_.take());
    }
    if (problem == kUtf16Problem) {
      out_.clear();  // not even the UTF-8 mark before it: nothing of the input was read
      message(problem);
    } else if (!problem.empty()) {
      message("row " + Counted(row_) + ": " + std::string(problem));
    } else if (status_ != kUsageError && state_ == State::Quoted && settings_.rowEnds) {
      endRow("", read_);  // the rest of the input is one row
    } else if (status_ != kUsageError && (state_ == State::Quoted)) {
      // Whatever follows the quote is written as it came: no byte of the input is lost.
      message("row " + Counted(row_) + ": a quoted field does not close before the input ends;" +
              " the rest of the input is written unchanged");
    } else if (status_ != kUsageError && (state_ != State::FieldStart || field_ > 1)) {
      endRow(state_ == State::Return ? "\r" : "", read_);  // a last row without a line ending
    }
    if (status_ == kUsageError) {  // nothing of the file is written
      writeMessages();
      return status_;
    }
    writeOut(out_.size());
    if (ok_) ok_ = streams_.out.drain();
    writeMessages();
    if (!ok_) {
      err_.append(kName).append(": the output could not be written\n");
      writeMessages();
      return kSomeRejected;
    }
    return status_;
  }

 private:
  enum class State : std::uint8_t { FieldStart, Unquoted, Quoted, QuoteInQuoted, Return };

  /// The byte ends an unquoted field: a line ending or the delimiter.
  bool ends(char ch) const { return ends_[static_cast<unsigned char>(ch)]; }
  /// The first byte from `p` on that ends an unquoted field, or `end`; eight bytes at a time,
  /// as fields are read far more than they are spelled.
  const char* fieldEnd(const char* p, const char* end) const {
    if (std::endian::native == std::endian::little) {
      constexpr std::uint64_t kOnes = 0x0101010101010101, kHighs = 0x8080808080808080;
      const auto zeroBytes = [](std::uint64_t v) { return (v - kOnes) & ~v & kHighs; };
      const std::uint64_t delimiters = kOnes * static_cast<unsigned char>(delimiter_);
      for (; end - p >= 8; p += 8) {
        std::uint64_t bytes;
        std::memcpy(&bytes, p, sizeof bytes);
        // The lowest flagged byte is exact: a false flag can only follow a true one.
        const std::uint64_t found = zeroBytes(bytes ^ delimiters) |
                                    zeroBytes(bytes ^ (kOnes * '\n')) |
                                    zeroBytes(bytes ^ (kOnes * '\r'));
        if (found != 0) return p + std::countr_zero(found) / 8;
      }
    }
    while (p != end && !ends(*p))
      ++p;
    return p;
  }

  void setDelimiter(char delimiter) {
    delimiter_ = delimiter;
    // Spreadsheets write ';' exactly where ',' is the decimal separator: 15.000 is a thousand.
    if (delimiter == ';' && !settings_.decimalGiven) options_.decimal = Options::Decimal::Comma;
    reader_ = AmountReader(options_.decimal, options_.currency);  // nothing read yet
    ends_.fill(false);
    ends_['\n'] = ends_['\r'] = ends_[static_cast<unsigned char>(delimiter)] = true;
  }

  /// The text of the current field, without its quotes: for the column, read as a number.
  void cell(std::string_view text) {
    if (!inColumn_ || text.empty()) return;
    if (!headerRow_ && current_->settings->words) {
      wordsText_.feed(text);
      blank_ = blank_ && text.find_first_not_of(" \t") == std::string_view::npos;
      return;
    }
    if (!headerRow_ && current_->settings->date) {
      date_.feed(text);
      blank_ = blank_ && text.find_first_not_of(" \t") == std::string_view::npos;
      return;
    }
    if (!headerRow_) {
      blank_ = blank_ && text.find_first_not_of(" \t") == std::string_view::npos;
      // A cell's first piece waits, and is read whole if the cell ends with it, as most do.
      if (!fed_ && first_.data() == nullptr) {
        first_ = text;
        return;
      }
      pieceDone();
      if (!reader_.failed()) reader_.feed(text);
      return;
    }
    if (headerName_.size() < kLongestHeaderName) {
      headerName_.append(text.substr(0, kLongestHeaderName - headerName_.size()));
    }
    headerLength_ += text.size();
  }

  /// The piece of the cell that waits will not stay where it is: it is read now.
  void pieceDone() {
    if (first_.data() == nullptr) return;
    reader_.feed(first_);
    first_ = {};
    fed_ = true;
  }

  void startField() {
    // The columns come in the order of their fields, but in a header that names them.
    current_ = next_ < targets_.size() && targets_[next_].field == field_ ? &targets_[next_]
               : headerRow_                                               ? TargetOf(field_)
                                                                          : nullptr;
    inColumn_ = current_ != nullptr || (headerRow_ && named_ != 0);
    if (!inColumn_) return;
    if (current_ != nullptr && !headerRow_ && current_->settings->date) date_.clear();
    if (current_ != nullptr && !headerRow_ && current_->settings->words) wordsText_.clear();
    if (!headerRow_ && fed_) reader_.restart();
    first_ = {};
    fed_ = false;
    blank_ = true;
    headerName_.clear();
    headerLength_ = 0;
  }

  /// The field ends at the delimiter, which stays in the input still to be copied.
  void endField() {
    closeField();
    ++field_;
    state_ = State::FieldStart;
    startField();
  }

  /// After a column's field: its words, or in a header row its name and " slovima".
  void closeField() {
    if (headerRow_ && named_ != 0) nameField();
    if (current_ == nullptr) return;
    if (next_ < targets_.size() && current_ == &targets_[next_]) ++next_;
    if (settings_.check) return headerRow_ || settings_.rowEnds ? void() : holdForCheck();
    out_ += delimiter_;
    if (headerRow_) {
      const std::string& name = current_->settings->name;
      appendField((name.empty() ? headerName_ : name) + " slovima");
      return;
    }
    if (blank_ || settings_.rowEnds) return;  // an empty cell: an empty field, nothing to say
    if (current_->settings->date) return writeDate();
    Number number;
    Verdict verdict = readAmount(number);
    std::string_view words;
    if (verdict == Verdict::Accepted) verdict = SpellInto(number, options_, words_, words);
    if (verdict == Verdict::Accepted) {
      // Letters, blanks, digits and "/": never a quote or a delimiter, in any encoding.
      AppendEncoded(out_, words, settings_.encoding);
    } else {
      std::string why = "row " + Counted(row_) + column() + ": ";
      AppendRefusal(why, first_, !fed_, verdict, options_);
      message(why);
    }
  }

  /// The amount of the column's cell.
  Verdict readAmount(Number& number) {
    return fed_ ? reader_.finish(number)
                : ReadNumber(first_, number, options_.decimal, options_.currency);
  }

  /// With --check: the cell just read, the amount or its words, is held until the row ends.
  void holdForCheck() {
    Check& check = checks_[current_->settings->words ? 1 : 0];
    check.seen = true;
    check.blank = blank_;
    if (blank_) return;
    if (!current_->settings->words) {
      check.verdict = readAmount(check.number);
      if (check.verdict != Verdict::Accepted) {
        std::string why = "row " + Counted(row_) + ": ";
        AppendRefusal(why, first_, !fed_, check.verdict, options_);
        message(why);
      }
      return;
    }
    wordsUtf8_.clear();
    if (wordsText_.tooLong()) {
      check.problem = ReadProblem::TooLong;
    } else {
      AppendDecoded(wordsUtf8_, wordsText_.text(), settings_.encoding);
      check.problem = ReadWords(wordsUtf8_, options_, check.reading);
    }
    check.reading.problem = check.problem;
    if (check.problem != ReadProblem::None) {
      std::array<char, 256> why;
      const std::size_t size = WriteReadProblem(wordsUtf8_, check.reading, why.data(), why.size());
      message("row " + Counted(row_) + ": the words do not read: " + std::string(why.data(), size));
    }
  }

  /// With --check, at the end of a row: whether its words say its amount.
  void checkRow() {
    const Check& amount = checks_[0];
    const Check& words = checks_[1];
    if (!amount.seen || !words.seen || (amount.blank && words.blank)) return;  // said, or empty
    if (amount.blank != words.blank) {
      message("row " + Counted(row_) +
              (amount.blank ? ": words without an amount" : ": an amount without words"));
      return;
    }
    if (amount.verdict != Verdict::Accepted || words.problem != ReadProblem::None) return;
    if (SameAmount(amount.number, words.reading.number)) return;
    WordsReading typed;
    typed.number = amount.number;
    std::array<char, kMostReadDigits> said, is;
    const std::size_t saidSize = WriteReadDigits(words.reading, options_.decimal, said.data());
    const std::size_t isSize = WriteReadDigits(typed, options_.decimal, is.data());
    message("row " + Counted(row_) + ": the words say " + std::string(said.data(), saidSize) +
            ", the amount is " + std::string(is.data(), isSize));
  }

  /// Whether two numbers are one amount: 1,50 is 1,5, and 7,00 is 7.
  static bool SameAmount(const Number& a, const Number& b) {
    const auto decimals = [](const Number& n) {
      std::string_view d = n.decimalDigits();
      while (!d.empty() && d.back() == '0')
        d.remove_suffix(1);
      return d;
    };
    return a.negative == b.negative && a.integer == b.integer && decimals(a) == decimals(b);
  }

  /// The row ends with `ending`, at the input's byte `at`.
  void endRow(std::string_view ending, std::size_t at) {
    closeField();
    if (settings_.check && !headerRow_) checkRow();
    checks_ = {};
    if (headerRow_) {
      for (const Column& target : targets_) {
        if (target.field != 0) continue;
        message("no column named '" + target.settings->shown + "' in the first row");
        status_ = kUsageError;
        return;
      }
      named_ = 0;
      SortTargets();
    }
    if (settings_.rowEnds) {
      out_.resize(rowStart_);
      out_.append(Counted(at)) += '\n';
    } else if (targets_.back().field > field_) {  // the first column the row does not reach
      current_ = &*std::find_if(targets_.begin(), targets_.end(),
                                [&](const Column& target) { return target.field > field_; });
      message("row " + Counted(row_) + column() + ": the row has no column " +
              Counted(current_->field));
    }
    next_ = 0;
    if (!settings_.rowEnds) out_.append(ending);
    ++row_;
    headerRow_ = false;
    field_ = 1;
    state_ = State::FieldStart;
    startField();
    rowStart_ = out_.size();
    if (streams_.terminal) {
      flush();
    } else if (out_.size() >= kFlushAt) {
      writeOut(rowStart_);  // handed on; the output need not be out yet
    }
  }

  /// The columns in the order of their fields.
  void SortTargets() {
    std::stable_sort(targets_.begin(), targets_.end(),
                     [](const Column& a, const Column& b) { return a.field < b.field; });
  }

  /// The column whose field is `field` in the header, or none.
  const Column* TargetOf(std::size_t field) const {
    for (const Column& target : targets_) {
      if (target.field == field) return &target;
    }
    return nullptr;
  }

  /// In the header: the field names the first column of that name not yet found, which two
  /// columns cannot be.
  void nameField() {
    for (Column& target : targets_) {
      const std::string& name = target.settings->name;
      if (target.field != 0 || name.empty() || headerLength_ != name.size() ||
          headerName_ != name) {
        continue;
      }
      if (current_ != nullptr) {
        message("column " + Counted(field_) + " is given twice, as '" + target.settings->shown +
                "' and as " +
                (current_->settings->shown.empty() ? Counted(field_)
                                                   : "'" + current_->settings->shown + "'") +
                ": each column is spelled once");
        status_ = kUsageError;
        return;
      }
      target.field = field_;
      --named_;
      current_ = &target;
      return;
    }
  }

  /// ", column NAME" for a message on the current column where there are several, or nothing.
  std::string column() const {
    if (targets_.size() < 2 || current_ == nullptr) return {};
    const std::string& name = current_->settings->shown;
    return ", column " + (name.empty() ? Counted(current_->field) : "'" + name + "'");
  }

  /// A date cell's words, or an empty field and a message.
  void writeDate() {
    Date date;
    if (ReadDate(date_.text(), date)) {
      AppendEncoded(out_,
                    DateWords(date, options_.script, options_.letterCase, settings_.dateInflection,
                              dateWords_),
                    settings_.encoding);
    } else {
      message("row " + Counted(row_) + column() + ": " +
              std::string(PromptOf(Verdict::NotADate, options_.script)));
    }
  }

  /// Appends a field of ours, quoted only when it must be.
  void appendField(std::string_view text) {
    if (text.find_first_of(std::string{delimiter_, '"', '\r', '\n'}) == std::string_view::npos) {
      out_.append(text);
      return;
    }
    out_ += '"';
    for (char ch : text) {
      if (ch == '"') out_ += '"';
      out_ += ch;
    }
    out_ += '"';
  }

  void message(std::string_view text) {
    err_.append(kName).append(": ").append(text).push_back('\n');
    if (status_ == kAllAccepted) status_ = kSomeRejected;
  }

  /// Writes the first `count` bytes held, and the messages that belong with them; nothing while
  /// the input is held to be checked.
  void writeOut(std::size_t count) {
    if (settings_.check) {  // nothing but messages
      out_.erase(0, std::min(count, out_.size()));
      rowStart_ = rowStart_ >= count ? rowStart_ - count : kWritten;
      return writeMessages();
    }
    if (holding_ && out_.size() < kMostHeld) return;
    holding_ = false;  // held too much: written as it goes, and refused later if need be
    count = std::min(count, out_.size());
    if (count != 0 && ok_) ok_ = streams_.out.write(std::string_view(out_).substr(0, count));
    out_.erase(0, count);
    rowStart_ = rowStart_ >= count ? rowStart_ - count : kWritten;
    writeMessages();
  }
  void writeMessages() {
    if (err_.empty()) return;
    if (ok_) ok_ = streams_.out.drain();  // after the rows they follow, where both go to one file
    streams_.err.write(err_);
    err_.clear();
  }

  static constexpr std::size_t kWritten = static_cast<std::size_t>(-1);  // the row went out
  static constexpr std::size_t kMostHeld = 1 << 24;

  const CsvSettings& settings_;
  Options options_;
  const Streams& streams_;
  char delimiter_ = 0;  // 0 while the first row is held to find it
  FirstRow firstRow_;
  std::array<bool, 256> ends_{};
  std::vector<Column> targets_;      // by field once the header is read, else as given
  std::size_t next_ = 0;             // the next of them in the current row
  const Column* current_ = nullptr;  // the current field's, or none
  std::size_t named_ = 0;            // columns whose names the header is yet to show
  bool headerRow_;                   // the row being read is the header
  DateText date_;                    // a date cell's text
  WordsText wordsText_;              // with --check, a cell of words
  std::string wordsUtf8_;            // the same in UTF-8
  /// With --check, what the row's amount ([0]) and words ([1]) cells held.
  struct Check {
    bool seen = false, blank = true;
    Verdict verdict = Verdict::Accepted;
    Number number;
    ReadProblem problem = ReadProblem::None;
    WordsReading reading;
  };
  std::array<Check, 2> checks_{};
  State state_ = State::FieldStart;
  bool returnEndsRows_ = false;  // the first row ended at a lone "\r", and so does every row
  std::size_t read_ = 0;         // bytes of the input before those being read
  std::size_t row_ = 1, field_ = 1;
  bool inColumn_ = false;  // the field is the column's, or a header field to compare
  bool blank_ = true;      // the column's cell so far is empty or blanks only
  AmountReader reader_;
  std::string_view first_;        // the cell's first piece, not yet fed to reader_
  bool fed_ = false;              // reader_ has bytes of the cell
  std::string headerName_;        // the header field's text, up to kLongestHeaderName
  std::size_t headerLength_ = 0;  // its length in all
  std::string out_, err_;         // what is held for the output, and for standard error
  std::size_t rowStart_ = 0;      // where the current row begins in out_, or kWritten
  bool ok_ = true;                // every write so far succeeded
  // The input is not known to be UTF-8 yet, and words with more than ASCII would go in it:
  // nothing is written before its end, or before kMostHeld bytes are held.
  bool holding_ = false;
  int status_ = kAllAccepted;
  WordsBuffer words_;
  DateBuffer dateWords_;
};

}  // namespace

int ConvertCsv(const CsvSettings& settings, const Options& options, const Streams& streams) {
  CsvColumn csv(settings, options, streams);
  // Words beyond ASCII go into a file only in its own encoding: a file not said to be another
  // one must be UTF-8, and is checked as it is read.
  const bool checked = !settings.encodingGiven && options.script != Options::Script::Ascii;
  Utf8Check utf8;
  if (checked) csv.hold();
  std::string problem = ReadChunks(
      streams.in,
      [&](std::string_view bytes) {
        return checked && !utf8.feed(bytes) ? csv.notUtf8() : csv.feed(bytes);
      },
      [&](std::string_view mark) { csv.mark(mark); }, [&] { return csv.flush(); });
  if (checked && problem.empty() && !utf8.complete()) csv.notUtf8();
  return csv.finish(problem);
}

}  // namespace uslova::cli
