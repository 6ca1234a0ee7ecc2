#!/usr/bin/env bash
# Installs the build with `cmake --install` into a scratch DESTDIR and checks
# that it is a proper desktop program: the program, its menu entry, icon and
# AppStream metadata in their standard places under one id, the entry and the
# metadata passing their validators, and the entry pointing at the installed
# program and icon. Then builds the .deb with CPack and checks its name, its
# dependencies and its contents.
#   check-install.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
id=it.tavron.Zeliro
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
usr="$work/root/usr"
desktop="$usr/share/applications/$id.desktop"
metainfo="$usr/share/metainfo/$id.metainfo.xml"
icon="$usr/share/icons/hicolor/scalable/apps/$id.svg"
[ -x "$usr/bin/zeliro" ] || fail "no executable usr/bin/zeliro"
# The verification window's module, where the program looks for it (../lib/zeliro).
ls "$usr"/lib/zeliro/libzeliro_verify.so >/dev/null || fail "no verification module in usr/lib/zeliro"
# The print module beside it, and the print system kept out of the program's
# start: the program itself needs no CUPS library.
ls "$usr"/lib/zeliro/libzeliro_print.so >/dev/null || fail "no print module in usr/lib/zeliro"
program_needed=$(readelf -d "$usr/bin/zeliro")
! grep -q "NEEDED.*libcups" <<<"$program_needed" || fail "the program links the CUPS library"
# The preview module too, with Qt Print Support, which the program does not link.
ls "$usr"/lib/zeliro/libzeliro_preview.so >/dev/null || fail "no preview module in usr/lib/zeliro"
! grep -q "NEEDED.*libQt6PrintSupport" <<<"$program_needed" || fail "the program links Qt Print Support"
# The shared widget library beside it, found by the program and the module
# through their run paths, relative to themselves: never the build tree.
ls "$usr"/lib/zeliro/libzeliro_widgets.so* >/dev/null || fail "no widget library in usr/lib/zeliro"
runpath() { readelf -d "$1" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p'; }
[ "$(runpath "$usr/bin/zeliro")" = '$ORIGIN/../lib/zeliro' ] || fail "the program's run path is not ../lib/zeliro"
[ "$(runpath "$usr/lib/zeliro/libzeliro_verify.so")" = '$ORIGIN' ] || fail "the module's run path is not its folder"
# In the build tree too, every entry of a run path names a folder: an empty
# entry (a build path padded to the length of the installed one has them) is
# read by the loader as the folder the program is started from.
for file in "$build/src/zeliro" "$build"/lib/zeliro/*.so; do
  path=$(runpath "$file")
  [ -z "$path" ] || case ":$path:" in *::*) fail "${file#"$build/"} looks for libraries in the current folder" ;; esac
done
# (ldd's output is taken whole first: grep -q would end the pipe early.)
program_libraries=$(ldd "$usr/bin/zeliro")
module_libraries=$(ldd "$usr/lib/zeliro/libzeliro_verify.so")
grep -q "libzeliro_widgets.so => $usr/bin/\.\./lib/zeliro/" <<<"$program_libraries" ||
  fail "the program does not find its widget library"
grep -q "libzeliro_widgets.so => $usr/lib/zeliro/" <<<"$module_libraries" ||
  fail "the module does not find the widget library"
program_strings=$(strings -a "$usr/bin/zeliro")
! grep -q "$build/lib/zeliro" <<<"$program_strings" || fail "the installed program looks in the build tree"
for file in "$desktop" "$metainfo" "$icon"; do
  [ -s "$file" ] || fail "${file#"$work/root/"} not installed"
done

echo "== desktop-file-validate"
desktop-file-validate "$desktop" || fail "desktop entry"
echo "== appstreamcli validate"
appstreamcli validate --no-net "$metainfo" || fail "AppStream metadata"
echo "== appstreamcli validate-tree"
appstreamcli validate-tree --no-net "$work/root" || fail "installed tree"

key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Exec)" = zeliro ] || fail "Exec is not the installed program"
[ "$(key Icon)" = "$id" ] || fail "Icon is not $id"
grep -q "<id>$id</id>" "$metainfo" || fail "metadata id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "metadata launchable"
grep -q '^<svg' "$icon" || fail "icon is not SVG"
# The program names its windows' desktop entry by the same id.
grep -q "desktopId = \"$id\"" "$(dirname "$0")/../src/core/version.h" || fail "the program's desktopId is not $id"

echo "== cpack"
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/zeliro_*_*.deb) || fail "no zeliro .deb built"
dpkg-deb --field "$deb" Package Version Architecture Depends
[ "$(dpkg-deb --field "$deb" Package)" = zeliro ] || fail "package name"
depends=$(dpkg-deb --field "$deb" Depends)
for needed in fonts-liberation2 qt6-translations-l10n nec2c libc6 libcups2 libqt6core6 libqt6gui6 \
  libqt6widgets6 libqt6printsupport6 libqt6charts6; do
  grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed"
done
contents=$(dpkg-deb --contents "$deb")
for path in usr/bin/zeliro usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/$id.svg; do
  grep -q " \./$path$" <<<"$contents" || fail "package lacks /$path"
done
grep -q " \./usr/lib/zeliro/libzeliro_verify\.so$" <<<"$contents" || fail "package lacks the verification module"
grep -q " \./usr/lib/zeliro/libzeliro_widgets\.so" <<<"$contents" || fail "package lacks the widget library"
grep -q " \./usr/lib/zeliro/libzeliro_print\.so$" <<<"$contents" || fail "package lacks the print module"
grep -q " \./usr/lib/zeliro/libzeliro_preview\.so$" <<<"$contents" || fail "package lacks the preview module"
echo "install check passed"
