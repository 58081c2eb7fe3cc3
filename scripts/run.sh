#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
install_missing_packages
configure_and_build -DHUELOOM_BUILD_TESTS=OFF -DHUELOOM_BUILD_BENCH=OFF
exec "$BUILD_DIR/src/qt/hueloom" "$@"
