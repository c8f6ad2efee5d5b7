#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ferrox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets (clang, address and undefined-behaviour sanitizers) and runs them.
#   tools/fuzz.sh [TARGET...]        the long run: every target to 1,000,000 executions
#   tools/fuzz.sh --ci [TARGET...]   the short run CI makes: about 20 s per target
# TARGET is a reader's name (config, profile, ferroxctl, ...); none means all of them.
# Corpora grow in build-fuzz/corpus/<target>/ and are kept between runs; a crash or a broken
# property leaves its input in build-fuzz/crashes/ (run build-fuzz/fuzz/fuzz_<target> FILE
# to see it again).
set -euo pipefail
cd "$(dirname "$0")/.."
mode=long
if [ "${1:-}" = "--ci" ]; then
  mode=ci
  shift
fi
tools/build.sh --fuzz
out=$PWD/build-fuzz # absolute: the targets change their working folder
mkdir -p "$out/crashes"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for exe in "$out"/fuzz/fuzz_*; do
    targets+=("$(basename "$exe" | sed 's/^fuzz_//')")
  done
fi

# Seeds from the fixtures in the tree: files the program writes are UTF-16LE with a BOM.
utf16() { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; }
seed() {
  local target=$1 dir=$out/corpus/$1
  mkdir -p "$dir"
  case $target in
    config)
      sed 's#{DATA}/config/##' tests/settings/data/config_first_run.txt | utf16 >"$dir/seed-config" ;;
    profile)
      utf16 <tests/settings/data/default_profile_3325.txt >"$dir/seed-profile" ;;
    macro_library|macro_exchange)
      cp tests/macros/data/*.mlf "$dir/" ;;
    language_file)
      for f in "$out"/out/lang/*.txt; do cp "$f" "$dir/seed-$(basename "$f")"; done ;;
    language_setting)
      printf '[ChangeLanguage]\nLanguage=RU\n' | utf16 >"$dir/seed-ru"
      printf 'EN\n' | utf16 >"$dir/seed-line1" ;;
    report_descriptor)
      for d in tests/device/data/hidraw/class/*/device; do
        [ -f "$d/report_descriptor" ] && cp "$d/report_descriptor" "$dir/seed-$(basename "$(dirname "$d")")"
      done ;;
    hidraw_enumeration)
      for d in tests/device/data/hidraw/class/*/device; do
        [ -f "$d/uevent" ] || continue
        { cat "$d/uevent"; printf '\0'; cat "$d/report_descriptor"; } >"$dir/seed-$(basename "$(dirname "$d")")"
      done ;;
    device_reports)
      # A status answer ("T7Q5", sensor 0x25, battery 80 %), then the mouse's 05 06 notice.
      { printf '\x00\x0c\x01\x20\x00\x01\x01\x10\x00T7Q5\x00\x00\x00\x25\x00\x00\x50\x00\x00\x01'
        head -c 12 /dev/zero
        printf '\x01\x05\x06\x00\x04\x02'; head -c 28 /dev/zero; } >"$dir/seed-status" ;;
    unsent_changes)
      printf 'keys\nwake-up\nmacros\n' | utf16 >"$dir/seed-unsent" ;;
    virtual_mouse_state)
      printf 'ferrox-virtual-mouse 1\ndpi 13 3F 0B 00 17 00\nrate 02\nmacro1 11 00 04\nresets 0\n' >"$dir/seed-state" ;;
    ferroxctl)
      printf 'show' >"$dir/seed-show"
      printf 'set\0rate\0001000' >"$dir/seed-set"
      printf 'profile\0add\0Work' >"$dir/seed-profile"
      printf 'macro\0list\0--json' >"$dir/seed-macro" ;;
    instance_message)
      # A framed wake-up with a token, an older 12-byte one, a framed virtual mouse action.
      printf '\xb7\x0b\x00\x00\x01\x00\xa0\xf3\x05\x00\x00\x00tok-1' >"$dir/seed-wake"
      printf '\xb7\x0b\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00' >"$dir/seed-older-wake"
      printf '\xb8\x0b\x00\x00\x01\x00\xa0\xf3\x08\x00\x00\x00\x02\x00\x00\x00\xf4\x01\x00\x00' >"$dir/seed-virtual" ;;
  esac
}

failed=()
run() {
  local target=$1
  shift
  echo "== fuzz_$target $*"
  if ! "$out/fuzz/fuzz_$target" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$out/crashes/$target-" "$@" 2>"$out/fuzz-$target.log"; then
    tail -40 "$out/fuzz-$target.log"
    return 1
  fi
  grep -E 'stat::number_of_executed_units|Done' "$out/fuzz-$target.log" | tail -2
}

for target in "${targets[@]}"; do
  seed "$target"
  if [ $mode = ci ]; then
    empty=$(mktemp -d)
    run "$target" -max_total_time=5 "$empty" || failed+=("$target")
    rm -rf "$empty"
    run "$target" -max_total_time=15 "$out/corpus/$target" || failed+=("$target")
  else
    run "$target" -runs=1000000 "$out/corpus/$target" || failed+=("$target")
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzzing found faults in: ${failed[*]} (inputs in $out/crashes/)"
  exit 1
fi
echo "fuzzing: no fault in ${#targets[@]} targets"
