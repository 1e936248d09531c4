# What the integration scripts share; each sources this file.

# Makes the folder $1 anew, empty, and prints its absolute path.
scratch_folder() {
  rm -rf "$1"
  mkdir -p "$1"
  realpath "$1"
}

# Runs a check: a description, then the command; a failing command is reported and makes the
# script fail at its end (`exit $fail`), after the other checks have run.
fail=0
check() {
  local what=$1
  shift
  if ! "$@"; then
    echo "FAILED: $what"
    fail=1
  fi
}
