#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ferrox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Gives every tracked file that lacks one the licence header of the project, in the comment
# syntax of its kind, below a first line that must stay first (#!, <?xml, an editor's mode
# line). Files that cannot carry a header are covered by .reuse/dep5 and left alone. Running
# it again changes nothing.
#   tools/spdx-headers.sh            adds the missing headers to every tracked file
#   tools/spdx-headers.sh PATH...    only to the tracked files below these paths
#   tools/spdx-headers.sh --check    changes nothing; lists the files that lack a header and
#                                    exits with 1 when there are any
# A file of a kind it does not know is named, and the run exits with 1.
set -euo pipefail
cd "$(dirname "$0")/.."

# Put together, so that this script's own text is not read as a header.
tag=SPDX
copyright="$tag-FileCopyrightText: 2026 The Ferrox developers"
licence="$tag-License-Identifier: GPL-3.0-or-later"

check=false
if [ "${1:-}" = "--check" ]; then
  check=true
  shift
fi

# The Files: patterns of .reuse/dep5, where "*" matches across folders as in the copyright
# format.
dep5_patterns=()
while read -r -a words; do
  dep5_patterns+=("${words[@]}")
done < <(awk '/^Files:/ {files = 1; sub(/^Files: */, ""); print; next}
                /^[ \t]/ && files {print; next}
                {files = 0}' .reuse/dep5)

covered_by_dep5() {
  local pattern
  for pattern in "${dep5_patterns[@]}"; do
    # shellcheck disable=SC2053 # the pattern is meant to match as a glob
    [[ $1 == $pattern ]] && return 0
  done
  return 1
}

# The comment syntax for a file: "open close" with close "-" for none.
comment_style() {
  case "$1" in
    *.cpp | *.h) echo "// -" ;;
    *.1.in) echo '.\" -' ;;
    *.xml.in | *.md) echo "<!-- -->" ;;
    *.sh | *.py | *.cmake | */CMakeLists.txt | CMakeLists.txt | *.rules | *.bash-completion | \
      *.supp | *.desktop.in | packaging/lintian-overrides | lang/*.txt | .gitignore | .editorconfig | */.editorconfig | \
      .clang-format | tools/tsan-tests | packaging/debian/* | .ci/run)
      echo "# -" ;;
    *) return 1 ;;
  esac
}

# A first line that has to stay where it is.
keeps_first_line() {
  case "$1" in
    '#!'* | '<?xml'* | *'-*-'*'-*-'*) return 0 ;;
  esac
  return 1
}

add_header() {
  local file=$1 open=$2 close=$3 first
  local lines=("$copyright" "$licence") header="" line
  for line in "${lines[@]}"; do
    if [ "$close" = "-" ]; then
      header+="$open $line"$'\n'
    else
      header+="$open $line $close"$'\n'
    fi
  done
  first=$(head -n 1 "$file")
  local tmp
  tmp=$(mktemp "$file.XXXXXX")
  if keeps_first_line "$first"; then
    { printf '%s\n' "$first"; printf '%s' "$header"; tail -n +2 "$file"; } >"$tmp"
  else
    { printf '%s' "$header"; cat "$file"; } >"$tmp"
  fi
  # The file keeps its mode (scripts stay executable).
  chmod --reference="$file" "$tmp"
  mv "$tmp" "$file"
}

status=0
while IFS= read -r -d '' file; do
  [ -f "$file" ] && [ ! -L "$file" ] || continue
  covered_by_dep5 "$file" && continue
  case "$file" in LICENSES/* | .reuse/*) continue ;; esac
  head -n 20 "$file" | grep -q "$tag-License-Identifier:" && continue
  if ! style=$(comment_style "$file"); then
    echo "spdx-headers: $file: no comment syntax known for this kind of file; give it one here" \
      "or cover it in .reuse/dep5" >&2
    status=1
    continue
  fi
  if $check; then
    echo "$file"
    status=1
    continue
  fi
  read -r open close <<<"$style"
  add_header "$file" "$open" "$close"
done < <(git ls-files -z -- "$@")
exit $status
