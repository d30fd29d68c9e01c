// node_bench.mjs: the npm package's spell against n2words (sr-Latn-RS) on the same 100,000
// integers, in one run of Node, for two ranges of integers; then the ratios.
// Usage: node bench/node_bench.mjs PATH/TO/package/index.js PATH/TO/node_modules
// SPDX-License-Identifier: MIT
import { pathToFileURL } from "node:url";

const [packagePath, modules] = process.argv.slice(2);
const { spell } = await import(pathToFileURL(packagePath));
const { toCardinal } = await import(pathToFileURL(`${modules}/n2words/src/sr-Latn-RS.js`));

let seed = 42;
const random = () => (seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648;
// Integers below 10^9, where n2words is at its best, of 1 to 9 digits, and integers of 1 to
// 15 digits.
const below = (digits) => Array.from({ length: 100000 }, () =>
  Math.floor(random() * 10 ** (1 + Math.floor(random() * digits))));
const workloads = [["integers below 10^9", below(9)], ["integers of 1 to 15 digits", below(15)]];

// Each call's words are read (one letter, which needs the whole string), so that a string
// put together from pieces is paid for in full, as a program that uses it pays.
let letters = 0;
function rate(numbers, convert) {
  let best = 0;
  for (let run = 0; run < 3; run++) {
    const start = process.hrtime.bigint();
    for (const n of numbers) {
      const words = convert(n);
      letters += words.charCodeAt(words.length >> 1);
    }
    best = Math.max(best, numbers.length / (Number(process.hrtime.bigint() - start) / 1e9));
  }
  return best;
}

for (const [name, numbers] of workloads) {
  const ours = rate(numbers, (n) => spell(n));
  const theirs = rate(numbers, (n) => toCardinal(n));
  console.log(`Node, ${name}: uslova spell ${(ours / 1e6).toFixed(2)} M/s, n2words ` +
    `${(theirs / 1e6).toFixed(2)} M/s, ratio ${(ours / theirs).toFixed(1)}x`);
}
if (letters === 0) throw new Error("no words were read");
