# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Installs the Debian packages that building, running, testing and
# releasing need, but only those that are missing, so that a second run
# costs nothing; and names them, by what needs them. Sourced by run.sh,
# test.sh, release.sh, scripts/check_release.sh and the benchmarks, which
# call kelvani_install with the names they need.
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

# What every build runs: CMake and Ninja, and gettext's tools with Debian's
# Python and its PO library, which read the translations; and what the Linux
# builds need besides, appstream's rules for translating the metainfo among
# it.
KELVANI_TOOL_PACKAGES=(cmake ninja-build gettext python3 python3-polib)
KELVANI_BUILD_PACKAGES=("${KELVANI_TOOL_PACKAGES[@]}" g++ qt6-base-dev fonts-liberation2 appstream)
# What the program loads at run time to open its window on an X or Wayland
# desktop, and Qt's own strings in Bulgarian.
KELVANI_RUN_PACKAGES=(qt6-qpa-plugins qt6-wayland qt6-translations-l10n)
# What the tests of the Linux window (the linux tier) need beyond a build:
# Qt's platform plugins and its Bulgarian strings, and a virtual X session
# with a D-Bus bus and the accessibility bus, a screen reader's library,
# strace and tools to click, type and take screenshots.
KELVANI_LINUX_PACKAGES=(qt6-qpa-plugins qt6-translations-l10n xvfb xauth xdotool imagemagick procps
    dbus-daemon at-spi2-core python3-pyatspi strace)
# What the tests of what is installed and packaged (the package tier) need
# beyond a build, with the Windows packages below: checkers of the installed
# files, the Debian packaging tools and the package's own build
# dependencies, the MinGW resource compiler, and OpenPGP to sign a
# release's sums and check the signature.
KELVANI_PACKAGE_PACKAGES=(file desktop-file-utils appstream man-db build-essential dpkg-dev debhelper lintian
    qt6-translations-l10n binutils-mingw-w64-x86-64 gnupg gpgv)
# What the Windows build and its tests (the wine tier) need: the MinGW
# cross-compiler, Wine (64-bit: the programs are), Wine's own fonts for the
# frames it draws, NSIS for the installer, wixl and msibuild (msitools) for
# the Windows Installer package, and a virtual X server to run it all on.
KELVANI_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64 wine wine64 fonts-wine nsis wixl msitools xvfb xauth xdotool)
# What the web build and its tests (the browser tier) need: emscripten (and
# Node.js, which it brings), cmark for the help, Python to put the page
# together; Chromium with its WebDriver and Selenium to test it, Pillow to
# compare pictures; WebKitGTK's WebDriver and Firefox ESR (driven through
# WebDriver BiDi) for the other engines; each test in a session of its own,
# with a virtual X server and a D-Bus bus. (axe-core comes from the npm
# registry, by npm, which Node.js brings.)
KELVANI_WEB_PACKAGES=(emscripten cmark python3 chromium chromium-driver python3-selenium python3-pil
    webkit2gtk-driver firefox-esr python3-websockets xvfb xauth dbus-daemon)
# What ./release.sh needs: the Debian packaging tools and the package's own
# build dependencies, the Windows and web tool chains, Python's olefile to
# set the Windows Installer package's times, and strip-nondeterminism to
# take the times out of the zip. These, and what they depend on, are what
# the release's buildinfo lists. (gnupg, to sign the sums, only when asked.)
KELVANI_RELEASE_PACKAGES=("${KELVANI_BUILD_PACKAGES[@]}" git build-essential dpkg-dev debhelper qt6-translations-l10n
    g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 nsis wixl msitools python3 python3-olefile
    emscripten cmark strip-nondeterminism)
# What scripts/check_release.sh needs beyond that: reprotest, which builds
# twice, varying all it can: the time (faketime), the file system's order
# (disorderfs, through FUSE), the locale (among all of Debian's), the user
# (through sudo), and more; and diffoscope to show a difference.
KELVANI_REPROTEST_PACKAGES=(reprotest diffoscope-minimal faketime disorderfs fuse locales-all sudo)
