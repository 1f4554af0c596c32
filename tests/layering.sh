#!/usr/bin/env bash
# The layers, checked on every include of every source folder. From the
# ground up:
#   textio        text I/O, the version and exit statuses; no engineering
#   section       the section's values, units, checks and faults
#   curve         the curve value, the shared material laws, the request
#   analysis, assessment
#                 the two models: peers that never include each other
#   section_file, figures, charts
#                 SECTION; what engineers read off a curve; SVG charts
#   report        a curve's report as text, JSON, CSV and plot
#   model         one table entry per model, a section's result, the
#                 request parser
#   frontend      command-line plumbing, files, the thread pool
#   sweep, batch  many loads, many sections
#   web, python   the page's engine and the Python module
#   driver        mphi itself, on the models' layer and SECTION only
#   validation    the laboratory tests' mapping and statistics
#   tools         the programs' mains
# Each folder may include only the folders listed for it.
set -u
root=$1
below_report="report figures charts section_file analysis assessment curve section textio"
declare -A allowed=(
  [textio]="textio"
  [section]="section textio"
  [curve]="curve section textio"
  [analysis]="analysis curve section textio"
  [assessment]="assessment curve section textio"
  [section_file]="section_file analysis curve section textio"
  [figures]="figures curve section textio"
  [charts]="charts textio"
  [report]="report figures charts section_file curve section textio"
  [model]="model $below_report"
  [frontend]="frontend model $below_report"
  [sweep]="sweep frontend model $below_report"
  [batch]="batch frontend model $below_report"
  [web]="web sweep frontend model $below_report"
  [python]="python batch sweep frontend model $below_report"
  [driver]="driver section_file analysis curve section textio"
  [validation]="validation curve section textio"
  [tools]="tools driver validation web batch sweep frontend model $below_report"
)
failed=0
cd "$root" || exit 1
for folder in $(find . -maxdepth 2 -name '*.cpp' -printf '%h\n' | sed 's|^\./||; s|/.*||' | sort -u); do
  case "$folder" in tests | bench | build* | .) continue ;; esac
  if [ -z "${allowed[$folder]+set}" ]; then
    echo "$folder/ has no place in the layers"
    failed=1
  fi
done
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
for folder in "${!allowed[@]}"; do
  case "$folder" in driver | tools) continue ;; esac
  [ -d "$folder" ] || continue
  if grep -rlE '_exit|signal\.h|<csignal>|sigaction' "$folder" --include='*.cpp' --include='*.h'; then
    echo "  ^ process-level code outside driver/"
    failed=1
  fi
done
exit $failed
