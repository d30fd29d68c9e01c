<?php
declare(strict_types=1);
// uslova.php: numbers in Serbian words from PHP, through PHP's FFI and libuslova.so.1.
// SPDX-License-Identifier: MIT
//
//   require 'uslova.php';
//   echo Uslova::spell('1.234,56', ['currency' => 'RSD']);
//   // jedna hiljada dve stotine trideset cetiri dinara i pedeset sest para
//
// The library is the one at the path in USLOVA_LIBRARY, or else libuslova.so.1 as the system's
// loader finds it (the Debian package libuslova1 puts it there). PHP allows FFI in its command
// line by default (ffi.enable=preload); a web server needs ffi.enable=true or a preloaded
// script. Options, their values and the room for the words are the library's own: this file
// copies none of them.

final class UslovaRejected extends InvalidArgumentException
{
    public function __construct(public readonly string $verdict, public readonly string $prompt)
    {
        parent::__construct($prompt);
    }
}

final class Uslova
{
    private const DECLARATIONS = <<<'C'
        typedef struct uslova_options uslova_options;
        size_t uslova_options_size(void);
        void uslova_options_init_size(uslova_options* options, size_t size);
        int uslova_option_set(uslova_options* options, const char* name, const char* value);
        const char* uslova_option_name(size_t index);
        const char* uslova_date_option_name(size_t index);
        const char* uslova_option_values(const char* name);
        const char* uslova_options_problem(const uslova_options* options);
        size_t uslova_words_size(void);
        const char* uslova_version(void);
        int uslova_spell(const char* text, size_t text_length, const uslova_options* options,
                         char* buffer, size_t size, size_t* length);
        const char* uslova_noun_problem(const char* noun);
        size_t uslova_option_problem(const char* name, const char* value, char* buffer,
                                     size_t size);
        int uslova_spell_date(const char* text, size_t text_length, const uslova_options* options,
                              char* buffer, size_t size, size_t* length);
        int uslova_float_text(const char* shown, size_t shown_length,
                              const uslova_options* options, char* buffer, size_t size,
                              size_t* length);
        const char* uslova_prompt(int verdict);
        const char* uslova_prompt_in(int verdict, const uslova_options* options);
        int uslova_refusal(const char* text, size_t text_length, const uslova_options* options,
                           int verdict);
        const char* uslova_verdict_name(int verdict);
        C;

    private static ?FFI $ffi = null;

    /** The library, or RuntimeError in one line that says where it was looked for. */
    private static function ffi(): FFI
    {
        $library = getenv('USLOVA_LIBRARY') ?: 'libuslova.so.1';
        try {
            return self::$ffi ??= FFI::cdef(self::DECLARATIONS, $library);
        } catch (FFI\Exception $e) {
            throw new RuntimeException("cannot load $library (set USLOVA_LIBRARY to its path): "
                . $e->getMessage());
        }
    }

    /** Each option's values, as uslova-cli lists them: ['script' => ['ascii', ...], ...]. */
    public static function choices(): array
    {
        $ffi = self::ffi();
        $choices = [];
        for ($i = 0; ($name = $ffi->uslova_option_name($i)) !== null; ++$i) {
            $choices[$name] = explode(', ', $ffi->uslova_option_values($name));
        }
        return $choices;
    }

    /**
     * The words of $number (a string as typed, an int, or a float read as the shortest digits
     * that give it back, as var_export shows them: 1234.56, but not 0.1 + 0.2, which shows as
     * 0.30000000000000004), with the options of uslova-cli by name; null leaves an option
     * unset. Throws UslovaRejected for a number that cannot be spelled ("inexact" for a float
     * of more than 15 significant digits: round it, or pass a string), ValueError for options
     * that uslova-cli refuses, and TypeError for another type.
     */
    public static function spell(mixed $number, array $options = []): string
    {
        if (!is_string($number) && !is_int($number) && !is_float($number)) {
            throw new TypeError('expected a string, an int or a float, not '
                . get_debug_type($number));
        }
        $ffi = self::ffi();
        [$settings, $struct] = self::options($ffi, $options);
        $room = $ffi->uslova_words_size();
        $words = $ffi->new("char[$room]");
        $length = $ffi->new('size_t');
        $text = (string)$number;
        $verdict = 0;
        if (is_float($number)) {  // (string) would round it to 14 digits
            $precision = ini_set('serialize_precision', '-1');
            $shown = var_export($number, true);
            ini_set('serialize_precision', (string)$precision);
            $verdict = $ffi->uslova_float_text($shown, strlen($shown), $struct, $words, $room,
                FFI::addr($length));
            $text = FFI::string($words, $length->cdata);
        }
        if ($verdict === 0) {
            $verdict = $ffi->uslova_spell($text, strlen($text), $struct, $words, $room,
                FFI::addr($length));
            // An amount marked with another currency's code or sign says so.
            $verdict = $ffi->uslova_refusal($text, strlen($text), $struct, $verdict);
        }
        if ($verdict !== 0) {
            throw new UslovaRejected($ffi->uslova_verdict_name($verdict),
                $ffi->uslova_prompt_in($verdict, $struct));
        }
        return FFI::string($words, $length->cdata);
    }

    /**
     * The words of a date as contracts write it, in the genitive, one blank apart:
     * Uslova::spellDate('9.12.2026', ['script' => 'latin']) is "devetog decembra dve hiljade
     * dvadeset šeste godine". A string is "9.12.2026", "09.12.2026." or "2026-12-09", years 1 to
     * 9999; a DateTimeInterface is read as the calendar day of its own time zone. Only script
     * and case apply. UslovaRejected ("not_a_date") for a date that does not exist, ValueError
     * for other options, TypeError for another type.
     */
    public static function spellDate(mixed $date, array $options = []): string
    {
        if ($date instanceof DateTimeInterface) {
            $date = $date->format('Y-m-d');
        } elseif (!is_string($date)) {
            throw new TypeError('expected a string or a DateTimeInterface, not '
                . get_debug_type($date));
        }
        $ffi = self::ffi();
        $taken = [];  // the options a date takes, as the library names them
        while (($name = $ffi->uslova_date_option_name(count($taken))) !== null) {
            $taken[] = $name;
        }
        foreach (array_keys($options) as $name) {
            if (!in_array($name, $taken, true)) {
                throw new ValueError('a date takes ' . implode(', ', $taken)
                    . " alone, not '$name'");
            }
        }
        [$settings, $struct] = self::options($ffi, $options);
        $room = $ffi->uslova_words_size();
        $words = $ffi->new("char[$room]");
        $length = $ffi->new('size_t');
        $verdict = $ffi->uslova_spell_date($date, strlen($date), $struct, $words, $room,
            FFI::addr($length));
        if ($verdict !== 0) {
            throw new UslovaRejected($ffi->uslova_verdict_name($verdict),
                $ffi->uslova_prompt_in($verdict, $struct));
        }
        return FFI::string($words, $length->cdata);
    }

    /**
     * The library's options struct for `$options` by name, or ValueError as uslova-cli says:
     * [the memory, which must be kept while the struct is used, and the struct].
     */
    private static function options(FFI $ffi, array $options): array
    {
        // The struct's size is the library's, and the size_t it starts with FFI's own: 4 bytes
        // on i386, 8 on x86-64. An array of size_t is aligned as the struct.
        $size = $ffi->uslova_options_size();
        $unit = FFI::sizeof(FFI::type('size_t'));
        $settings = $ffi->new('size_t[' . intdiv($size + $unit - 1, $unit) . ']');
        $struct = $ffi->cast('uslova_options*', FFI::addr($settings));
        $ffi->uslova_options_init_size($struct, $size);
        foreach ($options as $name => $value) {
            if ($value === null) {
                continue;  // unset, as None in Python and undefined in JavaScript
            }
            $name = (string)$name;
            if ($ffi->uslova_option_values($name) === null) {
                throw new ValueError(self::problem($ffi, $name, null));
            }
            // A value crosses as a C string: one with a NUL inside would be read as its start.
            if (!is_string($value) || str_contains($value, "\0")
                || $ffi->uslova_option_set($struct, $name, $value) !== 0) {
                $shown = is_scalar($value) ? (string)$value : get_debug_type($value);
                // A value with a NUL is shown without it: the converter reads C strings.
                throw new ValueError(self::problem($ffi, $name, str_replace("\0", '\0', $shown)));
            }
        }
        $problem = $ffi->uslova_options_problem($struct);
        if ($problem !== null) {
            throw new ValueError($problem);
        }
        return [$settings, $struct];
    }

    /** The library's words for setting the option $name to $value, shown as it is; an unknown
     * option for null. */
    private static function problem(FFI $ffi, string $name, ?string $value): string
    {
        $size = $ffi->uslova_option_problem($name, $value, null, 0) + 1;
        $text = $ffi->new("char[$size]");
        $ffi->uslova_option_problem($name, $value, $text, $size);
        return FFI::string($text);
    }

    public static function version(): string
    {
        return self::ffi()->uslova_version();
    }
}

// Run as a program: php uslova.php NUMBER [NAME=VALUE]..., e.g. php uslova.php 1.234,56
// currency=RSD; uslova-cli is the command line with every rule, this is an example of the class.
if (PHP_SAPI === 'cli' && realpath($argv[0]) === __FILE__) {
    $usage = 'Usage: php ' . basename(__FILE__) . " NUMBER [NAME=VALUE]...\n"
        . "Writes NUMBER in Serbian words with the options of uslova-cli, e.g. currency=RSD.\n";
    if ($argc < 2 || in_array($argv[1], ['-h', '--help'], true)) {
        fwrite($argc < 2 ? STDERR : STDOUT, $usage);
        exit($argc < 2 ? 2 : 0);
    }
    $options = [];
    foreach (array_slice($argv, 2) as $setting) {
        [$name, $value] = array_pad(explode('=', $setting, 2), 2, null);
        if ($value === null) {
            fwrite(STDERR, "not NAME=VALUE: $setting\n$usage");
            exit(2);
        }
        $options[$name] = $value;
    }
    try {
        echo Uslova::spell($argv[1], $options), "\n";
    } catch (UslovaRejected $rejected) {
        fwrite(STDERR, $rejected->prompt . "\n");
        exit(1);
    } catch (ValueError | RuntimeException $error) {
        fwrite(STDERR, $error->getMessage() . "\n");
        exit(2);
    }
}
