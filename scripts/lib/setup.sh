# SPDX-License-Identifier: MIT
# Shared by scripts/run and scripts/test: the Debian packages the project needs, and the build.

QXG_PACKAGES=(
  cmake g++ make
  qt6-base-dev qt6-base-dev-tools libgl-dev libfontconfig-dev
  libgtest-dev libbenchmark-dev
  fonts-dejavu-core
  librsvg2-bin  # rsvg-convert: the judge of the chart program's drawing
  xvfb xdotool x11-utils libxcb1-dev libxcb-damage0-dev
  xclip  # the clipboard, as the chart program's test reads it
  desktop-file-utils appstream dpkg-dev file  # the desktop files' validators, CPack's .deb tools
  lintian groff-base  # the package as Debian checks it, and its manual pages
)

qxg_as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null 2>&1; then
    sudo "$@"
  else
    echo "Missing packages need root: run as root or install sudo." >&2
    return 1
  fi
}

qxg_install_packages() {
  local missing=()
  local package
  for package in "${QXG_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  [ "${#missing[@]}" -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  qxg_as_root apt-get update -qq
  qxg_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
    "${missing[@]}"
}

# qxg_build DIR BUILD_TYPE [extra cmake arguments...]
qxg_build() {
  local dir=$1 type=$2
  shift 2
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE="$type" "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}
