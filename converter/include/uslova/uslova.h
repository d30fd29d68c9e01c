/* uslova.h: the converter for C and every language that can call C: Python, PHP, C#.
 * SPDX-License-Identifier: MIT
 *
 * Plain C99, usable from C++ too. No global state: every function may be called from any
 * thread, and nothing is allocated on the caller's behalf. Texts are UTF-8.
 *
 *   char words[USLOVA_WORDS_SIZE];
 *   size_t length;
 *   if (uslova_spell("2545743675434", 13, NULL, words, sizeof words, &length) == USLOVA_ACCEPTED)
 *     puts(words);  // "  dva biliona pet stotina ... trideset cetiri"
 */
#ifndef USLOVA_USLOVA_H
#define USLOVA_USLOVA_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/** A buffer of this many bytes holds the words of any number in any style, and their NUL. */
#define USLOVA_WORDS_SIZE 1024

/** A buffer of this many bytes holds any text that uslova_float_text writes, and its NUL, as
 * uslova_limit("float_text") says. Since 1.5. */
#define USLOVA_FLOAT_TEXT_SIZE 24

/** What became of a text: accepted, one code for each rejection, or a fault of the call. */
typedef enum uslova_verdict {
  USLOVA_ACCEPTED = 0,          /**< spelled: the buffer holds the words */
  USLOVA_NOT_A_NUMBER = 1,      /**< the text does not read as a number */
  USLOVA_TOO_LARGE = 2,         /**< the integer part is 10^15 or more */
  USLOVA_UNSUPPORTED = 3,       /**< a number that cannot be spelled as written: 1,5e3, 1.2.3 */
  USLOVA_TOO_MANY_DECIMALS = 4, /**< an amount with more than two decimal digits */
  /** a number with more than three decimal digits in a style other than the window's exact
   * text, which would drop them */
  USLOVA_MORE_THAN_THREE_DECIMALS = 5,
  /** a binary float whose shortest digits are more than 15 significant ones, from
   * uslova_float_text alone: round it, or pass the number as text. Since 1.3. */
  USLOVA_INEXACT = 6,
  /** a count with decimals, of a unit counted in whole numbers: "1,5" days. Since 1.4, and only
   * with a unit, which older programs cannot set. */
  USLOVA_NOT_WHOLE = 7,
  /** from uslova_spell_date alone: not a date of the calendar written as 9.12.2026 or
   * 2026-12-09. Since 1.4. */
  USLOVA_NOT_A_DATE = 8,
  /** from uslova_refusal alone: an amount marked with another currency's code or sign
   * ("15.000,00 EUR" in dinars), which uslova_spell refuses as USLOVA_NOT_A_NUMBER. Since 1.5. */
  USLOVA_OTHER_CURRENCY = 9,
  USLOVA_BUFFER_TOO_SMALL = 100, /**< nothing written: the words need more room, see *length */
  USLOVA_BAD_OPTIONS = 101       /**< an option out of range, or a size the library does not know */
} uslova_verdict;

/** How the words are written; the values of each option in the order uslova-cli lists them. */
typedef enum {
  USLOVA_SCRIPT_ASCII,
  USLOVA_SCRIPT_LATIN,
  USLOVA_SCRIPT_CYRILLIC,
} uslova_script;
/** Spacing and minor may be left unset, as uslova_options_init leaves them: an unset spacing is
 * the window's exact text, or tidy for an amount; an explicit exact spacing with a currency or
 * with short forms, and a minor style without a currency, are USLOVA_BAD_OPTIONS. */
typedef enum {
  USLOVA_SPACING_UNSET = -1,
  USLOVA_SPACING_EXACT,
  USLOVA_SPACING_TIDY,
  USLOVA_SPACING_JOINED,
} uslova_spacing;
typedef enum {
  USLOVA_CASE_LOWER,
  USLOVA_CASE_FIRST,
  USLOVA_CASE_UPPER,
} uslova_case;
typedef enum {
  USLOVA_CURRENCY_NONE,
  USLOVA_CURRENCY_RSD,
  USLOVA_CURRENCY_EUR,
  USLOVA_CURRENCY_USD,
} uslova_currency;
typedef enum {
  USLOVA_MINOR_UNSET = -1,
  USLOVA_MINOR_WORDS,
  USLOVA_MINOR_DIGITS,
  USLOVA_MINOR_FRACTION,
} uslova_minor;
typedef enum {
  USLOVA_FORMS_LONG,
  USLOVA_FORMS_SHORT,
} uslova_forms;
typedef enum {
  USLOVA_DECIMAL_AUTO,
  USLOVA_DECIMAL_COMMA,
  USLOVA_DECIMAL_POINT,
} uslova_decimal;

/** A count's noun: none, a unit as uslova_option_values("unit") lists them, in that order
 * from 1, or a noun of one's own, which uslova_option_set writes into `unit_noun`. Since 1.4. */
typedef enum {
  USLOVA_UNIT_NONE,
  USLOVA_UNIT_DAN,
  USLOVA_UNIT_NEDELJA,
  USLOVA_UNIT_MESEC,
  USLOVA_UNIT_GODINA,
  USLOVA_UNIT_SAT,
  USLOVA_UNIT_MINUT,
  USLOVA_UNIT_KOMAD,
  USLOVA_UNIT_PROCENAT,
  USLOVA_UNIT_ODSTO,
  USLOVA_UNIT_OWN = 255,
} uslova_unit;

/** The case that a numeral ending in one takes with the word it counts: "jedne hiljade
 * dinara", "jednu hiljadu dinara". Not with the window's exact text. Unset, as
 * uslova_options_init leaves it: the nominative for a number, the genitive for a date. Since
 * 1.5. */
typedef enum {
  USLOVA_INFLECTION_UNSET = -1,
  USLOVA_INFLECTION_NOMINATIVE,
  USLOVA_INFLECTION_GENITIVE,
  USLOVA_INFLECTION_ACCUSATIVE,
} uslova_inflection;

/** Whether an amount's or a count's noun is written, or its numerals alone, agreeing with it:
 * "u roku od 21 (dvadeset jednog) dana". Without the noun, an amount's hundredths are left out
 * too. Since 1.5. */
typedef enum {
  USLOVA_NOUN_WRITTEN,
  USLOVA_NOUN_NONE,
} uslova_noun;

/** The options of a conversion. Fill it with uslova_options_init, which passes the size of the
 * struct as this header has it, so that a program keeps its release's behaviour with every
 * later library: the library writes and reads a struct only at a size that a release has
 * shipped (1.0's, which ended before `decimal`, 1.1's, which ended after it, 1.4's, which
 * ended after `unit_noun`, and this one), and never past it; any other
 * size is USLOVA_BAD_OPTIONS. A program that sets options only by name need not know the
 * struct at all: see uslova_options_size. */
typedef struct uslova_options {
  size_t size;     /**< the size of the struct, as the caller knows it */
  int script;      /**< uslova_script */
  int spacing;     /**< uslova_spacing; unset: exact, or tidy for an amount */
  int letter_case; /**< uslova_case */
  int currency;    /**< uslova_currency */
  int minor;       /**< uslova_minor: the hundredths of an amount; only with a currency */
  int forms;       /**< uslova_forms */
  int decimal;     /**< uslova_decimal: which of "." and "," is the decimal separator; since 1.1 */
  int unit;        /**< uslova_unit: the number is a count of this noun; since 1.4 */
  /** With USLOVA_UNIT_OWN, the noun as uslova_option_set was given it, NUL-terminated, e.g.
   * "stan,stana,stanova:m": its forms after one, after two to four and after five, and its
   * gender, :m or :ž. Since 1.4. */
  char unit_noun[192];
  int inflection; /**< uslova_inflection; since 1.5 */
  int noun;       /**< uslova_noun: with a currency or a unit; since 1.5 */
} uslova_options;

/** Sets the first `size` bytes of `options` to the defaults, which give the window's exact
 * text: spacing and minor unset, the first value of every other option, and no currency; and
 * sets `size`. A size that no release has shipped is written to `size` alone (when it has room
 * for it), so that every later call refuses the struct. Since 1.2; call it through
 * uslova_options_init. */
void uslova_options_init_size(uslova_options* options, size_t size);

/** Sets `options` to the defaults, e.g.
 * uslova_options o; uslova_options_init(&o); o.currency = USLOVA_CURRENCY_RSD;
 * Programs built against the headers of 1.0 and 1.1 call a function of this name, which fills
 * 1.0's struct. */
#define uslova_options_init(options) uslova_options_init_size((options), sizeof *(options))

/** The size of the largest options struct this library knows. A program that allocates this
 * many bytes (aligned as a size_t), fills them with uslova_options_init_size and sets options
 * only with uslova_option_set needs no copy of the struct's layout. Since 1.2. */
size_t uslova_options_size(void);

/** The name of the option `index`, counted from 0 in the order uslova-cli lists them, e.g.
 * "script" for 0; NULL past the last. With uslova_option_values, all a front needs to offer
 * every option without a list of its own. Since 1.2. */
const char* uslova_option_name(size_t index);

/** USLOVA_WORDS_SIZE, for a program that cannot read the header's macros. Since 1.2. */
size_t uslova_words_size(void);

/** A limit of what is spelled, by name: "integer_digits" (15: an integer part below 10^15),
 * "decimals" (3: the decimal digits spelled) and "amount_decimals" (2: an amount's
 * hundredths), and "prepared_options" (1024: the option sets a binding keeps prepared, a bound
 * for callers that make up options without end; since 1.4.1), "float_digits" (15: the
 * significant digits of a binary float that are its own) and "float_text" (24: the bytes that
 * uslova_float_text writes at most; both since 1.5), "read_text" (USLOVA_READ_SIZE, the room
 * of uslova_read's text; since 1.5); -1 for an unknown name. Since 1.2. */
int uslova_limit(const char* name);

/** The name of the limit `index`, counted from 0, as uslova_limit takes it: "integer_digits"
 * for 0; NULL past the last. Since 1.5. */
const char* uslova_limit_name(size_t index);

/** Sets the option `name` to `value`, both as uslova-cli names them, e.g.
 * uslova_option_set(&o, "script", "cyrillic"), uslova_option_set(&o, "unit", "mesec"), or a
 * noun of one's own: uslova_option_set(&o, "unit", "stan,stana,stanova:m"). Returns 0; -1 for an
 * unknown name, or one that the struct, at the size it was filled at, does not have; -2 for an
 * unknown value or a malformed noun (uslova_noun_problem says why); -3, writing nothing, when
 * `options` is NULL or has a size that no release has shipped. */
int uslova_option_set(uslova_options* options, const char* name, const char* value);

/** NULL when `noun` reads as a noun of one's own for the option "unit", or else why not, in
 * the words of uslova-cli's usage errors. Since 1.4. */
const char* uslova_noun_problem(const char* noun);

/** Why the option `name` cannot be set to `value`, in uslova-cli's words, written into `buffer`
 * (`size` bytes) with a NUL after it, cut short where it does not fit: "unknown option 'colour'
 * (choose script, spacing, ...)", or "invalid value 'klingon' for script (choose ascii, latin,
 * cyrillic)", with a malformed noun's reason after ": " for a unit. `value` is the value as a
 * message shows it (a binding passes a description of a value that is no text). Returns the
 * length of the whole text, without the NUL; 0, writing nothing, when uslova_option_set takes
 * them. Since 1.5. */
size_t uslova_option_problem(const char* name, const char* value, char* buffer, size_t size);

/** The values of the option `name`, as uslova-cli lists them, e.g. "ascii, latin, cyrillic"
 * for "script"; NULL for an unknown name. */
const char* uslova_option_values(const char* name);

/** How a form offers the option `name` to its readers, in Serbian, in Latin with diacritics
 * (UTF-8): with `value` NULL, the option itself ("Pismo" for "script"); with `value` "", leaving
 * it unset, for an option whose unset differs from each of its values ("bez valute" for
 * "currency"; NULL for one that has no such choice); else the value ("ćirilica" for "cyrillic",
 * "dinar (RSD)" for "RSD", "dan" for "dan"). NULL for an unknown name or value. Since 1.5. */
const char* uslova_option_label(const char* name, const char* value);

/** The name of the index-th option of the group `group`, counted from 0; NULL past the last
 * and for an unknown group. "date": those that a date takes, as uslova_date_option_name;
 * "read": those that reading takes, as uslova_read_option_name; "counted": those whose value
 * names what the number counts, a currency or a unit ("currency", "unit"); "own_noun": those that
 * also take a noun of one's own ("unit"); "amount": those that make the number an amount, with
 * hundredths ("currency"). Since 1.5. */
const char* uslova_option_group(const char* group, size_t index);

/** NULL when `options` can be used, or else why not, in the words of uslova-cli's usage errors,
 * e.g. "--minor needs --currency". For USLOVA_BAD_OPTIONS, which uslova_spell gives then. */
const char* uslova_options_problem(const uslova_options* options);

/** Writes the words of `text` (`text_length` bytes) into `buffer` (`size` bytes), with a NUL
 * after them, as `options` say (NULL: the window's exact text), and returns the verdict.
 * `*length` gets the length of the words without the NUL; when the buffer is too small the
 * result is USLOVA_BUFFER_TOO_SMALL, `*length` is still the length of the words, and nothing
 * is written. On a rejection nothing is written either.
 * e.g. uslova_spell("-1234,5", 7, NULL, words, sizeof words, &length) writes
 * "minus jedna hiljada dve stotine trideset cetiri zapeta   pet" and sets length to 60. */
uslova_verdict uslova_spell(const char* text, size_t text_length, const uslova_options* options,
                            char* buffer, size_t size, size_t* length);

/** For a binding whose numbers may be binary floats: writes into `buffer` (`size` bytes,
 * uslova_limit("float_text") always enough) the text that uslova_spell with `options` reads as the
 * float whose shortest round-trip digits are `shown` (`shown_length` bytes), as its language writes
 * them: Python's repr, JavaScript's String(), PHP's var_export with serialize_precision -1
 * ("1234.56", "1e-07", "1.5E+25", "-0.0", "nan", "-Infinity"). "1234.56" gives "1234.56", or
 * "1234,56" when `options` choose the decimal comma. Those digits are the number's only when they
 * are at most 15 significant ones, as a double holds 15 exactly: more (0.1 + 0.2 shows as
 * 0.30000000000000004) give USLOVA_INEXACT, whose prompt says to round the number or pass it
 * as text. A NaN is USLOVA_NOT_A_NUMBER, an infinity and 1e15 or more USLOVA_TOO_LARGE.
 * `*length` and the buffer are as for uslova_spell. Since 1.3. */
uslova_verdict uslova_float_text(const char* shown, size_t shown_length,
                                 const uslova_options* options, char* buffer, size_t size,
                                 size_t* length);

/** Writes the words of the date `text` (`text_length` bytes), "9.12.2026", "09.12.2026.",
 * "9. 12. 2026." (since 1.5) or "2026-12-09", for years 1 to 9999, as contracts write it, in the
 * genitive, one blank apart: "devetog decembra dve hiljade dvadeset seste godine". Only the
 * options that uslova_date_option_name names apply (NULL: the defaults): the script, the case,
 * and since 1.5 the inflection, whose nominative writes the day and the month as headings do,
 * "deveti decembar dve hiljade dvadeset seste godine". Any other option set is
 * USLOVA_BAD_OPTIONS. A text that is not a date of the calendar is USLOVA_NOT_A_DATE. `*length`
 * and the buffer are as for uslova_spell. Since 1.4. */
uslova_verdict uslova_spell_date(const char* text, size_t text_length,
                                 const uslova_options* options, char* buffer, size_t size,
                                 size_t* length);

/** The name of the option `index` that a date takes, counted from 0, as uslova_option_name
 * names it: "script", "case", "inflection"; NULL past the last. Since 1.5. */
const char* uslova_date_option_name(size_t index);

/** The Serbian prompt for a rejection, as the window's message box shows it, e.g.
 * "Nemoguce prevesti u slova, jer ulazni parametar nije broj!" for USLOVA_NOT_A_NUMBER; ""
 * for USLOVA_ACCEPTED and the faults of a call. The title of the box is "Greska". */
const char* uslova_prompt(uslova_verdict verdict);

/** The prompt for a rejection in the script that `options` choose (NULL, or options without
 * a script the library knows: ASCII, as uslova_prompt), e.g. "Nemoguće prevesti u slova, jer
 * ulazni parametar nije broj!" in Latin and "Немогуће превести у слова, јер ..." in Cyrillic.
 * Since 1.5. */
const char* uslova_prompt_in(uslova_verdict verdict, const uslova_options* options);

/** The room that uslova_read's text always fits in, its NUL included. Since 1.5. */
#define USLOVA_READ_SIZE 256

/** Reads `words` (`length` bytes), a number in words, back to its digits, as uslova-cli --read:
 * any script, letter case and blanks, words joined too, the short forms and the cases, and an
 * amount's hundredths in words, digits or as a fraction. Writes into `buffer` (`size` bytes,
 * USLOVA_READ_SIZE always enough), with a NUL after, the number: a minus, no grouping, the
 * decimals after a comma, or a point when `options` set "decimal" to "point", an amount's
 * hundredths as two digits ("pet dinara i pet para" is "5,05"); or, when the words are not a
 * number's as the library writes them, why not, in English ("'dva' does not agree: 2000 is
 * written 'dve hiljade'"), cut short where it does not fit. `options` (NULL for none) narrow
 * what is read: a currency refuses another's nouns, a unit of counts any other noun.
 * Only the options that uslova_read_option_name names may be set; a unit may be a noun of
 * one's own. Returns USLOVA_ACCEPTED when read, USLOVA_NOT_A_NUMBER when not, and
 * USLOVA_BAD_OPTIONS for options that cannot be read or any other option set, with the reason
 * in uslova-cli's words ("--read goes with --decimal, --currency and --unit alone"). Since 1.5. */
uslova_verdict uslova_read(const char* words, size_t length, const uslova_options* options,
                           char* buffer, size_t size);

/** uslova_read, with the reason for words that do not read in Serbian, in Latin letters, for
 * readers who are told nothing in English: "'dva' se ne slaže: 2000 se piše 'dve hiljade'".
 * Since 1.5. */
uslova_verdict uslova_read_in_serbian(const char* words, size_t length,
                                      const uslova_options* options, char* buffer, size_t size);

/** The name of the index-th option that uslova_read takes ("decimal", "currency", "unit"), or
 * NULL past the last. Since 1.5. */
const char* uslova_read_option_name(size_t index);

/** The verdict to show for `text` (`text_length` bytes), which uslova_spell with `options`
 * refused with `verdict`: USLOVA_OTHER_CURRENCY for an amount that another currency's code or
 * sign marks, as "15.000,00 EUR" in dinars; else `verdict`. For the path of a refusal: it reads
 * the text again. Since 1.5. */
uslova_verdict uslova_refusal(const char* text, size_t text_length, const uslova_options* options,
                              uslova_verdict verdict);

/** The Serbian, for readers, of `problem`: a text that uslova_options_problem or
 * uslova_noun_problem gave, which names uslova-cli's options. It names none, and is in the
 * script that `options` choose, as uslova_prompt_in; NULL for any other text. e.g. "Pare i
 * centi se biraju samo uz valutu." for "--minor needs --currency". Since 1.5. */
const char* uslova_problem_in_serbian(const char* problem, const uslova_options* options);

/** A short name for a verdict, for programs and logs: "accepted", "not_a_number", "too_large",
 * "unsupported", "too_many_decimals", "more_than_three_decimals", "inexact",
 * "not_whole", "not_a_date", "other_currency", "buffer_too_small", "bad_options". */
const char* uslova_verdict_name(uslova_verdict verdict);

/** The library's version, e.g. "1.5.0". */
const char* uslova_version(void);

#ifdef __cplusplus
}
#endif

#endif /* USLOVA_USLOVA_H */
