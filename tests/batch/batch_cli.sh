#!/usr/bin/env bash
# mphi-batch from the command line on the tables beside this script: column
# order and extra columns, refused rows among good ones, --loads, SECTION
# files against mphi's, and every way a table cannot be read.
set -u
batch=$1
mphi=$2
here=$(cd "$(dirname "$0")" && pwd)
tool=$batch
source "$here/../cli_checks.sh"
expect_line() {  # file line-number expected-start
  sed -n "$2p" "$1" | grep -qF -- "$3" || { echo "$1 line $2: $(sed -n "$2p" "$1")"; failed=1; }
}

# mixed.csv: a byte-order mark, CR LF, quoted cells, the columns shuffled
# among the user's own, and three refused rows among good ones.
"$batch" "$here/mixed.csv" --out sections --csv results.csv --jobs 2 2>err
check "mixed table" 3 $?
[ "$(cat err)" = "mphi-batch: 4 of 6 rows refused: data rows 2, 3, 4, 6; see the status column in results.csv" ] \
  || { echo "standard error: $(cat err)"; failed=1; }
expect_line results.csv 1 "note,r,P0,Es,fsy,fy,fc,sccm,dbcm,clearb1cm,dcm,h,b,id,storey,status,end,rows,Ky_per_cm,"
expect_line results.csv 2 '"worked, as in the README",0.02,100,2100,2.8,4.2,0.21,10,1.3,5,1.9,35,40,C1,1F,ok,0.8Mu,155,0.00016046579,2040.211,2107.559,'
expect_line results.csv 3 'C2,1F,"invalid section data: r = 2: main steel area exceeds the tie-confined core; r is a ratio (0.02, not 2)",,,,,,,,,,,,,'
expect_line results.csv 4 '"data row 3, column fc: ""0,21"" is not a number",,'
expect_line results.csv 5 '"data row 4: id ""../up"" is not a safe folder name",,'
expect_line results.csv 6 'C5,"3F, east",ok,0.8Mu,'
expect_line results.csv 7 '"data row 6: id ""C1"" repeats data row 1",,'
[ "$(ls sections)" = "$(printf 'C1\nC5')" ] || { echo "folders: $(ls sections)"; failed=1; }
[ -e up ] && { echo "wrote outside the folder"; failed=1; }
# Each SECTION is mphi's for the 22 values made of its row.
for row in "C1 40 35 1.9 5 1.3 10 0.21 4.2 2.8 2100 100 0.02" \
  "C5 50 50 2.5 5 1.3 10 0.28 4.2 2.8 2040 250 0.03"; do
  set -- $row
  mkdir "mphi-$1"
  (cd "mphi-$1" && echo "$2 $3 0 0 0 0 $4 0 0 0 0 $5 $6 $7 $8 $9 ${10} ${11} ${12} $2 $3 ${13}" \
    | "$mphi" >/dev/null 2>&1)
  cmp -s "mphi-$1/SECTION" "sections/$1/SECTION" || { echo "$1: SECTION differs from mphi's"; failed=1; }
done

# --loads: every row at each load, P0_T after the status.
"$batch" "$here/mixed.csv" --loads=-20,150 >crossed.csv
check "--loads" 3 $?
[ "$(wc -l <crossed.csv)" = 13 ] || { echo "expected 12 lines of results"; failed=1; }
expect_line crossed.csv 1 ",storey,status,P0_T,end,"
expect_line crossed.csv 2 ",C1,1F,ok,-20,0.8Mu,"
expect_line crossed.csv 3 ",C1,1F,ok,150,0.8Mu,"
cmp -s <(sed -n 2p crossed.csv | cut -d, -f19-) <(cd "mphi-C1" && "$batch" "$here/mixed.csv" --loads=-20 | sed -n 2p | cut -d, -f19-) \
  || { echo "a load's results depend on the others"; failed=1; }

# Both models in one table: a row's model, bars and length, the union of
# both models' result columns, and the rows that cannot run named.
"$batch" "$here/models.csv" --csv models-out.csv 2>err
check "models table" 3 $?
expect_line models-out.csv 1 ",status,end,rows,first_yield_by,My_Tcm,Ky_per_cm,Mn_Tcm,phi_y_per_cm,Mu_Tcm,phi_u_per_cm,M_u_Tcm,mu_phi_dc,mu_phi_u,drift_dc,drift_u,mu_delta_u,V_u_T,drift_cap,mode,drift_flexure,drift_buckling,drift_shear,Vn0_T,Vp_Vn0,shear_class,drift_stability,phi_Mu_per_cm,Mp_Tcm,phi_yi_per_cm,mu_phi_caltrans,mu_phi_priestley"
expect_line models-out.csv 2 "worked,,,,200,40,35,1.9,5,1.3,10,0.21,4.2,2.8,2100,100,0.02,ok,0.8Mu,155,,2040.211,0.00016046579,1959.724467252569"
expect_line models-out.csv 3 "spread,assessment,,,200,40,35,1.9,5,1.3,10,0.21,4.2,2.8,2100,100,0.02,ok,core_crushing,202,extreme fibre 0.002,1692.9"
expect_line models-out.csv 4 "twelve,assessment,4,2,300,60,60,2.5,5,1.3,10,0.28,4.2,2.8,2040,201.6,0.0164,ok,core_crushing,179,steel ey,"
expect_line models-out.csv 5 "invalid section data: bars_face = 4.5: the number of bars must be a whole number"
expect_line models-out.csv 6 "invalid section data: bars_face = 4: bar counts are for the assessment model"
expect_line models-out.csv 7 'data row 6, column model: ""xyz"" is neither spec nor assessment'
expect_line models-out.csv 8 'beyond,spec,,,,40,35,1.9,5,1.3,10,0.21,4.2,2.8,2100,500,0.02,no equilibrium: the axial load exceeds what the section can carry (about Po = 362.5 T); no figures,no_equilibrium,'
expect_line models-out.csv 9 'tension,,,,,40,35,1.9,5,1.3,10,0.21,4.2,2.8,2100,-110,0.02,too few rows to idealise'
# The explicit bars at L = 300: a flexural drift of 4.353 %, a capacity of
# 3.803 % by shear.
awk -F, 'NR == 4 && ($32 < 0.04352 || $32 > 0.04353 || $35 < 0.03802 || $35 > 0.03803 ||
  $36 != "shear") { exit 1 }' models-out.csv \
  || { echo "twelve bars: drift_u, drift_cap, mode $(sed -n 4p models-out.csv | cut -d, -f32,35,36)"; failed=1; }

# Circular columns: D for b and h, the bars round their circle, spiral or
# hoops, and each way a circular row is refused, named by its field. The
# worked bridge column: bar buckling at 5.455 % governs flexure's 5.649 %,
# with no shear-failure drift.
"$batch" "$here/circular.csv" --csv circles.csv 2>err
check "circular table" 3 $?
expect_line circles.csv 2 "bridge,assessment,circular,60,,,12,,300,2.5,4,1.3,8,0.35,4.2,4.2,2040,150,,ok,core_crushing,188,steel ey,6219.73"
awk -F, 'NR == 2 && ($37 < 0.054551 || $37 > 0.054552 || $38 != "bar_buckling" ||
  $41 != "" || $42 < 80.64 || $42 > 80.65) { exit 1 }' circles.csv \
  || { echo "bridge: $(sed -n 2p circles.csv | cut -d, -f37-44)"; failed=1; }
expect_line circles.csv 3 "hoops,assessment,Circular,60,,,12,hoops,300,2.5,4,1.3,8,0.35,4.2,4.2,2040,150,,ok,core_crushing,189,"
expect_line circles.csv 4 ",invalid section data: shape = circular: the specified model is of rectangular sections"
expect_line circles.csv 5 '"data row 4, column h: ""55"" is not D = 60: a circular section has one diameter"'
expect_line circles.csv 6 ",invalid section data: n_bars = 3: a circular section needs at least 4 bars,"
expect_line circles.csv 7 '"data row 6, column transverse: ""hoop"" is neither spiral nor hoops"'
expect_line circles.csv 8 ",invalid section data: n_bars: a circular section needs its number of bars,"
expect_line circles.csv 9 ",invalid section data: n_bars = 12: n_bars is for circular sections"

# The length column in the units' length, or in its own unit; a length
# no column has is refused with the unit it was read in.
printf 'id,L,b,h,dcm,clearb1cm,dbcm,sccm,fc,fy,fsy,Es,P0,r\nm,2,40,35,1.9,5,1.3,10,0.21,4.2,2.8,2100,100,0.02\ncm,200,40,35,1.9,5,1.3,10,0.21,4.2,2.8,2100,100,0.02\n' >lengths.csv
sed '1s/^id,L,/id,L_mm,/; 2s/^m,2,/m,2000,/' lengths.csv >lengths_mm.csv
"$batch" lengths.csv --units si --csv si.csv
"$batch" lengths_mm.csv --csv mm.csv
expect_line si.csv 3 'cm,200,40,35,1.9,5,1.3,10,0.21,4.2,2.8,2100,100,0.02,"data row 2, column L: L = 200 m is 571 times the section depth h = 0.35 m (a column is 1 to 30 times as long); column L is in m with --units si"'
expect_line mm.csv 3 'cm,200,40,35,1.9,5,1.3,10,0.21,4.2,2.8,2100,100,0.02,"data row 2, column L_mm: L = 200 mm is 0.571 times the section depth h = 350 mm (a column is 1 to 30 times as long); column L_mm is in mm"'
# 2 m and 2000 mm are the worked example's 200 cm: its displacement ductility.
for f in si.csv mm.csv; do
  sed -n 2p $f | grep -q ',1.274921530735216,' || { echo "$f: 2 m is not 200 cm: $(sed -n 2p $f)"; failed=1; }
done

# Messages lead with the value as the user typed it, in its unit: an MPa
# column's slip bounded in MPa, a number past a float's range as typed, a
# derived constant after the value that made it fail.
"$batch" "$here/messages.csv" --csv messages-out.csv 2>/dev/null
expect_line messages-out.csv 2 ',invalid section data: fy (MPa) = 420000 MPa (4284 T/cm2): main bar yield strength must be at most 100 T/cm2; beyond anything real (at most 1961 MPa),'
expect_line messages-out.csv 3 ',"data row 2, column P0_kN: ""1e308"" is beyond the range of the analysis'
expect_line messages-out.csv 4 ',invalid section data: P0_kN = 1e+12 kN (1.019368e+11 T): axial load far beyond the section'
expect_line messages-out.csv 5 ',"invalid section data: fc = 28 T/cm2: fc is in T/cm2 (0.28, not 28); that makes rcc = -0.2402634: the confined-concrete law is undefined'

# A European spreadsheet: semicolons, decimal commas, units in the names:
# the worked example again, to the last digit of its moments.
"$batch" "$here/european.csv" >eu.csv
check "European table" 0 $?
expect_line eu.csv 2 ';0,02;ok;0.8Mu;155;0,00016046579;2040,211;2107,559;'
"$batch" "$here/european.csv" --csv-dialect comma | sed -n 2p | grep -qF ',"0,02",ok,0.8Mu,155,0.00016046579,2040.211,2107.559,' \
  || { echo "--csv-dialect comma"; failed=1; }
# A point in a table of decimal commas: 3.5 or 3500? Refused, that row only.
sed '2s/;981;/;3.500;/' "$here/european.csv" >points.csv
"$batch" points.csv >points-out.csv 2>err
check "a point among decimal commas" 3 $?
grep -qF 'data row 1, column P0_kN: ""3.500"" has a point in a table of decimal commas' points-out.csv \
  || { echo "the ambiguous point: $(sed -n 2p points-out.csv)"; failed=1; }

: >empty.csv
printf 'b,h\n"40,35\n' >open_quote.csv
mkdir folder
refuse "missing file" 2 "mphi-batch: cannot open nosuch.csv: No such file or directory" nosuch.csv
refuse "no header" 2 "mphi-batch: empty.csv: no header row" empty.csv
refuse "missing column" 2 "no_load_column.csv: required column P0 is missing" "$here/no_load_column.csv"
refuse "unclosed quote" 2 "mphi-batch: open_quote.csv: malformed CSV: the file ends inside a quoted cell" open_quote.csv
refuse "folder as table" 2 "mphi-batch: cannot open folder: Is a directory" folder
refuse "bad load" 2 'mphi-batch: --loads: "x" is not a finite load in T' "$here/mixed.csv" --loads 1,x
refuse "unwritable results" 1 "mphi-batch: cannot write $work/no/r.csv: No such file or directory" \
  "$here/mixed.csv" --csv "$work/no/r.csv"
"$batch" --version | grep -qx 'mphi-batch [0-9.]*' || { echo "--version"; failed=1; }
exit $failed
