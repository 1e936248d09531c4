#!/usr/bin/env bash
# The manual page: it must pass both roff linters without a single message, and document every
# option that the usage text and --help list (as a tagged paragraph of its own).
# Usage: man_page.sh <tpx32> <tpx32.1>
set -euo pipefail
tpx32=$1
page=$2
fail=0

command -v mandoc >/dev/null || { echo "mandoc is missing (Debian package mandoc)"; exit 1; }
command -v groff >/dev/null || { echo "groff is missing (Debian package groff-base)"; exit 1; }

lint=$(mandoc -T lint "$page" 2>&1) || true
if [ -n "$lint" ]; then
  echo "mandoc -T lint reports:"; echo "$lint"; fail=1
fi
lint=$(groff -ww -z -man "$page" 2>&1) || true
if [ -n "$lint" ]; then
  echo "groff -ww -z -man reports:"; echo "$lint"; fail=1
fi

# The options of the usage text and of --help: the words that begin each of the two columns
# (at the third and the thirty-seventh character), with their placeholder taken off (xxx, nnn,
# FILE, or the x of -Ax).
rendered=$(mandoc -T ascii "$page" | sed "s/.\x08//g")
options=$("$tpx32" --help |
  awk '{ print substr($0, 3); print substr($0, 37) }' | awk '$1 ~ /^-/ { print $1 }' |
  sed -E 's/(xxx|nnn|FILE)$//; s/^(-[A-Z])x$/\1/' | sort -u)
count=0
for option in $options; do
  count=$((count + 1))
  # A tag line of the page: seven blanks, the option, then its placeholder, a comma or the end.
  if ! grep -qE "^       $(printf '%s' "$option" | sed 's/[]\[\.*^$+?(){}|]/\\&/g')([a-z]|,| |$)" <<<"$rendered"; then
    echo "the manual page does not document $option"
    fail=1
  fi
done
if [ "$count" -lt 26 ]; then
  echo "only $count options found in the help text: the pattern no longer reads it"
  fail=1
fi
[ $fail -eq 0 ] && echo "manual page: lint clean, $count options documented"
exit $fail
