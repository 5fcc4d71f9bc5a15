# Shared by run.sh and test.sh: install what is missing, then configure and build.
# Sourced, not run.

VINDORO_PACKAGES=(
  cmake ninja-build g++ pkg-config git
  juce-modules-source libx11-dev libxext-dev libxinerama-dev libxrandr-dev libxcursor-dev
  libxcomposite-dev libxrender-dev libfreetype-dev libfontconfig1-dev libpng-dev libjpeg-dev
  libsqlite3-dev sqlite3 libxml2-dev libxml2-utils libxslt1-dev libxmlsec1-dev xmlsec1 libssl-dev openssl
  libcurl4-openssl-dev libboost-dev libgs-dev ghostscript
  cups printer-driver-cups-pdf libcups2-dev poppler-utils xdg-utils
  libgtest-dev libgmock-dev libbenchmark-dev libcpp-httplib-dev
  xvfb xauth x11-apps imagemagick fonts-dejavu-core ccache
)

vindoro_install_missing() {
  local missing=()
  for p in "${VINDORO_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# vindoro_build DIR TYPE [CMAKE_OPTION...] [-- TARGET...]: configures DIR as a build of TYPE with
# the given options and builds the targets (everything when none is named).
vindoro_build() {
  local build_dir="$1" build_type="$2"
  shift 2
  local options=() targets=()
  while [ $# -gt 0 ]; do
    if [ "$1" = "--" ]; then
      shift
      targets=("$@")
      break
    fi
    options+=("$1")
    shift
  done
  # ccache keeps the framework's large objects between builds of any checkout on this machine.
  local launcher=()
  if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}" CCACHE_NOHASHDIR=true
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  fi
  cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE="$build_type" "${launcher[@]}" "${options[@]}" >/dev/null
  if [ ${#targets[@]} -gt 0 ]; then
    cmake --build "$build_dir" --target "${targets[@]}"
  else
    cmake --build "$build_dir"
  fi
}
