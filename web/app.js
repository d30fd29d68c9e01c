// app.js: the page's behaviour: convert as the number is typed, and on the button or Enter; show
// the words with their exact blanks or the reason for a rejection; copy the words.
// SPDX-License-Identifier: MIT
"use strict";

(function () {
  const form = document.getElementById("obrazac");
  const input = document.getElementById("broj");
  const words = document.getElementById("reci");
  const error = document.getElementById("greska");
  const copy = document.getElementById("kopiraj");
  const copied = document.getElementById("kopirano");
  let choices = []; // the converter's options, once it is ready: one <select> each
  // The page's words for the values of the option tables; the values themselves come from the
  // converter, and one without words here shows its name.
  const LABELS = {
    script: { ascii: "latinica bez kvačica", latin: "latinica", cyrillic: "ćirilica" },
    spacing: { exact: "kao u prozoru", tidy: "po jedan", joined: "bez razmaka" },
    case: { lower: "mala", first: "prvo veliko", upper: "velika" },
    currency: { RSD: "dinari (RSD)", EUR: "evri (EUR)", USD: "dolari (USD)" },
    minor: { words: "rečima", digits: "ciframa", fraction: "razlomkom" },
    forms: { long: "dugi (dve stotine)", short: "kratki (dvesta)" },
    decimal: { auto: "kao u prozoru", comma: "zarez (15.000,50)", point: "tačka (15,000.50)" },
  };
  // The page's words for the options; one without words here shows its name. An option in
  // NONE starts with a choice of none, which sets nothing.
  const NAMES = {
    script: "Pismo", spacing: "Razmaci", case: "Slova", currency: "Iznos",
    minor: "Pare i centi", forms: "Oblici", decimal: "Decimalni znak",
  };
  const NONE = { currency: "bez valute" };
  // The converter, once a choice for each of its options lists the values it knows.
  const ready = window.uslovaReady.then((uslova) => {
    choices = Object.keys(uslova.choices);
    const fieldset = form.querySelector("fieldset");
    for (const name of choices) {
      const row = document.createElement("div");
      row.className = "izbor";
      const label = document.createElement("label");
      label.htmlFor = name;
      label.textContent = NAMES[name] ?? name;
      const select = document.createElement("select");
      select.id = name;
      if (NONE[name] !== undefined) select.add(new Option(NONE[name], ""));
      row.append(label, select);
      fieldset.append(row);
      for (const value of uslova.choices[name]) {
        select.add(new Option(LABELS[name]?.[value] ?? value, value));
      }
    }
    restore();
    for (const name of choices) {
      document.getElementById(name).addEventListener("change", () => {
        convert().then(remember);
      });
    }
    return uslova;
  });

  /** Greys out the choices that cannot go with the others, as the converter refuses them: the
   * window's blanks for an amount, the short forms with the window's blanks, and the hundredths
   * without an amount; a choice that became impossible moves to the nearest possible one. */
  function settle() {
    const choice = (name, value) =>
      document.querySelector(`#${name} option[value="${value}"]`);
    const spacing = document.getElementById("spacing");
    const forms = document.getElementById("forms");
    const amount = document.getElementById("currency").value !== "";
    choice("spacing", "exact").disabled = amount;
    if (amount && spacing.value === "exact") spacing.value = "tidy";
    const exact = spacing.value === "exact";
    choice("forms", "short").disabled = exact;
    if (exact && forms.value === "short") forms.value = "long";
    document.getElementById("minor").disabled = !amount;
  }

  function options() {
    settle();
    const chosen = {};
    for (const name of choices) {
      const select = document.getElementById(name);
      if (select.value !== "" && !select.disabled) chosen[name] = select.value;
    }
    return chosen;
  }

  async function convert() {
    const uslova = await ready;
    try {
      words.textContent = uslova.spell(input.value, options());
      error.textContent = "";
      copy.disabled = false;
      if (window.uslovaFirstWords === undefined) window.uslovaFirstWords = performance.now();
    } catch (rejected) {
      // Unlike the window, whose message box names the reason, the page shows no words that
      // are not those of the number in the box: they could be taken for its words.
      words.textContent = "";
      copy.disabled = true;
      error.textContent = rejected.prompt ?? rejected.message; // a text too long has no prompt
    }
    copied.textContent = "";
  }

  // The reader's choices are kept in the browser, where it lets the page keep them (not from
  // file:// in some browsers, nor in private windows; then the page works as before).
  const STORED = "uslova.choices";
  function remember() {
    try {
      const kept = {};
      for (const name of choices) kept[name] = document.getElementById(name).value;
      window.localStorage.setItem(STORED, JSON.stringify(kept));
    } catch {
      // no storage: the choices last as long as the page
    }
  }
  function restore() {
    let kept;
    try {
      kept = JSON.parse(window.localStorage.getItem(STORED) ?? "{}");
    } catch {
      return;
    }
    for (const name of choices) {
      const select = document.getElementById(name);
      const value = kept?.[name];
      // Only a value the converter still offers: a stored one may be from an older page.
      if (typeof value === "string" && [...select.options].some((o) => o.value === value)) {
        select.value = value;
      }
    }
  }

  // The words follow the box as it is typed in: never words beside a number that is not theirs.
  input.addEventListener("input", () => {
    convert();
  });
  form.addEventListener("submit", (event) => {
    event.preventDefault(); // Enter in the box converts, unlike the desktop window
    convert();
  });
  // The start-up number's words, as soon as the converter is ready.
  convert();
  copy.addEventListener("click", async () => {
    try {
      await navigator.clipboard.writeText(words.textContent);
      copied.textContent = "Kopirano.";
    } catch {
      copied.textContent = "Kopiranje nije dozvoljeno; izaberite reči mišem.";
    }
  });
})();
