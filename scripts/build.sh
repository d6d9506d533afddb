#!/usr/bin/env bash
# Configures and builds everything into build/ (through ccache where it is installed).
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" ${ATTESTARI_CMAKE_ARGS:-} >/dev/null
cmake --build build -j"$(nproc)"
