#!/bin/sh
# web.sh: the converter as WebAssembly (emscripten), the npm package uslova and its tarball,
# and the static web page, all in build-web/.
# Usage: web.sh [BUILD_DIR]   (build-web by default)
# SPDX-License-Identifier: MIT
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
# Absolute, as node's require() below reads a relative path as a module's name.
mkdir -p "${1:-$top/build-web}"
out=$(cd "${1:-$top/build-web}" && pwd)
sh "$top/scripts/deps.sh" emscripten node-acorn nodejs
version=$(cat "$top/VERSION")
mkdir -p "$out/include/uslova" "$out/npm/package" "$out/site"
sed "s/@PROJECT_VERSION@/$version/" "$top/converter/version.h.in" >"$out/include/uslova/version.h"

# The converter alone, with its C interface: no Qt, no iostreams, no JavaScript glue. Debian's
# emscripten runs its optimizer with Node, which finds acorn only through NODE_PATH.
exports=_uslova_spell,_uslova_options_init_size,_uslova_options_size,_uslova_option_name,_uslova_words_size,_uslova_limit,_uslova_option_set,_uslova_option_values
exports=$exports,_uslova_options_problem,_uslova_js_spell_many,_uslova_js_widen,_uslova_js_spell_wide,_uslova_js_spell,_uslova_js_render_room,_uslova_js_options_read,_uslova_js_options_free,_uslova_js_words_ascii,_uslova_js_window_pieces,_uslova_js_window_integer_pieces,_uslova_js_window_pieces_many,_uslova_js_window_piece,_uslova_js_window_pieces_room,_uslova_prompt,_uslova_prompt_in,_uslova_refusal,_uslova_problem_in_serbian,_uslova_option_problem,_uslova_verdict_name,_uslova_float_text,_uslova_spell_date,_uslova_read,_uslova_read_in_serbian,_uslova_option_group,_uslova_option_label,_uslova_noun_problem,_uslova_version,_malloc,_free
NODE_PATH=/usr/share/nodejs em++ -O3 -flto -mbulk-memory -std=c++20 -fconstexpr-steps=50000000 \
  -I"$top/converter/include" -I"$top/converter/src" -I"$out/include" \
  $(sed "s|^|$top/converter/src/|" "$top/converter/sources.txt") "$top/js/src/exports.cpp" \
  -o "$out/uslova.wasm" -sSTANDALONE_WASM --no-entry -sALLOW_MEMORY_GROWTH=1 \
  -sEXPORTED_FUNCTIONS="$exports"
wasm=$(base64 -w0 "$out/uslova.wasm")

# The npm package, with the WebAssembly embedded: an ES module, ready at import (bundlers get
# it too, and compile the WebAssembly as browsers want it), and a CommonJS module for
# require(), which compiles it at once, as Node allows.
{
  echo "// uslova $version: numbers in Serbian words. Built by scripts/web.sh; MIT licence."
  cat "$top/js/src/core.js"
  echo "const WASM = \"$wasm\";"
  echo "const api = createUslova(await instantiate(decodeBase64(WASM)));"
  echo "export const spell = api.spell;"
  echo "export const spellMany = api.spellMany;"
  echo "export const spellDate = api.spellDate;"
  echo "export const read = api.read;"
  echo "export const readOptions = api.readOptions;"
  echo "export const version = api.version;"
  echo "export const choices = api.choices;"
  echo "export const verdicts = api.verdicts;"
  echo "export const labels = api.labels;"
  echo "export const groups = api.groups;"
  echo "export { RejectedError };"
  echo "export default { spell, spellMany, spellDate, read, readOptions, version, choices, verdicts, labels, groups, RejectedError };"
} >"$out/npm/package/index.js"
{
  echo "// uslova $version: numbers in Serbian words. Built by scripts/web.sh; MIT licence."
  echo '"use strict";'
  cat "$top/js/src/core.js"
  echo "const WASM = \"$wasm\";"
  echo "const api = createUslova(instantiateSync(WASM));"
  echo "module.exports = { spell: api.spell, spellMany: api.spellMany, spellDate: api.spellDate, read: api.read, readOptions: api.readOptions, version: api.version, choices: api.choices, verdicts: api.verdicts, labels: api.labels, groups: api.groups, RejectedError };"
} >"$out/npm/package/index.cjs"
# The types' option lines from the converter's own tables, through the package just written.
options=$(node -e '
  const { choices, groups } = require(process.argv[1]);
  for (const [name, values] of Object.entries(choices)) {
    // A unit may also be a noun of the caller: "stan,stana,stanova:m".
    const own = groups.own_noun.includes(name) ? " | (string & {})" : "";
    console.log(`  ${name}?: ${values.map((v) => JSON.stringify(v)).join(" | ")}${own};`);
  }' "$out/npm/package/index.cjs")
# The rejections' names, as the converter names them.
verdicts=$(node -e '
  const { verdicts } = require(process.argv[1]);
  console.log(verdicts.map((v) => `  | ${JSON.stringify(v)}`).join("\n") + ";");
' "$out/npm/package/index.cjs")
awk -v options="$options" -v verdicts="$verdicts" '
  /\/\/ @OPTIONS@/ { print options; next }
  /\/\/ @VERDICTS@/ { print verdicts; next }
  { print }' "$top/js/index.d.ts" >"$out/npm/package/index.d.ts"
# CommonJS has no default export: require() gives the object itself.
sed '/@ES module only@/,/@end@/d' "$out/npm/package/index.d.ts" >"$out/npm/package/index.d.cts"
cp "$top/js/README.md" "$top/LICENSE" "$out/npm/package/"
sed "s/@VERSION@/$version/" "$top/js/package.json" >"$out/npm/package/package.json"
(cd "$out/npm" && rm -f uslova-*.tgz && npm pack ./package --silent >/dev/null)

# The page: classic scripts, so that it also works opened from disk. Every visitor downloads
# them, so its JavaScript comes without its comments (the package keeps them), cut where acorn,
# which emscripten brings, finds them, and without the lines they leave empty.
uncommented() {
  NODE_PATH=/usr/share/nodejs node -e '
    const source = require("fs").readFileSync(process.argv[1], "utf8");
    const comments = [];
    require("acorn").parse(source, { ecmaVersion: "latest",
      onComment: (block, text, start, end) => comments.push([start, end]) });
    let code = "", at = 0;
    for (const [start, end] of comments) { code += source.slice(at, start); at = end; }
    code += source.slice(at);
    const lines = code.split("\n").map((line) => line.trimEnd());
    process.stdout.write(lines.filter((line) => line !== "").join("\n") + "\n");
  ' "$1"
}
# Its WebAssembly is a string of one character a byte, which gzip compresses as the bytes
# themselves (base64 hides them from it: 19 KB more), escaped where a string must be. The
# byte-order mark makes browsers read the file as UTF-8 whatever charset a server names.
printf '\357\273\277' >"$out/site/uslova.js"
{
  echo "// uslova $version in the browser. Built by scripts/web.sh; MIT licence."
  echo '"use strict";'
  echo "(function () {"
  uncommented "$top/js/src/core.js"
  node -e '
    const bytes = require("fs").readFileSync(process.argv[1]);
    const digit = (byte) => byte >= 0x30 && byte <= 0x39;
    let text = "";
    for (let i = 0; i < bytes.length; i++) {
      const b = bytes[i];
      text += b === 0x5c ? "\\\\" : b === 0x22 ? "\\\"" : b === 0x0a ? "\\n"
        : b === 0 && !digit(bytes[i + 1]) ? "\\0"
        : b < 0x20 || b === 0x7f ? `\\x${b.toString(16).padStart(2, "0")}`
        : String.fromCharCode(b);
    }
    process.stdout.write(`const WASM = "${text}";\n`);
  ' "$out/uslova.wasm"
  echo "const bytes = new Uint8Array(WASM.length);"
  echo "for (let i = 0; i < WASM.length; i++) bytes[i] = WASM.charCodeAt(i);"
  echo "window.uslovaReady = instantiate(bytes).then(createUslova);"
  echo "})();"
} >>"$out/site/uslova.js"
cp "$top/web/index.html" "$top/web/style.css" "$out/site/"
{
  echo "// The uslova page's behaviour. Built by scripts/web.sh from web/app.js; MIT licence."
  uncommented "$top/web/app.js"
} >"$out/site/app.js"
size=$(cat "$out/site"/* | gzip -9 | wc -c)
echo "web.sh: $out/site ($size bytes gzip-compressed) and $(ls "$out"/npm/uslova-*.tgz)"
