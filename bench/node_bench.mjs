// node_bench.mjs: the npm package against n2words (sr-Latn-RS) on the same 100,000 numbers of 1
// to 15 digits, in one run of Node: each call as programs make it (a number alone, a text with
// options kept in one object, a text with a new options object each call, a batch, and a loop
// that keeps its words as a batch does), the best of 7 runs each; then the ratios.
// Usage: node bench/node_bench.mjs PATH/TO/package/index.js PATH/TO/node_modules
// SPDX-License-Identifier: MIT
import { pathToFileURL } from "node:url";

const [packagePath, modules] = process.argv.slice(2);
const { spell, spellMany } = await import(pathToFileURL(packagePath));
const { toCardinal, toCurrency } =
  await import(pathToFileURL(`${modules}/n2words/src/sr-Latn-RS.js`));

let seed = 42;
const random = () => (seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648;
const numbers = Array.from({ length: 100000 }, () =>
  Math.floor(random() * 10 ** (1 + Math.floor(random() * 15))));
const texts = numbers.map(String);

// Each call's words are read (one letter, which needs the whole string), so that a string
// put together from pieces is paid for in full, as a program that uses it pays.
let letters = 0;
const read = (words) => { letters += words.charCodeAt(words.length >> 1); };
/** Calls a second of the best of 7 runs: `run` converts all the inputs once. */
function rate(run) {
  let best = 0;
  for (let i = 0; i < 7; i++) {
    const start = process.hrtime.bigint();
    run();
    best = Math.max(best, numbers.length / (Number(process.hrtime.bigint() - start) / 1e9));
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

const tidy = { spacing: "tidy" };
const rows = [
  ["spell(number)", rate(each(numbers, (n) => spell(n))),
    "toCardinal(number)", rate(each(numbers, (n) => toCardinal(n)))],
  ["spell(string, o) with one object", rate(each(texts, (t) => spell(t, tidy))),
    "toCardinal(string)", rate(each(texts, (t) => toCardinal(t)))],
  ['spell(string, {currency: "RSD"}), a new object each call',
    rate(each(texts, (t) => spell(t, { currency: "RSD" }))),
    "toCurrency(string)", rate(each(texts, (t) => toCurrency(t)))],
  ["spellMany(strings, o)", rate(batch(tidy)),
    "a loop of spell(string, o) that keeps the words", rate(kept(tidy))],
  ["spellMany(strings, o) on lists of 1,000", rate(batches(tidy)),
    "the same loop on lists of 1,000", rate(keptLists(tidy))],
  ["spellMany(strings, o)", rate(batch(tidy)),
    "toCardinal(string)", rate(each(texts, (t) => toCardinal(t)))],
  ['spellMany(strings, {currency: "RSD"})', rate(batch({ currency: "RSD" })),
    "toCurrency(string)", rate(each(texts, (t) => toCurrency(t)))],
];
for (const [ours, ourRate, theirs, theirRate] of rows) {
  console.log(`Node, 1 to 15 digits: ${ours} ${(ourRate / 1e6).toFixed(2)} M/s, ${theirs} ` +
    `${(theirRate / 1e6).toFixed(2)} M/s, ratio ${(ourRate / theirRate).toFixed(1)}x`);
}
if (letters === 0) throw new Error("no words were read");
