#!/usr/bin/env bash
# The README's two Quick-start package lines are the one list of what the demo
# and the tests need: .ci/readme_packages must read each of them whole, and
# .ci/run must install through it rather than name those packages itself.
#
# usage: check_packages.sh SOURCE_DIR
set -euo pipefail
cd "$1"

# The Quick start's apt-get lines, read loosely: whatever follows "install"
# up to the comment.
quick_start=$(awk '/^## /{ inside = ($0 == "## Quick start") } inside' README.md)
count=$(grep -c 'apt-get install' <<<"$quick_start" || true)
if [[ $count -ne 2 ]]; then
  echo "README: the Quick start has $count apt-get lines, not 2" >&2
  exit 1
fi
failed=0
for kind in demo tests; do
  line=$(grep "apt-get install.*# for the $kind\$" <<<"$quick_start" || true)
  readme=$(sed 's/.*apt-get install//; s/#.*//' <<<"$line" | xargs)
  parsed=$(.ci/readme_packages "$kind" | xargs) || true
  if [[ -z $readme || $readme != "$parsed" ]]; then
    echo "the README's $kind packages are '$readme', but .ci/readme_packages reads '$parsed'" >&2
    failed=1
  fi
  if ! grep -q "\.ci/readme_packages $kind" .ci/run; then
    echo ".ci/run does not install the README's $kind packages (.ci/readme_packages $kind)" >&2
    failed=1
  fi
  # .ci/run's own apt-get install commands name none of them.
  for package in $readme; do
    if awk '/apt-get install/ { on = 1 } on { print } !/\\$/ { on = 0 }' .ci/run |
      tr -s ' \t\\' '\n' | grep -qxF -- "$package"; then
      echo ".ci/run names $package itself; the README's $kind line is its list" >&2
      failed=1
    fi
  done
done
exit $failed
