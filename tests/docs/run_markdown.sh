#!/usr/bin/env bash
# Follows every Markdown document of the source tree but the README (which
# the test docs.readme follows in a fresh clone) with the built programs on
# PATH. A shell block that is neither run nor marked as not run fails here
# like a wrong transcript.
#
# usage: run_markdown.sh SOURCE_DIR WORK_DIR PROGRAM_DIRS
set -euo pipefail
source=$1 work=$2 programs=$3
here=$(cd "$(dirname "$0")" && pwd)

documents=()
while IFS= read -r -d '' document; do
  [[ $document == "$source/README.md" ]] || documents+=("$document")
done < <(find "$source" \( -name build -o -name .git -o -name node_modules \) -prune -o \
  -name '*.md' -type f -print0 | sort -z)
exec "$here/run_documents.sh" markdown "$work" "$programs" "${documents[@]}"
