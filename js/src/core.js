// core.js: the converter's WebAssembly in JavaScript: spell() and RejectedError over the C
// interface, for the npm package and for the web page alike. The build wraps this file: as an
// ES module for the package, as a classic script for the page.
// SPDX-License-Identifier: MIT


/** A number that cannot be spelled, with the reason as the uslova window gives it. */
class RejectedError extends Error {
  constructor(number, verdict, prompt) {
    const text = String(number);
    const shown = text.length > 80 ? `${text.slice(0, 60)}...${text.slice(-10)}` : text;
    super(`${JSON.stringify(shown)}: ${prompt}`);
    this.name = "RejectedError";
    /** A short name, one of `verdicts`: "not_a_number", "too_large", ... */
    this.verdict = verdict;
    /** The Serbian text of the window's message box, in the script of the words. */
    this.prompt = prompt;
  }
}

/** Decodes base64 into bytes, in Node and in browsers alike. */
function decodeBase64(text) {
  const binary = atob(text);
  const bytes = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; i++) bytes[i] = binary.charCodeAt(i);
  return bytes;
}

// The module's one import: told when its memory grows; the views are checked after every call
// that may allocate.
const IMPORTS = { env: { emscripten_notify_memory_growth() {} } };

function started(instance) {
  if (instance.exports._initialize) instance.exports._initialize();
  return { exports: instance.exports, memory: instance.exports.memory };
}

/** Compiles and instantiates the WebAssembly `bytes`, as browsers want it. */
async function instantiate(bytes) {
  const { instance } = await WebAssembly.instantiate(bytes, IMPORTS);
  return started(instance);
}

/** The same at once, for require() in Node, which compiles a module of any size in place. */
function instantiateSync(base64) {
  return started(new WebAssembly.Instance(new WebAssembly.Module(decodeBase64(base64)), IMPORTS));
}

/** A function that reads each of `names` from an options object once, into an array: named
 * reads, which engines make fast, written from the converter's names; where a page's policy
 * forbids making code, a loop of the same reads. */
function optionReader(names) {
  const reads = names.map((name, i) => `values[${i}] = options[${JSON.stringify(name)}];`);
  try {
    return new Function("options", "values", reads.join("\n"));
  } catch {
    return (options, values) => names.forEach((name, i) => { values[i] = options[name]; });
  }
}

/** A function that gives the first name that `for...in` finds in an object and that is none of
 * `names`, or undefined: a switch of the names, which compares strings the engine keeps once
 * by their place; where code cannot be made, a search of the list. */
function strangerFinder(names) {
  const cases = names.map((name) => `case ${JSON.stringify(name)}:`).join(" ");
  try {
    return new Function("options",
      `for (const name in options) { switch (name) { ${cases} break; default: return name; } }`);
  } catch {
    return (options) => {
      for (const name in options) if (!names.includes(name)) return name;
      return undefined;
    };
  }
}

/** What the converter says of itself: its options in uslova-cli's order, the values of each
 * (whose place the options' key counts from), its groups of options (those a date and reading
 * take, those that name what is counted, take a noun of one's own, make an amount), how a form
 * names each option and value to its readers, and its rejections, the verdicts from 1 on up to
 * the first that has no name. */
function selfDescription(exports, cString, writeString) {
  const names = (nameOf) => {
    const list = [];
    for (let name; (name = nameOf(list.length)) !== 0;) list.push(cString(name));
    return list;
  };
  /** `ask` with the module's copy of each of `texts`, a pointer or 0 for null. */
  const withText = (texts, ask) => {
    const pointers = texts.map((text) => (text === null ? 0 : writeString(text)));
    try {
      return ask(...pointers);
    } finally {
      for (const pointer of pointers) if (pointer !== 0) exports.free(pointer);
    }
  };
  const OPTION_NAMES = names(exports.uslova_option_name);
  // As the library lists them, "ascii, latin, cyrillic".
  const VALUES = OPTION_NAMES.map((name) =>
    withText([name], (pointer) => cString(exports.uslova_option_values(pointer)).split(", ")));
  const verdicts = [];
  for (let name; (name = cString(exports.uslova_verdict_name(verdicts.length + 1))) !== "unknown";) {
    verdicts.push(name);
  }
  // Frozen, as the instance reads them too: a caller cannot change what it checks.
  const groups = Object.freeze(Object.fromEntries(["date", "read", "counted", "own_noun", "amount"]
    .map((group) => [group, Object.freeze(withText([group],
      (pointer) => names((i) => exports.uslova_option_group(pointer, i))))])));
  const label = (name, value) => withText([name, value], (namePointer, valuePointer) => {
    const pointer = exports.uslova_option_label(namePointer, valuePointer);
    return pointer === 0 ? null : cString(pointer);
  });
  const labels = Object.freeze(Object.fromEntries(OPTION_NAMES.map((name, i) => [name,
    Object.freeze({ label: label(name, null), none: label(name, ""), values: Object.freeze(
      Object.fromEntries(VALUES[i].map((value) => [value, label(name, value)]))) })])));
  return { OPTION_NAMES, VALUES, verdicts, DATE_OPTIONS: groups.date, READ_OPTIONS: groups.read,
    groups, labels };
}

/** The spell() of one instance: text crosses into the module through one buffer that grows
 * as needed, encoded in place; options are prepared once for each combination. */
function createUslova({ exports, memory }) {
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();
  let text = 0;
  let textSize = 0;
  const prepared = new Map();
  const cString = (pointer) => {
    const bytes = new Uint8Array(memory.buffer, pointer);
    return decoder.decode(bytes.subarray(0, bytes.indexOf(0)));
  };
  /** Memory of the module's, or an error that says none could be had: the module's memory
   * is never written through a failed allocation. */
  const allocate = (bytes) => {
    const pointer = exports.malloc(bytes);
    if (pointer === 0) {
      throw new RangeError(`the converter cannot hold ${bytes} more bytes of text`);
    }
    return pointer;
  };
  const writeString = (value) => {
    const bytes = encoder.encode(`${value}\0`);
    const pointer = allocate(bytes.length);
    new Uint8Array(memory.buffer, pointer, bytes.length).set(bytes);
    return pointer;
  };
  /** The converter's words for setting the option `name` to `value`, a description of it, or
   * for an unknown option when `value` is null. */
  const optionProblem = (name, value) => {
    const namePointer = writeString(name);
    let valuePointer = 0;
    try {
      // A NUL is shown, not taken for the value's end.
      valuePointer = value === null ? 0 : writeString(String(value).replaceAll("\0", "\\0"));
      const size = exports.uslova_option_problem(namePointer, valuePointer, 0, 0) + 1;
      const buffer = allocate(size);
      exports.uslova_option_problem(namePointer, valuePointer, buffer, size);
      const text = cString(buffer);
      exports.free(buffer);
      return text;
    } finally {
      exports.free(namePointer);
      if (valuePointer !== 0) exports.free(valuePointer);
    }
  };
  const { OPTION_NAMES, DATE_OPTIONS, READ_OPTIONS, VALUES, verdicts, groups, labels } =
    selfDescription(exports, cString, writeString);
  const WORDS_SIZE = exports.uslova_words_size();
  // Room for the converter to write a call's words in place, without copying them.
  const WORDS_ROOM = Math.max(WORDS_SIZE, exports.uslova_js_render_room());
  const words = allocate(WORDS_ROOM);
  const length = allocate(8);
  /** A limit that the converter publishes, by name. */
  const limit = (name) => {
    const namePointer = writeString(name);
    const value = exports.uslova_limit(namePointer);
    exports.free(namePointer);
    return value;
  };

  // ASCII words (the default script) are decoded as Latin-1 where Node offers it, which is
  // quicker than UTF-8. Node decodes the UTF-8 of other scripts at some 3 ns a byte, but makes
  // a string of UTF-16 with a copy: there the converter widens their words to UTF-16 first.
  // Elsewhere they are decoded as UTF-8.
  const latin1Slice = typeof Buffer === "function" ? Buffer.prototype.latin1Slice : undefined;
  const ucs2Slice = typeof Buffer === "function" ? Buffer.prototype.ucs2Slice : undefined;
  const widened = ucs2Slice === undefined ? 0 : allocate(2 * WORDS_ROOM); // a unit a byte at most
  const decodeWords = (start, end, ascii) => {
    if (ascii && latin1Slice !== undefined) return latin1Slice.call(heap, start, end);
    if (ucs2Slice === undefined) return decoder.decode(heap.subarray(start, end));
    const units = exports.uslova_js_widen(start, end - start, widened);
    return ucs2Slice.call(heap, widened, widened + 2 * units);
  };

  /** A value for a message, without running any code of the caller's. */
  const described = (value) =>
    ["string", "number", "boolean", "bigint"].includes(typeof value) ? String(value) : typeof value;

  // A call's options as one number: each option a digit, 0 when it is not given, else its
  // value's place in the converter's list from 1, or one past the list for a value of one's
  // own (a noun, or a value the converter is yet to refuse).
  const WEIGHTS = [];
  VALUES.reduce((weight, values) => (WEIGHTS.push(weight), weight * (values.length + 2)), 1);
  // The value each option had last, and its number: a call with the options of the one before
  // it compares each value with one string.
  const lastValues = new Array(OPTION_NAMES.length).fill(undefined);
  const lastNumbers = new Array(OPTION_NAMES.length).fill(0);
  /** The number of option i's `value` in the converter's list from 1, or 0 for none of it. */
  const valueNumber = (i, value) => {
    if (value === lastValues[i]) return lastNumbers[i];
    const number = VALUES[i].indexOf(value) + 1;
    if (number !== 0) {
      lastValues[i] = value;
      lastNumbers[i] = number;
    }
    return number;
  };
  const findStranger = strangerFinder(OPTION_NAMES);
  const readOptions = optionReader(OPTION_NAMES);
  const snapshot = new Array(OPTION_NAMES.length);
  let reading = 0; // calls reading options now: a getter may call spell() itself
  /** A prepared struct, and whether its words are ASCII. */
  const WINDOW = { pointer: 0, read: 0, ascii: true }; // no options: the window's exact text

  /** The prepared struct for `options`, made once for each combination of values. Each option
   * is read exactly once, into a snapshot from which the key, the struct and the script's flag
   * all come: a getter or a proxy that answers differently each time cannot give the cache one
   * value and the converter another. */
  const optionsSize = exports.uslova_options_size();
  const MOST_PREPARED = limit("prepared_options");
  function optionsFor(options) {
    if (options === undefined || options === null) return WINDOW;
    if (typeof options !== "object") throw new TypeError("options must be an object");
    const stranger = findStranger(options);
    if (stranger !== undefined) {
      throw new TypeError(optionProblem(stranger, null));
    }
    const values = reading++ === 0 ? snapshot : new Array(OPTION_NAMES.length);
    try {
      readOptions(options, values);
    } finally {
      reading--;
    }
    let key = 0;
    let own = ""; // the values of one's own, for the key
    for (let i = 0; i < values.length; i++) {
      const value = values[i];
      if (value === undefined || value === null) continue;
      let number = typeof value === "string" ? valueNumber(i, value) : 0;
      if (number === 0) {
        // A value crosses as a C string, which ends at a NUL; "\0" keeps the key's parts apart.
        if (typeof value !== "string" || value === "" || value.includes("\0")) {
          const name = OPTION_NAMES[i];
          throw new RangeError(optionProblem(name, described(value)));
        }
        number = VALUES[i].length + 1;
        own += `\0${i}\0${value}`;
      }
      key += number * WEIGHTS[i];
    }
    if (key === 0) return WINDOW; // no option given: the window's text, as without options
    if (own === "" && key === lastKey) return lastEntry;
    const found = prepared.get(own === "" ? key : key + own);
    const entry = found !== undefined ? found : prepare(own === "" ? key : key + own, values);
    if (own === "") {
      lastKey = key;
      lastEntry = entry;
    }
    return entry;
  }
  // The set of the call before, by its key: a program passes the same options call after call.
  let lastKey = 0;
  let lastEntry = WINDOW;

  /** Makes, checks and keeps the struct for the options `values`, by `key`. */
  function prepare(key, values) {
    if (prepared.size >= MOST_PREPARED) { // a bound, for callers that make up options without end
      const [oldestKey, oldest] = prepared.entries().next().value;
      prepared.delete(oldestKey);
      if (oldest === lastEntry) lastKey = 0; // freed below: not to be given again
      exports.free(oldest.pointer);
      exports.uslova_js_options_free(oldest.read);
    }
    const pointer = allocate(optionsSize);
    exports.uslova_options_init_size(pointer, optionsSize);
    try {
      OPTION_NAMES.forEach((name, i) => {
        if (values[i] === undefined || values[i] === null) return;
        const namePointer = writeString(name);
        const valuePointer = writeString(values[i]);
        const result = exports.uslova_option_set(pointer, namePointer, valuePointer);
        // A unit that is not a name is a noun of one's own: the converter says what is wrong.
        const noun = result !== 0 && groups.own_noun.includes(name) ?
          exports.uslova_noun_problem(valuePointer) : 0;
        exports.free(namePointer);
        exports.free(valuePointer);
        if (result !== 0) {
          throw withPrompt(new RangeError(optionProblem(name, values[i])), noun, pointer);
        }
      });
      const problem = exports.uslova_options_problem(pointer);
      if (problem !== 0) throw withPrompt(new TypeError(cString(problem)), problem, pointer);
    } catch (error) {
      exports.free(pointer);
      throw error;
    }
    const read = exports.uslova_js_options_read(pointer); // read once, for every call with them
    if (read === 0) {
      exports.free(pointer);
      throw new RangeError("the converter cannot hold another set of options");
    }
    const entry = { pointer, read, ascii: exports.uslova_js_words_ascii(read) !== 0 };
    prepared.set(key, entry);
    return entry;
  }

  /** The typed text of `number` for the options at `optionsPointer`: a string as it is, a
   * bigint or a safe integer in digits, and another number as the converter reads the digits
   * that String() shows for it. A number that the converter refuses is its verdict, a number. */
  const FLOAT_TEXT = limit("float_text");
  const floatText = allocate(FLOAT_TEXT);
  function textOf(number, optionsPointer) {
    if (typeof number === "string") return number;
    if (typeof number === "bigint") return number.toString();
    if (typeof number === "number") {
      if (Number.isSafeInteger(number)) return String(number);
      const shown = String(number); // ASCII: digits, ".", "e", "-", "+", NaN, Infinity
      reserve(shown.length);
      views();
      for (let i = 0; i < shown.length; i++) heap[text + i] = shown.charCodeAt(i);
      const verdict = exports.uslova_float_text(text, shown.length, optionsPointer, floatText,
        FLOAT_TEXT, length);
      if (verdict !== 0) return verdict;
      views();
      return decoder.decode(heap.subarray(floatText, floatText + lengthView[0]));
    }
    throw new TypeError(`expected a string, a bigint or a number, not ${typeof number}`);
  }

  // The window's caption comes as the ids of its pieces, whose texts are decoded once each
  // and kept: the caption is their strings joined, with no words to decode.
  const PIECES = exports.uslova_js_window_pieces_room(); // ids of 2 bytes at most a caption
  const pieces = allocate(2 * PIECES);
  const pieceStrings = [];
  const pieceText = (id) => {
    let piece = pieceStrings[id];
    if (piece === undefined) {
      const start = exports.uslova_js_window_piece(id, length);
      views();
      piece = decodeWords(start, start + lengthView[0], true);
      pieceStrings[id] = piece;
    }
    return piece;
  };

  // Views of the module's memory, made again only when the memory has grown: growing detaches
  // the buffer they view, which leaves them empty (a length is quicker to read than the
  // memory's buffer).
  let heap = new Uint8Array(memory.buffer);
  let lengthView = new Uint32Array(memory.buffer, length, 2);
  let pieceIds = new Uint16Array(memory.buffer, pieces, PIECES);
  const views = () => {
    if (heap.length !== 0) return;
    heap = new Uint8Array(memory.buffer);
    lengthView = new Uint32Array(memory.buffer, length, 2);
    pieceIds = new Uint16Array(memory.buffer, pieces, PIECES);
  };

  /** The window's caption of `number` from the `count` ids of its pieces, or its rejection
   * for a negative count. */
  function caption(number, count) {
    if (count < 0) throw rejected(number, -count);
    views();
    return joined(pieceIds, 0, count);
  }

  /** The strings of the `count` pieces whose ids are at `ids[at]` on, joined. */
  function joined(ids, at, count) {
    let words = pieceText(ids[at]);
    for (let i = 1; i < count; i++) words += pieceText(ids[at + i]);
    return words;
  }

  /** The error for `number`, which the converter refused with `verdict`, its prompt in the
   * script of the options at `optionsPointer`. */
  const rejected = (number, verdict, optionsPointer = 0) => new RejectedError(
    number,
    cString(exports.uslova_verdict_name(verdict)),
    cString(exports.uslova_prompt_in(verdict, optionsPointer)),
  );

  /** `error`, a problem of options, with the converter's Serbian of `problem` (a C string) in
   * the script of the options at `optionsPointer` as its prompt, for readers: it names no
   * option. Where the converter has none, the prompt is null. */
  function withPrompt(error, problem, optionsPointer) {
    const serbian = problem === 0 ? 0 : exports.uslova_problem_in_serbian(problem, optionsPointer);
    error.prompt = serbian === 0 ? null : cString(serbian);
    return error;
  }

  /** Makes the text buffer hold at least `needed` bytes. When that cannot be had, the old
   * buffer is gone too and the error says so; the next call starts afresh. */
  function reserve(needed) {
    if (needed <= textSize) return;
    if (text !== 0) exports.free(text);
    text = 0;
    textSize = 0;
    const size = Math.max(needed, 256);
    text = allocate(size);
    textSize = size;
  }

  /** Writes `typed` as UTF-8 at `text`, and returns the bytes written. */
  function writeText(typed) {
    reserve(typed.length * 3); // UTF-8 takes at most three bytes for a UTF-16 unit
    views();
    return writeAt(typed, text);
  }

  /** Writes `typed` as UTF-8 at `at` within the text buffer, which has room for it; ASCII byte
   * by byte, which is quicker for short texts. */
  function writeAt(typed, at) {
    for (let i = 0; i < typed.length; i++) {
      const unit = typed.charCodeAt(i);
      if (unit > 0x7f) return encoder.encodeInto(typed, heap.subarray(at, text + textSize)).written;
      heap[at + i] = unit;
    }
    return typed.length;
  }

  /** Writes the digits of a safe integer so that they end at `text` + 17, and returns where
   * they begin, without making a string of them first. The digits come from two halves below
   * 10^8, small integers for the engine, as the remainder of a large double is slow. */
  function writeInteger(number) {
    if (textSize < 32) reserve(32);
    views();
    const magnitude = Math.abs(number);
    let high = Math.floor(magnitude / 1e8);
    let low = magnitude - high * 1e8;
    let at = text + 17; // a safe integer has at most 16 digits, and a sign
    for (let i = 0; i < 8 && (low !== 0 || high !== 0 || i === 0); i++) {
      heap[--at] = 48 + (low % 10);
      low = (low / 10) | 0;
    }
    while (high !== 0) {
      heap[--at] = 48 + (high % 10);
      high = (high / 10) | 0;
    }
    if (number < 0) heap[--at] = 45; // "-"
    return at;
  }

  /**
   * The words of `number`, by default exactly as the uslova window writes them.
   * @param {string|bigint|number} number a string as typed ("1.234,56"), a bigint, or a safe integer
   * @param {object} [options] as uslova-cli names them: script, spacing, case, currency, minor,
   *   forms, decimal, unit
   */
  function spell(number, options) {
    const chosen = options === undefined ? WINDOW : optionsFor(options);
    const optionsPointer = chosen.pointer;
    const integer = typeof number === "number" && Number.isSafeInteger(number);
    if (integer && optionsPointer === 0) {
      return caption(number, exports.uslova_js_window_integer_pieces(number, pieces));
    }
    let start;
    let written;
    if (integer) {
      start = writeInteger(number);
      written = text + 17 - start;
    } else {
      const typed = textOf(number, optionsPointer);
      if (typeof typed === "number") throw rejected(number, typed, optionsPointer);
      written = writeText(typed);
      start = text; // known once the buffer is there
    }
    // The window's caption allocates nothing: the views made before it are good.
    if (optionsPointer === 0) {
      return caption(number, exports.uslova_js_window_pieces(start, written, pieces));
    }
    // Words beyond ASCII come widened in the same crossing, where Node takes them so.
    const wide = !chosen.ascii && ucs2Slice !== undefined;
    let verdict = wide
      ? exports.uslova_js_spell_wide(start, written, chosen.read, widened, 2 * WORDS_ROOM, length)
      : exports.uslova_js_spell(start, written, chosen.read, words, WORDS_ROOM, length);
    if (verdict !== 0) { // an amount in another currency says so
      verdict = exports.uslova_refusal(start, written, optionsPointer, verdict);
      throw rejected(number, verdict, optionsPointer);
    }
    views(); // the texts the converter keeps for a style are made with its options: checked
    if (wide) return ucs2Slice.call(heap, widened, widened + 2 * lengthView[0]);
    const from = words + lengthView[1]; // where in the room the words start
    return decodeWords(from, from + lengthView[0], chosen.ascii);
  }

  /**
   * A date in words as contracts write it, in the genitive: "devetog decembra dve hiljade
   * dvadeset seste godine".
   * @param {string|Date} date "9.12.2026", "09.12.2026." or "2026-12-09"; a Date is read in its
   *   local calendar day, the day that the machine's time zone shows for it
   * @param {object} [options] the options of dateOptions alone: script, case, inflection
   */
  function spellDate(date, options) {
    let typed;
    if (Object.prototype.toString.call(date) === "[object Date]") {
      const time = Date.prototype.getTime.call(date);
      const local = new Date(time);
      const pad = (value, width) => String(value).padStart(width, "0");
      // An invalid Date is its own name, which the converter refuses as no date.
      typed = Number.isNaN(time) ? "Invalid Date"
        : `${pad(local.getFullYear(), 4)}-${pad(local.getMonth() + 1, 2)}-${pad(local.getDate(), 2)}`;
    } else if (typeof date === "string") {
      typed = date;
    } else {
      throw new TypeError(`expected a string or a Date, not ${described(date)}`);
    }
    if (options !== undefined && options !== null && typeof options === "object") {
      for (const name in options) {
        if (!DATE_OPTIONS.includes(name)) {
          throw new TypeError(`a date takes ${DATE_OPTIONS.join(", ")} alone, not '${name}'`);
        }
      }
    }
    const optionsPointer = optionsFor(options).pointer;
    const written = writeText(typed);
    const verdict = exports.uslova_spell_date(text, written, optionsPointer, words, WORDS_SIZE,
      length);
    if (verdict !== 0) throw rejected(typed, verdict, optionsPointer);
    views();
    return decodeWords(words, words + lengthView[0], false);
  }

  const READ_TEXT = limit("read_text");
  const readText = allocate(READ_TEXT);

  /**
   * The number that words say, as digits, as uslova-cli --read writes it: "pet dinara i pet
   * para" gives "5,05". Every text that spell writes reads, in any script, letter case and
   * spacing, and the forms people type ("sto", "dvesta", "hiljadu").
   * @param {string} words
   * @param {object} [options] the options of readOptions alone: decimal, currency, unit
   */
  function read(words, options) {
    if (typeof words !== "string") {
      throw new TypeError(`read takes words as a string, not ${described(words)}`);
    }
    if (options !== undefined && options !== null && typeof options === "object") {
      for (const name in options) {
        if (!READ_OPTIONS.includes(name)) {
          throw new TypeError(`words are read with ${READ_OPTIONS.join(", ")} alone, not '${name}'`);
        }
      }
    }
    const optionsPointer = optionsFor(options).pointer;
    const written = writeText(words);
    const verdict = exports.uslova_read(text, written, optionsPointer, readText, READ_TEXT);
    const said = cString(readText);
    if (verdict !== 0) { // the reason in English, and in Serbian as the prompt, for readers
      const shown = words.length > 80 ? `${words.slice(0, 60)}...${words.slice(-10)}` : words;
      const error = new RangeError(`${JSON.stringify(shown)}: ${said}`);
      exports.uslova_read_in_serbian(text, written, optionsPointer, readText, READ_TEXT);
      error.prompt = cString(readText);
      throw error;
    }
    return said;
  }

  // spellMany's buffers: the texts laid end to end, their lengths, and where the words of each
  // start and end.
  const BATCH = 4096;
  const lengths = allocate(4 * BATCH);
  const bounds = allocate(8 * BATCH);
  // The words of a crossing of spellMany, which ends when they fill it; or the pieces' ids of a
  // batch of the window's captions, PIECES of 2 bytes for each. The more words a crossing
  // decodes at once, the fewer crossings a batch takes, up to the 128 KiB from which V8 keeps a
  // string apart among its large objects, where each word cut from it costs some twenty times
  // as much. ASCII words take a byte a letter in the string, and widened words two bytes a
  // unit, a unit for each byte at most; words decoded from UTF-8 may take two bytes for each
  // byte (a blank, in a string of other letters), so they are given half the room.
  const MANY_WORDS = 96 * WORDS_SIZE;
  const many = allocate(Math.max(MANY_WORDS, 2 * PIECES * BATCH));

  /**
   * The words of each number in order, in one crossing into the module for each batch; null
   * for a number that cannot be spelled, so that the array keeps its places.
   * @param {Iterable<string|bigint|number|null|undefined>} numbers
   * @param {object} [options] as for spell
   */
  function spellMany(numbers, options) {
    // A string is iterable too, but its characters are not the numbers meant.
    if (typeof numbers === "string" || numbers instanceof String ||
        typeof numbers?.[Symbol.iterator] !== "function") {
      throw new TypeError("spellMany takes an array or another iterable of numbers, not " +
        (typeof numbers === "string" || numbers instanceof String ? "a string"
          : numbers === null ? "null" : typeof numbers));
    }
    const { pointer: optionsPointer, read, ascii } = optionsFor(options);
    const list = Array.isArray(numbers) ? numbers : Array.from(numbers);
    const total = list.length; // read once: a proxy may answer differently each time
    const result = new Array(total);
    for (let first = 0; first < total; ) {
      const count = Math.min(BATCH, total - first);
      // A number that the converter refused as it was read gets null, as every rejection does,
      // and so does a missing one: an empty text, which is no number. The texts are laid end
      // to end with +, which with the encoder's flattening costs Node less than an array's
      // join() (some 21 ns a text), and each one's length in UTF-16 units is kept in an array
      // of the call's own, which a call of spellMany from a getter of the list cannot change.
      const units = new Uint32Array(count);
      let laid = "";
      for (let i = 0; i < count; i++) {
        const number = list[first + i];
        let typed = typeof number === "string" ? number
          : number === null || number === undefined ? "" : textOf(number, optionsPointer);
        if (typeof typed === "number") typed = "";
        laid += typed;
        units[i] = typed.length;
      }
      // The texts in one encoding; each one's length in bytes is its length where all are ASCII.
      reserve(laid.length * 3);
      views();
      const lengthViews = new Uint32Array(memory.buffer, lengths, count);
      const { read: taken, written } = encoder.encodeInto(laid, heap.subarray(text, text + textSize));
      if (taken === laid.length && written === laid.length) {
        lengthViews.set(units.subarray(0, count));
      } else {
        for (let i = 0, at = text, unit = 0; i < count; unit += units[i], i++) {
          lengthViews[i] = writeAt(laid.substring(unit, unit + units[i]), at);
          at += lengthViews[i];
        }
      }
      if (optionsPointer === 0) { // the window's captions, as pieces: `many` holds their ids
        exports.uslova_js_window_pieces_many(text, lengths, count, many, bounds);
        const counts = new Int32Array(memory.buffer, bounds, count);
        const ids = new Uint16Array(memory.buffer, many, PIECES * count);
        for (let i = 0; i < count; i++) {
          result[first + i] = counts[i] < 0 ? null : joined(ids, PIECES * i, counts[i]);
        }
        first += count;
        continue;
      }
      // The words of as many texts as a crossing's room holds, decoded at once, and each text's
      // cut from them: one string a crossing is quicker to make than one for each text, or one
      // for the batch, which would be a large object.
      const wide = !ascii && ucs2Slice !== undefined; // as decodeWords, widened in the crossing
      const room = ascii || wide ? MANY_WORDS : MANY_WORDS / 2;
      for (let i = 0, at = text; i < count;) {
        const done = exports.uslova_js_spell_many(at, lengths + 4 * i, count - i, read, many,
          room, bounds, length, wide);
        views(); // as in spell
        at += lengthView[1]; // the bytes of the texts spelled
        const all = wide ? ucs2Slice.call(heap, many, many + lengthView[0])
          : decodeWords(many, many + lengthView[0], ascii);
        const boundViews = new Uint32Array(memory.buffer, bounds, 2 * done);
        for (let j = 0; j < done; j++, i++) {
          const start = boundViews[2 * j];
          result[first + i] = start === 0xffffffff ? null : all.slice(start, boundViews[2 * j + 1]);
        }
      }
      first += count;
    }
    return result;
  }

  /** Why `options` cannot be used, in uslova-cli's words (the converter's own check), or null. */
  function problem(options) {
    try {
      optionsFor(options);
      return null;
    } catch (error) {
      return error.message;
    }
  }

  // The values of every option, as the converter's tables list them.
  const choices = Object.fromEntries(OPTION_NAMES.map((name, i) => [name, [...VALUES[i]]]));
  return { spell, spellMany, spellDate, read, problem, version: cString(exports.uslova_version()),
    choices, verdicts, dateOptions: DATE_OPTIONS, readOptions: READ_OPTIONS, groups, labels };
}
