#!/usr/bin/env bash
# Installs the build into a staging folder (DESTDIR) and checks the tree, the
# desktop entry, the metainfo and the man page.
#   check_install.sh <build folder>
set -euo pipefail
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null

id=it.quirendo.Attestari
expected=(usr/bin/attestari
          usr/share/attestari/unins000.dll usr/share/attestari/Guida.pdf
          usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml
          usr/share/icons/hicolor/48x48/apps/$id.png usr/share/icons/hicolor/128x128/apps/$id.png
          usr/share/icons/hicolor/256x256/apps/$id.png usr/share/icons/hicolor/scalable/apps/$id.svg
          usr/share/man/man1/attestari.1.gz
          usr/share/doc/attestari/copyright usr/share/doc/attestari/changelog.gz)
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$stage" && find . -type f -printf '%P\n' | sort) \
  || { echo "the installed tree is not as expected (< expected, > installed)" >&2; exit 1; }

for size in 48 128 256; do
  file -b "$stage/usr/share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "PNG image data, $size x $size" \
    || { echo "icon $size is not a $size x $size PNG" >&2; exit 1; }
done
grep -q '<svg' "$stage/usr/share/icons/hicolor/scalable/apps/$id.svg"

out=$(desktop-file-validate "$stage/usr/share/applications/$id.desktop" 2>&1) || true
[ -z "$out" ] || { echo "desktop-file-validate: $out" >&2; exit 1; }
out=$(appstreamcli validate --no-net --no-color "$stage/usr/share/metainfo/$id.metainfo.xml" 2>&1) \
  || { echo "appstreamcli: $out" >&2; exit 1; }
if grep -E '^(E|W):' <<<"$out"; then echo "appstreamcli: $out" >&2; exit 1; fi
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
             "$stage/usr/share/man/man1/attestari.1.gz" 2>&1 >/dev/null) || true
[ -z "$warnings" ] || { echo "man page: $warnings" >&2; exit 1; }

# The installed program answers before any window, in Italian.
version=$(sed -n 's/^project(attestari VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
[ "$("$stage/usr/bin/attestari" --version)" = "Attestari $version" ]
"$stage/usr/bin/attestari" --help | grep -q -- '--folder <cartella>'
echo "installed tree, desktop entry, metainfo and man page: fine"
