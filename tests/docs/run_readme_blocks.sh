#!/usr/bin/env bash
# Runs each shell block of the README that follows the line
# "<!-- tests/docs runs this block -->", as written, each in a clean shell of
# its own: an empty environment but for PATH (the built programs first), a
# HOME and a TMPDIR inside WORK_DIR, and FAXSIM_SLEEP_SCALE=0. A block passes
# when it exits with 0, writes nothing on standard error and marks a fax.
#
# usage: run_readme_blocks.sh README WORK_DIR PROGRAM_DIRS
set -euo pipefail
readme=$1 work=$2 programs=$3

rm -rf "$work"
mkdir -p "$work"
# Each marked block into block1.sh, block2.sh, ...
awk -v dir="$work" '
  /^<!-- tests\/docs runs this block -->$/ { marked = 1; next }
  marked && /^```sh$/ { inside = 1; marked = 0; file = dir "/block" ++count ".sh"; next }
  inside && /^```$/ { inside = 0; close(file); next }
  inside { print > file }
  { marked = 0 }
' "$readme"

blocks=("$work"/block*.sh)
if [[ ${#blocks[@]} -lt 2 || ! -e ${blocks[0]} ]]; then
  echo "README: expected at least two blocks marked for tests/docs, found ${#blocks[@]}" >&2
  exit 1
fi
failed=0
for block in "${blocks[@]}"; do
  name=$(basename "$block" .sh)
  mkdir -p "$work/$name/home" "$work/$name/tmp"
  status=0
  (cd "$work/$name" &&
    env -i PATH="$programs:/usr/bin:/bin" HOME="$work/$name/home" TMPDIR="$work/$name/tmp" \
      FAXSIM_SLEEP_SCALE=0 bash -eu -o pipefail "$block" >"$work/$name.out" 2>"$work/$name.err") ||
    status=$?
  problem=""
  if [[ $status -ne 0 ]]; then
    problem="exited with $status"
  elif [[ -s $work/$name.err ]]; then
    problem="wrote on standard error"
  elif ! grep -q '^  -> marked$' "$work/$name.out"; then
    problem="marked no fax"
  fi
  if [[ -n $problem ]]; then
    failed=1
    echo "README block $name $problem:"
    sed 's/^/    /' "$block"
    echo "--- standard output:"
    cat "$work/$name.out"
    echo "--- standard error:"
    cat "$work/$name.err"
  fi
done
exit $failed
