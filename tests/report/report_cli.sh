#!/usr/bin/env bash
# mphi-report from the command line: the worked example with both files,
# and every way it refuses, each with its status and nothing written.
set -u
report=$1
here=$(cd "$(dirname "$0")/.." && pwd)
worked=$here/e2e/cases/worked_example/expected_SECTION
tool=$report
source "$here/cli_checks.sh"

cp "$worked" SECTION
"$report" --svg plot.svg --csv table.csv --length 200 >out 2>err
check "worked example" 0 $?
head -n 1 out | grep -qx 'mphi-report: SECTION' || { echo "summary heading missing"; failed=1; }
for want in '^  Mu = 2107.559 T.cm at curvature' '^  Mp = 2035.974 T.cm' '^  Mn = 1959.724 T.cm' \
  'mu_delta = 1.275$'; do
  grep -q "$want" out || { echo "missing: $want"; failed=1; }
done
grep -q 'Warning' out && { echo "Mp is not above Mu here"; failed=1; }
head -c 5 plot.svg | grep -q '<?xml' || { echo "no SVG written"; failed=1; }
[ "$(wc -l <table.csv)" = 155 ] || { echo "CSV should have 155 lines"; failed=1; }
[ "$(tail -n 1 table.csv | cut -d, -f1)" = 154 ] || { echo "CSV should end at row 154"; failed=1; }
[ -s err ] && { echo "unexpected standard error:"; cat err; failed=1; }
ls | grep -q tmp && { echo "temporary file left behind"; failed=1; }

"$report" --json --length 200 >out 2>err
check "--json" 0 $?
grep -q '"limit": "concrete 0.004"' out || { echo "--json gives no Priestley limit"; failed=1; }
"$report" --help >out 2>err
check "--help" 0 $?
grep -q '^Usage: mphi-report' out || { echo "--help shows no usage"; failed=1; }
"$report" --version >out 2>err
check "--version" 0 $?
grep -qx 'mphi-report [0-9.]*' out || { echo "--version shows no version"; failed=1; }

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
# In process from the 22 values: the specified model's figures are those of
# mphi's SECTION read back, to the last digit.
input=$here/e2e/cases/worked_example/stdin
"$report" --input "$input" --length 200 --json >spec.json 2>err
check "--input, specified model" 0 $?
"$report" SECTION --length 200 --json >file.json
cmp -s spec.json file.json && echo "--input should know how the curve ended" && failed=1
diff <(grep -v '"end' spec.json) <(grep -v '"end' file.json) >/dev/null \
  || { echo "--input's figures differ from SECTION's"; failed=1; }
grep -q '"end": "0.8Mu"' spec.json || { echo "--input names no end"; failed=1; }
"$report" --input "$input" --out run >/dev/null
cmp -s run/SECTION "$worked" || { echo "--out SECTION differs from mphi's"; failed=1; }
# The assessment model on the worked example.
"$report" --input "$input" --model assessment --length 200 --json --svg a.svg --csv a.csv >a.json 2>err
check "assessment model" 0 $?
for want in '"end": "core_crushing"' '"mu_phi_u": 13.94' '"governed": "core ecu"' '"bars": "spread"'; do
  grep -q "$want" a.json || { echo "assessment JSON lacks $want"; failed=1; }
done
[ "$(wc -l <a.csv)" = 203 ] || { echo "assessment CSV should have 202 rows"; failed=1; }
head -c 5 a.svg | grep -q '<?xml' || { echo "no assessment SVG"; failed=1; }
# P-delta: at L = 300 cm damage control lies past the stability drift of
# 5.66 %, serviceability before it.
"$report" --input "$input" --model assessment --length 300 --json >pd.json
[ "$(grep -oE '"(beyond_stability|stability_drift)": [a-z0-9.]{1,6}' pd.json | tr -d '\n')" = \
  '"beyond_stability": false"beyond_stability": true"beyond_stability": true"stability_drift": 0.0566' ] \
  || { echo "P-delta flags: $(grep -E 'stability' pd.json | tr -d '\n')"; failed=1; }
"$report" --input "$input" --model assessment --length 300 | grep -q \
  'P-delta stability drift 5.660 % (the lateral force (M - P0 delta)/L falls to zero): beyond it, where the column cannot carry its load: damage control, ultimate$' \
  || { echo "P-delta line missing"; failed=1; }
refuse "bars with the specified model" 2 "mphi-report: --bars-face 4: bar counts are for the assessment model" \
  --input "$input" --bars-face 4
refuse "assessment from SECTION" 2 "mphi-report: --model assessment needs --input" --model assessment
refuse "half a bar" 2 "mphi-report: --bars-face 2.5: the number of bars must be a whole number" \
  --input "$input" --model assessment --bars-face 2.5
sed '3s/.*/25/' "$input" >thick.in  # main bars of 25 cm
refuse "bars that do not fit" 65 "mphi-report: thick.in: invalid section data: clearb1cm = 5 cm: the bars do not fit" \
  --input thick.in --model assessment

# A circular column (the bridge column: D = 60 cm, 12 bars, a spiral), and
# each way its request is refused, naming the option or the value.
echo "60 60 0 0 0 0 2.5 0 0 0 0 4 1.3 8 0.35 4.2 4.2 2040 150 60 60 0.02" >circle.in
"$report" --input circle.in --model assessment --shape circular --bars 12 --length 300 >c.txt 2>err
check "circular column" 0 $?
for want in '^  circular, D = 60 cm, P0 = 150 T' '^  12 bars of 2.5 cm round a circle' \
  '^  confinement circular: ke = 0.9623, rho_s = 0.01276, fl = 2.528 MPa$' \
  ': 5.455 %, governed by bar_buckling$' 'not taken for a circular one$'; do
  grep -q "$want" c.txt || { echo "circular column lacks: $want"; failed=1; }
done
"$report" --input circle.in --model assessment --shape circular --bars 12 --transverse hoops \
  --json >h.json
grep -q '"method": "circular"' h.json && grep -q '"bars": "circle"' h.json \
  || { echo "hoops: no circular confinement or layout"; failed=1; }
grep -q '"ke": 0.96226' h.json && { echo "hoops confine as a spiral"; failed=1; }
refuse "circle with the specified model" 2 "mphi-report: --shape circular: the specified model is of rectangular sections" \
  --input circle.in --shape circular --bars 12
refuse "misspelt hoops" 2 'mphi-report: --transverse: "hoop" is neither spiral nor hoops' \
  --input circle.in --model assessment --shape circular --bars 12 --transverse hoop
refuse "three bars" 2 "mphi-report: --bars 3: a circular section needs at least 4 bars" \
  --input circle.in --model assessment --shape circular --bars 3
refuse "no bar count" 2 "mphi-report: --bars: a circular section needs its number of bars" \
  --input circle.in --model assessment --shape circular
sed 's/ 60 60 0.02/ 60 55 0.02/' circle.in >oval.in
refuse "two diameters" 65 "mphi-report: oval.in: invalid section data: h = 55 cm: a circular section has one diameter D" \
  --input oval.in --model assessment --shape circular --bars 12

# Data that runs but looks wrong: a warning on standard error and in the
# JSON, the figures still given.
sed '3s/.*/9/' "$input" >nine.in  # main bars of 9 cm in a 35 cm section
"$report" --input nine.in --json >nine.json 2>err
check "a 9 cm bar" 0 $?
want="dcm = 9 cm is more than a sixth of the section's smaller side (h = 35 cm): is it in mm?"
[ "$(cat err)" = "mphi-report: warning: $want" ] || { echo "warning: $(cat err)"; failed=1; }
grep -qF "\"$want\"" nine.json || { echo "no warning in the JSON"; failed=1; }

# A load beyond the section: no figures, and why.
sed 's/^100$/500/' "$input" >heavy.in
"$report" --input heavy.in --json >heavy.json
grep -q '"end_words": "no equilibrium: the axial load exceeds what the section can carry (about Po = 362.5 T)"' heavy.json \
  || { echo "load beyond the section: $(grep end_words heavy.json)"; failed=1; }
grep -q '"peak": null' heavy.json || { echo "a peak beyond the section"; failed=1; }
# Units: the same figures in kN and m.
"$report" --input "$input" --units si --length 2 >si.txt
grep -q '^  Mu = 206.7515' si.txt || { echo "Mu in kN.m: $(grep 'Mu =' si.txt)"; failed=1; }
grep -q 'L = 2 m' si.txt || { echo "the length in m"; failed=1; }
refuse "mistyped option" 2 "mphi-report: The following argument was not expected: --lenght (did you mean --length?)" \
  --lenght 200

mkdir folder
refuse "directory" 2 "mphi-report: cannot open folder: Is a directory" folder
refuse "missing file" 2 "mphi-report: cannot open nosuch: No such file or directory" nosuch
: >empty
refuse "empty file" 2 "mphi-report: empty:1: empty file" empty
head -n 100 "$worked" >cut
refuse "truncated table" 2 "mphi-report: cut:101: the table is cut short" cut
sed '11s/893.4188/893.4x88/' "$worked" >letter
refuse "field not a number" 2 "mphi-report: letter:11: \"   893.4x88    \" is not a number field" letter
refuse "unknown option" 2 "mphi-report: The following argument was not expected: --plot" --plot SECTION
refuse "two inputs" 2 "mphi-report: The following argument was not expected: SECTION" SECTION SECTION
refuse "bad length" 2 'mphi-report: --length: "0" is not a positive length' --length 0 SECTION
# The length in the units' length, and refused where it cannot be a column's.
refuse "length in cm taken as m" 2 "mphi-report: --length: L = 300 m is 857 times the section depth h = 0.35 m (a column is 1 to 30 times as long); --length is in m with --units si" \
  --input "$input" --units si --length 300
refuse "length in m taken as cm" 2 "mphi-report: --length: L = 3 cm is 0.0857 times the section depth" \
  --input "$input" --length 3
refuse "SECTION's length" 2 "mphi-report: --length: L = 2000 cm is 57.1 times" SECTION --length 2000
"$report" SECTION --svg "$work/no/such/dir/plot.svg" >out 2>err
check "unwritable SVG" 1 $?
grep -qxF "mphi-report: cannot write $work/no/such/dir/plot.svg: No such file or directory" err \
  || { echo "unwritable SVG not reported with its reason"; failed=1; }
exit $failed
