<?php
declare(strict_types=1);
// uslova.php: numbers in Serbian words from PHP, through PHP's FFI and libuslova.so.1.
// SPDX-License-Identifier: MIT
//
//   require 'uslova.php';
//   echo Uslova::spell('1.234,56', ['currency' => 'RSD', 'spacing' => 'tidy']);
//   // jedna hiljada dve stotine trideset cetiri dinara i pedeset sest para
//
// The library is found through the normal loader path, or at the path in USLOVA_LIBRARY. PHP
// allows FFI in its command line by default (ffi.enable=preload); a web server needs
// ffi.enable=true or a preloaded script.

final class UslovaRejected extends InvalidArgumentException
{
    public function __construct(public readonly string $verdict, public readonly string $prompt)
    {
        parent::__construct($prompt);
    }
}

final class Uslova
{
    private const WORDS_SIZE = 1024;  // USLOVA_WORDS_SIZE
    private const DECLARATIONS = <<<'C'
        typedef struct uslova_options {
          size_t size; int script; int spacing; int letter_case; int currency; int minor;
          int forms; int decimal;
        } uslova_options;
        void uslova_options_init_size(uslova_options* options, size_t size);
        int uslova_option_set(uslova_options* options, const char* name, const char* value);
        const char* uslova_option_values(const char* name);
        const char* uslova_options_problem(const uslova_options* options);
        const char* uslova_version(void);
        int uslova_spell(const char* text, size_t text_length, const uslova_options* options,
                         char* buffer, size_t size, size_t* length);
        const char* uslova_prompt(int verdict);
        const char* uslova_verdict_name(int verdict);
        C;

    /** The option names, in the order uslova-cli lists them. */
    public const OPTIONS = ['script', 'spacing', 'case', 'currency', 'minor', 'forms', 'decimal'];

    private static ?FFI $ffi = null;

    private static function ffi(): FFI
    {
        return self::$ffi ??= FFI::cdef(self::DECLARATIONS, getenv('USLOVA_LIBRARY') ?: 'libuslova.so.1');
    }

    /**
     * The options struct for $options, checked as uslova-cli checks its options: a bad name or
     * value, or a combination that uslova-cli refuses, throws ValueError with its reason.
     */
    private static function settings(array $options): FFI\CData
    {
        $ffi = self::ffi();
        $settings = $ffi->new('uslova_options');
        $ffi->uslova_options_init_size(FFI::addr($settings), FFI::sizeof($settings));
        foreach ($options as $name => $value) {
            $name = (string)$name;
            if (!in_array($name, self::OPTIONS, true)) {
                throw new ValueError("unknown option '$name' (choose " . implode(', ', self::OPTIONS) . ')');
            }
            if ($value === null) {
                continue;  // unset, as None in Python and null in JavaScript
            }
            if (!is_string($value) || $ffi->uslova_option_set(FFI::addr($settings), $name, $value) !== 0) {
                $shown = is_scalar($value) ? (string)$value : get_debug_type($value);
                throw new ValueError("invalid value '$shown' for $name (choose {$ffi->uslova_option_values($name)})");
            }
        }
        $problem = $ffi->uslova_options_problem(FFI::addr($settings));
        if ($problem !== null) {
            throw new ValueError($problem);
        }
        return $settings;
    }

    /**
     * The words of $number (a string as typed, or an int), with the options of uslova-cli by
     * name: ['script' => 'cyrillic', 'spacing' => 'tidy', 'currency' => 'EUR', ...].
     * Throws UslovaRejected for a number that cannot be spelled, ValueError for a bad option,
     * and TypeError for a float, which cannot hold the digits as typed.
     */
    public static function spell(mixed $number, array $options = []): string
    {
        if (!is_string($number) && !is_int($number)) {
            throw new TypeError(is_float($number)
                ? 'a float cannot hold the digits as typed (0.1 is not exactly 0.1): pass a string'
                : 'expected a string or an int, not ' . get_debug_type($number));
        }
        $ffi = self::ffi();
        $settings = self::settings($options);
        $text = (string)$number;
        $words = $ffi->new('char[' . self::WORDS_SIZE . ']');
        $length = $ffi->new('size_t');
        $verdict = $ffi->uslova_spell($text, strlen($text), FFI::addr($settings), $words, self::WORDS_SIZE, FFI::addr($length));
        if ($verdict !== 0) {
            throw new UslovaRejected($ffi->uslova_verdict_name($verdict), $ffi->uslova_prompt($verdict));
        }
        return FFI::string($words, $length->cdata);
    }

    /** Throws ValueError, as spell() would, when $options cannot be used. */
    public static function check(array $options): void
    {
        self::settings($options);
    }

    public static function version(): string
    {
        return self::ffi()->uslova_version();
    }
}

/**
 * Reads the arguments as uslova-cli does: "--name=value" or "--name value", a name shortened
 * where that is unambiguous, -h and -V, "--" to end the options; only an argument that begins
 * with "--", or with "-" and a letter, is an option, and every other one is a number. Returns
 * [options, numbers, help, version], or throws ValueError with the usage error.
 */
function uslova_arguments(array $arguments): array
{
    $options = [];
    $numbers = [];
    $flags = ['help' => false, 'version' => false];
    $ended = false;
    for ($i = 0; $i < count($arguments); ++$i) {
        $argument = $arguments[$i];
        if ($ended || !preg_match('/^(--|-[A-Za-z])/', $argument)) {
            $numbers[$i + 1] = $argument;
        } elseif ($argument === '--') {
            $ended = true;
        } elseif ($argument === '-h' || $argument === '-V') {
            $flags[$argument === '-h' ? 'help' : 'version'] = true;
        } elseif (!str_starts_with($argument, '--')) {
            throw new ValueError("unknown option '$argument'");
        } else {
            [$name, $value] = array_pad(explode('=', substr($argument, 2), 2), 2, null);
            $known = ['help', 'version', ...Uslova::OPTIONS];
            $found = in_array($name, $known, true) ? [$name]
                : array_values(array_filter($known, fn ($k) => str_starts_with($k, $name)));
            if (count($found) !== 1) {
                throw new ValueError(count($found) === 0 ? "unknown option '--$name'"
                    : "option '--$name' is ambiguous; possibilities: '--" . implode("' '--", $found) . "'");
            }
            $name = $found[0];
            if (isset($flags[$name])) {
                if ($value !== null) {
                    throw new ValueError("unknown option '$argument'");
                }
                $flags[$name] = true;
                continue;
            }
            if ($value === null) {
                if ($i + 1 === count($arguments)) {
                    throw new ValueError("option '--$name' needs a value");
                }
                $value = $arguments[++$i];
            }
            $options[$name] = $value;
        }
    }
    return [$options, $numbers, $flags['help'], $flags['version']];
}

// Run as a program: php uslova.php [OPTION]... [NUMBER]..., one line of words for each NUMBER,
// or for each line of standard input when there is none, and an empty line for a number that
// cannot be spelled, as uslova-cli writes them. The options apply to every number.
if (PHP_SAPI === 'cli' && realpath($argv[0]) === __FILE__) {
    $name = basename(__FILE__);
    try {
        [$options, $numbers, $help, $version] = uslova_arguments(array_slice($argv, 1));
        Uslova::check($options);
    } catch (ValueError $error) {
        fwrite(STDERR, "$name: {$error->getMessage()}\nTry '$name --help' for more information.\n");
        exit(2);
    }
    if ($help) {
        echo "Usage: $name [OPTION]... [NUMBER]...\n",
            "Writes each NUMBER in Serbian words, as uslova-cli does; with no NUMBER, each line of\n",
            "standard input. Options: --" . implode(', --', Uslova::OPTIONS) . ",\n",
            "with the values of uslova-cli (--name=value or --name value), -h, -V, and -- to end\n",
            "the options. Exit status: 0, 1 when any number was rejected, 2 on a usage error.\n";
        exit(0);
    }
    if ($version) {
        echo "$name ", Uslova::version(), "\n";
        exit(0);
    }
    $status = 0;
    $spell = function (string $number, string $where) use ($options, $name, &$status): void {
        try {
            echo Uslova::spell($number, $options), "\n";
        } catch (UslovaRejected $rejected) {
            echo "\n";
            fwrite(STDERR, "$name: $where: {$rejected->prompt}\n");
            $status = 1;
        }
    };
    foreach ($numbers as $position => $number) {
        $spell($number, "argument $position");
    }
    for ($line = 1; !$numbers && ($text = fgets(STDIN)) !== false; ++$line) {
        $spell(rtrim($text, "\r\n"), "line $line");
    }
    exit($status);
}
