#!/usr/bin/env bash
# Builds Qt for 64-bit Windows, static, from Debian's own source package of
# the Qt the Linux build uses, once, into a cache folder outside the checkout.
# The folder's name carries the Qt version and a hash of the configure
# options, so a changed option builds a new Qt. Prints the Qt prefix.
#   qt.sh            builds it when missing
#   qt.sh --cached   only says whether it is there (exit status 1 if not)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$root/scripts/packages.sh"

qt_package=qt6-base
qt_version=6.4.2+dfsg
qt_debian_version=6.4.2+dfsg-10
qt_orig_sha256=4f14b89a9463a540fd84a6718b8519a2297119b454ef547721015a9e9019ae9e

# The +dfsg tarball has no wintab.h, so tablet events are off; OpenGL and
# Direct2D stay at their defaults (turning them off breaks the windows plugin).
qt_options=(
  -G Ninja
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=OFF
  -DQT_BUILD_EXAMPLES=OFF
  -DQT_BUILD_TESTS=OFF
  -DFEATURE_tabletevent=OFF
  -DFEATURE_sql=OFF
  -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
)

cache_root=${TORNELIS_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tornelis-windows}
key=$(printf '%s\n' "$qt_debian_version" "${qt_options[@]}" "$(cat "$root/cmake/mingw-w64-x86_64.cmake")" |
      sha256sum | cut -c1-12)
prefix="$cache_root/qt-$qt_debian_version-$key"

if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi
[ "${1:-}" != --cached ] || exit 1

install_missing_packages g++-mingw-w64-x86-64-posix mingw-w64-tools ninja-build cmake \
  qt6-base-dev-tools qt6-base-dev dpkg-dev xz-utils >&2

# apt-get source needs a deb-src line; Debian's own mirrors, as the deb lines name them.
if ! apt-get source --print-uris "$qt_package=$qt_debian_version" >/dev/null 2>&1; then
  sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
    as_root tee /etc/apt/sources.list.d/tornelis-deb-src.sources >/dev/null
  as_root apt-get update -qq >&2
fi

work="$cache_root/work-$key"
rm -rf "$work" && mkdir -p "$work"
(cd "$work" && apt-get source --download-only "$qt_package=$qt_debian_version" >&2)
echo "$qt_orig_sha256  $work/${qt_package}_${qt_version}.orig.tar.xz" | sha256sum -c --quiet - >&2 || {
  echo "The Qt source package does not have the expected checksum." >&2
  exit 1
}
tar -C "$work" -xJf "$work/${qt_package}_${qt_version}.orig.tar.xz"
source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qtbase-*' | head -1)

cmake -S "$source_dir" -B "$work/build" "${qt_options[@]}" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_INSTALL_PREFIX="$prefix" >&2
cmake --build "$work/build" -j"$(nproc)" >&2
cmake --install "$work/build" >&2
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
