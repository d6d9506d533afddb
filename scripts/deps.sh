#!/usr/bin/env bash
# Installs the Debian packages the program needs to build, run and test,
# only those that are missing.
set -euo pipefail
packages=(build-essential cmake qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev
          fonts-liberation fonts-dejavu-core xvfb xauth poppler-utils
          clang libclang-rt-14-dev
          openssh-server sshfs fuse3)
# Packaging and its checks: the .deb's dependencies, the desktop entry, the metainfo, lintian.
packages+=(dpkg-dev file desktop-file-utils appstream lintian man-db)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
