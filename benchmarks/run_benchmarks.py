#!/usr/bin/env python3
"""Start-up, click-to-page and memory of the program against a bare web view doing
the same work, alternating program and baseline round by round. Prints a table of
medians, minima, maxima and ratios, and writes the figures to a JSON file. Each round
also starts the program with its window's texts blanked, to show what drawing them costs.

Usage: run_benchmarks.py BIN_DIR OUTPUT.json [ROUNDS] [SOAK_LOADS]
Needs a display (run it under xvfb-run where there is none)."""

import http.server
import json
import os
import platform
import statistics
import subprocess
import sys
import threading
import time

bin_dir, output = sys.argv[1], sys.argv[2]
rounds = int(sys.argv[3]) if len(sys.argv) > 3 else 5
soak_loads = int(sys.argv[4]) if len(sys.argv) > 4 else 1000
# The third contender is the program with its window's texts blanked: what drawing them costs.
contenders = {"program": ("bench_program", []), "baseline": ("bench_baseline", []),
              "withoutTexts": ("bench_program", ["without-texts"])}


class Counter(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        body = b"<html><body>counted</body></html>"
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *arguments):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Counter)
threading.Thread(target=server.serve_forever, daemon=True).start()
port = str(server.server_address[1])

environment = dict(os.environ)
if os.geteuid() == 0:
    environment["QTWEBENGINE_DISABLE_SANDBOX"] = "1"


def run(name, loads=0):
    spawned = time.time() * 1000
    binary, extra_arguments = contenders[name]
    finished = subprocess.run([os.path.join(bin_dir, binary), port, str(loads)] + extra_arguments,
                              capture_output=True, text=True,
                              env=environment, timeout=600)
    report = json.loads(finished.stdout.strip().splitlines()[-1])
    if "error" in report or not report.get("startPageOk"):
        raise SystemExit(f"{name}: {report}")
    return {
        "coldStartMs": report["paintedMs"] - spawned,
        "windowShownMs": report["windowShownMs"] - spawned,
        "cpuToColdStartMs": report["cpuAtPaintedMs"],
        "clickToPageMs": statistics.median(report["clickToPageMs"]),
        "navigateToPageMs": statistics.median(report["navigateToPageMs"]),
        "pssAtRestMiB": report["pssAtRestKiB"] / 1024,
        "pssAfterWarmUpMiB": report.get("pssAfterWarmUpKiB", 0) / 1024,
        "warmUpLoads": report.get("warmUpLoads", 0),
        "pssAfterLoadsMiB": report.get("pssAfterLoadsKiB", 0) / 1024,
    }


samples = {name: [] for name in contenders}
for round_number in range(rounds):
    for name in contenders:  # program, baseline, without texts, program, …
        samples[name].append(run(name))
soaked = {name: run(name, soak_loads) for name in ("program", "baseline")} if soak_loads > 0 else {}

metrics = ["coldStartMs", "windowShownMs", "cpuToColdStartMs", "clickToPageMs", "navigateToPageMs", "pssAtRestMiB"]
results = {"machine": f"{platform.node()}: {platform.platform()}, {os.cpu_count()} cores",
           "rounds": rounds, "soakLoads": soak_loads, "metrics": {}}
print(f"{rounds} rounds, program, baseline and program without texts alternating; {results['machine']}")
print(f"{'metric':<16} {'program median (min–max)':>28} {'baseline median (min–max)':>28} {'A/B':>6} {'A/B pairwise (min–max)':>24}")
for metric in metrics:
    a = [sample[metric] for sample in samples["program"]]
    b = [sample[metric] for sample in samples["baseline"]]
    pairs = [x / y for x, y in zip(a, b)]
    entry = {"program": a, "baseline": b, "ratioOfMedians": statistics.median(a) / statistics.median(b),
             "pairwiseRatios": pairs}
    results["metrics"][metric] = entry
    print(f"{metric:<16} {statistics.median(a):>10.1f} ({min(a):.1f}–{max(a):.1f}){'':>4} "
          f"{statistics.median(b):>10.1f} ({min(b):.1f}–{max(b):.1f}){'':>4} {entry['ratioOfMedians']:>6.3f} "
          f"{statistics.median(pairs):>10.3f} ({min(pairs):.3f}–{max(pairs):.3f})")

start_metrics = ["coldStartMs", "windowShownMs", "cpuToColdStartMs"]
print("\nthe program with its window's texts blanked, against the baseline:")
results["withoutTexts"] = {}
for metric in start_metrics:
    a = [sample[metric] for sample in samples["withoutTexts"]]
    ratio = statistics.median(a) / statistics.median(results["metrics"][metric]["baseline"])
    results["withoutTexts"][metric] = {"program": a, "ratioOfMedians": ratio}
    print(f"{metric:<16} {statistics.median(a):>10.1f} ({min(a):.1f}–{max(a):.1f}){'':>4} {ratio:>6.3f}")

if soaked:
    print(f"\nmemory after {soak_loads} alternating loads of the start and contact pages:")
results["soak"] = {}
for name, figures in soaked.items():
    growth = figures["pssAfterLoadsMiB"] / figures["pssAtRestMiB"] - 1
    # From the checkpoint on, the engine's caches are full: what grows still would be a leak.
    growth_after_warm_up = figures["pssAfterLoadsMiB"] / figures["pssAfterWarmUpMiB"] - 1
    results["soak"][name] = {"pssAtRestMiB": figures["pssAtRestMiB"], "pssAfterWarmUpMiB": figures["pssAfterWarmUpMiB"],
                             "warmUpLoads": figures["warmUpLoads"], "pssAfterLoadsMiB": figures["pssAfterLoadsMiB"],
                             "growth": growth, "growthAfterWarmUp": growth_after_warm_up}
    print(f"  {name:<9} {figures['pssAtRestMiB']:8.1f} MiB at rest -> {figures['pssAfterWarmUpMiB']:8.1f} MiB after "
          f"{figures['warmUpLoads']} -> {figures['pssAfterLoadsMiB']:8.1f} MiB after {soak_loads} "
          f"({growth:+.1%} from rest, {growth_after_warm_up:+.1%} from {figures['warmUpLoads']})")

filter_figures = subprocess.run([os.path.join(bin_dir, "bench_inputfilter")], capture_output=True, text=True,
                                env=dict(environment, QT_QPA_PLATFORM="offscreen"), timeout=600).stdout
results["inputFilter"] = filter_figures.strip().splitlines()
print("\ncontent-pane filter, per event:\n" + filter_figures)

with open(output, "w", encoding="utf-8") as file:
    json.dump(results, file, ensure_ascii=False, indent=2)
print(f"figures written to {output}")
server.shutdown()
