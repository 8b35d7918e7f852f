#!/bin/sh
# Installs what tools/namedata/build.py needs on Debian 12. Safe to run again.
set -eu
PKGS="python3 nodejs npm opencc libopencc-data bzip2 espeak-ng unicode-data ca-certificates sqlite3 python3-jieba"
missing=""
for p in $PKGS; do
    dpkg-query -W -f '${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
# node from another source (e.g. nodesource) already brings npm
if command -v node >/dev/null 2>&1 && command -v npm >/dev/null 2>&1; then
    missing=$(echo "$missing" | tr ' ' '\n' | grep -v -x -e nodejs -e npm | tr '\n' ' ')
fi
if [ -n "$(echo "$missing" | tr -d ' ')" ]; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    $SUDO apt-get update
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi
# the generator fetches rime-data-wubi with apt-get download: the package lists must know it
if ! apt-cache show rime-data-wubi >/dev/null 2>&1; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    $SUDO apt-get update
fi
echo "namedata dependencies present"
