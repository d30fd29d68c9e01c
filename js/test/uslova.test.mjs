// uslova.test.mjs: the npm package in Node: its types, options and rejections, and the same
// words as uslova-cli. USLOVA_PACKAGE names the built package's index.js, USLOVA_CLI the
// built uslova-cli.
// SPDX-License-Identifier: MIT
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { test } from "node:test";

const { spell, RejectedError, version } = await import(process.env.USLOVA_PACKAGE);

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

test("numbers that cannot hold the digits", () => {
  for (const number of [0.1, 1e21, Number.MAX_SAFE_INTEGER + 1, NaN, null, undefined, {}]) {
    assert.throws(() => spell(number), TypeError, String(number));
  }
});

test("rejections and bad options", () => {
  const cases = [["abc", "not_a_number"], ["1e15", "too_large"], ["1.2.3", "unsupported"]];
  for (const [number, verdict] of cases) {
    assert.throws(() => spell(number), (e) => e instanceof RejectedError &&
      e.verdict === verdict && e.prompt.startsWith("Nemoguce prevesti u slova"));
  }
  assert.throws(() => spell("1,234", { currency: "RSD" }), { verdict: "too_many_decimals" });
  assert.throws(() => spell("7", { script: "klingon" }), /choose ascii, latin, cyrillic/);
  assert.throws(() => spell("7", { colour: "red" }), /unknown option 'colour'/);
});

test("the same words as uslova-cli", { skip: !process.env.USLOVA_CLI }, () => {
  const inputs = ["7", "-1234,5", "1.234.567,89", "22 000", "0,05", "abc", "1000", "600",
    "2,01", "101000", "1e5", "-0,5", "999999999999999"];
  const styles = [{}, { script: "cyrillic", spacing: "tidy", case: "upper" },
    { currency: "USD", minor: "digits" }, { forms: "short", spacing: "joined" },
    { script: "latin", case: "first" }];
  for (const options of styles) {
    const args = Object.entries(options).map(([name, value]) => `--${name}=${value}`);
    let cli;
    try {
      cli = execFileSync(process.env.USLOVA_CLI, args, {
        input: inputs.join("\n") + "\n", encoding: "utf8", stdio: ["pipe", "pipe", "ignore"],
      });
    } catch (failed) {
      cli = failed.stdout; // some inputs are rejected: exit status 1
    }
    const lines = cli.split("\n").slice(0, -1);
    inputs.forEach((number, i) => {
      let words = "";
      try {
        words = spell(number, options);
      } catch (e) {
        if (!(e instanceof RejectedError)) throw e;
      }
      assert.equal(words, lines[i], `${number} ${JSON.stringify(options)}`);
    });
  }
});
