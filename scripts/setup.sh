# Shared by scripts/run and scripts/test: installs what a fresh Debian 12 machine lacks,
# then configures and builds one preset. Sourced, not run.
set -euo pipefail

LOOPSIM_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
LOOPSIM_PACKAGES=(
    cmake ninja-build g++ pkg-config clang clang-format libclang-rt-14-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev
    xvfb xauth xdotool fonts-liberation2 libxml2-utils
)

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
}
