#!/usr/bin/env bash
# The Debian package that `make package` builds: its fields and files, unpacked into a scratch
# root, and the program run from there on the bundled example.
# Usage: package.sh <tpx32 build dir> <source dir> <scratch dir>
set -euo pipefail
. "$(dirname "$0")/common.sh"
build=$(realpath "$1")
source=$(realpath "$2")
work=$3
work=$(scratch_folder "$work")

debs=("$build"/tpx32_*.deb)
[ -f "${debs[0]}" ] || { echo "FAILED: no tpx32_*.deb in $build (make package)"; exit 1; }
deb=${debs[0]}
version=$(sed -n 's/^project(tpx32 VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")
check "the package is tpx32" test "$(dpkg-deb -f "$deb" Package)" = tpx32
check "its version is the project's ($version)" test "$(dpkg-deb -f "$deb" Version)" = "$version"
listing=$(dpkg-deb -c "$deb" | awk '{ print $NF }')
for file in ./usr/bin/tpx32 ./usr/share/man/man1/tpx32.1 ./usr/share/doc/tpx32/LICENSE \
  ./usr/share/doc/tpx32/README.md; do
  check "the package holds $file" grep -qxF "$file" <<<"$listing"
done
check "the package holds the CMake package" grep -qE '^\./usr/lib/.*cmake/tpx32/tpx32Config\.cmake$' <<<"$listing"

dpkg -x "$deb" "$work/root"
program=$work/root/usr/bin/tpx32
check "the unpacked program runs" bash -c "'$program' --version | grep -qx 'tpx32 $version.*'"
mkdir -p "$work/run"
cp "$source/examples/hello.c" "$work/run/"
(cd "$work/run" && "$program" --quiet hello.c) || { echo "FAILED: preprocessing the example"; fail=1; }
check "the example is preprocessed" grep -q 'int main(void)' "$work/run/hello.i"
[ $fail -eq 0 ] && echo "package: $(basename "$deb") installs and runs"
exit $fail
