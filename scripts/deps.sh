# Sourced by the other scripts: installs the Debian packages the project needs
# that are not on the machine yet (the machine runs as root).

laufbahn_packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
    libjpeg-dev
    # speech: the German voice of the spoken dictation and the sound output that plays it
    libespeak-ng-dev espeak-ng-data qt6-multimedia-dev
    libxcb1-dev libxcb-present-dev libx11-xcb-dev
    fonts-liberation fonts-dejavu-core
    xvfb xauth openbox
    # a print server and its PDF queue, which the printing test starts for itself
    cups printer-driver-cups-pdf
    libbenchmark-dev
    wngerman
    clang libclang-rt-14-dev
)

install_missing_packages() {
    local missing=()
    local p
    for p in "${laufbahn_packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}
