#!/usr/bin/env bash
# The desktop files checked by the desktop's own tools: the entry and the metainfo validated,
# the four files naming one another consistently, and the .MVF type installed into a scratch
# MIME database, where a design is recognised by its first line whatever its name.
# Usage: check_desktop_files.sh DESKTOP_FOLDER SAMPLE_DESIGN; exit 77 (skipped) without the tools.
set -euo pipefail
src=$1 sample=$2
for tool in desktop-file-validate appstreamcli update-mime-database xdg-mime mimetype python3; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
fail() { echo "FAIL: $*"; exit 1; }

desktop-file-validate "$src/marovelantis.desktop" || fail "desktop-file-validate"
# The one warning left: the component id is the program's name, not a reverse domain name.
appstreamcli validate --no-net --override=cid-desktopapp-is-not-rdns=info "$src/marovelantis.metainfo.xml" ||
  fail "appstreamcli validate"

# One type, one icon name and one id across the files.
python3 - "$src" <<'PY' || fail "the files do not name one another"
import configparser, sys, xml.etree.ElementTree as ET
src = sys.argv[1]
entry = configparser.ConfigParser(interpolation=None)
entry.optionxform = str
entry.read(f"{src}/marovelantis.desktop", encoding="utf-8")
group = entry["Desktop Entry"]
ns = {"m": "http://www.freedesktop.org/standards/shared-mime-info"}
mime = ET.parse(f"{src}/marovelantis-mime.xml").find("m:mime-type", ns).get("type")
meta = ET.parse(f"{src}/marovelantis.metainfo.xml").getroot()
ET.parse(f"{src}/marovelantis.svg")  # well-formed
problems = []
if group["MimeType"] != mime + ";": problems.append(f"MimeType {group['MimeType']} is not {mime}")
if group["Icon"] != "marovelantis": problems.append("Icon is not the installed marovelantis.svg")
if meta.findtext("launchable") != "marovelantis.desktop": problems.append("launchable is not the entry")
if meta.findtext("id") + ".desktop" != "marovelantis.desktop": problems.append("id does not match the entry")
if mime not in [m.text for m in meta.iter("mediatype")]: problems.append("metainfo does not provide the type")
if not any(r.get("version") == "3.09" for r in meta.iter("release")): problems.append("no release 3.09")
print("\n".join(problems))
sys.exit(1 if problems else 0)
PY

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/share/mime/packages" "$scratch/home" "$scratch/files"
cp "$src/marovelantis-mime.xml" "$scratch/share/mime/packages/marovelantis.xml"
XDG_DATA_DIRS="$scratch/share:/usr/share" update-mime-database "$scratch/share/mime" || fail "update-mime-database"
# xdg-mime without a desktop session asks shared-mime-info's database through mimetype.
lookup() {
  env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID \
    XDG_DATA_HOME="$scratch/home" XDG_DATA_DIRS="$1" xdg-mime query filetype "$2"
}
type=application/x-marovelantis-design
cp "$sample" "$scratch/files/design.MVF"
cp "$sample" "$scratch/files/design.dat"
cp "$sample" "$scratch/files/design"
# The first line may come after a few bytes (a byte order mark, a blank line or two).
{ printf '\r\n%.0s' {1..40}; cat "$sample"; } >"$scratch/files/shifted.dat"
printf 'Not a design\r\n' >"$scratch/files/notes.dat"
for name in design.MVF design.dat design shifted.dat; do
  got=$(lookup "$scratch/share:/usr/share" "$scratch/files/$name")
  [ "$got" = "$type" ] || fail "$name is $got, not $type"
done
got=$(lookup "$scratch/share:/usr/share" "$scratch/files/notes.dat")
[ "$got" != "$type" ] || fail "a text without the first line is taken for a design"
# Without the new type the same design is plain text: the match above is the new rule's.
got=$(lookup /usr/share "$scratch/files/design.dat")
[ "$got" != "$type" ] || fail "the system already knew the type"
echo "desktop files: ok"
