#!/usr/bin/env bash
# Validates the desktop entries and the AppStream metainfo with the tools
# software centres use; skips, saying so, when a tool is not installed.
# Usage: validate_desktop_files.sh PACKAGING_DIR
set -uo pipefail
dir=$1
status=0
skipped=0
if command -v desktop-file-validate >/dev/null; then
  for f in "$dir"/*.desktop; do
    # Hints are advice; errors and warnings fail.
    out=$(desktop-file-validate --no-hints "$f" 2>&1) || status=1
    [ -n "$out" ] && { echo "$out"; status=1; }
  done
else
  echo "SKIPPED: desktop-file-validate is not installed (Debian package desktop-file-utils)"
  skipped=1
fi
if command -v appstreamcli >/dev/null; then
  for f in "$dir"/*.metainfo.xml; do
    appstreamcli validate --no-net --explain "$f" || status=1
  done
else
  echo "SKIPPED: appstreamcli is not installed (Debian package appstream)"
  skipped=1
fi
[ $status -ne 0 ] && exit 1
# ctest reports this exit code as a skipped test.
[ $skipped -ne 0 ] && exit 77
exit 0
