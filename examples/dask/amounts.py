#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""amounts.py: the amounts of a CSV file in Serbian words, at any scale, with Dask.

    amounts.py --column COLUMN [--currency C] [style options] [--scheduler tcp://HOST:PORT]
               IN.csv OUT.csv

Writes OUT.csv byte for byte as `uslova-cli --column=COLUMN` writes it for IN.csv: a field after
the column with its words, and every other byte as it came (a byte-order mark, CRLF, the
quotes). uslova-cli --row-ends first says where the rows end, and the file is cut there into
pieces of whole rows; each piece goes through uslova-cli on a Dask worker after the first row,
whose output is then dropped: every CSV rule is uslova-cli's own. Without --scheduler it starts a
local cluster of worker processes, one per core; with it, it runs on that Dask cluster, whose
workers need the file at the same path and uslova-cli (--cli names it). A cell that cannot be
spelled gets an empty field and a line on standard error that names its row, as uslova-cli
would, and a last line counts them and names the first rows; the exit status is then 1, as for
uslova-cli."""

import argparse
import os
import re
import subprocess
import sys

from distributed import Client, LocalCluster

import uslova


def arguments():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--column", action="append", default=[],
                        help="a column of amounts, by its name or its number from 1; "
                             "may be given several times")
    parser.add_argument("--date-column", action="append", default=[],
                        help="a column of dates, as for uslova-cli")
    parser.add_argument("--header", action="store_true",
                        help="with a numbered column: the first row is a header")
    for name, values in uslova.CHOICES.items():  # the converter's options, as uslova-cli's
        parser.add_argument(f"--{name}", choices=values, help="as for uslova-cli")
    parser.add_argument("--delimiter", choices=[";", ",", "tab"],
                        help="as for uslova-cli; by default uslova-cli finds it in the first row")
    parser.add_argument("--encoding",
                        help="as for uslova-cli: the file's encoding, which the words take")
    parser.add_argument("--cli", default="uslova-cli", help="the uslova-cli that workers run")
    parser.add_argument("--scheduler", help="the address of a Dask scheduler to run on")
    parser.add_argument("--workers", type=int, default=os.cpu_count(),
                        help="worker processes of the local cluster (one per core)")
    parser.add_argument("--piece", type=int, default=16 << 20,
                        help="bytes of rows in each worker's run (16 MiB)")
    parser.add_argument("input")
    parser.add_argument("output")
    args = parser.parse_args()
    if not args.column and not args.date_column:
        parser.error("--column or --date-column is required")
    return args


def cli_arguments(args):
    """uslova-cli's arguments for the options of amounts.py."""
    given = [f"--column={column}" for column in args.column]
    given += [f"--date-column={column}" for column in args.date_column]
    given += ["--header"] if args.header else []
    given += [f"--{name}={getattr(args, name)}" for name in uslova.CHOICES
              if getattr(args, name)]
    given += [f"--encoding={args.encoding}"] if args.encoding else []
    return given + ([f"--delimiter={args.delimiter}"] if args.delimiter else [])


def pieces(ends, size):
    """(start, end, the number of its first row) of each piece of a file whose rows end at
    `ends`: the first row alone, then about `size` bytes of whole rows each. No piece but the
    first starts with an empty row: after the copy of a first row that ends with a lone CR, a
    lone LF would join it as one line ending."""
    start, first = 0, 1
    for row, end in enumerate(ends, 1):
        empty_next = row < len(ends) and ends[row] - end == 1
        if row == 1 or row == len(ends) or (end - start >= size and not empty_next):
            yield start, end, first
            start, first = end, row + 1


def run_piece(cli, arguments, path, start, end, first_row):
    """uslova-cli's exit status, output and messages for `first_row` and the rows of `path`
    from `start` to `end`."""
    with open(path, "rb") as source:
        source.seek(start)
        rows = source.read(end - start)
    run = subprocess.run([cli, *arguments], input=first_row + rows, capture_output=True,
                         check=False)
    return run.returncode, run.stdout, run.stderr.decode("utf-8", "replace")


# A message on a row, with the column where there are several.
MESSAGE = re.compile(r"^[^:]*: (?:row (\d+)((?:, column (?:\d+|'[^']*'))?): (.*)|.*)$")


def row_ends(cli, arguments, source):
    """Where each row of the file `source` ends, as `cli` with `arguments` reads its rows; the
    exit status, and the messages without uslova-cli's name: a usage error, unreadable input."""
    with open(source, "rb") as data:
        run = subprocess.run([cli, *arguments, "--row-ends"], stdin=data, capture_output=True,
                             check=False)
    said = [line.split(": ", 1)[-1] for line in run.stderr.decode("utf-8", "replace").splitlines()]
    return [int(end) for end in run.stdout.split()], run.returncode, said


def convert(client, cli, arguments, source, target, ends, piece=16 << 20):
    """Writes `target` as `cli` with `arguments` writes it for the CSV file `source`, whose rows
    end at `ends`, in pieces of about `piece` bytes on the Dask `client`. Returns the exit status
    and the messages without uslova-cli's name, each naming its row in the whole file."""
    spans = list(pieces(ends, piece))
    with open(source, "rb") as data:
        first_row = data.read(spans[0][1]) if spans else b""
    # The first piece is the first row itself; each later one follows a copy of it.
    futures = [client.submit(run_piece, cli, arguments, source, start, end,
                             b"" if n == 0 else first_row, pure=False)
               for n, (start, end, _) in enumerate(spans)]
    worst, messages, first_words = 0, [], b""
    with open(target, "wb") as out:
        for n, future in enumerate(futures):  # written in order, each as soon as it is done
            status, words, said = future.result()
            future.release()
            worst = max(worst, status)
            first_words = first_words if n else words
            out.write(words[len(first_words):] if n else words)
            for line in said.splitlines():
                found = MESSAGE.match(line)
                text = line.split(": ", 1)[-1]
                if found and found[1] and n:  # a later piece's rows follow a copy of the first
                    if found[1] == "1":
                        continue
                    text = f"row {int(found[1]) + spans[n][2] - 2}{found[2]}: {found[3]}"
                messages.append(text)
    return worst, messages


def main():
    args = arguments()
    cli = cli_arguments(args)
    ends, status, said = row_ends(args.cli, cli, args.input)
    if status != 0:  # before the cluster starts
        for line in said:
            print(f"amounts.py: {line}", file=sys.stderr)
        if status == 1:  # input it cannot read, as uslova-cli writes nothing for it
            open(args.output, "wb").close()
        return status
    cluster = None if args.scheduler else LocalCluster(
        n_workers=args.workers, threads_per_worker=1, processes=True, dashboard_address=None)
    with Client(args.scheduler or cluster) as client:
        status, messages = convert(client, args.cli, cli, args.input, args.output, ends,
                                   args.piece)
    if cluster is not None:
        cluster.close()
    rejected = []
    for line in messages:
        print(f"amounts.py: {line}", file=sys.stderr)
        if line.startswith("row ") and ("Nemogu" in line or "Немогу" in line):
            rejected.append(line.split()[1].rstrip(":,"))
    if rejected:
        shown = ", ".join(rejected[:10]) + (", ..." if len(rejected) > 10 else "")
        print(f"amounts.py: {len(rejected)} cells of {', '.join(args.column + args.date_column)} "
              "could not be spelled, in "
              f"rows {shown}", file=sys.stderr)
    return status


if __name__ == "__main__":
    sys.exit(main())
