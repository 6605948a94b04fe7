# Installs the Debian packages the build, the tests and the program need, but only those still missing,
# so a machine that has everything never calls apt-get.
ZAVR_PACKAGES=(
  g++ clang libclang-rt-14-dev cmake ninja-build pkg-config
  libgtest-dev libgmock-dev googletest libbenchmark-dev nlohmann-json3-dev
  qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n qt6-qpa-plugins libgl-dev
  python3-ezdxf fonts-liberation2 xvfb xauth imagemagick poppler-utils
  desktop-file-utils shared-mime-info
)

zavr_install_missing() {
  local missing=()
  for p in "${ZAVR_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
