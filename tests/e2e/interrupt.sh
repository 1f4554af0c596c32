#!/usr/bin/env bash
# A console interrupt while the program waits for input: diagnostic 200 with
# the event's word, exit status 128 + the signal number, SECTION untouched.
set -u
program=$1
work=$(mktemp -d)
trap 'exec 3>&- 2>/dev/null; rm -rf "$work"' EXIT
cd "$work" || exit 1
failed=0
for entry in INT:2:control-C QUIT:3:control-BREAK HUP:1:menu-CLOSE TERM:15:unknown; do
  IFS=: read -r name number word <<<"$entry"
  rm -f in out err SECTION
  mkfifo in
  "$program" <in >out 2>err &
  pid=$!
  exec 3>in  # holds the input open: the program waits for its values
  printf '40 35\n' >&3
  # Wait (bounded) until the banner shows that the run is under way.
  for _ in $(seq 1 500); do
    [ -s out ] && break
    sleep 0.02
  done
  sleep 0.2
  kill -s "$name" "$pid"
  wait "$pid"
  status=$?
  exec 3>&-
  expected_line=$(printf 'mphi: error (200): program aborting due to %s event\r' "$word")
  if [ "$status" != $((128 + number)) ]; then
    echo "SIG$name: exit status $status, expected $((128 + number))"
    failed=1
  fi
  if [ "$(tail -n 1 err)" != "$expected_line" ]; then
    echo "SIG$name: last line of standard error:"
    od -c err | tail -5
    failed=1
  fi
  if [ -s SECTION ]; then
    echo "SIG$name: SECTION holds data of an interrupted read"
    failed=1
  fi
done
exit $failed
