#!/usr/bin/env bash
# Fetches the Debian source packages the cross build needs (Scintilla + Lexilla
# from the scite package, libjpeg-turbo) into .cache/deps, checks their sha256,
# unpacks them and builds the static libjpeg for the i686 target.
# Idempotent: does nothing that is already done.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
deps="$root/.cache/deps"
mkdir -p "$deps/download"

scite_tar=scite_5.3.3.orig.tar.gz
scite_sha=79275a4a7e01bf429ff05e0fd699b79dc016d705335b393905b4f2cc43799a64
jpeg_tar=libjpeg-turbo_2.1.5.orig.tar.gz
jpeg_sha=254f3642b04e309fee775123133c6464181addc150499561020312ec61c1bf7c

fetch() { # tarball sha source-package=version
  local tar=$1 sha=$2 pkg=$3
  if [ -f "$deps/download/$tar" ] && echo "$sha  $deps/download/$tar" | sha256sum -c --status; then
    return
  fi
  echo "Fetching source package $pkg"
  (cd "$deps/download" && apt-get source --download-only "$pkg" >/dev/null 2>&1) || {
    echo "apt-get source $pkg failed: is a deb-src entry configured (scripts/install-packages.sh)?" >&2
    exit 1
  }
  if ! echo "$sha  $deps/download/$tar" | sha256sum -c --status; then
    echo "Checksum mismatch for $tar" >&2
    exit 1
  fi
}

fetch "$scite_tar" "$scite_sha" scite=5.3.3-1
fetch "$jpeg_tar" "$jpeg_sha" libjpeg-turbo=1:2.1.5-2

if [ ! -f "$deps/scite/scintilla/src/Editor.cxx" ]; then
  rm -rf "$deps/scite" && mkdir -p "$deps/scite"
  tar xzf "$deps/download/$scite_tar" -C "$deps/scite"
fi
if [ ! -f "$deps/libjpeg-turbo-2.1.5/jpeglib.h" ]; then
  tar xzf "$deps/download/$jpeg_tar" -C "$deps"
fi

jpeg_prefix="$deps/libjpeg-i686"
if [ ! -f "$jpeg_prefix/lib/libjpeg.a" ]; then
  echo "Building libjpeg for i686-w64-mingw32"
  rm -rf "$deps/libjpeg-build"
  cmake -S "$deps/libjpeg-turbo-2.1.5" -B "$deps/libjpeg-build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw32-toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DENABLE_SHARED=OFF -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF \
    -DCMAKE_INSTALL_PREFIX="$jpeg_prefix" >/dev/null
  cmake --build "$deps/libjpeg-build" --target jpeg-static >/dev/null
  mkdir -p "$jpeg_prefix/lib" "$jpeg_prefix/include"
  cp "$deps/libjpeg-build/libjpeg.a" "$jpeg_prefix/lib/"
  cp "$deps/libjpeg-turbo-2.1.5/jpeglib.h" "$deps/libjpeg-turbo-2.1.5/jmorecfg.h" \
     "$deps/libjpeg-turbo-2.1.5/jerror.h" "$deps/libjpeg-build/jconfig.h" "$jpeg_prefix/include/"
fi
echo "Dependencies ready in $deps"
