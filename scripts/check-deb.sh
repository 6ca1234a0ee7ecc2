#!/usr/bin/env bash
# Builds the .deb with CPack and tries it on a fresh Debian 12 root made for
# the purpose (mmdebstrap, minimal "apt" variant): installs the package there
# with apt-get and no recommended packages, so that its Depends alone must
# bring in everything it needs; starts /usr/bin/zeliro under Xvfb and checks
# that it stays up and shows its window; then purges the package. The machine
# itself gets no package installed or removed: the root is thrown away.
#
# Needs root (mmdebstrap's chroot) and Debian's package mirror. The package
# is left in $BUILD_DIR/deb/.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "check-deb.sh: run as root (it makes a chroot)" >&2; exit 2; }
scripts/setup.sh
scripts/build.sh
build=$(realpath "${BUILD_DIR:-build}")
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
security=${DEBIAN_SECURITY_MIRROR:-http://deb.debian.org/debian-security}

rm -rf "$build/deb"
cpack --config "$build/CPackConfig.cmake" -B "$build/deb" >/dev/null
deb=$(ls "$build"/deb/zeliro_*.deb)
echo "== $deb"
dpkg-deb --field "$deb"
depends=$(dpkg-deb --field "$deb" Depends)
for needed in fonts-liberation2 libqt6widgets6 libqt6printsupport6 libqt6serialport6; do
  grep -q "\b$needed\b" <<<"$depends" || { echo "FAIL: Depends lacks $needed" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/start-check.sh" <<'CHECK'
set -eu
echo "== fonts: Arial -> $(fc-match -f '%{family[0]}' Arial), Times New Roman -> $(fc-match -f '%{family[0]}' 'Times New Roman')"
fc-match -f '%{family[0]}' Arial | grep -q "Liberation Sans"
xvfb-run -a -s "-screen 0 1024x768x24" sh -eu -c '
  /usr/bin/zeliro & pid=$!
  window=
  for i in $(seq 1 100); do
    window=$(xwininfo -root -tree | sed -n "s/^ *\(0x[0-9a-f]*\) .*(\"zeliro\" \"ZELIRO\").*/\1/p" | head -n 1)
    [ -n "$window" ] && xwininfo -id "$window" | grep -q "Map State: IsViewable" && break
    window=
    sleep 0.2
  done
  [ -n "$window" ] || { echo "FAIL: no window of zeliro shown"; kill $pid; exit 1; }
  size=$(xwininfo -id "$window" | awk "/Width:/ { w = \$2 } /Height:/ { h = \$2 } END { print w \"x\" h }")
  echo "== window $window of zeliro shown, $size, viewable"
  sleep 3
  kill -0 $pid || { echo "FAIL: zeliro ended by itself"; exit 1; }
  echo "== zeliro still running 3 s later"
  kill $pid
  wait $pid || true'
CHECK

echo "== fresh Debian 12 root, installing the package with its dependencies"
mmdebstrap --variant=apt --include=xvfb,xauth,x11-utils bookworm "$work/root" \
  "deb $mirror bookworm main" "deb $mirror bookworm-updates main" "deb $security bookworm-security main" \
  --customize-hook="copy-in $deb $work/start-check.sh /tmp" \
  --customize-hook='echo "== apt-get install --no-install-recommends ./'"$(basename "$deb")"'"' \
  --customize-hook='chroot "$1" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends /tmp/'"$(basename "$deb")" \
  --customize-hook='chroot "$1" sh /tmp/start-check.sh' \
  --customize-hook='chroot "$1" env DEBIAN_FRONTEND=noninteractive apt-get purge -y zeliro' \
  --customize-hook='chroot "$1" sh -c "! test -e /usr/bin/zeliro && ! dpkg -s zeliro 2>/dev/null && echo \"== zeliro purged\""' \
  >"$work/log" 2>&1 || { cat "$work/log"; echo "FAIL: see the log above" >&2; exit 1; }
sed -n '/^== apt-get install/,$p' "$work/log" | grep -E '^(== |Setting up zeliro|Removing zeliro|[0-9]+ upgraded)'
echo "deb check passed"
