# Sourced by the command-line test scripts: a scratch folder to run in,
# `check LABEL EXPECTED ACTUAL` for exit statuses, and `refuse LABEL STATUS
# MESSAGE ARGS...`, which runs "$tool" and expects that status and the
# first line of standard error to hold that message. Sets `failed`.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failed=0
check() {
  if [ "$2" != "$3" ]; then
    echo "$1: exit status $3, expected $2"
    failed=1
  fi
}
refuse() {
  local label=$1 status=$2 message=$3
  shift 3
  "$tool" "$@" >out 2>err
  check "$label" "$status" $?
  head -n 1 err | grep -qF -- "$message" || { echo "$label: standard error:"; cat err; failed=1; }
}
