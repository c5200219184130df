#!/usr/bin/env bash
# mandoc -Tlint -W warning on each page: passes when mandoc says nothing.
#
# usage: lint_manuals.sh MANDOC PAGE...
set -uo pipefail
mandoc=$1
shift
if [[ -z $mandoc || ! -x $mandoc ]]; then
  echo "mandoc is not installed (Debian package mandoc, on the README's line for the tests)" >&2
  exit 1
fi
messages=$("$mandoc" -Tlint -W warning "$@" 2>&1)
if [[ -n $messages ]]; then
  echo "$messages"
  exit 1
fi
