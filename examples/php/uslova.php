<?php
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
          int forms;
        } uslova_options;
        void uslova_options_init(uslova_options* options);
        int uslova_option_set(uslova_options* options, const char* name, const char* value);
        const char* uslova_option_values(const char* name);
        int uslova_spell(const char* text, size_t text_length, const uslova_options* options,
                         char* buffer, size_t size, size_t* length);
        const char* uslova_prompt(int verdict);
        const char* uslova_verdict_name(int verdict);
        C;

    private static ?FFI $ffi = null;

    /**
     * The words of $number (a string as typed, or an int), with the options of uslova-cli by
     * name: ['script' => 'cyrillic', 'spacing' => 'tidy', 'currency' => 'EUR', ...].
     * Throws UslovaRejected for a number that cannot be spelled, ValueError for a bad option.
     */
    public static function spell(string|int $number, array $options = []): string
    {
        $ffi = self::$ffi ??= FFI::cdef(self::DECLARATIONS, getenv('USLOVA_LIBRARY') ?: 'libuslova.so.1');
        $settings = $ffi->new('uslova_options');
        $ffi->uslova_options_init(FFI::addr($settings));
        foreach ($options as $name => $value) {
            if ($ffi->uslova_option_set(FFI::addr($settings), (string)$name, (string)$value) !== 0) {
                $values = $ffi->uslova_option_values((string)$name) ?? 'script, spacing, case, currency, minor, forms';
                throw new ValueError("invalid value '$value' for $name (choose $values)");
            }
        }
        $text = (string)$number;
        $words = $ffi->new('char[' . self::WORDS_SIZE . ']');
        $length = $ffi->new('size_t');
        $verdict = $ffi->uslova_spell($text, strlen($text), FFI::addr($settings), $words, self::WORDS_SIZE, FFI::addr($length));
        if ($verdict !== 0) {
            throw new UslovaRejected($ffi->uslova_verdict_name($verdict), $ffi->uslova_prompt($verdict));
        }
        return FFI::string($words, $length->cdata);
    }
}

// Run as a program: php uslova.php [--NAME=VALUE]... NUMBER..., one line of words each, and
// an empty line for a number that cannot be spelled, as uslova-cli writes them.
if (PHP_SAPI === 'cli' && realpath($argv[0]) === __FILE__) {
    $options = [];
    $status = 0;
    foreach (array_slice($argv, 1) as $argument) {
        if (preg_match('/^--([a-z]+)=(.*)$/', $argument, $option)) {
            $options[$option[1]] = $option[2];
            continue;
        }
        try {
            echo Uslova::spell($argument, $options), "\n";
        } catch (UslovaRejected $rejected) {
            echo "\n";
            fwrite(STDERR, "uslova.php: $argument: {$rejected->prompt}\n");
            $status = 1;
        }
    }
    exit($status);
}
