#!/usr/bin/env python3
"""The reference: the same reply files parsed by Python's
xml.etree.ElementTree, timed the way Google Benchmark reports (mean of many
runs). Prints JSON: {name: seconds per parse}."""
import json
import sys
import timeit
import xml.etree.ElementTree as ET


def best_mean(fn, min_time=1.0):
    runs = 1
    while True:
        t = timeit.timeit(fn, number=runs)
        if t >= 0.2:
            break
        runs *= 2
    total_runs = max(runs, int(runs * min_time / t))
    samples = [timeit.timeit(fn, number=total_runs) / total_runs for _ in range(3)]
    return min(samples)


def main():
    status = open(sys.argv[1], "rb").read()
    playlist = open(sys.argv[2], "rb").read()
    results = {
        "status_parse": best_mean(lambda: ET.fromstring(status)),
        "playlist_parse": best_mean(lambda: ET.fromstring(playlist)),
        "playlist_parse_and_collect": best_mean(
            lambda: [leaf.attrib for leaf in ET.fromstring(playlist).iter("leaf")]),
    }
    print(json.dumps(results))


if __name__ == "__main__":
    main()
