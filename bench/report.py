#!/usr/bin/env python3
"""Runs Kestrine's benchmark programs and prints the figures the targets are set on.

Each row of ratios.tsv names a program, the benchmark measured, the baseline benchmark measured
in the same run ("-" for a figure that stands alone), the metric (the benchmark's real time, or
one of its counters) and the limit ("-" for a figure shown for information only). A ratio is
measured / baseline; a figure without baseline is the metric itself, in milliseconds for times.
"""
import argparse
import csv
import json
import pathlib
import subprocess
import sys

HERE = pathlib.Path(__file__).resolve().parent
TIME_UNIT_TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def load_rows():
    with open(HERE / "ratios.tsv", newline="") as table:
        lines = (line for line in table if line.strip() and not line.startswith("#"))
        return list(csv.DictReader(lines, delimiter="\t"))


def find_program(build_dir, name):
    matches = [path for path in build_dir.rglob(name) if path.is_file() and path.stat().st_mode & 0o111]
    if not matches:
        sys.exit(f"benchmark program {name} not found under {build_dir}; build it first")
    return matches[0]


def run_program(path, repetitions):
    command = [str(path), "--benchmark_format=json"]
    if repetitions > 1:
        command += [f"--benchmark_repetitions={repetitions}", "--benchmark_report_aggregates_only=true"]
    output = subprocess.run(command, check=True, capture_output=True, text=True).stdout
    results = {}
    for entry in json.loads(output)["benchmarks"]:
        name = entry["run_name"] if "run_name" in entry else entry["name"]
        if entry.get("run_type") == "aggregate" and entry.get("aggregate_name") != "median":
            continue
        results[name] = entry
    return results


def metric(entry, name):
    if name == "time":
        return entry["real_time"] * TIME_UNIT_TO_MS[entry["time_unit"]]
    return float(entry[name])


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--build-dir", default="build", type=pathlib.Path)
    parser.add_argument("--repetitions", default=3, type=int)
    args = parser.parse_args()

    rows = load_rows()
    results = {}
    for program in dict.fromkeys(row["program"] for row in rows):
        results[program] = run_program(find_program(args.build_dir, program), args.repetitions)

    print(f"{'figure':<72} {'value':>10} {'limit':>8}  verdict")
    failures = 0
    for row in rows:
        measured = metric(results[row["program"]][row["measured"]], row["metric"])
        if row["baseline"] == "-":
            value, unit = measured, " ms" if row["metric"] == "time" else ""
        else:
            value, unit = measured / metric(results[row["program"]][row["baseline"]], row["metric"]), "x"
        if row["limit"] == "-":
            verdict = ""
        else:
            within = value <= float(row["limit"])
            failures += not within
            verdict = "ok" if within else "OVER"
        print(f"{row['figure']:<72} {value:>9.2f}{unit:<2} {row['limit']:>7}  {verdict}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
