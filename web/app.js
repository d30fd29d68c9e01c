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
  const suggestion = document.getElementById("predlog");
  const copied = document.getElementById("kopirano");
  const kind = document.getElementById("vrsta"); // a number, or a date
  let choices = []; // the converter's options, once it is ready: one <select> each
  // How each option and value is offered, and which option takes a noun of one's own typed in
  // a box of its own: the converter's, once it is ready.
  let labels = {};
  let nounOption;
  // The choice of a noun of one's own, typed in a box of its own: ":" is never a value's name
  // nor a noun, which has its forms before the ":".
  const OWN = ":";
  const noun = document.createElement("input");
  noun.id = "imenica";
  noun.type = "text";
  noun.hidden = true;
  noun.spellcheck = false;
  noun.placeholder = "stan,stana,stanova:m";
  noun.setAttribute("aria-label", "Svoja imenica: tri oblika i rod, m, ž ili s");
  // The converter, once a choice for each of its options lists the values it knows.
  const ready = window.uslovaReady.then((uslova) => {
    choices = Object.keys(uslova.choices);
    labels = uslova.labels;
    nounOption = uslova.groups.own_noun[0];
    const fieldset = form.querySelector("fieldset");
    for (const name of choices) {
      const row = document.createElement("div");
      row.className = "izbor";
      const label = document.createElement("label");
      label.htmlFor = name;
      label.textContent = labels[name].label;
      const select = document.createElement("select");
      select.id = name;
      if (labels[name].none !== null) select.add(new Option(labels[name].none, ""));
      row.append(label, select);
      fieldset.append(row);
      for (const value of uslova.choices[name]) {
        select.add(new Option(labels[name].values[value], value));
      }
      if (name === nounOption) {
        select.add(new Option("svoja imenica…", OWN));
        row.append(noun);
      }
    }
    restore();
    for (const name of choices) {
      document.getElementById(name).addEventListener("change", () => {
        convert(name).then(remember);
      });
    }
    kind.addEventListener("change", () => {
      convert().then(remember);
    });
    noun.addEventListener("input", () => {
      convert(nounOption).then(remember);
    });
    return uslova;
  });

  /** The value of a choice: its select's, or for a noun of one's own the text of its box. */
  function valueOf(name) {
    const value = document.getElementById(name).value;
    return name === nounOption && value === OWN ? noun.value : value;
  }

  /** The values of the choices that are not greyed out, the choice of none left out. */
  function chosen() {
    const values = {};
    for (const name of choices) {
      const select = document.getElementById(name);
      if (select.value !== "" && !select.disabled) values[name] = valueOf(name);
    }
    return values;
  }

  /** A set of values, each name's value or "" for none, made one that the converter takes (its
   * problem() decides, not a copy of its rule here), as { values, leftOut }; or null when none
   * can be. The choices `out` start left out. While it is refused, a choice other than
   * `changed` moves to its first value that makes it acceptable; failing that, one without a
   * choice of none is left out if that does. Then each choice left out comes back if the set
   * still holds with it. */
  function mend(uslova, given, changed, out = []) {
    const values = { ...given };
    const leftOut = new Set(out);
    const options = () => Object.fromEntries(Object.entries(values)
      .filter(([name, value]) => value !== "" && !leftOut.has(name)));
    const accepted = () => uslova.problem(options()) === null;
    const moved = (name) => {
      if (values[name] === "") return false;
      const kept = values[name];
      // A currency gives way to a unit just chosen, and a unit to a currency: an option with a
      // choice of none moves to none only for another such choice.
      const none = labels[name].none !== null && labels[changed]?.none != null ? [""] : [];
      for (const value of [...uslova.choices[name], ...none]) {
        values[name] = value;
        if (accepted()) return true;
      }
      values[name] = kept;
      return false;
    };
    const leaveOut = (name) => {
      if (labels[name].none !== null) return false;
      leftOut.add(name);
      if (accepted()) return true;
      leftOut.delete(name);
      return false;
    };
    // A noun of one's own is the reader's text: it is never moved to another unit.
    const others = choices.filter((name) => name !== changed &&
      !(name === nounOption && document.getElementById(name).value === OWN));
    // Two at once, where one alone does not do: a minor style left out and the spacing moved.
    const leaveOutAndMove = (name) => {
      if (labels[name].none !== null || leftOut.has(name)) return false;
      leftOut.add(name);
      if (others.some((other) => other !== name && moved(other))) return true;
      leftOut.delete(name);
      return false;
    };
    for (let tries = 0; !accepted(); tries++) {
      if (tries === choices.length ||
        !(others.some(moved) || others.some(leaveOut) || others.some(leaveOutAndMove))) {
        return null;
      }
    }
    for (const name of [...leftOut]) {
      leftOut.delete(name);
      if (!accepted()) leftOut.add(name);
    }
    return { values, leftOut };
  }

  /** Makes the choices a set that the converter takes, keeping the one just made, and greys out
   * each value that no such set could hold with it, and each choice left out. */
  function settle(uslova, changed) {
    const own = document.getElementById(nounOption).value === OWN;
    noun.hidden = !own;
    const given = Object.fromEntries(choices.map((name) => [name, valueOf(name)]));
    const out = choices.filter((name) => document.getElementById(name).disabled);
    const settled = mend(uslova, given, changed, out) ?? mend(uslova, given, undefined, out);
    if (settled === null) return; // the converter's reason shows instead of words
    for (const name of choices) {
      const select = document.getElementById(name);
      if (!(name === nounOption && own)) select.value = settled.values[name];
      select.disabled = settled.leftOut.has(name);
      for (const option of select.options) {
        // The noun's own choice stays open: its text is the reader's to mend.
        option.disabled = option.value !== OWN && mend(uslova, { ...settled.values,
          [name]: option.value }, name, [...settled.leftOut]) === null;
      }
    }
  }

  /** The choices as they stand: each value, whether it is greyed out, and the noun typed. */
  const choicesNow = () => choices.map((name) => {
    const select = document.getElementById(name);
    return `${select.value}\0${select.disabled}`;
  }).join("\0") + `\0${noun.value}`;
  let settledChoices = null; // as the last settle left them: typing alone leaves them so

  async function convert(changed) {
    const uslova = await ready;
    const date = kind.value === "datum";
    if (date) {
      noun.hidden = true;
      for (const name of choices) {
        // What a date takes of the options, as the converter names them: the rest are greyed
        // out while a date is written.
        document.getElementById(name).disabled = !uslova.dateOptions.includes(name);
      }
    } else if (changed !== undefined || choicesNow() !== settledChoices) {
      settle(uslova, changed);
      settledChoices = choicesNow();
    }
    try {
      words.textContent = date ? uslova.spellDate(input.value, chosen())
        : uslova.spell(input.value, chosen());
      error.textContent = "";
      copy.disabled = false;
      if (window.uslovaFirstWords === undefined) window.uslovaFirstWords = performance.now();
    } catch (rejected) {
      // Unlike the window, whose message box names the reason, the page shows no words that
      // are not those of the number in the box: they could be taken for its words.
      words.textContent = "";
      copy.disabled = true;
      // The converter's Serbian, which names no option; only a text too long for the
      // converter's memory has none.
      error.textContent = rejected.prompt ?? "Nemoguće prevesti u slova, jer je tekst predugačak.";
      suggestion.hidden = true;
      if (!date && rejected.verdict !== undefined) suggest(uslova);
    }
    if (error.textContent === "") suggestion.hidden = true;
    copied.textContent = "";
  }

  /** A number refused as the choices stand, which one other value of a choice reads, most
   * often "15.000" in dinars with the decimal comma, where "." groups thousands: that value
   * is offered. What is counted stays as chosen. */
  function suggest(uslova) {
    const given = chosen();
    const counted = uslova.groups.counted;
    for (const name of choices.filter((name) => name in given && !counted.includes(name))) {
      for (const value of uslova.choices[name]) {
        if (value === given[name] || uslova.problem({ ...given, [name]: value }) !== null) {
          continue;
        }
        try {
          uslova.spell(input.value, { ...given, [name]: value });
        } catch {
          continue;
        }
        suggestion.textContent = `Možda: ${labels[name].label.toLowerCase()} ` +
          labels[name].values[value];
        suggestion.dataset.name = name;
        suggestion.dataset.value = value;
        suggestion.hidden = false;
        return;
      }
    }
  }
  suggestion.addEventListener("click", () => {
    document.getElementById(suggestion.dataset.name).value = suggestion.dataset.value;
    convert(suggestion.dataset.name).then(remember);
    input.focus();
  });

  // The reader's choices are kept in the browser, where it lets the page keep them (not from
  // file:// in some browsers, nor in private windows; then the page works as before).
  const STORED = "uslova.choices";
  function remember() {
    try {
      const kept = { vrsta: kind.value, imenica: noun.value };
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
    if (typeof kept?.imenica === "string") noun.value = kept.imenica;
    for (const name of [...choices, "vrsta"]) {
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
    // On a small screen, the words come into view.
    convert().then(() => words.scrollIntoView({ block: "nearest" }));
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
