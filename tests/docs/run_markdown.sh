#!/usr/bin/env bash
# Follows every Markdown document of the source tree but the README (which
# the test docs.readme follows in a fresh clone) with run_document.sh, each in
# a work folder of its own, with the built programs on PATH. A shell block that
# is neither run nor marked as not run fails here like a wrong transcript.
#
# usage: run_markdown.sh SOURCE_DIR WORK_DIR PROGRAM_DIRS
set -euo pipefail
source=$1 work=$2 programs=$3
here=$(cd "$(dirname "$0")" && pwd)

rm -rf "$work"
failed=0 count=0
while IFS= read -r -d '' document; do
  relative=${document#"$source"/}
  [[ $relative == README.md ]] && continue
  count=$((count + 1))
  "$here/run_document.sh" markdown "$document" "$work/${relative//\//_}" "$programs" || failed=1
done < <(find "$source" \( -name build -o -name .git -o -name node_modules \) -prune -o \
  -name '*.md' -type f -print0 | sort -z)
echo "$count Markdown documents besides the README followed"
exit $failed
