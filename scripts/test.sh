#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Needs no display:
# the window tests use Qt's offscreen platform.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
install_missing_packages
configure_and_build
export QT_QPA_PLATFORM=offscreen
cd "$BUILD_DIR"
ctest --output-on-failure --timeout 300 -j "$(nproc)" "$@"
