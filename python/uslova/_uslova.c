/* _uslova.c: the uslova package's compiled layer, a CPython extension over the converter's C
 * interface: spell() and spell_many() straight from Python's objects into the converter and
 * back, with each combination of options checked once and kept. The package's __init__.py
 * gives it RejectedError, and the reading of number types other than str and int.
 * SPDX-License-Identifier: MIT */
#define PY_SSIZE_T_CLEAN
#include <Python.h>
#include <string.h>

#include "uslova/uslova.h"

/* Set by _setup(): uslova.RejectedError, and native_text(number, point, many), which gives the
 * bytes of another type's number, or a float's digits as a str, or None for a missing value in
 * a batch, or raises TypeError. */
static PyObject* rejected_error = NULL;
static PyObject* native_text = NULL;
/* (names, values...) of each combination of options used: bytes of a uslova_options and the
 * decimal separator that ints and Decimals are written with. */
static PyObject* prepared = NULL;

/* An integer of this magnitude or more is refused as too large, as the converter says. */
static long long too_large = 0;

typedef struct {
  uslova_options options;
  char point;
} Prepared;

/* The converter's words for setting the option `name` to `value` (a description of it), as
 * a str. */
static PyObject* option_problem(const char* name, const char* value) {
  const size_t length = uslova_option_problem(name, value, NULL, 0);
  char* text = PyMem_Malloc(length + 1);
  PyObject* problem;
  if (text == NULL) return PyErr_NoMemory();
  uslova_option_problem(name, value, text, length + 1);
  problem = PyUnicode_DecodeUTF8(text, (Py_ssize_t)length, "replace");
  PyMem_Free(text);
  return problem;
}

/* TypeError for an option that the converter does not have, naming those it has. */
/* Whether the option `name` may be a noun of one's own, as the converter groups it. */
static int takes_noun(const char* name) {
  const char* noun;
  size_t k;
  for (k = 0; (noun = uslova_option_group("own_noun", k)) != NULL; ++k) {
    if (strcmp(noun, name) == 0) return 1;
  }
  return 0;
}

static PyObject* unknown_option(const char* name) {
  PyObject* problem = option_problem(name, NULL);
  if (problem != NULL) PyErr_SetObject(PyExc_TypeError, problem);
  Py_XDECREF(problem);
  return NULL;
}

/* ValueError with `message`, and as its `prompt` the Serbian of the converter's `problem`, for
 * readers, in the script of `options` (None where there is none). Returns NULL. */
static PyObject* options_error(PyObject* message, const char* problem,
                               const uslova_options* options) {
  const char* serbian = problem == NULL ? NULL : uslova_problem_in_serbian(problem, options);
  PyObject* error = message == NULL ? NULL : PyObject_CallOneArg(PyExc_ValueError, message);
  PyObject* prompt = serbian == NULL ? Py_NewRef(Py_None) : PyUnicode_FromString(serbian);
  if (error != NULL && prompt != NULL && PyObject_SetAttrString(error, "prompt", prompt) == 0) {
    PyErr_SetObject(PyExc_ValueError, error);
  }
  Py_XDECREF(message);
  Py_XDECREF(error);
  Py_XDECREF(prompt);
  return NULL;
}

/* The options of `count` keyword arguments, checked as uslova-cli checks them, as bytes. */
static PyObject* prepare(PyObject* names, PyObject* const* values, Py_ssize_t count) {
  Prepared p;
  Py_ssize_t i, size = 0;
  size_t k;
  const char* problem;
  uslova_options_init(&p.options);
  p.point = '.';
  for (i = 0; i < count; ++i) {
    const char* name = PyUnicode_AsUTF8(PyTuple_GET_ITEM(names, i));
    const char *value, *known;
    if (name == NULL) return NULL;
    for (k = 0; (known = uslova_option_name(k)) != NULL && strcmp(name, known) != 0; ++k) {
    }
    if (known == NULL) return unknown_option(name);
    if (values[i] == Py_None) continue;
    value = PyUnicode_Check(values[i]) ? PyUnicode_AsUTF8AndSize(values[i], &size) : NULL;
    /* A value is a C string: one with a NUL inside would be read as its beginning alone. */
    if (value == NULL || strlen(value) != (size_t)size ||
        uslova_option_set(&p.options, name, value) != 0) {
      /* A unit that is not a name is a noun of one's own: the converter says what is wrong. */
      const char* noun = value != NULL && takes_noun(name) ? uslova_noun_problem(value) : NULL;
      PyObject *shown, *error;
      PyErr_Clear();
      /* A text as it is, anything else, and a text with a NUL, as its repr. */
      if (value != NULL && strlen(value) != (size_t)size) value = NULL;
      shown = value != NULL ? NULL : PyObject_Repr(values[i]);
      value = value != NULL ? value : shown == NULL ? NULL : PyUnicode_AsUTF8(shown);
      PyErr_Clear();
      error = options_error(option_problem(name, value == NULL ? "" : value), noun, &p.options);
      Py_XDECREF(shown);
      return error;
    }
  }
  problem = uslova_options_problem(&p.options);
  if (problem != NULL) return options_error(PyUnicode_FromString(problem), problem, &p.options);
  { /* The separator of a Decimal's digits: the one that the converter writes a float's with. */
    char half[8];
    size_t length = 0;
    if (uslova_float_text("0.5", 3, &p.options, half, sizeof half, &length) == USLOVA_ACCEPTED &&
        length == 3)
      p.point = half[1];
  }
  return PyBytes_FromStringAndSize((const char*)&p, sizeof p);
}

/* The prepared options of a call's keyword arguments, kept for the next call with the same
 * ones; NULL options for none, the window's text. Returns 0, or -1 with an exception. */
static int options_for(PyObject* names, PyObject* const* values, const Prepared** out,
                       PyObject** owner) {
  Py_ssize_t count = names == NULL ? 0 : PyTuple_GET_SIZE(names), i;
  PyObject *key, *found;
  *out = NULL;
  *owner = NULL;
  if (count == 0) return 0;
  key = PyTuple_New(count + 1);
  if (key == NULL) return -1;
  Py_INCREF(names);
  PyTuple_SET_ITEM(key, 0, names);
  for (i = 0; i < count; ++i) {
    Py_INCREF(values[i]);
    PyTuple_SET_ITEM(key, i + 1, values[i]);
  }
  found = PyDict_GetItemWithError(prepared, key); /* borrowed */
  if (found != NULL) {
    Py_INCREF(found);
  } else {
    PyErr_Clear(); /* a value that cannot be hashed is refused by prepare() */
    found = prepare(names, values, count);
    if (found != NULL && PyDict_GET_SIZE(prepared) < uslova_limit("prepared_options") &&
        PyDict_SetItem(prepared, key, found) < 0) {
      PyErr_Clear();
    }
  }
  Py_DECREF(key);
  if (found == NULL) return -1;
  *owner = found;
  *out = (const Prepared*)PyBytes_AS_STRING(found);
  return 0;
}

enum { SPELLED, REJECTED, FAILED, MISSING };

/* The words of `number` in `words`, or the verdict of a rejection, or an exception; in a batch
 * (`many`), a missing value is MISSING. */
static int convert(PyObject* number, const Prepared* p, int many, char* words, Py_ssize_t* length,
                   uslova_verdict* verdict) {
  /* A float's text, or an integer's digits: below 10^integer_digits, far fewer. */
  char digits[USLOVA_FLOAT_TEXT_SIZE];
  const char* text = NULL;
  Py_ssize_t size = 0;
  PyObject* owner = NULL;
  size_t written = 0;
  if (PyUnicode_Check(number)) {
    text = PyUnicode_AsUTF8AndSize(number, &size);
    if (text == NULL) { /* a lone surrogate: its bytes are no number, as the converter says */
      PyErr_Clear();
      owner = PyUnicode_AsEncodedString(number, "utf-8", "surrogatepass");
      if (owner == NULL) return FAILED;
      text = PyBytes_AS_STRING(owner);
      size = PyBytes_GET_SIZE(owner);
    }
  } else if (PyLong_CheckExact(number)) {
    int overflow = 0;
    long long value = PyLong_AsLongLongAndOverflow(number, &overflow);
    unsigned long long magnitude;
    char* at = digits + sizeof digits;
    if (value == -1 && PyErr_Occurred()) return FAILED;
    if (overflow != 0 || value >= too_large || value <= -too_large) {
      *verdict = USLOVA_TOO_LARGE; /* decided from the size, no digit written */
      return REJECTED;
    }
    magnitude = value < 0 ? (unsigned long long)(-value) : (unsigned long long)value;
    do {
      *--at = (char)('0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) *--at = '-';
    text = at;
    size = digits + sizeof digits - at;
  } else {
    owner = PyObject_CallFunction(native_text, "OCi", number, p == NULL ? '.' : p->point, many);
    if (owner == NULL) return FAILED;
    if (owner == Py_None) {
      Py_DECREF(owner);
      return MISSING;
    }
    if (PyUnicode_Check(owner)) { /* a float's digits, as the converter reads floats */
      const char* shown = PyUnicode_AsUTF8AndSize(owner, &size);
      if (shown == NULL) {
        Py_DECREF(owner);
        return FAILED;
      }
      *verdict = uslova_float_text(shown, (size_t)size, p == NULL ? NULL : &p->options, digits,
                                   sizeof digits, &written);
      Py_DECREF(owner);
      owner = NULL;
      if (*verdict != USLOVA_ACCEPTED) return REJECTED;
      text = digits;
      size = (Py_ssize_t)written;
    } else {
      text = PyBytes_AS_STRING(owner);
      size = PyBytes_GET_SIZE(owner);
    }
  }
  *verdict = uslova_spell(text, (size_t)size, p == NULL ? NULL : &p->options, words,
                          USLOVA_WORDS_SIZE, &written);
  if (*verdict == USLOVA_NOT_A_NUMBER) /* an amount in another currency says so */
    *verdict = uslova_refusal(text, (size_t)size, p == NULL ? NULL : &p->options, *verdict);
  Py_XDECREF(owner);
  *length = (Py_ssize_t)written;
  return *verdict == USLOVA_ACCEPTED ? SPELLED : REJECTED;
}

/* RejectedError for `number`, its prompt in the script of the options `p`. */
static void raise_rejected(PyObject* number, uslova_verdict verdict, const Prepared* p) {
  PyObject* error =
      PyObject_CallFunction(rejected_error, "Oss", number, uslova_verdict_name(verdict),
                            uslova_prompt_in(verdict, p == NULL ? NULL : &p->options));
  if (error != NULL) {
    PyErr_SetObject((PyObject*)Py_TYPE(error), error);
    Py_DECREF(error);
  }
}

static int ready(void) {
  if (rejected_error != NULL) return 1;
  PyErr_SetString(PyExc_ImportError, "uslova._uslova is used through the uslova package");
  return 0;
}

static PyObject* spell(PyObject* module, PyObject* const* args, Py_ssize_t nargs, PyObject* names) {
  const Prepared* p;
  PyObject *owner, *result = NULL;
  char words[USLOVA_WORDS_SIZE];
  Py_ssize_t length = 0;
  uslova_verdict verdict = USLOVA_ACCEPTED;
  (void)module;
  if (!ready()) return NULL;
  if (nargs != 1) {
    return PyErr_Format(PyExc_TypeError, "spell() takes one number and the options by name");
  }
  if (options_for(names, args + nargs, &p, &owner) < 0) return NULL;
  switch (convert(args[0], p, 0, words, &length, &verdict)) {
    case SPELLED:
      result = PyUnicode_DecodeUTF8(words, length, NULL);
      break;
    case REJECTED:
      raise_rejected(args[0], verdict, p);
      break;
    default:
      break;
  }
  Py_XDECREF(owner);
  return result;
}

/* spell_date(text, **options): the words of a date given as text; the package reads a
 * datetime.date into text and allows the script and case alone. */
static PyObject* spell_date(PyObject* module, PyObject* const* args, Py_ssize_t nargs,
                            PyObject* names) {
  const Prepared* p;
  PyObject *owner, *result = NULL;
  char words[USLOVA_WORDS_SIZE];
  size_t length = 0;
  Py_ssize_t size;
  const char* text;
  uslova_verdict verdict;
  (void)module;
  if (!ready()) return NULL;
  if (nargs != 1 || !PyUnicode_Check(args[0])) {
    return PyErr_Format(PyExc_TypeError, "spell_date() takes one date as text");
  }
  text = PyUnicode_AsUTF8AndSize(args[0], &size);
  if (text == NULL) {
    PyErr_Clear(); /* a lone surrogate: no date */
    text = "";
    size = 0;
  }
  if (options_for(names, args + nargs, &p, &owner) < 0) return NULL;
  verdict = uslova_spell_date(text, (size_t)size, p == NULL ? NULL : &p->options, words,
                              sizeof words, &length);
  if (verdict == USLOVA_ACCEPTED) {
    result = PyUnicode_DecodeUTF8(words, (Py_ssize_t)length, NULL);
  } else {
    raise_rejected(args[0], verdict, p);
  }
  Py_XDECREF(owner);
  return result;
}

/* read(text, **options): the number of words given as text, as digits; ValueError with the
 * converter's reason for words that do not read. */
static PyObject* read_words(PyObject* module, PyObject* const* args, Py_ssize_t nargs,
                            PyObject* names) {
  const Prepared* p;
  PyObject *owner, *bytes = NULL, *result = NULL;
  char out[USLOVA_READ_SIZE];
  Py_ssize_t size;
  const char* text;
  uslova_verdict verdict;
  (void)module;
  if (!ready()) return NULL;
  if (nargs != 1 || !PyUnicode_Check(args[0])) {
    return PyErr_Format(PyExc_TypeError, "read() takes one text of words");
  }
  text = PyUnicode_AsUTF8AndSize(args[0], &size);
  if (text == NULL) { /* a lone surrogate: its bytes are no word, as the converter says */
    PyErr_Clear();
    bytes = PyUnicode_AsEncodedString(args[0], "utf-8", "surrogatepass");
    if (bytes == NULL) return NULL;
    text = PyBytes_AS_STRING(bytes);
    size = PyBytes_GET_SIZE(bytes);
  }
  if (options_for(names, args + nargs, &p, &owner) < 0) {
    Py_XDECREF(bytes);
    return NULL;
  }
  verdict = uslova_read(text, (size_t)size, p == NULL ? NULL : &p->options, out, sizeof out);
  if (verdict == USLOVA_ACCEPTED) {
    result = PyUnicode_FromString(out);
  } else { /* the reason in English, and in Serbian as the error's prompt, for readers */
    char serbian[USLOVA_READ_SIZE];
    PyObject *error, *prompt;
    uslova_read_in_serbian(text, (size_t)size, p == NULL ? NULL : &p->options, serbian,
                           sizeof serbian);
    error = PyObject_CallFunction(PyExc_ValueError, "s", out);
    prompt = PyUnicode_FromString(serbian);
    if (error != NULL && prompt != NULL && PyObject_SetAttrString(error, "prompt", prompt) == 0)
      PyErr_SetObject(PyExc_ValueError, error);
    Py_XDECREF(error);
    Py_XDECREF(prompt);
  }
  Py_XDECREF(owner);
  Py_XDECREF(bytes);
  return result;
}

static PyObject* spell_many(PyObject* module, PyObject* const* args, Py_ssize_t nargs,
                            PyObject* names) {
  const Prepared* p;
  PyObject *owner, *iterator, *item, *list;
  char words[USLOVA_WORDS_SIZE];
  (void)module;
  if (!ready()) return NULL;
  if (nargs != 1) {
    return PyErr_Format(PyExc_TypeError,
                        "spell_many() takes one iterable of numbers and the options by name");
  }
  /* A text is iterable too, but its characters are not the numbers meant. */
  if (PyUnicode_Check(args[0]) || PyBytes_Check(args[0]) || PyByteArray_Check(args[0])) {
    return PyErr_Format(PyExc_TypeError,
                        "spell_many() takes an iterable of numbers, not a %s: pass [text] for "
                        "one number",
                        Py_TYPE(args[0])->tp_name);
  }
  if (options_for(names, args + nargs, &p, &owner) < 0) return NULL;
  iterator = PyObject_GetIter(args[0]);
  list = iterator == NULL ? NULL : PyList_New(0);
  while (list != NULL && (item = PyIter_Next(iterator)) != NULL) {
    Py_ssize_t length = 0;
    uslova_verdict verdict;
    PyObject* words_of_item = NULL;
    switch (convert(item, p, 1, words, &length, &verdict)) {
      case SPELLED:
        words_of_item = PyUnicode_DecodeUTF8(words, length, NULL);
        break;
      case REJECTED:
      case MISSING:
        Py_INCREF(Py_None);
        words_of_item = Py_None;
        break;
      default:
        break;
    }
    Py_DECREF(item);
    if (words_of_item == NULL || PyList_Append(list, words_of_item) < 0) Py_CLEAR(list);
    Py_XDECREF(words_of_item);
  }
  if (list != NULL && PyErr_Occurred()) Py_CLEAR(list);
  Py_XDECREF(iterator);
  Py_XDECREF(owner);
  return list;
}

static PyMethodDef methods[12];
/* The docstrings of spell() and spell_many(), kept alive for their functions, which read them
 * from their method definitions whenever __doc__ is asked for. */
static PyObject* docs[2];

static PyObject* setup(PyObject* module, PyObject* args) {
  PyObject *error, *text, *spell_doc, *spell_many_doc;
  int i;
  (void)module;
  if (!PyArg_ParseTuple(args, "OOO!O!", &error, &text, &PyBytes_Type, &spell_doc, &PyBytes_Type,
                        &spell_many_doc)) {
    return NULL;
  }
  Py_INCREF(error);
  Py_INCREF(text);
  Py_XDECREF(rejected_error);
  Py_XDECREF(native_text);
  rejected_error = error;
  native_text = text;
  for (i = 0; i < 2; ++i) {
    PyObject* doc = i == 0 ? spell_doc : spell_many_doc;
    Py_INCREF(doc);
    methods[i].ml_doc = PyBytes_AS_STRING(doc);
    Py_XDECREF(docs[i]);
    docs[i] = doc;
  }
  Py_RETURN_NONE;
}

/* {name: (values...)} of every option, as the converter lists them. */
static PyObject* choices(PyObject* module, PyObject* unused) {
  PyObject* found = PyDict_New();
  const char* name;
  size_t k;
  (void)module;
  (void)unused;
  for (k = 0; found != NULL && (name = uslova_option_name(k)) != NULL; ++k) {
    PyObject *values = PyUnicode_FromString(uslova_option_values(name)), *blank, *split = NULL;
    PyObject* tuple = NULL;
    blank = PyUnicode_FromString(", ");
    if (values != NULL && blank != NULL) split = PyUnicode_Split(values, blank, -1);
    if (split != NULL) tuple = PyList_AsTuple(split);
    if (tuple == NULL || PyDict_SetItemString(found, name, tuple) < 0) Py_CLEAR(found);
    Py_XDECREF(values);
    Py_XDECREF(blank);
    Py_XDECREF(split);
    Py_XDECREF(tuple);
  }
  return found;
}

/* The text `answer` of the converter's, or None for NULL. */
static PyObject* text_or_none(const char* answer) {
  if (answer == NULL) Py_RETURN_NONE;
  return PyUnicode_FromString(answer);
}

/* option_group(group, index): the index-th option of the group, as uslova_option_group gives
 * it, or None. */
static PyObject* option_group(PyObject* module, PyObject* arguments) {
  const char* group;
  Py_ssize_t index;
  (void)module;
  if (!PyArg_ParseTuple(arguments, "sn", &group, &index)) return NULL;
  return text_or_none(index < 0 ? NULL : uslova_option_group(group, (size_t)index));
}

/* option_label(name, value): as uslova_option_label gives it, value None for the option's own;
 * or None. */
static PyObject* option_label(PyObject* module, PyObject* arguments) {
  const char *name, *value;
  (void)module;
  if (!PyArg_ParseTuple(arguments, "sz", &name, &value)) return NULL;
  return text_or_none(uslova_option_label(name, value));
}

/* limit_name(index): the name of the index-th limit, as uslova_limit_name gives it, or None. */
static PyObject* limit_name(PyObject* module, PyObject* number) {
  const Py_ssize_t index = PyLong_AsSsize_t(number);
  (void)module;
  if (index == -1 && PyErr_Occurred()) return NULL;
  return text_or_none(index < 0 ? NULL : uslova_limit_name((size_t)index));
}

/* verdict_name(n): the name of the converter's verdict n, as uslova_verdict_name gives it. */
static PyObject* verdict_name(PyObject* module, PyObject* number) {
  const long n = PyLong_AsLong(number);
  (void)module;
  if (n == -1 && PyErr_Occurred()) return NULL;
  return PyUnicode_FromString(uslova_verdict_name((uslova_verdict)n));
}

/* limit(name): a limit of the converter's, as uslova_limit gives it. */
static PyObject* limit(PyObject* module, PyObject* name) {
  (void)module;
  const char* text = PyUnicode_AsUTF8(name);
  return text == NULL ? NULL : PyLong_FromLong(uslova_limit(text));
}

static PyMethodDef methods[12] = {
    {"spell", (PyCFunction)(void (*)(void))spell, METH_FASTCALL | METH_KEYWORDS,
     "spell(number, **options): the words of number, as uslova.spell says."},
    {"spell_many", (PyCFunction)(void (*)(void))spell_many, METH_FASTCALL | METH_KEYWORDS,
     "spell_many(numbers, **options): the words of each, or None, as uslova.spell_many says."},
    {"spell_date", (PyCFunction)(void (*)(void))spell_date, METH_FASTCALL | METH_KEYWORDS,
     "spell_date(text, /, **options): a date's words; see uslova.spell_date."},
    {"_setup", setup, METH_VARARGS,
     "_setup(RejectedError, native_text, spell_doc, spell_many_doc): for the package."},
    {"choices", choices, METH_NOARGS, "choices(): each option's values, as uslova-cli lists them."},
    {"limit", limit, METH_O, "limit(name): a limit of the converter's, as uslova_limit gives it."},
    {"read", (PyCFunction)(void (*)(void))read_words, METH_FASTCALL | METH_KEYWORDS,
     "read(text, /, **options): words back to digits; see uslova.read."},
    {"option_group", option_group, METH_VARARGS,
     "option_group(group, index): an option of a group, as uslova_option_group gives it."},
    {"option_label", option_label, METH_VARARGS,
     "option_label(name, value): as uslova_option_label gives it."},
    {"limit_name", limit_name, METH_O,
     "limit_name(index): a limit's name, as uslova_limit_name gives it."},
    {"verdict_name", verdict_name, METH_O,
     "verdict_name(n): the name of verdict n, as uslova_verdict_name gives it."},
    {NULL, NULL, 0, NULL},
};

static struct PyModuleDef module_definition = {
    PyModuleDef_HEAD_INIT,
    "uslova._uslova",
    "The compiled layer of the uslova package, over the converter's C interface.",
    -1,
    methods,
    NULL,
    NULL,
    NULL,
    NULL};

PyMODINIT_FUNC PyInit__uslova(void) {
  PyObject* module = PyModule_Create(&module_definition);
  int digit;
  if (module == NULL) return NULL;
  for (too_large = 1, digit = 0; digit < uslova_limit("integer_digits"); ++digit)
    too_large *= 10;
  prepared = PyDict_New();
  if (prepared == NULL || PyModule_AddStringConstant(module, "version", uslova_version()) < 0) {
    Py_DECREF(module);
    return NULL;
  }
  return module;
}
