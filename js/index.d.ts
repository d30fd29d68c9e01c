// index.d.ts: the types of the uslova package.
// SPDX-License-Identifier: MIT

/** How the words are written; the names and values are those of uslova-cli (its --help says
 * what each does), written here from the converter's tables by the build. Spacing unset is
 * exact, or tidy for an amount or a count; minor goes only with a currency. A unit makes the
 * number a count of that noun ("dvadeset jedna godina"), or of a noun of one's own given as its
 * three forms and gender: "stan,stana,stanova:m". */
export interface Options {
  // @OPTIONS@
}

/**
 * The words of `number`, by default exactly as the uslova window writes them.
 * `number` is a string as typed ("1.234,56", "22 000", "2.500,00 RSD" with a currency), a
 * bigint, or a number, read as the digits that String() shows for it: 1234.56 is spelled, but
 * 0.1 + 0.2, shown as 0.30000000000000004, has more than 15 significant digits and throws
 * RejectedError ("inexact"): round it, or pass a string. Any other type throws a TypeError.
 * An unknown option name
 * throws a TypeError, a bad value a RangeError naming the choices, and a combination that
 * uslova-cli refuses (an explicit exact spacing with a currency or with short forms, a minor
 * style without a currency) a TypeError with its reason; either has as its `prompt` the
 * converter's Serbian for readers, which names no option, or null. A text too long for the converter's
 * memory throws a RangeError. A number that cannot be spelled throws RejectedError.
 * @example spell("1.234,56", { currency: "RSD", spacing: "tidy" })
 * // "jedna hiljada dve stotine trideset cetiri dinara i pedeset sest para"
 */
export function spell(number: string | bigint | number, options?: Options): string;

/**
 * The words of each number in order, in one crossing into the WebAssembly for each few
 * thousand; null for a number that cannot be spelled, and for a missing one (null or
 * undefined, as JSON from an API has them), so that the array keeps its places. A value of
 * another type, or bad options, throw as for spell; a string, or anything that is not
 * iterable, is a TypeError: its characters are not the numbers meant.
 * @example spellMany(["7", "abc", null], { spacing: "tidy" }) // ["sedam", null, null]
 */
export function spellMany(
  numbers: Iterable<string | bigint | number | null | undefined>,
  options?: Options,
): (string | null)[];

/**
 * A date in words as contracts write it, in the genitive, one blank apart: "9.12.2026" gives
 * "devetog decembra dve hiljade dvadeset seste godine". A string is "9.12.2026", "09.12.2026."
 * or "2026-12-09", years 1 to 9999. A Date is read in its local calendar day: the day that the
 * machine's time zone shows for it, as getDate() gives it. Only script, case and inflection
 * apply (the nominative writes a heading's "deveti decembar ..."); another option is a
 * TypeError. A date that does not exist throws RejectedError ("not_a_date").
 * @example spellDate(new Date(2026, 11, 9), { script: "latin" })
 * // "devetog decembra dve hiljade dvadeset šeste godine"
 */
export function spellDate(date: string | Date, options?: Pick<Options, "script" | "case" | "inflection">): string;

/**
 * The number that words say, as digits, as uslova-cli --read writes them: a minus, no grouping,
 * the decimals after a comma (a point with decimal: "point") as spelled, an amount's hundredths
 * as two digits. Every text that spell writes reads, in any script, letter case and spacing,
 * and the forms people type ("sto", "dvesta", "hiljadu"). Only decimal, currency and unit
 * apply; another option is a TypeError. Words that are not a number's as the converter writes
 * them throw a RangeError with the reason, and the reason in Serbian as its `prompt`.
 * @example read("pet dinara i pet para") // "5,05"
 */
export function read(words: string, options?: Pick<Options, "decimal" | "currency" | "unit">): string;

/** The options that read takes, as the converter names them: "decimal", "currency", "unit". */
export const readOptions: readonly string[];

/** The short name of a rejection. */
export type Verdict =
  // @VERDICTS@

/** The names of the rejections, as the converter names them: "not_a_number", ... */
export const verdicts: readonly Verdict[];

/** A number that cannot be spelled, with the reason as the uslova window gives it. */
export class RejectedError extends Error {
  readonly verdict: Verdict;
  /** The Serbian text of the window's message box, in the script of the words. */
  readonly prompt: string;
}

/** The converter's version, e.g. "1.5.0". */
export const version: string;

/** Each option's values, in uslova-cli's order, as the converter lists them; the first is
 * the default, but for currency, whose default is none. */
export const choices: { readonly [K in keyof Options]-?: readonly NonNullable<Options[K]>[] };

/** How a form offers each option to its readers, in Serbian (Latin with diacritics): the
 * option's label ("Pismo"), leaving it unset where that differs from each of its values ("bez
 * valute"; null for the others), and each value's label ("dinar (RSD)"). */
export const labels: {
  readonly [K in keyof Options]-?: {
    readonly label: string;
    readonly none: string | null;
    readonly values: { readonly [V in NonNullable<Options[K]> & string]: string };
  };
};

/** The converter's groups of options: "date" and "read" (those that spellDate and read take),
 * "counted" (those whose value names what the number counts: currency, unit), "own_noun" (those
 * that may be a noun of one's own: unit) and "amount" (those that make the number an amount:
 * currency). */
export const groups: {
  readonly [G in "date" | "read" | "counted" | "own_noun" | "amount"]: readonly (keyof Options)[];
};

// @ES module only@: CommonJS's require() gives this object itself.
/** The package as one object, for `import uslova from "uslova"`: the named exports. */
declare const uslova: {
  spell: typeof spell;
  spellMany: typeof spellMany;
  spellDate: typeof spellDate;
  read: typeof read;
  readOptions: typeof readOptions;
  version: typeof version;
  choices: typeof choices;
  verdicts: typeof verdicts;
  labels: typeof labels;
  groups: typeof groups;
  RejectedError: typeof RejectedError;
};
export default uslova;
// @end@
