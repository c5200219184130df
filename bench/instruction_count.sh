#!/usr/bin/env bash
# What inkstamp's own logic costs, in a figure that a busy machine does not
# blur: the instructions that inkstamp and marking_floor execute for the same
# marking run (valgrind's callgrind counts them, user space only), and the
# system calls each makes (strace), over a generated store.
#
#   bench/instruction_count.sh [BUILD-DIR] [FAXES]
#
# BUILD-DIR defaults to build/default and FAXES to 10000. Both programs mark
# every fax of the main folder printed and viewed. Each runs twice, the first
# time to bring the store to the same state for both.
set -euo pipefail

build=${1:-build/default}
faxes=${2:-10000}
faxsim=$build/src/faxsimtool/faxsim
inkstamp=$build/src/inkstamp/inkstamp
floor=$build/bench/marking_floor
for tool in valgrind callgrind_annotate; do
  command -v "$tool" >/dev/null || { echo "$0: needs $tool" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export FAXSIM_STORE=$work/store.db
"$faxsim" create >/dev/null
"$faxsim" add-server faxsrv >/dev/null
"$faxsim" add-user faxsrv ALICE >/dev/null
"$faxsim" generate faxsrv ALICE "$faxes" >/dev/null

programs=(
  "inkstamp:$inkstamp -s faxsrv -u alice -mp -mv *"
  "floor:$floor faxsrv alice 4294967295 3 0"
)

instructions() {
  valgrind --tool=callgrind --callgrind-out-file="$work/$1.cg" $2 >/dev/null 2>"$work/$1.log"
  sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$work/$1.log"
}

declare -A counted
for round in 1 2; do
  for entry in "${programs[@]}"; do
    name=${entry%%:*}
    # The command's words are split on purpose; the * reaches inkstamp as is.
    set -f
    counted[$name]=$(instructions "$name" "${entry#*:}")
    set +f
  done
done
echo "Instructions over $faxes generated faxes (main folder, two marks each):"
echo "  inkstamp       ${counted[inkstamp]}"
echo "  marking_floor  ${counted[floor]}"
awk -v a="${counted[inkstamp]}" -v b="${counted[floor]}" \
  'BEGIN { printf "  ratio          %.4f\n", a / b }'

if command -v strace >/dev/null; then
  echo
  echo "System calls (calls by name, where the two differ):"
  set -f
  for entry in "${programs[@]}"; do
    name=${entry%%:*}
    strace -f -c -o "$work/$name.strace" ${entry#*:} >/dev/null
    awk 'NF >= 5 && $NF ~ /^[a-z_0-9]+$/ && $4 ~ /^[0-9]+$/ { print $NF, $4 }' \
      "$work/$name.strace" | sort >"$work/$name.calls"
  done
  set +f
  join -a1 -a2 -e 0 -o 0,1.2,2.2 "$work/inkstamp.calls" "$work/floor.calls" |
    awk '$2 != $3 { printf "  %-12s inkstamp %8d  floor %8d\n", $1, $2, $3 }'
fi
