#!/usr/bin/env bash
# A SECTION that may only be read: the run goes as far as the first echo
# record, then ends with diagnostic 47 and leaves the file as it was. Root
# may write any file, so as root the program runs as the user nobody; where
# nobody cannot run it, the test is skipped (77), never passed.
set -u
program=$1
here=$(cd "$(dirname "$0")" && pwd)
case_dir=$here/cases/worked_example
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
cd "$work" || exit 1
printf 'old contents\r\n' >SECTION
chmod 444 SECTION
run=("$program")
if [ "$(id -u)" = 0 ]; then
  run=(setpriv --reuid=65534 --regid=65534 --clear-groups "$program")
  if ! setpriv --reuid=65534 --regid=65534 --clear-groups test -x "$program"; then
    echo "skipped: the user nobody cannot run $program, so root's write access cannot be avoided"
    exit 77
  fi
fi
"${run[@]}" <"$case_dir/stdin" >out 2>err
status=$?
failed=0
[ "$status" = 47 ] || { echo "exit status $status, expected 47"; failed=1; }
# Everything up to "Data output in file SECTION": the analysis never starts.
head -n -2 "$case_dir/expected_stdout" >expected_out
cmp -s out expected_out || { echo "standard output differs"; failed=1; }
{ cat "$case_dir/expected_stderr"
  printf 'mphi: severe (47): write to READONLY file, unit 17, file %s/SECTION\r\n' "$work"
} >expected_err
cmp -s err expected_err || { echo "standard error differs:"; cat -A err; failed=1; }
[ "$(cat SECTION)" = $'old contents\r' ] || { echo "SECTION changed"; failed=1; }
exit $failed
