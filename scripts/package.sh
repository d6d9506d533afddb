#!/usr/bin/env bash
# Installs what is missing, builds, and makes the two packages in build/packages/:
# attestari_<version>_amd64.deb and the portable attestari-<version>-portatile.tar.gz.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
cd build
cpack -G DEB
cpack -G TGZ
ls -1 "$PWD"/packages/*.deb "$PWD"/packages/*.tar.gz
