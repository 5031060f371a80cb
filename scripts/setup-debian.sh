#!/usr/bin/env bash
# Installs the Debian packages the project builds and tests with. Safe to run
# again: it only asks apt for what is missing.
set -euo pipefail

packages=(
    build-essential cmake
    qt6-base-dev libboost-dev libgtest-dev
    qt6-l10n-tools          # lupdate/lrelease: the translation catalogues
    fonts-wqy-microhei      # Chinese glyphs in dialogs and plots, also offscreen
    clang-format
    clang libclang-rt-14-dev # the libFuzzer targets (scripts/fuzz.sh)
    xvfb                     # the desktop viewer under a real X server (tests, scripts/viewer-menu-walk.sh)
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
