#!/usr/bin/env python3
"""Runs the reply-parsing benchmarks and, in the same run, the Python
ElementTree reference on the same files, and prints both with the ratio."""
import json
import os
import subprocess
import sys

here = os.path.dirname(os.path.abspath(__file__))
build = sys.argv[1] if len(sys.argv) > 1 else "build-bench"
status = os.path.join(here, "..", "tests", "fixtures", "vlc3-status-playing.xml")
playlist = os.path.join(build, "bench-playlist-10000.xml")
subprocess.run([sys.executable, os.path.join(here, "make_playlist.py"), playlist, "10000"], check=True)

def seconds(b):
    scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[b["time_unit"]]
    return b["real_time"] * scale


env = dict(os.environ, PL_BENCH_STATUS=status, PL_BENCH_PLAYLIST=playlist, QT_QPA_PLATFORM="offscreen")
# The machine is shared: the parse figures are the median of ten runs.
ours = subprocess.run([os.path.join(build, "bench", "reply_parsing_bench"), "--benchmark_format=json",
                       "--benchmark_min_time=0.2", "--benchmark_repetitions=10",
                       "--benchmark_report_aggregates_only=true"], env=env, check=True, capture_output=True, text=True)
bench = {b["run_name"]: b for b in json.loads(ours.stdout)["benchmarks"] if b.get("aggregate_name") == "median"}
ref = json.loads(subprocess.run([sys.executable, os.path.join(here, "reference_parse.py"), status, playlist],
                                check=True, capture_output=True, text=True).stdout)


# The XML readers alone, on the same replies.
xml = subprocess.run([os.path.join(build, "bench", "xml_reader_bench"), "--benchmark_format=json",
                      "--benchmark_min_time=1"], env=env, check=True, capture_output=True, text=True)
xb = {b["name"]: b for b in json.loads(xml.stdout)["benchmarks"]}
print("%-28s %16s %16s" % ("XML reader, whole document", "status", "10,000 items"))
for name, label in [("BM_QXmlStreamReader", "QXmlStreamReader"), ("BM_Expat", "expat"), ("BM_Pugixml", "pugixml"),
                    ("BM_TagScanner", "tag scanner (no text)")]:
    print("%-28s %13.1f us %13.2f ms" % (label, seconds(xb[name + "/0"]) * 1e6, seconds(xb[name + "/1"]) * 1e3))
print()

print("%-40s %12s %10s" % ("goal", "PlayerLink", "limit"))
for label, name, limit, scale, unit in [
        ("status parsed and stored", "BM_StatusParseAndStore", 3e-6, 1e6, "us"),
        ("  the same on a change of item", "BM_StatusParseAndStoreNewItem", 3e-6, 1e6, "us"),
        ("10,000-item playlist parsed and stored", "BM_PlaylistParseAndStore", 2e-3, 1e3, "ms"),
        ("  the same through the document tree", "BM_PlaylistThroughDocumentTree", 2e-3, 1e3, "ms"),
        ("unchanged 10,000-item playlist", "BM_PlaylistUnchanged", 0.5e-3, 1e3, "ms"),
        ("unchanged status", "BM_StatusUnchanged", 3e-6, 1e6, "us")]:
    print("%-40s %9.2f %s %7.2f %s" % (label, seconds(bench[name]) * scale, unit, limit * scale, unit))
print()

rows = [
    ("status reply, %d bytes" % os.path.getsize(status), "BM_StatusParseAndStore", "status_parse"),
    ("playlist, 10,000 items, %d bytes" % os.path.getsize(playlist), "BM_PlaylistParseAndStore",
     "playlist_parse_and_collect"),
]
print("%-36s %14s %14s %8s" % ("parse and store", "PlayerLink", "ElementTree", "faster"))
for label, ours_name, ref_name in rows:
    a, b = seconds(bench[ours_name]), ref[ref_name]
    print("%-36s %11.1f us %11.1f us %7.1fx" % (label, a * 1e6, b * 1e6, b / a))
print()
print("also: status tree alone %.1f us; playlist collector alone %.2f ms; ElementTree playlist parse alone %.2f ms"
      % (seconds(bench["BM_StatusTreeOnly"]) * 1e6, seconds(bench["BM_PlaylistCollectOnly"]) * 1e3,
         ref["playlist_parse"] * 1e3))

# Searching the 10,000-item playlist as the reader types, against a plain
# linear scan of the same names (folded at every keystroke: the same matches).
ps = subprocess.run([os.path.join(build, "bench", "playlist_search_bench"), "--benchmark_format=json",
                     "--benchmark_min_time=1"], env=env, check=True, capture_output=True, text=True)
sb = {b["name"]: b for b in json.loads(ps.stdout)["benchmarks"]}
print()
print("%-44s %12s %12s %8s" % ("playlist search, 10,000 items", "PlayerLink", "linear scan", "goal"))
print("%-44s %9.3f ms %9.2f ms %8s" % ("a keystroke, filter alone", seconds(sb["BM_FilterKeystroke"]) * 1e3,
                                       seconds(sb["BM_LinearScanKeystroke"]) * 1e3, "16 ms"))
print("also: names folded once per playlist %.2f ms; a scan that ignores only case %.3f ms"
      % (seconds(sb["BM_FilterBuild"]) * 1e3, seconds(sb["BM_CaseOnlyScanKeystroke"]) * 1e3))
