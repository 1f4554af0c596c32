#!/usr/bin/env bash
# mphi-report from the command line: the worked example with both files,
# and every way it refuses, each with its status and nothing written.
set -u
report=$1
here=$(cd "$(dirname "$0")/.." && pwd)
worked=$here/e2e/cases/worked_example/expected_SECTION
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failed=0
check() {  # label expected-status actual-status
  if [ "$2" != "$3" ]; then
    echo "$1: exit status $3, expected $2"
    failed=1
  fi
}

cp "$worked" SECTION
"$report" --svg plot.svg --csv table.csv >out 2>err
check "worked example" 0 $?
head -n 1 out | grep -qx 'mphi-report: SECTION' || { echo "summary heading missing"; failed=1; }
grep -q '^  Mu = 2107.559 T.cm at curvature' out || { echo "peak missing"; failed=1; }
head -c 5 plot.svg | grep -q '<?xml' || { echo "no SVG written"; failed=1; }
[ "$(wc -l <table.csv)" = 156 ] || { echo "CSV should have 156 lines"; failed=1; }
[ -s err ] && { echo "unexpected standard error:"; cat err; failed=1; }

"$report" --help >out 2>err
check "--help" 0 $?
grep -q '^usage: mphi-report' out || { echo "--help shows no usage"; failed=1; }

refuse() {  # label expected-status expected-stderr-start args...
  local label=$1 status=$2 message=$3
  shift 3
  rm -f plot.svg table.csv
  "$report" "$@" --svg plot.svg --csv table.csv >out 2>err
  check "$label" "$status" $?
  head -n 1 err | grep -qF -- "$message" || { echo "$label: standard error:"; cat err; failed=1; }
  if [ "$status" = 2 ] && { [ -e plot.svg ] || [ -e table.csv ] || [ -s out ]; }; then
    echo "$label: wrote output"
    failed=1
  fi
}
mkdir folder
refuse "directory" 2 "mphi-report: cannot open folder: Is a directory" folder
refuse "missing file" 2 "mphi-report: cannot open nosuch: No such file or directory" nosuch
: >empty
refuse "empty file" 2 "mphi-report: empty:1: empty file" empty
head -n 100 "$worked" >cut
refuse "truncated table" 2 "mphi-report: cut:101: the table is cut short" cut
sed '11s/893.4188/893.4x88/' "$worked" >letter
refuse "field not a number" 2 "mphi-report: letter:11: \"   893.4x88    \" is not a number field" letter
refuse "unknown option" 2 "mphi-report: unknown option --plot" --plot x SECTION
refuse "two inputs" 2 "mphi-report: only one input file may be given" SECTION SECTION
"$report" SECTION --svg "$work/no/such/dir/plot.svg" >out 2>err
check "unwritable SVG" 1 $?
grep -qF "mphi-report: cannot write $work/no/such/dir/plot.svg" err || { echo "unwritable SVG not reported"; failed=1; }
exit $failed
