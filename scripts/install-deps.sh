#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those missing.
# Usage: install-deps.sh [extra packages...]
set -euo pipefail
# poppler-utils: the printing test reads the PDF it prints back with pdftotext.
# desktop-file-utils, appstream: the tests validate the desktop entries and metainfo.
# make fuzz adds clang and libclang-rt-14-dev (libFuzzer) as extra packages.
packages=(qt6-base-dev libqt6svg6 desktop-file-utils appstream libgtest-dev cmake ninja-build g++ make fonts-dejavu-core pkg-config clang-format git poppler-utils "$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

line="apt-get install -y --no-install-recommends -o DPkg::Lock::Timeout=600 ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages. Run as root:" >&2
  echo "  DEBIAN_FRONTEND=noninteractive $line" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
# Package lists may be empty or stale on a fresh machine.
if ! apt-get install -y --no-install-recommends -o DPkg::Lock::Timeout=600 "${missing[@]}"; then
  apt-get update
  apt-get install -y --no-install-recommends -o DPkg::Lock::Timeout=600 "${missing[@]}"
fi
