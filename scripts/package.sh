#!/usr/bin/env bash
# Builds the Debian package into build/ from what is built there (after scripts/test.sh the
# build is a no-op), unpacks it into a scratch root and checks its file list and control
# fields: everything the program needs at run time is there, and nothing of the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build build -j2 >/dev/null
(cd build && cpack -G DEB >/dev/null)

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/CMakeCache.txt)
deb=build/marovelantis_${version}-1_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "FAIL: $deb was not made"; exit 1; }
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"

missing=0
need() {
  for path in "$@"; do
    [ -f "$root/$path" ] || { echo "FAIL: missing /$path"; missing=1; }
  done
}
need usr/bin/marovelantis usr/bin/marovelantis-tool usr/bin/marovelantis-render
need usr/share/marovelantis/sample.MVF
for text in help/*.Txt; do
  need "usr/share/marovelantis/${text#help/}"
  # The help texts are Shift-JIS with CR LF: any conversion on the way breaks them.
  cmp -s "$text" "$root/usr/share/marovelantis/${text#help/}" || { echo "FAIL: ${text#help/} changed"; missing=1; }
done
need usr/share/applications/marovelantis.desktop usr/share/icons/hicolor/scalable/apps/marovelantis.svg \
     usr/share/mime/packages/marovelantis.xml usr/share/metainfo/marovelantis.metainfo.xml
for program in "$root"/usr/bin/*; do
  case ${program##*/} in marovelantis | marovelantis-tool | marovelantis-render) ;;
  *) echo "FAIL: unexpected /usr/bin/${program##*/}"; missing=1 ;;
  esac
done
for field in Maintainer Section Description; do
  [ -n "$(dpkg-deb -f "$deb" "$field")" ] || { echo "FAIL: no $field"; missing=1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libical3 fonts-ipafont-gothic; do
  [[ $depends == *"$library"* ]] || { echo "FAIL: Depends lacks $library: $depends"; missing=1; }
done
[ $missing -eq 0 ] || exit 1
echo "$deb: $(find "$root" -type f | wc -l) files, Depends: $depends"
