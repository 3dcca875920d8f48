#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file of Contalandia names its licence in one line at its top:
#
#   scripts/spdx.sh check   lists the source files that lack the line and
#                           fails if there is any (run as a test)
#   scripts/spdx.sh add     writes the line into those files; files that
#                           already name a licence are left as they are, so
#                           it can be run again at any time
#
# The line is "SPDX-License-Identifier: GPL-3.0-or-later", as a comment of
# the file's own kind: "// " first in C++ files; "# " in shell, CMake,
# Python and desktop files, after the "#!" line if there is one; "<!-- -->"
# in XML files, after the XML declaration. The AppStream metadata says
# CC0-1.0 instead: AppStream wants its metadata free of rights. Files of a
# kind without a rule here fail, so that a new kind gets one.
set -euo pipefail
cd "$(dirname "$0")/.."

mode="${1:-}"
if [ "$mode" != check ] && [ "$mode" != add ]; then
  echo "usage: $0 check|add" >&2
  exit 2
fi

# The source files: the program, its tests, benchmarks, fuzz targets,
# scripts, packaging, the CI script and the build files.
source_files() {
  find src tests bench fuzz scripts packaging -type f -print 2>/dev/null
  for f in .ci/run CMakeLists.txt; do
    [ -f "$f" ] && echo "$f"
  done
  return 0
}

# For one file, sets style (cpp, hash, xml; none for files that are no
# source: texts, data, pictures, the copyright file itself; unknown), and
# for a source file the line it should carry and the line number "at".
classify() {
  local file=$1 first="" second="" third=""
  { IFS= read -r first; IFS= read -r second; IFS= read -r third; } <"$file" || true
  head3="$first"$'\n'"$second"$'\n'"$third"
  case "$file" in
    *.cpp | *.h | *.hpp | *.cc | *.c) style=cpp ;;
    *.sh | *.bash | *.cmake | *.py | *.supp | */CMakeLists.txt | CMakeLists.txt | *.desktop) style=hash ;;
    *.xml | *.xml.in) style=xml ;;
    *.md | *.txt | *.lng | *.ini | *.wav | *.svg | *.png | *.json | packaging/copyright) style=none ;;
    *) if [[ "$first" == '#!'* ]]; then style=hash; else style=unknown; fi ;;
  esac
  local id="SPDX-License-Identifier: GPL-3.0-or-later"
  [[ "$file" != packaging/*.metainfo.xml* ]] || id="SPDX-License-Identifier: CC0-1.0"
  at=1
  case "$style" in
    cpp) line="// $id" ;;
    hash) line="# $id"; [[ "$first" != '#!'* ]] || at=2 ;;
    xml) line="<!-- $id -->"; [[ "$first" != '<?xml'* ]] || at=2 ;;
  esac
  if [ "$at" = 1 ]; then present="$first"; else present="$second"; fi
}

missing=0
unknown=0
while IFS= read -r file; do
  classify "$file"
  case "$style" in
    none) continue ;;
    unknown)
      echo "no licence comment rule for $file: add one to scripts/spdx.sh" >&2
      unknown=1
      continue ;;
  esac
  if [ "$mode" = check ]; then
    if [ "$present" != "$line" ]; then
      echo "$file: line $at is not \"$line\"" >&2
      missing=1
    fi
  elif [[ "$head3" != *'SPDX-License-Identifier:'* ]]; then
    if [ "$at" = 1 ]; then
      sed -i "1i\\$line" "$file"
    else
      sed -i "1a\\$line" "$file"
    fi
    echo "added to $file"
  fi
done < <(source_files | LC_ALL=C sort)

if [ "$unknown" -ne 0 ] || [ "$missing" -ne 0 ]; then
  [ "$missing" -eq 0 ] || echo "run scripts/spdx.sh add to give these files their licence line" >&2
  exit 1
fi
[ "$mode" = add ] || echo "every source file names its licence"
