#!/usr/bin/env bash
# Installs the Debian packages that building and running Skribano need, and
# with "alles" also what its tests and benchmarks need.
# Only what is missing is installed; runs as root or through sudo.
set -euo pipefail

# What building and running the program needs (./run.sh).
PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-private-dev libgl-dev qt6-translations-l10n libqt6svg6
  zlib1g-dev libdeflate-dev libpng-dev libjpeg62-turbo-dev
  libxcb1-dev libxcb-shm0-dev libxcb-res0-dev libxcb-sync-dev libcups2-dev
  fonts-liberation2 fonts-dejavu-core xdg-utils qt6-wayland
  xvfb xauth openbox x11-utils
)
# What the tests, the benchmarks and the package checks need besides
# (./test.sh, or "install-deps.sh alles").
if [ "${1:-}" = alles ]; then
  PACKAGES+=(
    libgtest-dev libgmock-dev libbenchmark-dev lld
    x11-xserver-utils xdotool wmctrl xclip imagemagick python3
    libx11-dev xserver-xorg-core xserver-xorg-video-dummy libxtst-dev libxdamage-dev libxfixes-dev gcc
    libxcursor1
    librsvg2-bin file dpkg-dev desktop-file-utils appstream lintian
    cups printer-driver-cups-pdf poppler-utils
    sway grim wtype wayvnc pipewire-bin dbus-daemon dbus-bin passwd
    xdg-desktop-portal xdg-desktop-portal-wlr xdg-desktop-portal-gtk
    wireplumber python3-dbus python3-gi python3-pil libglib2.0-bin
    gnome-shell mutter xdg-desktop-portal-gnome
    kwin-wayland xdg-desktop-portal-kde qtwayland5 plasma-workspace
    libwayland-dev libwayland-bin plasma-wayland-protocols
  )
fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
  else
    echo "Fehlende Pakete: ${missing[*]} (root-Rechte oder sudo benötigt)" >&2
    exit 1
  fi
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
