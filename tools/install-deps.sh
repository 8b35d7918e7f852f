#!/usr/bin/env bash
# Installs what building, running and testing Nestling needs on Debian 12, and the packages named as
# arguments (tools/package.sh adds its checkers). Safe to run again: it only asks apt for packages that
# are missing.
set -euo pipefail

packages=(
    cmake g++ make ninja-build ccache pkg-config git clang-format
    libsqlite3-dev sqlite3 libgtest-dev libgmock-dev libbenchmark-dev libcurl4-openssl-dev espeak-ng
    qt6-base-dev qt6-webengine-dev qt6-multimedia-dev qt6-charts-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev
    gstreamer1.0-plugins-good fonts-wqy-microhei xvfb xauth appstream desktop-file-utils
    clang libclang-rt-14-dev clang-tidy
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    # nodejs and npm may come from another channel on a developer machine; a working command is enough.
    case "$p" in
        nodejs) command -v node >/dev/null 2>&1 && continue ;;
        npm) command -v npm >/dev/null 2>&1 && continue ;;
        python3) command -v python3 >/dev/null 2>&1 && continue ;;
    esac
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# What the database generator needs (python3, node and npm, opencc, Unicode data, ...).
"$(dirname "$0")/namedata/install-deps.sh"
