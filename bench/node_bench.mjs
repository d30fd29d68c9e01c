// node_bench.mjs: the npm package against n2words (sr-Latn-RS) on the same 100,000 numbers of 1
// to 15 digits, in one run of Node: each call as programs make it (a number alone, a text with
// options kept in one object, a text with a new options object each call, a batch, and a loop
// that keeps its words as a batch does), the best of 7 runs each; then the ratios. A batch is
// set against n2words both as it writes each number's words and drops them, and as it does a
// batch's job, keeping them all until the list is done. Last, the letters n2words writes:
// Latin with diacritics, and Cyrillic against its sr-Cyrl-RS.
// Usage: node --expose-gc bench/node_bench.mjs PATH/TO/package/index.js PATH/TO/node_modules
// SPDX-License-Identifier: MIT
import { pathToFileURL } from "node:url";

const [packagePath, modules] = process.argv.slice(2);
const { spell, spellMany } = await import(pathToFileURL(packagePath));
const { toCardinal, toCurrency } =
  await import(pathToFileURL(`${modules}/n2words/src/sr-Latn-RS.js`));
const { toCardinal: toCyrillic } =
  await import(pathToFileURL(`${modules}/n2words/src/sr-Cyrl-RS.js`));

let seed = 42;
const random = () => (seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648;
const numbers = Array.from({ length: 100000 }, () =>
  Math.floor(random() * 10 ** (1 + Math.floor(random() * 15))));
const texts = numbers.map(String);

// Each call's words are read (one letter, which needs the whole string), so that a string
// put together from pieces is paid for in full, as a program that uses it pays.
let letters = 0;
const read = (words) => { letters += words.charCodeAt(words.length >> 1); };
/** Calls a second of the best of 7 runs of `ours` and of `theirs`, taken in turn so that the
 * machine's drift reaches both alike, each from a collected heap (Node run with --expose-gc):
 * the garbage of one run is not paid by the next. Each run converts all the inputs once. */
function rates(ours, theirs) {
  const best = [0, 0];
  for (let i = 0; i < 7; i++) {
    [ours, theirs].forEach((run, k) => {
      globalThis.gc?.();
      const start = process.hrtime.bigint();
      run();
      best[k] = Math.max(best[k], numbers.length / (Number(process.hrtime.bigint() - start) / 1e9));
    });
  }
  return best;
}
const each = (inputs, convert) => () => { for (const input of inputs) read(convert(input)); };
const batch = (options) => () => { for (const words of spellMany(texts, options)) read(words); };
// A batch keeps every number's words until it returns; so does the loop it stands for, which
// pays the same for keeping them. Its numbers in lists of 1,000, as a program often has them.
const kept = (options) => () => {
  for (const words of texts.map((t) => spell(t, options))) read(words);
};
const lists = Array.from({ length: texts.length / 1000 }, (_, i) => texts.slice(1000 * i, 1000 * i + 1000));
const batches = (options) => () => {
  for (const list of lists) for (const words of spellMany(list, options)) read(words);
};
const keptLists = (options) => () => {
  for (const list of lists) for (const words of list.map((t) => spell(t, options))) read(words);
};
// n2words doing a batch's job: its words kept until the list is done, as the batch keeps them.
const keptBy = (convert) => () => { for (const words of texts.map(convert)) read(words); };
const keptListsBy = (convert) => () => {
  for (const list of lists) for (const words of list.map(convert)) read(words);
};

const tidy = { spacing: "tidy" };
const latin = { script: "latin" };
const cyrillic = { script: "cyrillic" };
const rows = [
  ["spell(number)", each(numbers, (n) => spell(n)),
    "toCardinal(number)", each(numbers, (n) => toCardinal(n))],
  ["spell(string, o) with one object", each(texts, (t) => spell(t, tidy)),
    "toCardinal(string)", each(texts, (t) => toCardinal(t))],
  ['spell(string, {currency: "RSD"}), a new object each call',
    each(texts, (t) => spell(t, { currency: "RSD" })),
    "toCurrency(string)", each(texts, (t) => toCurrency(t))],
  ["spellMany(strings, o)", batch(tidy),
    "a loop of spell(string, o) that keeps the words", kept(tidy)],
  ["spellMany(strings, o) on lists of 1,000", batches(tidy),
    "the same loop on lists of 1,000", keptLists(tidy)],
  ["spellMany(strings, o)", batch(tidy),
    "toCardinal(string)", each(texts, (t) => toCardinal(t))],
  ["spellMany(strings, o) on lists of 1,000", batches(tidy),
    "toCardinal(string)", each(texts, (t) => toCardinal(t))],
  ['spellMany(strings, {currency: "RSD"})', batch({ currency: "RSD" }),
    "toCurrency(string)", each(texts, (t) => toCurrency(t))],
  ["spellMany(strings, o)", batch(tidy),
    "a loop of toCardinal(string) that keeps the words", keptBy((t) => toCardinal(t))],
  ["spellMany(strings, o) on lists of 1,000", batches(tidy),
    "the same loop on lists of 1,000", keptListsBy((t) => toCardinal(t))],
  ['spellMany(strings, {currency: "RSD"})', batch({ currency: "RSD" }),
    "a loop of toCurrency(string) that keeps the words", keptBy((t) => toCurrency(t))],
  // The letters that n2words writes: Latin with č, ć, ž, š, đ, and Cyrillic.
  ['spell(string, {script: "latin"}) with one object', each(texts, (t) => spell(t, latin)),
    "toCardinal(string)", each(texts, (t) => toCardinal(t))],
  ['spell(string, {script: "cyrillic"}) with one object', each(texts, (t) => spell(t, cyrillic)),
    "toCardinal(string) in Cyrillic", each(texts, (t) => toCyrillic(t))],
  ['spellMany(strings, {script: "latin"}) on lists of 1,000', batches(latin),
    "a loop of spell(string, o) on lists of 1,000 that keeps the words", keptLists(latin)],
  ['spellMany(strings, {script: "cyrillic"}) on lists of 1,000', batches(cyrillic),
    "a loop of spell(string, o) on lists of 1,000 that keeps the words", keptLists(cyrillic)],
].map(([ours, ourRun, theirs, theirRun]) => [ours, theirs, ...rates(ourRun, theirRun)]);
for (const [ours, theirs, ourRate, theirRate] of rows) {
  console.log(`Node, 1 to 15 digits: ${ours} ${(ourRate / 1e6).toFixed(2)} M/s, ${theirs} ` +
    `${(theirRate / 1e6).toFixed(2)} M/s, ratio ${(ourRate / theirRate).toFixed(1)}x`);
}
if (letters === 0) throw new Error("no words were read");
