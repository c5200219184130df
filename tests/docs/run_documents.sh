#!/usr/bin/env bash
# Follows each DOCUMENT of one KIND with run_document.sh, each in a work
# folder of its own under WORK_DIR, with PROGRAM_DIRS on PATH; fails if any
# document fails, after trying them all.
#
# usage: run_documents.sh KIND WORK_DIR PROGRAM_DIRS DOCUMENT...
set -euo pipefail
kind=$1 work=$2 programs=$3
shift 3
here=$(cd "$(dirname "$0")" && pwd)

rm -rf "$work"
failed=0
for document in "$@"; do
  "$here/run_document.sh" "$kind" "$document" "$work/$(basename "$document")" "$programs" ||
    failed=1
done
echo "$# documents followed"
exit $failed
