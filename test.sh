#!/usr/bin/env bash
# Installs what is missing, builds from nothing if needed, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
zv_install_packages "${ZV_PACKAGES[@]}" "${ZV_TEST_PACKAGES[@]}"
zv_build
# A run that finds no test fails, as does any failing test.
ctest --preset default -j "$(nproc)"
