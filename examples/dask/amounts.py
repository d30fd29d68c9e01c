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

STYLE = ("script", "spacing", "case", "minor", "forms", "decimal")


def arguments():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--column", required=True, help="the column of amounts, by its name")
    parser.add_argument("--currency", help="RSD, EUR or USD: the amounts in words")
    for name in STYLE:
        parser.add_argument(f"--{name}", help="as for uslova-cli")
    parser.add_argument("--delimiter", help="; , or tab; by default the first of them in the "
                        "header line, as uslova-cli finds it")
    parser.add_argument("--scheduler", help="the address of a Dask scheduler to run on")
    parser.add_argument("--workers", type=int, default=os.cpu_count(),
                        help="worker processes of the local cluster (one per core)")
    parser.add_argument("input")
    parser.add_argument("output")
    return parser.parse_args()


def delimiter_of(path, given):
    if given:
        return "\t" if given == "tab" else given
    with open(path, encoding="utf-8-sig", newline="") as csv_file:
        header = csv_file.readline()
    found = [header.find(c) for c in ";,\t" if c in header]
    return header[min(found)] if found else ";"


def with_words(partition, column, options):
    """A partition with the words of `column` in a new column right after it."""
    position = partition.columns.get_loc(column) + 1
    words = uslova.spell_many(partition[column].tolist(), **options)
    partition.insert(position, f"{column} slovima", words)
    return partition


def main():
    args = arguments()
    options = {name: getattr(args, name) for name in ("currency",) + STYLE
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
