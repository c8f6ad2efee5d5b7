#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ferrox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from the build as it stands (cpack: install, strip, pack; no
# rebuild) and checks it as Debian does: lintian with no error and no warning (the one
# override it ships is for the UTF-16 language files), the documents Debian policy asks for,
# and the distribution's hardening in both programs.
#   check_deb.sh BUILD_DIR OUT_DIR
set -uo pipefail
build=$1 out=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$out"
mkdir -p "$out"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    exit 1
fi
deb=$(ls "$out"/ferrox_*.deb)
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for file in ./usr/share/doc/ferrox/copyright ./usr/share/doc/ferrox/changelog.gz \
    ./usr/share/man/man1/ferrox.1.gz ./usr/share/man/man1/ferroxctl.1.gz \
    ./usr/share/lintian/overrides/ferrox; do
    grep -qx -- "$file" <<<"$contents" || fail "the package lacks $file"
done

unpacked=$out/unpacked
dpkg-deb --extract "$deb" "$unpacked"
for program in ferrox ferroxctl; do
    binary=$unpacked/usr/bin/$program
    headers=$(readelf --program-headers --dynamic --wide "$binary")
    symbols=$(readelf --dyn-syms --wide "$binary")
    grep -q GNU_RELRO <<<"$headers" || fail "$program: no relro"
    grep -qE 'BIND_NOW|FLAGS.*\bNOW\b' <<<"$headers" || fail "$program: no bind-now"
    grep -q __stack_chk_fail <<<"$symbols" || fail "$program: no stack protector"
    grep -qE '__[a-z_]+_chk@' <<<"$symbols" || fail "$program: no fortified functions"
done

# Tags go to standard output; standard error carries lintian's own remarks (run as root).
report=$(lintian --fail-on error,warning --display-level '>=warning' --tag-display-limit 0 \
    "$deb" 2>"$out/lintian.err") || fail "lintian: $report $(cat "$out/lintian.err")"
[[ -z $report ]] || fail "lintian says: $report"

if ((failures)); then
    echo "$failures problem(s) in $deb"
    exit 1
fi
echo "$deb: lintian clean, hardened, documented"
