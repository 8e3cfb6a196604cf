# Shared by run.sh, test.sh and check_format.sh: install what is missing, then configure and build.
set -euo pipefail

TOPBAND_SOURCE=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

TOPBAND_PACKAGES=(cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-serialport-dev qt6-multimedia-dev xvfb xauth fonts-dejavu-core clang-format)

install_missing_packages() {
  local missing=()
  for package in "${TOPBAND_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

# build FOLDER [cmake options...]
build() {
  local folder=$1
  shift
  cmake -S "$TOPBAND_SOURCE" -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$folder" --parallel
}
