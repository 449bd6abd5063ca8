#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop and a
# software centre will read there: the program, the desktop entry (German
# name and comment, education and physics categories), the icon it names and
# the AppStream metainfo, each passing its validator.
#   install_check.sh BUILD-DIR
set -euo pipefail
build=$1
id=org.wellenzeiger.Wellenzeiger
prefix=$(mktemp -d)
# cmake --install rewrites the build's install manifest: keep the one of a
# real installation, which tells what to remove to uninstall.
manifest=$build/install_manifest.txt
saved=$prefix.manifest
[ -f "$manifest" ] && cp "$manifest" "$saved"
restore() {
    if [ -f "$saved" ]; then mv "$saved" "$manifest"; else rm -f "$manifest"; fi
    rm -rf "$prefix"
}
trap restore EXIT

fail() { echo "FAILED: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
[ -x "$prefix/bin/wellenzeiger" ] || fail "the program is not installed to bin/"
[ -f "$desktop" ] || fail "no desktop entry in share/applications/"
[ -f "$metainfo" ] || fail "no metainfo in share/metainfo/"

# desktop-file-validate exits 0 on warnings: treat those as failures too.
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
if grep -Eq '(error|warning):' <<<"$report"; then fail "desktop-file-validate: $report"; fi

appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli validate-tree"

entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Name)" = "Wellenzeiger" ] || fail "Name is '$(entry Name)'"
grep -q 'Huygens-Fresnel-Prinzip' <<<"$(entry Comment)" || fail "Comment is not the German one"
[ "$(entry Categories)" = "Education;Science;Physics;" ] || fail "Categories: $(entry Categories)"
[ -x "$prefix/bin/$(entry Exec)" ] || fail "Exec=$(entry Exec) is not the installed program"

icon=$prefix/share/icons/hicolor/scalable/apps/$(entry Icon).svg
[ -f "$icon" ] || fail "Icon=$(entry Icon) has no scalable icon in the hicolor theme"
grep -q '<svg' "$icon" || fail "the icon is not an SVG image"

grep -q '<name>Wellenzeiger</name>' "$metainfo" || fail "the metainfo has another name"
grep -q '<summary>.*Huygens-Fresnel-Prinzip</summary>' "$metainfo" ||
    fail "the metainfo's summary is not the German one"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch the installed desktop entry"
echo "installed and valid: $(cd "$prefix" && find . -type f | sort | tr '\n' ' ')"
