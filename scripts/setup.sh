#!/usr/bin/env bash
# Installs what is missing, builds every program into build/bin and prepares
# the dictionary build/bin/forms.db. Shared by scripts/run and scripts/test.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing_packages() {
  local packages=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libqt6svg6 libsqlite3-dev
                  libbenchmark-dev ca-certificates)
  local missing=()
  for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
      || missing+=("$package")
  done
  # The machine may bring a newer npm of its own; Debian's would conflict with it.
  command -v npm >/dev/null 2>&1 || missing+=(npm)
  if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
  fi
}

build_programs() {
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" -j"$(nproc)"
}

install_missing_packages
build_programs
