#!/usr/bin/env bash
# Builds and unpacks the Debian package and checks what a desktop and apt find.
#   package_check.sh BUILD-DIR CPACK VERSION
set -euo pipefail
build=$1 cpack=$2 version=$3
id=org.wellenzeiger.Wellenzeiger
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

# The manual page and changelog compressed afresh: a build may hold only the program.
cmake --build "$build" --target compressed_docs >/dev/null
(umask 022 && "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >/dev/null)
deb=$work/out/wellenzeiger_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb") but: $(ls "$work/out")"
root=$work/root
dpkg -x "$deb" "$root"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-liberation qt6-translations-l10n libqt6widgets6 libc6; do
    grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

usr=$root/usr
desktop=$usr/share/applications/$id.desktop
metainfo=$usr/share/metainfo/$id.metainfo.xml
[ -f "$desktop" ] || fail "no desktop entry in /usr/share/applications/"
[ -f "$metainfo" ] || fail "no metainfo in /usr/share/metainfo/"

# desktop-file-validate exits 0 on warnings: treat those as failures too.
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
if grep -Eq '(error|warning):' <<<"$report"; then fail "desktop-file-validate: $report"; fi
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
appstreamcli validate-tree --no-net "$usr" || fail "appstreamcli validate-tree"

entry() { sed -n "s/^$1=//p" "$desktop"; }
grep -q 'Huygens-Fresnel-Prinzip' <<<"$(entry Comment)" || fail "Comment is not the German one"
program=$usr/bin/$(entry Exec)
[ -x "$program" ] || fail "Exec=$(entry Exec) is not in /usr/bin"
icon=$usr/share/icons/hicolor/scalable/apps/$(entry Icon).svg
grep -q '<svg' "$icon" || fail "Icon=$(entry Icon) has no scalable icon in the hicolor theme"

top=$(zcat "$usr/share/doc/wellenzeiger/changelog.gz" | head -1)
[ "$top" = "wellenzeiger ($version) unstable; urgency=medium" ] || fail "changelog begins '$top'"
manual=$(zcat "$usr/share/man/man1/wellenzeiger.1.gz")
grep -q "^\.SH BEZEICHNUNG" <<<"$manual" || fail "the manual page is not German"
grep -q "\"wellenzeiger $version\"" <<<"$manual" || fail "the manual page names another version"
echo "$manual" >"$work/manual"
for said in "$usr/share/doc/wellenzeiger/copyright" "$metainfo" "$work/manual"; do
    grep -q 'GPL-3.0-or-later' "$said" || fail "$said does not name the licence GPL-3.0-or-later"
done

lintian --fail-on error "$deb" || fail "lintian"

# Both answers come without a display; the help is German throughout.
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version) || fail "--version exits $?"
[ "$answer" = "wellenzeiger $version" ] || fail "--version says '$answer'"
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --help) || fail "--help exits $?"
expected="Aufruf: $program [Optionen]
Wellenzeiger: ein Lehrprogramm zur Physik der Wellen.
Zeigt Phasenzeiger, die Superposition zweier Wellen und das
Huygens-Fresnel-Prinzip in bewegten und stehenden Bildern.

Optionen:
  -h, --help     Zeigt Hilfe zu den Kommandozeilenoptionen an.
  --help-all     Zeigt Hilfe einschließlich Qt-spezifischer Optionen an.
  -v, --version  Zeigt Versionsinformation an."
[ "$answer" = "$expected" ] || fail "--help says:
$answer"
