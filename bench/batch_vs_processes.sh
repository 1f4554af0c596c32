#!/usr/bin/env bash
# 1000 realistic sections side by side: one mphi process each, against one
# mphi-batch run over the same 1000 rows; every SECTION of the two must be
# the same, and a row one refuses the other refuses too.
set -eu
bin=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
awk 'BEGIN {
  srand(1000); print "b,h,dcm,clearb1cm,dbcm,sccm,fc,fy,fsy,Es,P0,r"
  for (i = 0; i < 1000; i++) {
    b = 25 + int(rand() * 96); h = 25 + int(rand() * 96); fc = 0.14 + rand() * 0.42
    printf "%d,%d,%.2f,%.1f,%.2f,%d,%.3f,%.2f,%.2f,%d,%.1f,%.4f\n", b, h, 1.3 + rand() * 1.9,
      2.5 + rand() * 5, 0.95 + rand() * 0.65, 5 + int(rand() * 26), fc, 2.8 + rand() * 2.8,
      2.8 + rand() * 1.4, 2000 + int(rand() * 100), (rand() * 1.05 - 0.1) * fc * b * h,
      0.01 + rand() * 0.05
  } }' >table.csv
# The same rows as 22-value inputs.
tail -n +2 table.csv | awk -F, '{ printf "%s %s 0 0 0 0 %s 0 0 0 0 %s %s %s %s %s %s %s %s %s %s %s\n",
  $1, $2, $3, $4, $5, $6, $7, $8, $9, $10, $11, $1, $2, $12 }' >inputs
mkdir runs
start=$(date +%s%N)
n=0
while read -r line; do
  n=$((n + 1))
  mkdir "runs/$n"
  status=0
  (cd "runs/$n" && echo "$line" | "$bin/mphi" >/dev/null 2>&1) || status=$?
  echo "$status" >"runs/$n/status"
done <inputs
processes=$(( ($(date +%s%N) - start) / 1000000 ))
# Both write every SECTION: the batch under batch/<row>/.
start=$(date +%s%N)
status=0
"$bin/mphi-batch" table.csv --csv results.csv --out batch || status=$?
batch=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$status" = 0 ] || [ "$status" = 3 ] || { echo "mphi-batch ended with status $status"; exit 1; }
# The same SECTION from both, row by row; a row mphi refuses, the batch
# refuses too.
same=0 refused=0
for ((i = 1; i <= n; i++)); do
  if [ "$(cat "runs/$i/status")" != 0 ]; then
    [ -e "batch/$i/SECTION" ] && { echo "row $i: mphi refused it, mphi-batch did not"; exit 1; }
    refused=$((refused + 1))
  elif cmp -s "runs/$i/SECTION" "batch/$i/SECTION"; then
    same=$((same + 1))
  else
    echo "row $i: mphi-batch's SECTION differs from mphi's"
    exit 1
  fi
done
echo "1000 sections: $n mphi processes $processes ms, mphi-batch $batch ms ($(awk -v p=$processes -v b=$batch 'BEGIN { printf "%.1f", p / b }')x faster); $same SECTIONs identical, $refused refused by both"
