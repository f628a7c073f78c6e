# Shared by scripts/run and scripts/test: installs what a fresh Debian 12 machine lacks,
# then configures and builds one preset. Sourced, not run.
set -euo pipefail

LOOPSIM_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
LOOPSIM_PACKAGES=(
    cmake ninja-build g++ pkg-config clang clang-format libclang-rt-14-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev
    xvfb xauth xdotool fonts-liberation2 libxml2-utils
    qt6-httpserver-dev qt6-websockets-dev chromium nodejs
)
# Debian's npm comes apart from nodejs; a nodejs that brings its own npm needs no other.
command -v npm >/dev/null || LOOPSIM_PACKAGES+=(npm)

loopsim_install_missing() {
    local missing=()
    for package in "${LOOPSIM_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "These packages are missing. Install them with:"
        echo "  sudo apt-get install -y ${missing[*]}"
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
}

# The instructor station's browser test drives headless Chromium with puppeteer-core, which
# npm installs into the build folder; where it cannot, that test is skipped.
loopsim_browser_tools() {
    local folder="$LOOPSIM_ROOT/build/default/station-browser"
    [ -d "$folder/node_modules/puppeteer-core" ] && return 0
    command -v npm >/dev/null || return 0
    mkdir -p "$folder"
    npm install --silent --no-audit --no-fund --prefix "$folder" puppeteer-core@24 >/dev/null 2>&1 ||
        echo "puppeteer-core could not be installed: the station's browser test will be skipped"
}

# What running needs: the window, the pictures and sounds it loads, and the runner.
LOOPSIM_RUN_TARGETS=(loopsim loopsim_assets loopsim-run)

# Builds one preset: every target, or only the targets named after it.
loopsim_build() {
    local preset=$1
    shift
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    cmake --preset "$preset" -S "$LOOPSIM_ROOT" >/dev/null
    cmake --build --preset "$preset" -j "$(nproc)" "${targets[@]}"
    # The tests' whole build also brings the browser test its tools.
    if [ "$preset" = default ] && [ ${#targets[@]} -eq 0 ]; then
        loopsim_browser_tools
    fi
}
