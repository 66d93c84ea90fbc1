# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
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
    # Through env, so that the setting survives sudo.
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# What every build needs.
KELVANI_BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev fonts-liberation2)
# What the program loads at run time to open its window on an X or Wayland
# desktop, and Qt's own strings in Bulgarian.
KELVANI_RUN_PACKAGES=(qt6-qpa-plugins qt6-wayland qt6-translations-l10n)
# What the tests need beyond a build: checkers of the installed files, the
# Debian packaging tools, the MinGW resource compiler, and a virtual X
# session with a D-Bus bus and the accessibility bus, a screen reader's
# library, strace and tools to click, type and take screenshots.
KELVANI_TEST_PACKAGES=(qt6-qpa-plugins qt6-translations-l10n file desktop-file-utils appstream
    build-essential dpkg-dev debhelper lintian man-db binutils-mingw-w64-x86-64
    xvfb xauth xdotool imagemagick procps dbus-daemon at-spi2-core python3-pyatspi strace)
# What the Windows build and its tests need: the MinGW cross-compiler, Wine
# (64-bit: the programs are), Wine's own fonts for the frames it draws, NSIS
# for the installer, wixl and msibuild (msitools) for the Windows Installer
# package, and a virtual X server to run it all on.
KELVANI_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64 wine wine64 fonts-wine nsis wixl msitools xvfb xauth xdotool)
# What the web build and its tests need: emscripten (and Node.js, which it
# brings), cmark for the help, Python to put the page together; Chromium
# with its WebDriver and Selenium to test it, Pillow to compare pictures;
# WebKitGTK's WebDriver and Firefox ESR (driven through WebDriver BiDi) for
# the other engines; each test in a session of its own, with a virtual X
# server and a D-Bus bus.
KELVANI_WEB_PACKAGES=(emscripten cmark python3 chromium chromium-driver python3-selenium python3-pil
    webkit2gtk-driver firefox-esr python3-websockets xvfb xauth dbus-daemon)
# What ./release.sh needs: the Debian packaging tools and the package's own
# build dependencies, the Windows and web tool chains, Python's olefile to
# set the Windows Installer package's times, and strip-nondeterminism to
# take the times out of the zip.
KELVANI_RELEASE_PACKAGES=("${KELVANI_BUILD_PACKAGES[@]}" git build-essential dpkg-dev debhelper qt6-translations-l10n
    g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 nsis wixl msitools python3 python3-olefile
    emscripten cmark strip-nondeterminism)
# What scripts/check_release.sh needs beyond that: reprotest, which builds
# twice with the time (faketime), path, umask, locale and time zone varied,
# and diffoscope to show a difference.
KELVANI_REPROTEST_PACKAGES=(reprotest diffoscope-minimal faketime)
