#!/usr/bin/env bash
# Installs what is missing, builds, and starts Zenvortali 2.0.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
zv_install_packages "${ZV_PACKAGES[@]}"
zv_build
exec build/bin/zenvortali "$@"
