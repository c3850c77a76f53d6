#!/bin/sh
# Installs the Debian packages the build, the tests and the window need.
# Runs as root, or through sudo for an ordinary user.
set -eu

PACKAGES="build-essential cmake g++ clang libclang-rt-dev libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev xvfb xauth x11-apps imagemagick fonts-ipafont-gothic fonts-dejavu-core
  python3 pkg-config locales"

# Locales the tests read numbers in (a decimal comma, and Japanese).
ensure_locales() {
  for l in de_DE ja_JP; do
    locale -a 2>/dev/null | grep -qi "^$l.utf-\?8$" && continue
    $SUDO localedef -i "$l" -f UTF-8 "$l.UTF-8" || echo "warning: could not generate $l.UTF-8"
  done
}

if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -z "$missing" ]; then ensure_locales; exit 0; fi

echo "Installing:$missing"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
ensure_locales
