#!/bin/sh
# Installs the Debian packages the build, the tests and the window need.
# Runs as root, or through sudo for an ordinary user.
set -eu

PACKAGES="build-essential cmake g++ clang libclang-rt-dev libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev xvfb xauth x11-apps imagemagick fonts-ipafont-gothic fonts-dejavu-core
  python3 pkg-config"

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
echo "Installing:$missing"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
