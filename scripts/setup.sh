#!/usr/bin/env bash
# Installs everything Orrery needs to build, run and test on Debian 12 (as root, or with sudo).
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends \
  build-essential cmake ninja-build git python3 \
  clang libclang-rt-14-dev \
  qt6-base-dev qt6-base-dev-tools libgl-dev \
  libgtest-dev libgmock-dev googletest libbenchmark-dev \
  fonts-dejavu-core desktop-file-utils appstream
