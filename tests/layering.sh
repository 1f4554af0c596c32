#!/usr/bin/env bash
# The layers, checked on every source folder's includes: each folder may
# include only the folders listed for it. Text I/O knows no engineering;
# the models know no front end, file format or report; the figures know no
# front end and no file format; front ends depend downward only.
set -u
root=$1
declare -A allowed=(
  [textio]="textio"
  [section]="section textio"
  [curve]="curve section textio"
  [analysis]="analysis curve section textio"
  [assessment]="assessment curve section textio"
  [section_file]="section_file analysis section textio curve"
  [figures]="figures analysis section curve"
  [charts]="charts"
  [report]="report figures charts section_file analysis section textio curve"
  [frontend]="frontend report figures charts section_file analysis assessment section textio curve"
  [sweep]="sweep frontend report figures charts section_file analysis assessment section textio curve"
  [batch]="batch frontend report figures charts section_file analysis assessment section textio curve"
  [web]="web sweep frontend report figures charts section_file analysis assessment section textio curve"
  [driver]="driver section_file analysis section textio curve"
  [validation]="validation batch frontend report figures charts section_file analysis assessment section textio curve"
  [python]="python batch sweep frontend report figures charts section_file analysis assessment section textio curve"
  [tools]="tools driver validation web batch sweep frontend report figures charts section_file analysis assessment section textio curve"
)
failed=0
cd "$root" || exit 1
for folder in "${!allowed[@]}"; do
  [ -d "$folder" ] || continue
  for file in $(find "$folder" -name '*.h' -o -name '*.cpp'); do
    for used in $(sed -n 's|^#include "\([a-z_]*\)/.*|\1|p' "$file" | sort -u); do
      case " ${allowed[$folder]} " in
        *" $used "*) ;;
        *) echo "$file includes $used/, which $folder/ may not use"; failed=1 ;;
      esac
    done
  done
done
# Nothing outside the program itself reaches mphi's channels or the
# operating system.
for folder in textio section analysis assessment section_file figures charts report frontend sweep batch web python; do
  [ -d "$folder" ] || continue
  if grep -rlE '_exit|signal\.h|<csignal>|sigaction' "$folder" --include='*.cpp' --include='*.h'; then
    echo "  ^ process-level code outside driver/"
    failed=1
  fi
done
exit $failed
