#!/usr/bin/env bash
# Checks what a Linux packager checks, on a built tree (build/dev by default):
# `cmake --install` staged into a scratch DESTDIR puts the programs, the user
# guide, the desktop entry and the file type in place, valid and runnable;
# `cpack -G DEB` makes a package that declares its dependencies, and the
# vantrel-cli it holds runs from a scratch root.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
gui=$(sed -n 's/^VANTREL_GUI:BOOL=//p' "$build/CMakeCache.txt")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "check-install: $*" >&2
    exit 1
}

# A program that answers --version with its name and the project's version.
check_version() {
    local program=$1 name=$2 answer
    [ -x "$program" ] || fail "$program is missing or not executable"
    answer=$(QT_QPA_PLATFORM=offscreen "$program" --version) || fail "$program --version failed"
    [ "$answer" = "$name $version" ] || fail "$program --version said \"$answer\""
}

echo "== cmake --install $build into a scratch DESTDIR"
DESTDIR="$scratch/stage" cmake --install "$build" --prefix /usr >/dev/null
usr="$scratch/stage/usr"
check_version "$usr/bin/vantrel-cli" vantrel-cli
"$usr/bin/vantrel-cli" practical --json >/dev/null || fail "the installed vantrel-cli does not run"

if [ "${gui^^}" != OFF ]; then
    check_version "$usr/bin/vantrel" vantrel
    [ -s "$usr/share/vantrel/guide.html" ] || fail "the user guide is not installed"
    for scene in house panels street; do
        [ -s "$usr/share/vantrel/examples/$scene.vtl" ] || fail "the example $scene.vtl is not installed"
    done
    # Every picture the guide shows is installed beside it.
    for picture in $(sed -n 's/.*<img src="\([^"]*\)".*/\1/p' "$usr/share/vantrel/guide.html"); do
        [ -s "$usr/share/vantrel/$picture" ] || fail "the guide's picture $picture is not installed"
    done
    desktop="$usr/share/applications/vantrel.desktop"
    desktop-file-validate "$desktop" || fail "$desktop is not a valid desktop entry"
    mime="$usr/share/mime/packages/vantrel.xml"
    xmllint --noout "$mime" || fail "$mime is not well-formed XML"
    # The entry opens what the file type declares, with a program that is installed.
    type=$(xmllint --xpath 'string(//*[local-name()="mime-type"]/@type)' "$mime")
    grep -qx "MimeType=$type;" "$desktop" || fail "the desktop entry does not open $type"
    exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    [ -x "$usr/bin/$exec_program" ] || fail "the desktop entry runs $exec_program, not installed"
    for icon in apps/vantrel.svg "mimetypes/$(xmllint --xpath \
        'string(//*[local-name()="icon"]/@name)' "$mime").svg"; do
        [ -s "$usr/share/icons/hicolor/scalable/$icon" ] || fail "icon $icon is not installed"
    done
fi
echo "install: ok"

echo "== cpack -G DEB"
(cd "$build" && cpack -G DEB -B "$scratch/deb" >"$scratch/cpack.log" 2>&1) ||
    { cat "$scratch/cpack.log" >&2; fail "cpack -G DEB failed"; }
deb=$(ls "$scratch"/deb/*.deb)
depends=$(dpkg-deb --field "$deb" Depends)
echo "$(basename "$deb"): Depends: $depends"
for library in libc6 libstdc++6 libassimp5; do
    [[ $depends == *"$library"* ]] || fail "the package does not depend on $library"
done
if [ "${gui^^}" != OFF ]; then
    [[ $depends == *libqt6widgets6* ]] || fail "the package does not depend on Qt 6 Widgets"
fi
contents=$(dpkg-deb --contents "$deb")
for file in bin/vantrel-cli; do
    [[ $contents == *" ./usr/$file"* ]] || fail "the package lacks /usr/$file"
done
dpkg -x "$deb" "$scratch/root"
check_version "$scratch/root/usr/bin/vantrel-cli" vantrel-cli
echo "package: ok"
