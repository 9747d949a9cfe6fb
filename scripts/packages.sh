# Installs the Debian packages the program needs to build, run and be tested, when missing.
# Sourced by run.sh and test.sh.

ZV_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev qt6-webengine-dev libfontconfig-dev libxcb1-dev libxcb-randr0-dev
  libsqlite3-dev sqlite3
  fonts-liberation2 fonts-dejavu-core fonts-comic-neue
)
# The display-mode tests run on the X.Org server with its dummy driver, which has several modes;
# a window's frame comes from a small window manager.
ZV_TEST_PACKAGES=(xvfb xauth xdotool twm openssl libbenchmark-dev clang xserver-xorg-core xserver-xorg-video-dummy)

zv_missing_packages() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || printf '%s\n' "$p"
  done
}

zv_install_packages() {
  local missing
  mapfile -t missing < <(zv_missing_packages "$@")
  [ "${#missing[@]}" -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures and builds one of CMakePresets.json's presets (the default one unless named).
zv_build() {
  local preset="${1:-default}"
  cmake --preset "$preset"
  cmake --build --preset "$preset"
}
