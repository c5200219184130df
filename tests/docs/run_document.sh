#!/usr/bin/env bash
# Follows documents as a reader would, one after another in one shell: their
# marked shell blocks run and must succeed, and each transcript's commands run
# and must print what the transcript shows (extract.awk says what is what).
# What one document leaves (a store, a variable) is there for the next. The
# shell
# starts in a fresh folder with an empty environment but for PATH, a HOME and a
# TMPDIR inside WORK_DIR, FAXSIM_SLEEP_SCALE=0 (output is the same, only the
# pauses between connection tries go) and the compiler-cache settings of the
# caller.
#
# usage: run_document.sh KIND DOCUMENT WORK_DIR PATH_DIRS [SOURCE_DIR [DOCUMENT...]]
#   KIND       markdown, manual or text
#   PATH_DIRS  folders put before /usr/bin:/bin on PATH (may be empty)
#   SOURCE_DIR a source tree to copy into WORK_DIR/clone and start in, as a
#              fresh clone (for the README, which builds and installs); or ""
#   DOCUMENT   more documents to follow after the first, in this order
# A manual page's examples begin with "faxsim demo --force" (extract.awk
# checks), so that each page starts from the demo store whatever ran before.
# Text documents are Windows texts: their commands run with pathname
# expansion off, as cmd.exe leaves * and ? alone.
set -euo pipefail
kind=$1 work=$3 path_dirs=$4 source=${5:-}
documents=("$2" "${@:6}")
here=$(cd "$(dirname "$0")" && pwd)

rm -rf "$work"
mkdir -p "$work/home" "$work/tmp" "$work/start"
script=$work/script.sh expected=$work/expected.txt actual=$work/actual.txt
: >"$expected"
: >"$expected.lines"
: >"$script.body"
{
  echo "exec 3>&1 2>&1"
  echo "__log=$work/blocks.log"
  echo "trap '__s=\$?; ((__s == 0)) || echo \"[the shell block at line \$__block ended the run with status \$__s]\" >&3' EXIT"
  [[ $kind == text ]] && echo "set -f"
  :
} >"$script"
if ! awk -v kind="$kind" -v script="$script.body" -v expected="$expected" -f "$here/extract.awk" \
  "${documents[@]}" 2>"$work/extract.log"; then
  cat "$work/extract.log" >&2
  exit 1
fi
cat "$script.body" >>"$script"

start=$work/start
if [[ -n $source ]]; then
  start=$work/clone
  mkdir -p "$start"
  tar -C "$source" --exclude=./build --exclude=./.git -cf - . | tar -C "$start" -xf -
fi
environment=(PATH="${path_dirs:+$path_dirs:}/usr/bin:/bin" HOME="$work/home" TMPDIR="$work/tmp"
  FAXSIM_SLEEP_SCALE=0)
for name in $(compgen -e | grep -E '^(CCACHE_[A-Z_]+|CMAKE_(C|CXX)_COMPILER_LAUNCHER)$' || true); do
  environment+=("$name=${!name}")
done

status=0
(cd "$start" && env -i "${environment[@]}" bash --noprofile --norc "$script" >"$actual") ||
  status=$?
first_wrong=$(awk -f "$here/matches.awk" "$expected" "$actual") && [[ $status -eq 0 ]] && exit 0
echo "${documents[*]}: followed as written, they do not do what they show."
if [[ $status -ne 0 ]]; then
  echo "Its shell ended with status $status."
fi
if [[ -n $first_wrong ]]; then
  echo "The first line that the commands did not print is $(sed -n "${first_wrong}p" \
    "$expected.lines"): $(sed -n "${first_wrong}p" "$expected")"
fi
if [[ -s $work/blocks.log ]]; then
  echo "--- the output of its shell blocks (the last 40 lines):"
  tail -n 40 "$work/blocks.log"
fi
echo "--- what it shows (-) against what the commands printed (+), '...' standing for any text:"
diff -u "$expected" "$actual" || true
exit 1
