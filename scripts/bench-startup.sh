#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Time from launch to the shown main window: numora, with no data file and with a full one
# (32,767 values), against a minimal Qt 6 window holding the same number of widgets, median of
# RUNS runs each, plus the peak memory. Runs under its own
# Xvfb server. --zoom PERCENT starts numora with that zoom kept in its settings.
# Usage: scripts/bench-startup.sh [--zoom PERCENT] [BUILD_DIR] [RUNS]
set -euo pipefail

zoom=100
if [ "${1:-}" = --zoom ]; then
  zoom=$2
  shift 2
fi
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
runs=${2:-9}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if [ -z "${DISPLAY:-}" ] || [ -z "${BENCH_UNDER_XVFB:-}" ]; then
  exec env BENCH_UNDER_XVFB=1 xvfb-run -a -s '-screen 0 1280x1024x24 -noreset' "$0" --zoom "$zoom" "$build" "$runs"
fi
if [ "$zoom" != 100 ]; then
  mkdir -p "$work/config/Numora"
  printf '[NumoraSetting]\nZoom=%s\n' "$zoom" >"$work/config/Numora/Numora.ini"
fi

qt_flags=$(pkg-config --cflags --libs Qt6Widgets Qt6Network Qt6DBus)

# How many widgets numora's window holds once started.
cat >"$work/count_widgets.cpp" <<'CPP'
#include <cstdio>
#include <QApplication>
#include "shell/calc_main_frm.h"
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    CalcMainFrm window;
    window.SetProgramFolder(argv[1]);
    window.InitializeCalculator();
    std::printf("%lld\n", static_cast<long long>(window.findChildren<QWidget*>().size()) + 1);
}
CPP
g++ -std=c++20 -fPIC -O1 -I"$here" "$work/count_widgets.cpp" -o "$work/count_widgets" \
  "$build/shell/libnumora_shell.a" "$build/persist/libnumora_persist.a" "$build/libnumora_engine.a" \
  $qt_flags -lxcb -lpthread
mkdir -p "$work/data"
widgets=$(QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" "$work/count_widgets" "$work/data")

# The minimal window: as large as numora's, with a menu bar, 40 key-sized push buttons in view
# (numora shows one page of keys and the keypad) and the rest on a hidden page.
cat >"$work/minimal_window.cpp" <<'CPP'
#include <cstdlib>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Minimal");
    window.menuBar()->addMenu("&File");
    auto* face = new QWidget(&window);
    face->setFixedSize(318, 478);
    window.setCentralWidget(face);
    auto* hiddenPage = new QWidget(face);
    hiddenPage->hide();
    const int total = std::atoi(argv[1]);
    int made = int(window.findChildren<QWidget*>().size()) + 1;
    for (int i = 0; made < total; ++i, ++made) {
        auto* key = new QPushButton("Key", i < 40 ? face : hiddenPage);
        key->setGeometry(4 + i % 5 * 59, 4 + i % 40 / 5 * 35, 55, 30);
    }
    window.show();
    return app.exec();
}
CPP
g++ -std=c++20 -fPIC -O2 "$work/minimal_window.cpp" -o "$work/minimal_window" $qt_flags

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# Launches the command, waits until a visible window of that title exists, prints the elapsed
# milliseconds and the process's peak resident memory in kB.
time_to_window() {
  local title=$1; shift
  local run_dir; run_dir=$(mktemp -d "$work/run.XXXX")
  chmod 700 "$run_dir"
  local start; start=$(now_ms)
  XDG_RUNTIME_DIR="$run_dir" XDG_CONFIG_HOME="$work/config" "$@" >"$run_dir/output" 2>&1 &
  local pid=$!
  until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "$title ended before showing a window:" >&2; cat "$run_dir/output" >&2; exit 1; }
  done
  local elapsed=$(( $(now_ms) - start ))
  sleep 0.3
  local peak; peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$elapsed $peak"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

# A full data file: the array cell of 32,767 doubles.
mkdir -p "$work/full"
python3 - "$work/full/SdfInput.sdf" <<'PY'
import struct, sys
count = 32767
cells = b"".join(struct.pack("<Hd", 5, k * 1.25 + (k % 7) * 0.001 - 400) for k in range(count))
open(sys.argv[1], "wb").write(struct.pack("<HHII", 0x200C, 1, count, 0) + cells)
PY

: >"$work/empty.txt"; : >"$work/full.txt"; : >"$work/minimal.txt"
for ((i = 0; i < runs; ++i)); do
  time_to_window Numora "$build/bin/numora" --dir "$work/data" >>"$work/empty.txt"
  time_to_window Numora "$build/bin/numora" --dir "$work/full" >>"$work/full.txt"
  time_to_window Minimal "$work/minimal_window" "$widgets" >>"$work/minimal.txt"
done

minimal_ms=$(cut -d' ' -f1 "$work/minimal.txt" | median)
ratio() { awk -v a="$1" -v b="$minimal_ms" 'BEGIN {printf "%.2f", a / b}'; }
peak() { cut -d' ' -f2 "$1" | sort -n | tail -1; }
empty_ms=$(cut -d' ' -f1 "$work/empty.txt" | median)
full_ms=$(cut -d' ' -f1 "$work/full.txt" | median)
empty_ratio=$(ratio "$empty_ms")
full_ratio=$(ratio "$full_ms")

echo "zoom kept in the settings:    $zoom%"
echo "widgets in the window:        $widgets"
echo "minimal Qt window:            $minimal_ms ms (median of $runs), peak $(peak "$work/minimal.txt") kB"
echo "numora, no data file:         $empty_ms ms, ratio $empty_ratio (at most 1.15 wanted), peak $(peak "$work/empty.txt") kB"
echo "numora, 32,767 data values:   $full_ms ms, ratio $full_ratio (at most 1.30 wanted), peak $(peak "$work/full.txt") kB"
awk -v e="$empty_ratio" -v f="$full_ratio" 'BEGIN {exit !(e <= 1.15 && f <= 1.3)}'
