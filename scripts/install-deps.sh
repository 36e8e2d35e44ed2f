#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing.
set -euo pipefail

packages=(cmake ninja-build g++ qt6-base-dev qt6-webengine-dev qt6-multimedia-dev libgtest-dev)

# Faces of the same metrics as the font list's "Times New Roman", "Arial" and "Courier",
# so that the page shows in the editor as it will to its visitors.
packages+=(fonts-liberation)

# The window tests run the editor on a real X server under a window manager, with the
# stock desktop's default face; printed PDFs are read back as text.
packages+=(xvfb x11-utils openbox fonts-dejavu-core poppler-utils)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
