#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""amounts.py: the amounts of a CSV file in Serbian words, at any scale, with Dask.

    amounts.py --column NAME [--currency C] [style options] [--scheduler tcp://HOST:PORT]
               IN.csv OUT.csv

Reads IN.csv with Dask in partitions, adds right after the column NAME a column "NAME slovima"
with its words (uslova.spell_many over each partition, in the worker processes), and writes one
CSV with the same fields, header and order as `uslova-cli --column=NAME` would. Without
--scheduler it starts a local cluster of worker processes, one per core; with it, it runs on
that Dask cluster, whose workers need the uslova package. A cell that cannot be spelled gets an
empty field; the exit status is then 1, as for uslova-cli."""

import argparse
import os
import sys

import dask
import dask.dataframe as dd
from distributed import Client, LocalCluster

import uslova

def arguments():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--column", required=True, help="the column of amounts, by its name")
    for name, values in uslova.CHOICES.items():  # the converter's options, as uslova-cli's
        parser.add_argument(f"--{name}", choices=values, help="as for uslova-cli")
    parser.add_argument("--delimiter", help="; , or tab; by default, counted outside quotes in "
                        "the first row, ; if there is one, else a tab, else , as uslova-cli "
                        "finds it")
    parser.add_argument("--scheduler", help="the address of a Dask scheduler to run on")
    parser.add_argument("--workers", type=int, default=os.cpu_count(),
                        help="worker processes of the local cluster (one per core)")
    parser.add_argument("input")
    parser.add_argument("output")
    return parser.parse_args()


def delimiter_of(path, given):
    """The delimiter as uslova-cli finds it: counted outside quotes in the first row, ";" if
    there is one, else a tab, else ","; a quote opens a field at the row's start or after any
    of the three."""
    if given:
        return "\t" if given == "tab" else given
    counts, state = {";": 0, "\t": 0, ",": 0}, "start"
    with open(path, encoding="utf-8-sig", newline="") as csv_file:
        while ch := csv_file.read(1):
            if state == "quoted":
                state = "quote" if ch == '"' else "quoted"
            elif ch == '"' and state in ("start", "quote"):  # opens, or is doubled within quotes
                state = "quoted"
            elif ch == "\n":
                break
            else:
                state = "start" if ch in counts else "unquoted"
                counts[ch] = counts.get(ch, 0) + 1
    return ";" if counts[";"] else "\t" if counts["\t"] else ","


def with_words(partition, column, options):
    """A partition with the words of `column` in a new column right after it."""
    position = partition.columns.get_loc(column) + 1
    words = uslova.spell_many(partition[column].tolist(), **options)
    partition.insert(position, f"{column} slovima", words)
    return partition


def main():
    args = arguments()
    options = {name: getattr(args, name) for name in uslova.CHOICES
               if getattr(args, name) is not None}
    uslova.spell("0", **options)  # bad options are refused here, before the cluster starts
    delimiter = delimiter_of(args.input, args.delimiter)
    cluster = None if args.scheduler else LocalCluster(
        n_workers=args.workers, threads_per_worker=1, processes=True, dashboard_address=None)
    with Client(args.scheduler or cluster):
        table = dd.read_csv(args.input, sep=delimiter, dtype=str, keep_default_na=False,
                            encoding="utf-8-sig", blocksize="16MB")
        if args.column not in table.columns:
            sys.exit(f"amounts.py: no column named {args.column!r} in {args.input}")
        meta = with_words(table._meta.copy(), args.column, options)
        table = table.map_partitions(with_words, args.column, options, meta=meta)
        # The file and the count of rejections in one pass over the partitions.
        written = table.to_csv(args.output, single_file=True, index=False, sep=delimiter,
                               encoding="utf-8", compute=False)
        _, rejected = dask.compute(written, table[f"{args.column} slovima"].isna().sum())
    if cluster is not None:
        cluster.close()
    if rejected:
        print(f"amounts.py: {rejected} cells of {args.column} could not be spelled",
              file=sys.stderr)
    return 1 if rejected else 0


if __name__ == "__main__":
    sys.exit(main())
