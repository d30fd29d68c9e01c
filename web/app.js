// app.js: the page's behaviour: convert on the button or Enter, show the words with their exact
// blanks or the reason for a rejection, copy the words.
// SPDX-License-Identifier: MIT
"use strict";

(function () {
  const form = document.getElementById("obrazac");
  const input = document.getElementById("broj");
  const words = document.getElementById("reci");
  const error = document.getElementById("greska");
  const copy = document.getElementById("kopiraj");
  const copied = document.getElementById("kopirano");
  const choices = ["script", "spacing", "case", "currency", "minor", "forms"];

  function options() {
    const chosen = {};
    for (const name of choices) {
      const value = document.getElementById(name).value;
      if (value !== "") chosen[name] = value;
    }
    return chosen;
  }

  async function convert() {
    const uslova = await window.uslovaReady;
    try {
      // As the window: a rejection keeps the words shown before and says why.
      words.textContent = uslova.spell(input.value, options());
      error.textContent = "";
      copy.disabled = false;
      if (window.uslovaFirstWords === undefined) window.uslovaFirstWords = performance.now();
    } catch (rejected) {
      if (!rejected.prompt) throw rejected;
      error.textContent = rejected.prompt;
    }
    copied.textContent = "";
  }

  form.addEventListener("submit", (event) => {
    event.preventDefault(); // Enter in the box converts, unlike the desktop window
    convert();
  });
  for (const name of choices) document.getElementById(name).addEventListener("change", convert);
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
