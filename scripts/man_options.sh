#!/bin/sh
# man_options.sh: writes the man page PAGE from TEMPLATE, each line "@OPTION NAME@" replaced by
# that option's line with its values as uslova-cli --help lists them from the option tables,
# e.g. ".BR \-\-script= { ascii | latin | cyrillic }". An option of --help that the template
# does not place, or a place for an option that --help does not list, fails.
# Usage: man_options.sh PATH/TO/uslova-cli TEMPLATE PAGE
# SPDX-License-Identifier: MIT
set -eu
"$1" --help | awk -v template="$2" '
  /^  --[a-z]+=[^ ]*\|/ && $1 !~ /^--delimiter=/ {
    split(substr($1, 3), option, "=")
    values = option[2]
    gsub(/\|/, " | ", values)
    line[option[1]] = ".BR \\-\\-" option[1] "= { " values " }"
  }
  END {
    while ((getline text < template) > 0) {
      if (text ~ /^@OPTION [a-z]+@$/) {
        name = substr(text, 9, length(text) - 9)
        if (!(name in line)) { print "man_options.sh: --help has no --" name > "/dev/stderr"; exit 1 }
        print line[name]
        delete line[name]
      } else {
        print text
      }
    }
    for (name in line) { print "man_options.sh: the page has no place for --" name > "/dev/stderr"; exit 1 }
  }' >"$3.new"
mv "$3.new" "$3"
