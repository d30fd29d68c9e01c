#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""amounts.py: the amounts of a CSV file in Serbian words, at any scale, with Dask.

    amounts.py --column NAME [--currency C] [style options] [--scheduler tcp://HOST:PORT]
               IN.csv OUT.csv

Writes OUT.csv byte for byte as `uslova-cli --column=NAME` writes it for IN.csv: a field after
the column NAME with its words, and every other byte as it came (a byte-order mark, CRLF, the
quotes). The file is cut into pieces of whole rows, and each piece goes through uslova-cli on a
Dask worker after the header row, whose words are then dropped: the CSV rules are uslova-cli's
own. Without --scheduler it starts a local cluster of worker processes, one per core; with it,
it runs on that Dask cluster, whose workers need the file at the same path and uslova-cli
(--cli names it). A cell that cannot be spelled gets an empty field and a line on standard
error that names its row, as uslova-cli would, and a last line counts them and names the
first rows; the exit status is then 1, as for uslova-cli."""

import argparse
import mmap
import os
import re
import subprocess
import sys

from distributed import Client, LocalCluster

import uslova


def arguments():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--column", required=True, help="the column of amounts, by its name")
    for name, values in uslova.CHOICES.items():  # the converter's options, as uslova-cli's
        parser.add_argument(f"--{name}", choices=values, help="as for uslova-cli")
    parser.add_argument("--delimiter", choices=[";", ",", "tab"],
                        help="by default, counted outside quotes in the first row, ; if there "
                        "is one, else a tab, else , as uslova-cli finds it")
    parser.add_argument("--cli", default="uslova-cli", help="the uslova-cli that workers run")
    parser.add_argument("--scheduler", help="the address of a Dask scheduler to run on")
    parser.add_argument("--workers", type=int, default=os.cpu_count(),
                        help="worker processes of the local cluster (one per core)")
    parser.add_argument("--piece", type=int, default=16 << 20,
                        help="bytes of rows in each worker's run (16 MiB)")
    parser.add_argument("input")
    parser.add_argument("output")
    return parser.parse_args()


def delimiter_of(data):
    """The delimiter as uslova-cli finds it: counted outside quotes in the first row, ";" if
    there is one, else a tab, else ","; a quote opens a field at the row's start or after any
    of the three."""
    counts, state = {ord(";"): 0, ord("\t"): 0, ord(","): 0}, "start"
    for byte in data:
        if state == "quoted":
            state = "quote" if byte == ord('"') else "quoted"
        elif byte == ord('"') and state in ("start", "quote"):  # opens, or is doubled in quotes
            state = "quoted"
        elif byte in (ord("\n"), ord("\r")):
            break
        else:
            state = "start" if byte in counts else "unquoted"
            counts[byte] = counts.get(byte, 0) + 1
    return ";" if counts[ord(";")] else "\t" if counts[ord("\t")] else ","


def pieces(data, delimiter, size):
    """(start, end, the number of its first row) of each piece of `data`: the header row, then
    about `size` bytes of whole rows each. A row ends at LF, CR or CRLF outside quotes; a quote
    opens a field at its start, "" is a quote within one, and an unclosed one runs to the
    end."""
    d = re.escape(delimiter.encode())
    field = rb'(?:"(?:[^"]+|"")*(?:"|\Z))?[^' + d + rb"\r\n]*"
    row = re.compile(field + rb"(?:" + d + field + rb")*(?:\r\n|\r|\n|\Z)")
    at = start = rows = 0
    first = 1
    while at < len(data):
        at = row.match(data, at).end()
        rows += 1
        if rows == 1 or at - start >= size or at == len(data):
            yield start, at, first
            start, first = at, rows + 1


def run_piece(cli, arguments, path, start, end, header):
    """uslova-cli's exit status, output and messages for `header` and the rows of `path` from
    `start` to `end`."""
    with open(path, "rb") as source:
        source.seek(start)
        rows = source.read(end - start)
    run = subprocess.run([cli, *arguments], input=header + rows, capture_output=True,
                         check=False)
    return run.returncode, run.stdout, run.stderr.decode("utf-8", "replace")


MESSAGE = re.compile(r"^[^:]*: row (\d+): (.*)$")


def main():
    args = arguments()
    cli = [f"--column={args.column}"] + [f"--{name}={getattr(args, name)}"
                                         for name in uslova.CHOICES if getattr(args, name)]
    with open(args.input, "rb") as source:
        size = os.fstat(source.fileno()).st_size
        data = mmap.mmap(source.fileno(), 0, access=mmap.ACCESS_READ) if size else b""
        delimiter = {"tab": "\t"}.get(args.delimiter, args.delimiter) or delimiter_of(
            data[:16 << 20])
        spans = list(pieces(data, delimiter, args.piece))
        header = bytes(data[:spans[0][1]]) if spans else b""
    cli.append("--delimiter=" + {"\t": "tab"}.get(delimiter, delimiter))
    # The header row alone: its words, and a usage error (a bad option, no such column)
    # before the cluster starts.
    status, header_words, said = run_piece(args.cli, cli, args.input, 0, 0, header)
    if status == 2:
        sys.exit(said.rstrip())
    cluster = None if args.scheduler else LocalCluster(
        n_workers=args.workers, threads_per_worker=1, processes=True, dashboard_address=None)
    worst, rejected = 0, []
    with Client(args.scheduler or cluster) as client, open(args.output, "wb") as out:
        # The first piece is the header row itself; each later one follows a copy of it.
        futures = [client.submit(run_piece, args.cli, cli, args.input, start, end,
                                 b"" if n == 0 else header, pure=False)
                   for n, (start, end, _) in enumerate(spans)]
        for n, future in enumerate(futures):  # written in order, each as soon as it is done
            status, words, said = future.result()
            future.release()
            worst = max(worst, status)
            out.write(words if n == 0 else words[len(header_words):])
            first = spans[n][2]
            for line in said.splitlines():
                found = MESSAGE.match(line)
                if found:  # the row in the whole file: a later piece's rows follow its header
                    line = f"row {int(found[1]) + (first - 2 if n else 0)}: {found[2]}"
                    if "Nemoguce" in found[2]:
                        rejected.append(int(line.split()[1].rstrip(":")))
                print(f"amounts.py: {line}", file=sys.stderr)
    if cluster is not None:
        cluster.close()
    if rejected:
        shown = ", ".join(map(str, rejected[:10])) + (", ..." if len(rejected) > 10 else "")
        print(f"amounts.py: {len(rejected)} cells of {args.column} could not be spelled, in "
              f"rows {shown}", file=sys.stderr)
    return worst


if __name__ == "__main__":
    sys.exit(main())
