#!/usr/bin/env bash
# mphi-sweep from the command line: every load's SECTION against a separate
# mphi run, the same output on 1 and 2 threads, the default loads' ends, and
# each way it refuses, with its status.
set -u
sweep=$1
mphi=$2
here=$(cd "$(dirname "$0")/.." && pwd)
input=$here/e2e/cases/worked_example/stdin
tool=$sweep
source "$here/cli_checks.sh"

# 10000 T is beyond the section: a row that ends in no_equilibrium.
loads=-50,0,100.5,250,10000
"$sweep" "$input" --loads=$loads --out one --csv one.csv --svg one.svg --curves-svg one-curves.svg \
  --jobs 1 2>err
check "one job" 0 $?
[ -s err ] && { echo "unexpected standard error:"; cat err; failed=1; }
"$sweep" --loads=$loads --out two --jobs 2 --svg two.svg --curves-svg two-curves.svg <"$input" >two.csv
check "two jobs" 0 $?
for f in csv svg curves.svg; do
  a=one.$f b=two.$f
  [ "$f" = curves.svg ] && a=one-curves.svg b=two-curves.svg
  cmp -s "$a" "$b" || { echo "$f differs between 1 and 2 jobs"; failed=1; }
done
diff -r one two >/dev/null || { echo "SECTION files differ between 1 and 2 jobs"; failed=1; }
[ "$(sed -n 6p one.csv | cut -d, -f1,2,4,5)" = "5,10000,no_equilibrium,21" ] \
  && sed -n 6p one.csv | cut -d, -f6- | grep -q '^,*$' \
  || { echo "load 10000 should end without equilibrium:"; sed -n 6p one.csv; failed=1; }

# Each load's SECTION is mphi's for the same input with that P0 (value 19,
# written as the table gives it back).
i=0
for P0 in $(tail -n +2 one.csv | cut -d, -f2); do
  i=$((i + 1))
  mkdir -p "run$i" && (cd "run$i" && sed "7s/.*/$P0/" "$input" | "$mphi" >/dev/null 2>&1)
  cmp -s "run$i/SECTION" "one/load-$i/SECTION" || { echo "load $i ($P0 T): SECTION differs from mphi's"; failed=1; }
done
[ $i = 5 ] || { echo "expected 5 loads, got $i"; failed=1; }
# The figures are mphi-report's for that SECTION, to the last digit.
report=$(dirname "$sweep")/mphi-report
"$report" --json one/load-3/SECTION >report.json
for pair in Mp:11 Mn:14 mu_phi:16; do
  key=${pair%:*} column=${pair#*:}
  want=$(grep "\"$key\":" report.json | tail -n 1 | tr -d ' ,' | cut -d: -f2)
  got=$(sed -n 4p one.csv | cut -d, -f"$column")
  awk -v a="$want" -v b="$got" 'BEGIN { exit !(a + 0 == b + 0 && a != "") }' \
    || { echo "$key: report $want, sweep $got"; failed=1; }
done

# Near pure tension and beyond the section: flagged, no figures.
"$sweep" "$input" --loads=-110,440 >edges.csv
[ "$(sed -n 2p edges.csv | cut -d, -f3 | cut -c1-24)" = "too few rows to idealise" ] \
  || { echo "near pure tension: $(sed -n 2p edges.csv)"; failed=1; }
sed -n 2p edges.csv | cut -d, -f12- | grep -q '^,*$' || { echo "an idealisation of too few rows"; failed=1; }
sed -n 3p edges.csv | grep -q '^2,440,no equilibrium: the axial load exceeds what the section can carry (about Po = 362.5 T); no figures,no_equilibrium,[0-9]*,*$' \
  || { echo "beyond the section: $(sed -n 3p edges.csv)"; failed=1; }
# The loads in kN, the table in si.
"$sweep" "$input" --units si --loads=981,700,2100 >si.csv
[ "$(cut -d, -f2 si.csv | tr '\n' ' ')" = "P0_kN 981 700 2100 " ] || { echo "si loads: $(cat si.csv)"; failed=1; }
"$sweep" "$input" --svg design.svg --design 100,1500 --design 50,2500 >/dev/null
grep -q 'dotted beyond them to the hand values' design.svg && grep -q '>D2<' design.svg &&
  grep -q 'inside (M/Mu = 0.71)' design.svg && grep -q 'OUTSIDE' design.svg && grep -q 'balanced point' design.svg \
  || { echo "the diagram lacks its design points or balanced point"; failed=1; }

# The assessment model's sweep: its own columns, the drift with --length.
"$sweep" "$input" --model assessment --length 200 --count 3 --svg a.svg >a.csv 2>err
check "assessment sweep" 0 $?
[ "$(head -n 1 a.csv)" = "load,P0_T,status,end,rows,first_yield_by,My_Tcm,Ky_per_cm,Mn_Tcm,phi_y_per_cm,Mu_Tcm,phi_u_per_cm,M_u_Tcm,mu_phi_dc,mu_phi_u,drift_dc,drift_u,mu_delta_u,V_u_T,drift_cap,mode,drift_flexure,drift_buckling,drift_shear,Vn0_T,Vp_Vn0,shear_class,drift_stability" ] \
  || { echo "assessment header: $(head -n 1 a.csv)"; failed=1; }
[ "$(cut -d, -f4 a.csv | tail -n +2 | tr '\n' ' ')" = "bar_fracture core_crushing core_crushing " ] \
  || { echo "assessment ends: $(cut -d, -f4 a.csv | tr '\n' ' ')"; failed=1; }
grep -q 'class="mdc"' a.svg || { echo "no M at damage control in the diagram"; failed=1; }
refuse "assessment with --out" 2 "mphi-sweep: --out: the assessment model writes no SECTION" \
  "$input" --model assessment --out x

# A circular column's sweep: its loads from its own squash load, its
# diagram titled with its diameter and bars; refused for the specified model.
echo "60 60 0 0 0 0 2.5 0 0 0 0 4 1.3 8 0.35 4.2 4.2 2040 150 60 60 0.02" >circle.in
"$sweep" circle.in --model assessment --shape circular --bars 12 --length 300 --count 5 \
  --svg c.svg >c.csv 2>err
check "circular sweep" 0 $?
[ "$(cut -d, -f2,4 c.csv | tail -n +2 | tr '\n' ' ')" = "-197.92,bar_fracture 92.54,core_crushing 383.01,core_crushing 673.47,core_crushing 963.93,core_crushing " ] \
  || { echo "circular loads and ends: $(cut -d, -f2,4 c.csv | tr '\n' ' ')"; failed=1; }
grep -q '<title>P-M interaction, assessment model: D = 60 cm, 12 bars' c.svg \
  || { echo "circular diagram title: $(grep -o '<title>[^<]*' c.svg)"; failed=1; }
refuse "circle with the specified model" 2 "mphi-sweep: --shape circular: the specified model is of rectangular sections" \
  circle.in --shape circular --bars 12

# Warnings once each: the data's for every load; the sweep's own loads near
# the squash load are no slip.
sed '3s/.*/9/' "$input" >nine.in
"$sweep" nine.in --count 3 >/dev/null 2>err
[ "$(cat err)" = "mphi-sweep: warning: dcm = 9 cm is more than a sixth of the section's smaller side (h = 35 cm): is it in mm?" ] \
  || { echo "sweep warnings: $(cat err)"; failed=1; }

# --input as mphi-report takes it: the same table as the positional input.
"$sweep" --input "$input" --count 3 >by-option.csv
"$sweep" "$input" --count 3 >by-position.csv
cmp -s by-option.csv by-position.csv || { echo "--input differs from INPUT"; failed=1; }

# Default loads: 21 of them from -0.8 As fy to 0.9 Po, zero-padded folders.
"$sweep" "$input" --out dflt >dflt.csv
check "default loads" 0 $?
[ "$(wc -l <dflt.csv)" = 22 ] || { echo "expected 21 loads"; failed=1; }
[ -f dflt/load-01/SECTION ] && [ -f dflt/load-21/SECTION ] || { echo "load folders missing"; failed=1; }
[ "$(cut -d, -f2 dflt.csv | sed -n '2p;12p;22p' | tr '\n' ' ')" = "-94.08 116.09 326.25 " ] \
  || { echo "default loads: $(cut -d, -f2 dflt.csv | tr '\n' ' ')"; failed=1; }
ls -R | grep -q tmp && { echo "temporary file left behind"; failed=1; }

sed 's/40 35 0.02/40 35 2/' "$input" >percent.in
head -n 7 "$input" >short.in
printf '12a\n' >letter.in
refuse "ratio in per cent" 65 "mphi-sweep: percent.in: invalid section data: r = 2: main steel area exceeds" percent.in
refuse "short input" 24 "mphi-sweep: short.in: the input ends before value 20 (b): 22 values are needed" short.in
refuse "letter" 59 "mphi-sweep: letter.in: value 1 (b) is not a number" letter.in
"$sweep" </ >out 2>err
check "standard input a directory" 39 $?
grep -qxF "mphi-sweep: cannot read standard input: Is a directory" err || { echo "stdin directory:"; cat err; failed=1; }
refuse "missing input" 2 "mphi-sweep: cannot open nosuch.in: No such file or directory" nosuch.in
refuse "bad load" 2 'mphi-sweep: --loads: "abc" is not a finite load in T' "$input" --loads 1,abc
refuse "count too small" 2 "mphi-sweep: --count" "$input" --count 1
refuse "loads and count" 2 "mphi-sweep: --loads excludes --count" "$input" --count 3 --loads 1,2
refuse "unwritable table" 1 "mphi-sweep: cannot write $work/no/dir/t.csv: No such file or directory" \
  "$input" --count 3 --csv "$work/no/dir/t.csv"
: >afile
refuse "output folder is a file" 1 "mphi-sweep: cannot make afile/load-1: Not a directory" \
  "$input" --count 3 --out afile
"$sweep" --version | grep -qx 'mphi-sweep [0-9.]*' || { echo "--version"; failed=1; }
"$sweep" --help | grep -q 'Usage: mphi-sweep' || { echo "--help"; failed=1; }
exit $failed
