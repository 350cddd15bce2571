# Sourced by the other scripts: installs the Debian packages the project needs
# that are not on the machine yet (the machine runs as root).

# What building and running the program need: scripts/run installs only these.
laufbahn_packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
    # the Spanish captions: lrelease compiles the translation file at build time, and
    # Qt's CMake functions for it (qt_add_translations) come with the tools' development files
    qt6-l10n-tools qt6-tools-dev
    qt6-charts-dev libqt6opengl6-dev
    libjpeg-dev
    # reading syllables: libhyphen and the German hyphenation patterns
    libhyphen-dev hyphen-de
    # speech: the German voice of the spoken dictation and the sound output that plays it,
    # for building and, the libraries and the voice's data, for running
    libespeak-ng-dev qt6-multimedia-dev libespeak-ng1 espeak-ng-data libqt6multimedia6
    libxcb1-dev libxcb-present-dev libx11-xcb-dev
    fonts-liberation fonts-dejavu-core
)

# What the tests, the benchmarks, the fuzz targets and the package check need as well.
laufbahn_test_packages=(
    xvfb xauth openbox x11-utils
    # a print server and its PDF queue, which the printing test starts for itself
    cups printer-driver-cups-pdf
    libbenchmark-dev
    wngerman
    clang libclang-rt-dev
    # a fresh chroot of a Debian release, where the package is installed and tried
    debootstrap
    # the Debian package: its build, its checks and the icon's pictures
    file dpkg-dev lintian desktop-file-utils appstream librsvg2-bin
)

# Every installed package, and every package an installed one provides: on Debian 13
# libqt6opengl6-dev is only a name that qt6-base-dev provides.
installed_packages() {
    dpkg-query -W -f='${db:Status-Abbrev}|${Package}|${Provides}\n' 2>/dev/null |
        awk -F'|' '$1 ~ /^ii/ {
            print $2
            n = split($3, names, ",")
            for (i = 1; i <= n; i++) {
                sub(/\(.*\)/, "", names[i]); gsub(/ /, "", names[i])
                if (names[i] != "") print names[i]
            }
        }'
}

# Installs the program's packages and any named on the command line.
install_missing_packages() {
    local missing=()
    local p
    local -A installed=()
    while read -r p; do installed[$p]=1; done < <(installed_packages)
    for p in "${laufbahn_packages[@]}" "$@"; do
        [ -n "${installed[$p]:-}" ] || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}
