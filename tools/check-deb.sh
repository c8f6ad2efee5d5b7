#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ferrox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package, has lintian check it (no error, no warning), and proves it on a
# clean Debian 12 root made for the purpose:
# debootstrap from the mirror this machine's apt uses, apt install the .deb in a chroot, then
# run ferroxctl --version, ferroxctl --simulate status and ferrox --simulate (offscreen) from
# their installed paths. Needs root and the network to the mirror; takes a few minutes the
# first time (the base system is kept in build-deb/ and copied fresh for every run), so CI
# does not run it.
#   tools/check-deb.sh
set -euo pipefail
cd "$(dirname "$0")/.."
here=$PWD
dir=build-deb
if [ "$(id -u)" -ne 0 ]; then
  echo "check-deb.sh: needs root (debootstrap and chroot); run it with sudo" >&2
  exit 1
fi
tools/setup.sh
command -v debootstrap >/dev/null ||
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap

# The package, from a build folder of its own (prefix /usr, no tests).
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr -DFERROX_BUILD_TESTS=OFF)
if command -v ccache >/dev/null; then
  options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$dir" -G Ninja "${options[@]}" >/dev/null
cmake --build "$dir" -j"$(nproc)"
rm -f "$dir"/ferrox_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls "$here/$dir"/ferrox_*.deb)
echo "== package: $deb"
dpkg-deb --field "$deb"
echo "== contents"
dpkg-deb --contents "$deb" | awk '{print $6}'
echo "== lintian"
lintian --fail-on error,warning --display-level '>=warning' --tag-display-limit 0 "$deb" ||
  { echo "lintian: errors or warnings in the package" >&2; exit 1; }

# The mirror this machine installs from.
mirror=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
if [ -z "$mirror" ]; then
  mirror=$(awk '$1 == "deb" && $3 ~ /^bookworm/ {print $2; exit}' /etc/apt/sources.list 2>/dev/null || true)
fi
mirror=${mirror:-http://deb.debian.org/debian}

base=$here/$dir/debian12-base
root=$here/$dir/debian12-root
if [ ! -e "$base/.complete" ]; then
  rm -rf --one-file-system "$base"
  echo "== debootstrap bookworm from $mirror (once)"
  debootstrap --variant=minbase bookworm "$base" "$mirror" >"$dir/debootstrap.log" 2>&1 ||
    { tail -20 "$dir/debootstrap.log"; exit 1; }
  touch "$base/.complete"
fi

mounted=()
cleanup() {
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" 2>/dev/null || true; done
}
trap cleanup EXIT
# A run that was killed may have left its bind mounts: undo them before removing the old root,
# and never let the removal cross into another file system (the host's /dev).
for fs in dev proc; do
  if mountpoint -q "$root/$fs" 2>/dev/null; then umount -l "$root/$fs"; fi
done
rm -rf --one-file-system "$root"
cp -a "$base" "$root"
for fs in proc dev; do
  mount --bind "/$fs" "$root/$fs"
  mounted+=("$root/$fs")
done
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
# The same mirror settings as this machine (a snapshot mirror's Release may be past its date).
cp /etc/apt/apt.conf.d/99* "$root/etc/apt/apt.conf.d/" 2>/dev/null || true
cp "$deb" "$root/tmp/"
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"; }

echo "== apt install ./$(basename "$deb")"
in_root apt-get update -qq
touch "$root/tmp/before-install"
in_root sh -c "DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  /tmp/$(basename "$deb") >/tmp/apt.log 2>&1" || { tail -30 "$root/tmp/apt.log"; exit 1; }

status=0
check() {
  local what=$1
  shift
  if out=$("$@" 2>&1); then
    echo "ok   $what"
    printf '%s\n' "$out" | sed 's/^/     /'
  else
    echo "FAIL $what"
    printf '%s\n' "$out" | sed 's/^/     /'
    status=1
  fi
}
check "ferroxctl --version" in_root /usr/bin/ferroxctl --version
check "ferroxctl --simulate status" in_root /usr/bin/ferroxctl --simulate status
# Every file the installation added to the system belongs to a package (ours or a
# dependency); only what the dependencies' triggers and scripts generate (caches, the MIME
# database, init links) belongs to none.
check "nothing written outside the packages' files" in_root bash -c '
  cat /var/lib/dpkg/info/*.list | sort -u >/tmp/owned
  find /usr /etc /opt -xdev -newer /tmp/before-install ! -type d | sort >/tmp/new
  comm -23 /tmp/new /tmp/owned |
    grep -v -E "/(ld\.so\.cache|icon-theme\.cache|mimeinfo\.cache|gschemas\.compiled|giomodule\.cache|loaders\.cache|fonts\.cache-[0-9]+|[^/]*\.cache-[0-9]+|aux-cache)$|^/etc/(alternatives|fonts|ssl)/|^/etc/rc[0-6S]\.d/|^/usr/share/mime/|^/usr/lib/mime/packages|^/usr/share/info/dir$" |
    { ! grep .; }'
check "ferroxctl language --json (data from /usr/share/ferrox)" \
  in_root sh -c '/usr/bin/ferroxctl --json language | grep "\"source\": \"/usr/share/ferrox/lang/"'
# The window program on the offscreen platform: it must start, stay up and end cleanly on
# SIGTERM (exit 0).
check "ferrox --simulate (offscreen)" in_root sh -c '
  mkdir -p -m 700 /tmp/run
  QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp/run /usr/bin/ferrox --simulate &
  pid=$!
  sleep 4
  kill -0 $pid || { wait $pid; echo "ended early with $?"; exit 1; }
  kill -TERM $pid
  wait $pid
  code=$?
  echo "ran 4 s, exit $code after SIGTERM"
  exit $code'
check "installed files" in_root sh -c 'dpkg -L ferrox | grep -E "bin/|\.desktop|metainfo|rules|man1|completions|scalable"'
echo "== apt remove"
check "apt remove ferrox" in_root sh -c 'DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq ferrox >/dev/null && ! test -e /usr/bin/ferrox'
exit $status
