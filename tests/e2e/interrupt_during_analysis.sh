#!/usr/bin/env bash
# Control-C during the analysis of the worked example: diagnostic 200,
# exit status 130, SECTION holding the echo and no table, and the console
# lines written before the interrupt all delivered.
#
# The analysis takes milliseconds, so the test holds it still: standard
# output is a pipe filled so that exactly the console lines written before
# the analysis fit. The analysis's first console line then blocks, and the
# interrupt arrives while the analysis waits on it.
set -u
program=$1
here=$(cd "$(dirname "$0")" && pwd)
case_dir=$here/cases/worked_example
work=$(mktemp -d)
trap 'exec 3<&- 2>/dev/null; rm -rf "$work"' EXIT
cd "$work" || exit 1

# Console bytes before the analysis: everything before its " fcc,fc1" line.
before=$(grep -b -a -m1 '^ fcc,fc1' "$case_dir/expected_stdout" | cut -d: -f1)
head -c "$before" "$case_dir/expected_stdout" >expected_out
head -n 8 "$case_dir/expected_SECTION" >expected_section  # the echo

mkfifo out
exec 3<>out  # both ends, so that neither the filler nor the program waits for a reader
capacity=$(perl -e 'open(my $p, ">&=", 3) or die; print fcntl($p, 1032, 0) + 0')  # F_GETPIPE_SZ
if [ -z "$capacity" ] || [ "$capacity" -le "$before" ]; then
  echo "skipped: cannot size the pipe (capacity '$capacity')"
  exit 77  # CTest reports it as skipped, never as passed
fi
head -c $((capacity - before)) /dev/zero >&3

"$program" <"$case_dir/stdin" >&3 2>err &
pid=$!
# Wait (bounded) for the echo in SECTION: the analysis comes next.
for _ in $(seq 1 500); do
  cmp -s SECTION expected_section && break
  sleep 0.02
done
sleep 0.3
kill -s INT "$pid"
for _ in $(seq 1 500); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.02
done
kill -s KILL "$pid" 2>/dev/null && echo "the program did not end on control-C"
wait "$pid"
status=$?

failed=0
[ "$status" = 130 ] || { echo "exit status $status, expected 130"; failed=1; }
expected_line=$(printf 'mphi: error (200): program aborting due to control-C event\r')
if [ "$(tail -n 1 err)" != "$expected_line" ]; then
  echo "last line of standard error:"
  od -c err | tail -5
  failed=1
fi
cmp -s SECTION expected_section || { echo "SECTION is not the echo alone:"; head -c 2000 SECTION | cat -A; failed=1; }
# Drain the pipe: the filler, then what the program wrote.
head -c $((capacity - before)) <&3 >/dev/null
timeout 5 head -c "$before" <&3 >actual_out
cmp -s actual_out expected_out || { echo "console lines before the interrupt differ"; failed=1; }
exit $failed
