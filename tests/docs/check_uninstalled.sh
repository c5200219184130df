#!/usr/bin/env bash
# After docs.readme has followed the README, which installs under ~/.local and
# ends with the `uninstall` target: the install left a list of its files, and
# no file is left under ~/.local but the demo store, which no install made.
#
# usage: check_uninstalled.sh WORK_DIR   (docs.readme's)
set -euo pipefail
work=$1
manifest=$work/clone/build/demo/install_manifest.txt
if [[ ! -s $manifest ]]; then
  echo "No install to check: $manifest is missing or empty."
  exit 1
fi
left=$(find "$work/home/.local" ! -type d ! -path "$work/home/.local/share/faxsim/*")
if [[ -n $left ]]; then
  echo "The README's uninstall left these files under ~/.local:"
  echo "$left"
  exit 1
fi
