#!/bin/sh
# Installs the Debian packages that building, running and testing need; only the missing ones.
set -e
PKGS="cmake make g++ g++-multilib
qtbase5-dev qttools5-dev-tools qttools5-dev libqt5webkit5-dev
nlohmann-json3-dev
fonts-texgyre fonts-noto-cjk fonts-thai-tlwg
xvfb xauth"
missing=""
for p in $PKGS; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q $missing
