#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ferrox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a stage (DESTDIR, prefix /usr) and checks what a desktop and a
# packager check: the layout, desktop-file-validate, appstreamcli --pedantic, the manual pages
# through groff's warnings, the completion, and the installed programs run from the stage.
#   check_install.sh BUILD_DIR STAGE_DIR APP_ID
set -uo pipefail
build=$1 stage=$2 id=$3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$stage"
if ! DESTDIR="$stage" cmake --install "$build" --prefix /usr >"$stage.log" 2>&1; then
    cat "$stage.log"
    exit 1
fi
usr=$stage/usr
share=$usr/share

expected=(
    bin/ferrox bin/ferroxctl
    share/ferrox/lang/Lan.txt share/ferrox/lang/Lan_EN.txt share/ferrox/lang/Lan_RU.txt
    share/ferrox/lang/Lan-UA.txt share/ferrox/skins/ferrox.png
    lib/udev/rules.d/70-ferrox.rules
    "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
    "share/icons/hicolor/scalable/apps/$id.svg"
    share/man/man1/ferrox.1.gz share/man/man1/ferroxctl.1.gz
    share/doc/ferrox/copyright share/doc/ferrox/changelog.gz share/lintian/overrides/ferrox
    share/bash-completion/completions/ferroxctl
    share/dbus-1/interfaces/io.github.ferrox_mouse.ferrox1.xml
)
for size in 16 22 24 32 48 64 128 256 512; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for file in "${expected[@]}"; do
    [[ -s $usr/$file ]] || fail "missing $file"
done
for program in ferrox ferroxctl; do
    [[ -x $usr/bin/$program ]] || fail "$program is not executable"
done
# Nothing outside /usr.
stray=$(cd "$stage" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[[ -z $stray ]] || fail "installed outside /usr: $stray"

# The validators: any remark at all, pedantic ones included, fails the check.
out=$(desktop-file-validate "$share/applications/$id.desktop" 2>&1) || fail "desktop entry: $out"
[[ -z $out ]] || fail "desktop entry: $out"
out=$(appstreamcli validate --no-net --pedantic --no-color "$share/metainfo/$id.metainfo.xml" 2>&1)
[[ $? -eq 0 && $out != *"P: "* && $out != *"I: "* && $out != *"W: "* ]] || fail "metainfo: $out"
grep -q '<modalias>usb:v248Ap5B2Ed\*</modalias>' "$share/metainfo/$id.metainfo.xml" &&
    grep -q '<modalias>usb:v248Ap5B2Fd\*</modalias>' "$share/metainfo/$id.metainfo.xml" ||
    fail "metainfo does not provide the rule's two devices"

for page in ferrox ferroxctl; do
    out=$(zcat "$share/man/man1/$page.1.gz" | LC_ALL=C.UTF-8 groff -man -ww -z -Tutf8 2>&1)
    [[ -z $out ]] || fail "$page.1: $out"
done
manual=$(LC_ALL=C.UTF-8 MANWIDTH=100 man -l "$share/man/man1/ferroxctl.1.gz" 2>/dev/null)

# Every command and option ferroxctl lists in its help is in the manual page and in the
# completion.
help=$("$usr/bin/ferroxctl" --help) || fail "ferroxctl --help"
completion=$(cat "$share/bash-completion/completions/ferroxctl")
commands=$(sed -n '/^Commands:/,$p' <<<"$help" | awk 'NF && !/^Commands:/ {print $1}')
[[ -n $commands ]] || fail "no commands in ferroxctl --help"
for command in $commands; do
    grep -qE "^   $command( |$)" <<<"$manual" || fail "ferroxctl.1 has no section for $command"
    grep -qw -- "$command" <<<"$completion" || fail "the completion does not know $command"
done
for option in $(grep -oE -- '--[a-z-]+' <<<"$help" | sort -u); do
    grep -q -- "$option" <<<"$manual" || fail "ferroxctl.1 does not describe $option"
done
ferrox_manual=$(LC_ALL=C.UTF-8 man -l "$share/man/man1/ferrox.1.gz" 2>/dev/null)
for option in $("$usr/bin/ferrox" --help | grep -oE -- '--[a-z-]+' | sort -u); do
    grep -q -- "$option" <<<"$ferrox_manual" || fail "ferrox.1 does not describe $option"
done
out=$(bash -c 'source "$1"; COMP_WORDS=(ferroxctl autostart ""); COMP_CWORD=2
               _ferroxctl; echo "${COMPREPLY[*]}"' _ "$share/bash-completion/completions/ferroxctl")
[[ $out == "on off show" ]] || fail "completion of 'ferroxctl autostart': '$out'"

# The installed programs find their data in the stage, beside themselves.
data=$stage/data
out=$(FERROX_DATA_DIR=$data "$usr/bin/ferroxctl" --json language) || fail "ferroxctl language"
[[ $out == *"\"source\": \"$share/ferrox/lang/"* ]] || fail "ferroxctl reads its language from: $out"
out=$(FERROX_DATA_DIR=$data "$usr/bin/ferroxctl" --simulate status) || fail "simulated status: $out"
"$usr/bin/ferrox" --version | grep -q '^ferrox ' || fail "ferrox --version"

# The autostart entry it writes is a valid desktop entry that starts the installed program.
out=$(XDG_CONFIG_HOME=$stage/xdg FERROX_DATA_DIR=$data "$usr/bin/ferroxctl" autostart on) ||
    fail "autostart on: $out"
entry=$stage/xdg/autostart/$id.desktop
out=$(desktop-file-validate "$entry" 2>&1) && [[ -z $out ]] || fail "autostart entry: $out"
grep -qx "Exec=$usr/bin/ferrox --start-hidden" "$entry" || fail "autostart Exec: $(grep Exec "$entry")"

if ((failures)); then
    echo "$failures problem(s) in the installed tree at $stage"
    exit 1
fi
echo "installed tree at $stage: all checks passed"
