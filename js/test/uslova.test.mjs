// uslova.test.mjs: the npm package in Node: its types, options and rejections, and the same
// words as uslova-cli. USLOVA_PACKAGE names the built package's index.js, USLOVA_CLI the
// built uslova-cli.
// SPDX-License-Identifier: MIT
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { readFileSync } from "node:fs";
import { test } from "node:test";
import { createRequire } from "node:module";
import { pathToFileURL } from "node:url";
import v8 from "node:v8";
import { runInNewContext } from "node:vm";

const { spell, spellMany, spellDate, read, RejectedError, version, choices, verdicts,
  labels, groups } =
  await import(process.env.USLOVA_PACKAGE);
// The same package through require(), as CommonJS programs load it.
const required = createRequire(import.meta.url)(
  process.env.USLOVA_PACKAGE.replace(/index\.js$/, ""));
/** A module instance of its own, untouched by the other tests. */
const freshSpell = async (name) =>
  (await import(`${pathToFileURL(process.env.USLOVA_PACKAGE)}?${name}`)).spell;

/** uslova-cli's lines for `inputs` with `options`, and what it said on standard error. */
function cli(options, inputs) {
  const args = Object.entries(options).map(([name, value]) => (value === "" ? `--${name}` : `--${name}=${value}`));
  try {
    const stdout = execFileSync(process.env.USLOVA_CLI, args, {
      input: inputs.map((line) => `${line}\n`).join(""), encoding: "utf8",
      stdio: ["pipe", "pipe", "pipe"],
    });
    return { lines: stdout.split("\n").slice(0, -1), said: "" };
  } catch (failed) {
    return { lines: failed.stdout.split("\n").slice(0, -1), said: failed.stderr };
  }
}

test("numbers of each kind", () => {
  const cases = [
    ["2545743675434", "  dva biliona pet stotina cetrdeset pet milijardi sedam stotina " +
      "cetrdeset tri miliona sest stotina sedamdeset pet hiljada cetiri stotine trideset cetiri"],
    [-7, "minus  sedam"],
    [999999999999999n, " devet stotina devedeset devet biliona devet stotina devedeset devet " +
      "milijardi devet stotina devedeset devet miliona devet stotina devedeset devet hiljada " +
      "devet stotina devedeset devet"],
    ["1 234".repeat(1) + ",5", " jedna hiljada dve stotine trideset cetiri zapeta   pet"],
    ["0".repeat(300000) + "5", "  pet"],
  ];
  for (const [number, words] of cases) assert.equal(spell(number), words, String(number));
  assert.match(version, /^\d+\.\d+\.\d+$/);
});

test("a number as String() shows it, as uslova-cli reads those digits", { skip: !process.env.USLOVA_CLI }, () => {
  const cases = [ // the number, and the text uslova-cli gets for it ("x": refused either way)
    [1234.56, "1234.56"], [-1234.5, "-1234.5"], [1e-7, "0.0000001"], [-0, "0"], [1.005, "1.005"],
    [123456789012345, "123456789012345"], [0.1 + 0.2, "x"], [123456789012345.6, "x"],
    [Number.MAX_SAFE_INTEGER + 1, "x"], [1e21, "x"], [NaN, "x"], [-Infinity, "x"],
  ];
  for (const options of [{}, { currency: "RSD" }, { spacing: "tidy", script: "latin" }]) {
    const { lines } = cli(options, cases.map(([, text]) => text));
    cases.forEach(([number], i) => {
      let words = "";
      try {
        words = spell(number, options);
      } catch (e) {
        if (!(e instanceof RejectedError)) throw e;
      }
      assert.equal(words, lines[i], `${number} ${JSON.stringify(options)}`);
    });
    assert.deepEqual(spellMany(cases.map(([number]) => number), options),
      lines.map((line) => line || null));
  }
  assert.equal(spell(1.5, { decimal: "comma", spacing: "tidy" }), "jedan zapeta pet");
  assert.throws(() => spell(0.1 + 0.2), { verdict: "inexact" });
  assert.throws(() => spell(2 ** 53), { verdict: "too_large" }); // no rounding helps
  assert.deepEqual(spellMany(["7", null, undefined, NaN], { spacing: "tidy" }),
    ["sedam", null, null, null]);
  for (const notNumber of [null, undefined, {}, true, Symbol("7")]) {
    assert.throws(() => spell(notNumber), TypeError, String(notNumber));
  }
});

test("rejections and bad options", () => {
  const cases = [["abc", "not_a_number"], ["1e15", "too_large"], ["1.2.3", "unsupported"]];
  for (const [number, verdict] of cases) {
    assert.throws(() => spell(number), (e) => e instanceof RejectedError &&
      e.verdict === verdict && e.prompt.startsWith("Nemoguce prevesti u slova"));
  }
  // The converter's list of rejections, first to last, as the types name them too.
  assert.deepEqual([verdicts[0], verdicts.at(-1), verdicts.length], ["not_a_number",
    "other_currency", 9]);
  assert.deepEqual(required.verdicts, verdicts);
  assert.throws(() => spell("1,234", { currency: "RSD" }), { verdict: "too_many_decimals" });
  assert.throws(() => spell("7", { script: "klingon" }), /choose ascii, latin, cyrillic/);
  assert.throws(() => spell("7", { colour: "red" }), /unknown option 'colour'/);
});

test("words read back as uslova-cli --read reads them", { skip: !process.env.USLOVA_CLI }, () => {
  // The digits, or the same reason, for words of every kind; what the words say is checked
  // in the converter's own tests.
  const texts = ["pet dinara i pet para", "jedan zapeta pedeset", "ДВЕ ХИЉАДЕ", "dvazapetapet",
    "dva hiljade", "dvanajst", "", "   ", "minus", "x".repeat(2000), "pet\u00a0evra",
    "hiljadu dvesta", "pet dana", "1,5", "pet\u0000dinara"];
  for (const options of [{}, { decimal: "point" }, { currency: "EUR" }, { unit: "dan" }]) {
    const { lines, said } = cli({ read: "", ...options }, texts.map((t) => t.replace("\0", "?")));
    const reasons = Object.fromEntries([...said.matchAll(/line (\d+): (.*)/g)].map((m) => [m[1], m[2]]));
    texts.forEach((text, i) => {
      for (const reader of [read, required.read]) {
        if (lines[i] !== "") {
          assert.equal(reader(text, options), lines[i], text);
        } else {
          assert.throws(() => reader(text, options), (error) => error instanceof RangeError &&
            error.message.endsWith(`: ${reasons[i + 1]}`), text);
        }
      }
    });
  }
  for (const [words, options] of [[5], [null], [["pet"]], ["pet", { script: "latin" }]]) {
    assert.throws(() => read(words, options), TypeError);
  }
  assert.equal(read("dvadesetjedanstan", { unit: "stan,stana,stanova:m" }), "21");
  assert.throws(() => read("pet kuća", { unit: "stan,stana,stanova:m" }), RangeError);
  assert.throws(() => read("dva hiljade"),
    { prompt: "'dva' se ne slaže: 2000 se piše 'dve hiljade'" });
  assert.equal(spell("5", { currency: "RSD" }), "pet dinara", "an instance that read spells on");
});

test("the table of cases", { skip: !process.env.USLOVA_CASES }, () => {
  // The table that every front runs (tests/cases.py): strings, and safe integers and bigints
  // where they hold the text; spell through import and require(), spellMany across a batch.
  const table = new Map();
  for (const line of readFileSync(process.env.USLOVA_CASES, "utf8").split("\n").slice(0, -1)) {
    const [options, text, outcome] = line.split("\t");
    if (!table.has(options)) table.set(options, []);
    table.get(options).push([text, outcome]);
  }
  const outcome = (spelling, number, options) => {
    try {
      return spelling(number, options);
    } catch (e) {
      if (e instanceof RejectedError || e instanceof required.RejectedError) return `!${e.prompt}`;
      if (e instanceof TypeError) return `?${e.message}`;
      throw e;
    }
  };
  for (const [options, rows] of table) {
    const settings = Object.fromEntries(options.split(" ").filter(Boolean).map((s) => s.split("=")));
    const calls = options === "" ? [undefined, {}, { script: undefined }] : [settings];
    for (const [text, expected] of rows) {
      const numbers = /^-?(0|[1-9][0-9]*)$/.test(text) ? [text, Number(text), BigInt(text)] : [text];
      for (const number of numbers) {
        for (const given of calls) {
          assert.equal(outcome(spell, number, given), expected, `${text} ${options}`);
          assert.equal(outcome(required.spell, number, given), expected, "through require()");
        }
      }
    }
    if (rows[0][1].startsWith("?")) continue;
    const many = Array.from({ length: 4096 + rows.length }, (_, i) => rows[i % rows.length]);
    assert.deepEqual(spellMany(many.map(([text]) => text), settings),
      many.map(([, words]) => (words.startsWith("!") ? null : words)), options);
  }
});

test("the dates beside the table of cases", { skip: !process.env.USLOVA_CASES }, () => {
  // As text through import and require(), and as a Date of that local day where the text is
  // ISO: a Date is read in its local calendar day, whatever the time zone.
  const path = process.env.USLOVA_CASES.replace(/cases\.tsv$/, "dates.tsv");
  const rows = readFileSync(path, "utf8").split("\n").slice(0, -1).map((l) => l.split("\t"));
  assert.ok(rows.length > 0);
  const outcome = (spelling, date, options) => {
    try {
      return spelling(date, options);
    } catch (e) {
      if (e instanceof RejectedError || e instanceof required.RejectedError) return `!${e.prompt}`;
      throw e;
    }
  };
  for (const [options, text, expected] of rows) {
    const settings = Object.fromEntries(options.split(" ").filter(Boolean).map((s) => s.split("=")));
    const dates = [text];
    const iso = /^(\d{4})-(\d\d)-(\d\d)$/.exec(text);
    if (iso && !expected.startsWith("!")) {
      const local = new Date(2000, 0, 1, 0, 30); // early in a day east of UTC: the UTC day differs
      local.setFullYear(Number(iso[1]), Number(iso[2]) - 1, Number(iso[3]));
      dates.push(local);
    }
    for (const date of dates) {
      assert.equal(outcome(spellDate, date, settings), expected, `${text} ${options}`);
      assert.equal(outcome(required.spellDate, date, settings), expected, "through require()");
    }
  }
  assert.throws(() => spellDate("1.1.2000", { spacing: "tidy" }), TypeError);
  assert.throws(() => spellDate(20000101), TypeError);
});

test("the options as uslova-cli lists them", { skip: !process.env.USLOVA_CASES }, () => {
  // choices.tsv, beside the table, lists them from uslova-cli --help; the package's types are
  // written from the same tables by the build.
  const listed = readFileSync(process.env.USLOVA_CASES.replace(/cases\.tsv$/, "choices.tsv"), "utf8");
  const expected = Object.fromEntries(listed.split("\n").slice(0, -1)
    .map((line) => line.split("\t")).map(([name, values]) => [name, values.split(", ")]));
  assert.deepEqual(choices, expected);
  assert.deepEqual(required.choices, expected);
  const types = readFileSync(process.env.USLOVA_PACKAGE.replace(/index\.js$/, "index.d.ts"), "utf8");
  for (const [name, values] of Object.entries(expected)) {
    const own = name === "unit" ? " | (string & {})" : ""; // a noun of one's own, too
    assert.ok(types.includes(`  ${name}?: ${values.map((v) => `"${v}"`).join(" | ")}${own};\n`),
      name);
  }
  // A form's labels and the groups, the C interface's NULL a null.
  assert.deepEqual([labels.currency.none, labels.script.none, labels.currency.values.RSD,
    labels.script.values.cyrillic, groups.own_noun, groups.amount],
  ["bez valute", null, "dinar (RSD)", "ćirilica", ["unit"], ["currency"]]);
  assert.deepEqual(required.labels, labels);
});

test("every call's options are checked, whatever came before", () => {
  const sequences = [ // a good call, then a bad one that differs from it
    [{ spacing: "tidy" }, { spacing: "tidy", curency: "RSD" }, TypeError],
    [{}, { script: "" }, RangeError],
    [{ script: "latin" }, { script: ["latin"] }, RangeError],
    [{ currency: "RSD" }, { currency: "RSD|" }, RangeError],
    [{ unit: "odsto" }, { unit: "odsto\0" }, RangeError], // a C string would end at the NUL
    [{ unit: "odsto" }, { unit: "x".repeat(100000) }, RangeError],
    [{ unit: "odsto" }, { unit: "stan,stana:m" }, RangeError],
  ];
  for (const [good, bad, error] of sequences) {
    spell("1,5", good);
    assert.throws(() => spell("1,5", bad), error, JSON.stringify(bad));
  }
  // A malformed noun of one's own says why in Serbian too.
  assert.throws(() => spell("7", { unit: "stan,stana:m" }),
    (error) => error.prompt.startsWith("Svoja imenica se pise"));
  // Past the bound of the sets kept, the oldest give way and are made again when used.
  const noun = (n) => ({ unit: `k${String(n).replace(/\d/g, (d) => "abcdefghij"[d])},a,a:m`,
    spacing: "tidy" });
  const first = spell("21", noun(0));
  assert.equal(spell("21", { spacing: "joined" }), "dvadesetjedan"); // the set of the last call
  for (let n = 1; n < 1100; n++) spell("21", noun(n));
  assert.equal(spell("21", noun(0)), first);
  assert.equal(first, "dvadeset jedan ka");
  assert.equal(spell("21", { spacing: "joined" }), "dvadesetjedan");
});

test("hostile option objects never change a later call's words", async () => {
  // Getters and proxies that answer differently each time they are read, options from a
  // prototype, odd values: whatever such calls give, every plain call after them gives what
  // an instance that never saw them gives.
  const [spelled, reference] = [await freshSpell("hostile"), await freshSpell("reference")];
  const values = { script: ["ascii", "cyrillic"], spacing: ["tidy", "joined"],
    decimal: ["comma", "point"], currency: ["RSD"] };
  let seed = 11;
  const pick = (list) => list[(seed = (seed * 1103515245 + 12345) % 2147483648) % list.length];
  const hostile = () => {
    const options = {};
    for (const [name, choices] of Object.entries(values)) {
      const kind = pick(["flip", "flip", "plain", "none", "odd"]);
      if (kind === "plain") options[name] = pick(choices);
      if (kind === "odd") options[name] = pick([7, Symbol("x"), ["tidy"], new String("tidy"), true]);
      if (kind === "flip") {
        const order = [pick(choices), pick(choices), pick(choices)];
        let reads = 0;
        Object.defineProperty(options, name, { enumerable: true, get: () => order[reads++ % 3] });
      }
    }
    const how = pick(["own", "proxy", "prototype"]);
    if (how === "prototype") return Object.create(options);
    if (how === "own") return options;
    let reads = 0;
    return new Proxy(options, { get: (target, key) => (reads++ % 2 ? target[key] : undefined) });
  };
  const outcome = (spelling, number, options) => {
    try {
      return spelling(number, options);
    } catch (e) {
      return e.verdict ?? e.name;
    }
  };
  for (let i = 0; i < 400; i++) outcome(spelled, "15.000", hostile());
  let plain = [{}];
  for (const [name, choices] of Object.entries(values)) {
    plain = plain.flatMap((options) => [options, ...choices.map((v) => ({ ...options, [name]: v }))]);
  }
  for (const options of plain) {
    for (const number of ["15.000", "21"]) {
      assert.equal(outcome(spelled, number, options), outcome(reference, number, options),
        `${number} ${JSON.stringify(options)}`);
    }
  }
});

test("the window's words of many numbers as uslova-cli", { skip: !process.env.USLOVA_CLI }, () => {
  // Integers of every length and sign as numbers, and with up to three decimals as text: the
  // captions that spell() puts together from pieces, against uslova-cli's.
  let seed = 7;
  const random = () => (seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648;
  const below = (limit) => Math.floor(random() * limit);
  const numbers = [0, -0, "-0,0001", Number.MAX_SAFE_INTEGER, -Number.MAX_SAFE_INTEGER];
  for (let i = 0; i < 3000; i++) {
    const integer = below(10 ** (1 + below(15))) * (below(2) ? -1 : 1);
    const decimals = String(below(10 ** 4)).slice(0, below(4));
    numbers.push(decimals === "" ? integer : `${integer},${decimals}`);
  }
  const { lines } = cli({}, numbers);
  const caption = (number) => {
    try {
      return spell(number);
    } catch (e) {
      if (!(e instanceof RejectedError)) throw e;
      return "";
    }
  };
  numbers.forEach((number, i) => assert.equal(caption(number), lines[i], String(number)));
  assert.deepEqual(spellMany(numbers), lines.map((line) => line || null));
});

test("an instance stays exact after its memory runs out", async () => {
  const fresh = await freshSpell("memory");
  assert.equal(fresh(-1234), "minus jedna hiljada dve stotine trideset cetiri"); // a first call
  assert.equal(fresh("0".repeat(3e8) + "7"), "  sedam");
  assert.equal(fresh("7", { script: "latin" }), "  sedam");
  assert.throws(() => fresh("0".repeat(536e6) + "7"), RangeError);
  assert.equal(fresh("1234"), spell("1234"));
  assert.equal(fresh(1234), spell("1234"));
  assert.throws(() => fresh("abc"), { verdict: "not_a_number" });
  assert.equal(fresh("2,5", { currency: "EUR" }), "dva evra i pedeset centi");
});

test("a style's first words, which grow the converter's memory, come whole", async () => {
  // The converter keeps the texts of a style's groups once it is first used: a batch and a
  // call each read their words after that has moved the memory.
  const { spellMany: many } = await import(`${pathToFileURL(process.env.USLOVA_PACKAGE)}?grow`);
  const numbers = ["1", "22", "-333", "4444", "55555", "1001", "12,5"];
  const tidy = ["jedan", "dvadeset dva", "minus tri stotine trideset tri",
    "cetiri hiljade cetiri stotine cetrdeset cetiri", "pedeset pet hiljada pet stotina pedeset pet",
    "jedna hiljada jedan", "dvanaest zapeta pet"];
  // A long text first, whose room takes the free memory there was.
  assert.deepEqual(many([`${"0".repeat(5e6)}7`]), ["  sedam"]);
  // Enough for the words to fill the room of one crossing into the converter, and go on.
  const times = (list) => Array.from({ length: 150 }, () => list).flat();
  assert.deepEqual(many(times(numbers), { spacing: "tidy" }), times(tidy));
  const fresh = await freshSpell("grow-one");
  assert.equal(fresh(`${"0".repeat(5e6)}7`), "  sedam");
  assert.equal(fresh("4444", { spacing: "joined", case: "upper" }),
    "CETIRIHILJADECETIRISTOTINECETRDESETCETIRI");
});

test("words of other scripts than ASCII come whole, alone and in batches of many crossings", () => {
  const numbers = ["1", "22", "-333", "4444", "55555", "1001", "12,5", "-6006"];
  const words = {
    latin: ["jedan", "dvadeset dva", "minus tri stotine trideset tri",
      "četiri hiljade četiri stotine četrdeset četiri", "pedeset pet hiljada pet stotina pedeset pet",
      "jedna hiljada jedan", "dvanaest zapeta pet", "minus šest hiljada šest"],
    cyrillic: ["један", "двадесет два", "минус три стотине тридесет три",
      "четири хиљаде четири стотине четрдесет четири", "педесет пет хиљада пет стотина педесет пет",
      "једна хиљада један", "дванаест запета пет", "минус шест хиљада шест"],
  };
  // Some 200,000 letters, 400 KB as UTF-16: several crossings' worth, each ending wherever its
  // room runs out.
  const times = (list) => Array.from({ length: 1000 }, () => list).flat();
  for (const [script, expected] of Object.entries(words)) {
    const options = { spacing: "tidy", script };
    assert.deepEqual(numbers.map((number) => spell(number, options)), expected, script);
    assert.deepEqual(spellMany(times(numbers), options), times(expected), script);
  }
});

test("the converter widens UTF-8 to UTF-16 as a decoder reads it", async () => {
  // The module itself, beside the package that embeds it, with the crossing Node's words take.
  const bytes = readFileSync(new URL("../../uslova.wasm", pathToFileURL(process.env.USLOVA_PACKAGE)));
  const { instance } = await WebAssembly.instantiate(bytes,
    { env: { emscripten_notify_memory_growth() {} } });
  const { malloc, uslova_js_widen: widen, memory } = instance.exports;
  instance.exports._initialize?.();
  const utf8 = ["abcdefgh šđ šest", "шест", "четрдесет четири", "abcdššab", "abc€defghijk", "€5",
    "a𝔰b", "abš"].map((text) =>
    new TextEncoder().encode(text));
  // Letters cut short at the end: the first byte of "š", of "€", of "𝔰" and two of its four.
  utf8.push(Uint8Array.of(0x61, 0xc5), Uint8Array.of(0xe2), Uint8Array.of(0xf0, 0x9d));
  const from = malloc(64);
  const to = malloc(128);
  for (const text of utf8) {
    new Uint8Array(memory.buffer).set(text, from);
    const units = widen(from, text.length, to);
    assert.equal(Buffer.from(memory.buffer, to, 2 * units).toString("utf16le"),
      new TextDecoder().decode(text), String(text));
  }
});

test("options made up without end keep memory bounded", async () => {
  v8.setFlagsFromString("--expose-gc");
  const gc = runInNewContext("gc");
  const fresh = await freshSpell("options");
  // A noun of one's own for each n: "stanbc,stana,stanova:m" for 12.
  const noun = (n) => `stan${[...String(n)].map((d) => String.fromCharCode(97 + +d)).join("")}`;
  for (let n = 0; n < 5000; n++) fresh(1, { unit: `${noun(n)},stana,stanova:m` });
  gc();
  const before = process.memoryUsage().heapUsed;
  for (let n = 5000; n < 25000; n++) {
    assert.equal(fresh(1, { unit: `${noun(n)},stana,stanova:m` }), `jedan ${noun(n)}`);
  }
  gc();
  // Twenty thousand kept sets of options would take megabytes.
  assert.ok(process.memoryUsage().heapUsed - before < 1e6, "the kept options are bounded");
});

test("a getter of the list that calls spellMany again changes no word of either", () => {
  let inner;
  const list = new Proxy(["21", "3", "1e5"], {
    get: (target, key) => ((key === "1" && (inner = spellMany(["7", 12, "x"]))), target[key]),
  });
  assert.deepEqual(spellMany(list), ["21", "3", "1e5"].map((number) => spell(number)));
  assert.deepEqual(inner, ["  sedam", " dvanaest", null]);
});

test("require() gives the same package, and import its default export", async () => {
  const uslova = (await import(process.env.USLOVA_PACKAGE)).default;
  assert.deepEqual(Object.keys(uslova).sort(), Object.keys(required).sort());
  assert.equal(uslova.spell(-1234), spell(-1234));
  assert.equal(required.version, version);
  assert.equal(required.spell(-1234), spell(-1234));
  assert.throws(() => required.spell("abc"), required.RejectedError);
  assert.throws(() => spellMany([7, {}]), TypeError);
  assert.deepEqual(spellMany([]), []);
  // Any iterable of numbers, but not a string, whose characters are not the numbers meant.
  for (const notNumbers of [5, {}, true, null, undefined, "12", new String("12")]) {
    assert.throws(() => spellMany(notNumbers), TypeError, String(notNumbers));
  }
  assert.deepEqual(spellMany(new Set(["7", 8])), ["  sedam", "  osam"]);
  assert.deepEqual(spellMany((function* () { yield 12n; })()), [" dvanaest"]);
});
