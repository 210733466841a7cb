# Sourced by run.sh and test.sh from the project's root: installs what a fresh
# Debian 12 machine is missing, then configures and builds in Release.
# Quick when nothing changed: no apt-get call, and the build is incremental.

quorvane_packages=(cmake g++ make pkg-config qt6-base-dev libgl-dev libxcb1-dev fontconfig fonts-comic-neue fonts-urw-base35 libfontconfig-dev)

quorvane_install() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    ((${#missing[@]})) || return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Missing packages (${missing[*]}) and no sudo to install them." >&2; return 1; }
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# quorvane_build [TARGET...]: configures once, then builds the targets named
# (everything when none is named).
quorvane_build() {
    local dir=${QUORVANE_BUILD_DIR:-build} targets=()
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release
    fi
    (($#)) && targets=(--target "$@")
    cmake --build "$dir" -j"$(nproc)" "${targets[@]}"
}
