#!/usr/bin/env bash
# Fetches Debian source packages into a cache outside the repository, for the benchmark
# (bench/run.sh) and the comparison with gcc over real code (tests/random/difftest_corpus.sh).
# Sourced, not run: the caller sets CACHE (the cache folder) and defines log and die.
#
# The packages come through a private apt configuration that lists the system's own package
# sources as source (deb-src) entries, so the system configuration is not touched.
#   write_source_list        writes the private configuration and sets APT_OPTS
#   fetch_source PKG [VER]   downloads and unpacks source package PKG (version VER, else the
#                            newest that can be fetched) into $CACHE/src/PKG, once
#   build_sqlite_amalgamation  builds sqlite3.c in $CACHE/src/sqlite3 (configure; make), once

APT_DIR=$CACHE/apt
APT_OPTS=()

write_source_list() {
  mkdir -p "$APT_DIR/sources.list.d" "$APT_DIR/lists/partial" "$APT_DIR/archives/partial"
  : > "$APT_DIR/sources.list"
  rm -f "$APT_DIR/sources.list.d/"*
  local f n=0
  # One-line format: every binary entry becomes a source entry.
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [[ -f $f ]] || continue
    sed -n -E 's/^[[:space:]]*deb[[:space:]]+/deb-src /p' "$f" >> "$APT_DIR/sources.list"
  done
  # Deb822 format: every enabled stanza that lists binary packages becomes a source stanza.
  for f in /etc/apt/sources.list.d/*.sources; do
    [[ -f $f ]] || continue
    n=$((n + 1))
    awk 'BEGIN { RS = ""; ORS = "\n\n" }
         /(^|\n)Types:[^\n]*deb/ && !/(^|\n)Enabled:[[:space:]]*no/ {
           sub(/Types:[^\n]*/, "Types: deb-src"); print }' "$f" \
      > "$APT_DIR/sources.list.d/src$n.sources"
  done
  APT_OPTS=(-o "Dir::Etc::SourceList=$APT_DIR/sources.list"
            -o "Dir::Etc::SourceParts=$APT_DIR/sources.list.d"
            -o "Dir::State::Lists=$APT_DIR/lists"
            -o "Dir::Cache=$APT_DIR/cache"
            -o "Dir::Cache::Archives=$APT_DIR/archives"
            -o "APT::Sandbox::User=$(id -un)")
}

# The version of the source package unpacked in folder $1, from its Debian changelog.
source_version() {
  sed -n '1s/^[^(]*(\([^)]*\)).*/\1/p' "$1/debian/changelog" 2>/dev/null
}

# Downloads and unpacks source package $1 into $CACHE/src/$1: version $2 when given (a tree of
# another version is replaced), else the newest version whose files can be fetched (a mirror
# may list a security update whose files it does not carry).
fetch_source() {
  local pkg=$1 want=${2:-} dest=$CACHE/src/$1 dl=$CACHE/src/$1.dl version
  if [[ -f $dest/.complete ]]; then
    [[ -z $want || $(source_version "$dest") == "$want" ]] && return
  fi
  rm -rf "$dest" "$dl"
  mkdir -p "$dl"
  local versions=("")
  if [[ -n $want ]]; then
    versions=("=$want")
  else
    while read -r version; do versions+=("=$version"); done < <(
      apt-cache "${APT_OPTS[@]}" madison "$pkg" | awk -F'|' '/Sources/ { gsub(/ /, "", $2); print $2 }' | uniq)
  fi
  for version in "${versions[@]}"; do
    rm -f "$dl"/*
    if (cd "$dl" && apt-get "${APT_OPTS[@]}" -qq source --download-only "$pkg$version" \
          >/dev/null 2>&1); then
      local dsc
      dsc=$(ls "$dl"/*.dsc | head -n 1)
      dpkg-source -x "$dsc" "$dest" >/dev/null 2>&1
      touch "$dest/.complete"
      # dpkg-source leaves copies of the upstream tarballs beside the tree; only the tree is used.
      rm -rf "$dl" "$CACHE/src/${pkg}_"*.orig*

      log "fetched source package $pkg${version:-}"
      return
    fi
  done
  die "could not fetch the source package $pkg${want:+ $want}"
}

# The SQLite amalgamation, sqlite3.c, built in the unpacked source package (needs tclsh).
build_sqlite_amalgamation() {
  local src=$CACHE/src/sqlite3
  [[ -f $src/sqlite3.c ]] && return
  log "building the SQLite amalgamation (configure; make sqlite3.c)"
  (cd "$src" && ./configure >configure.log 2>&1 && make sqlite3.c >make.log 2>&1) ||
    die "building sqlite3.c failed; see $src/make.log"
}
