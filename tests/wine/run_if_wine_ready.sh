#!/bin/sh
# run_if_wine_ready.sh PROBE-FILE COMMAND [ARGUMENT...]
#
# Runs a test program that drives Windows programs under Wine, if the last
# probe of the Wine prefix (the file that the wine.<arch>.prefix test writes)
# found Wine ready. Otherwise it prints why and exits with 77, which CTest
# reads as a skip; a probe that found Wine broken is a failure.
probe_file=$1
shift
if [ ! -r "$probe_file" ]; then
  echo "No Wine probe result in $probe_file: run the wine.<arch>.prefix test first." >&2
  exit 1
fi
state=$(head -n 1 "$probe_file")
reason=$(tail -n +2 "$probe_file")
case $state in
  ready)
    exec "$@"
    ;;
  unavailable)
    echo "Skipped: $reason"
    exit 77
    ;;
  *)
    echo "Wine is broken: $reason" >&2
    exit 1
    ;;
esac
