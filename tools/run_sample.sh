#!/usr/bin/env bash
# Sets up everything, builds the viewer, writes the sample panoramas once and starts the
# viewer on them. Extra arguments go to the viewer (for example --window).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DPANO_TESTS=OFF -DPANO_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)" --target panorama gen_samples render_view
mkdir -p samples
ls samples/*.bmp >/dev/null 2>&1 || ./build/gen_samples samples
cd samples
exec ../build/panorama "$@"
