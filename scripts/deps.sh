# Installs the Debian packages that building, running and testing need,
# but only those that are missing, so that a second run costs nothing.
# Sourced by run.sh and test.sh with the package names as arguments.
kelvani_install() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# What every build needs.
KELVANI_BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev fonts-liberation2)
# What the program needs to open its window on an X or Wayland desktop.
KELVANI_RUN_PACKAGES=(qt6-qpa-plugins qt6-wayland)
# What the tests need beyond a build: checkers of the installed files and
# packages, the MinGW resource compiler, and a virtual X session with the
# accessibility bus, a screen reader's library, strace and tools to click,
# type and take screenshots.
KELVANI_TEST_PACKAGES=(qt6-qpa-plugins file dpkg-dev desktop-file-utils appstream
    binutils-mingw-w64-x86-64 xvfb xauth xdotool imagemagick procps dbus-daemon at-spi2-core python3-pyatspi strace)
