#!/usr/bin/env bash
# Builds the portable release: build/package/pipetto-<version>.zip with pipetto.exe,
# README.txt and LICENSE.txt, to be unpacked into any folder and run from there.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

install_missing_packages
build_windows
build_package
