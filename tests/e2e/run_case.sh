#!/usr/bin/env bash
# Runs the program once in a scratch folder and compares, byte for byte, its
# standard output, standard error, SECTION and exit status with the case's
# expected files. Case files:
#   stdin            the input (default: empty)
#   setup            shell lines run in the scratch folder first (a cd there
#                    moves the run)
#   stdout_to        where standard output goes instead of a file (/dev/full)
#   stdin_from       where standard input comes from instead of `stdin`
#   stdin_closed, stdout_closed: run with that stream closed
#   expected_status  the exit status
#   expected_stdout, expected_stderr, expected_SECTION: compared where present;
#   expected_stdout_begins, expected_SECTION_begins: only the start compared;
#   "@DIR@" in expected_stderr stands for the scratch folder.
#   no_SECTION       present: SECTION must not be a file afterwards
set -u
program=$1
case_dir=$2
work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
cd "$work" || exit 1
[ -f "$case_dir/setup" ] && source "$case_dir/setup"

input="$case_dir/stdin"
[ -f "$input" ] || input=/dev/null
[ -f "$case_dir/stdin_from" ] && input=$(cat "$case_dir/stdin_from")
output="$work/.stdout"
[ -f "$case_dir/stdout_to" ] && output=$(cat "$case_dir/stdout_to")

if [ -f "$case_dir/stdin_closed" ]; then
  "$program" <&- >"$output" 2>"$work/.stderr"
elif [ -f "$case_dir/stdout_closed" ]; then
  "$program" <"$input" >&- 2>"$work/.stderr"
else
  "$program" <"$input" >"$output" 2>"$work/.stderr"
fi
status=$?

failed=0
expected_status=$(cat "$case_dir/expected_status")
if [ "$status" != "$expected_status" ]; then
  echo "exit status $status, expected $expected_status"
  failed=1
fi
compare() {  # actual expected label
  if ! cmp -s "$1" "$2"; then
    echo "--- $3 differs (expected, then actual):"
    od -c "$2" | head -40
    echo "..."
    od -c "$1" | head -40
    failed=1
  fi
}
[ -f "$case_dir/expected_stdout" ] && compare "$work/.stdout" "$case_dir/expected_stdout" stdout
if [ -f "$case_dir/expected_stderr" ]; then
  sed "s|@DIR@|$work|g" "$case_dir/expected_stderr" >"$work/.expected_stderr"
  compare "$work/.stderr" "$work/.expected_stderr" stderr
fi
[ -f "$case_dir/expected_SECTION" ] && compare "$work/SECTION" "$case_dir/expected_SECTION" SECTION
for name in stdout SECTION; do
  begins="$case_dir/expected_${name}_begins"
  [ -f "$begins" ] || continue
  actual="$work/$name"
  [ "$name" = stdout ] && actual="$work/.stdout"
  head -c "$(stat -c %s "$begins")" "$actual" >"$work/.head_$name"
  compare "$work/.head_$name" "$begins" "start of $name"
done
if [ -f "$case_dir/no_SECTION" ] && [ -f "$work/SECTION" ]; then
  echo "SECTION was created"
  failed=1
fi
exit $failed
