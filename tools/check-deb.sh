#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and checks it as a desktop would use
# it: both programs with their menu entries, icons and metadata, all valid and naming each other,
# the dependencies the programs need, and each program starting from the unpacked files alone.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)

deb=$(./tools/make-deb.sh | tail -n 1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
cd "$root"

failures=0
fail() {
    echo "package: $*" >&2
    failures=$((failures + 1))
}

# The fonts and Qt's translations are loaded by name, so they are declared; Qt itself must have
# been found in the programs. Every name must be a package this machine knows as installed.
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 \
    fonts-noto-ui-core fonts-noto-core fonts-kacst fonts-dejavu-core qt6-translations-l10n; do
    grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "does not depend on $package: $depends"
done
mapfile -t packages < <(sed -E 's/ \([^)]*\)//g; s/, /\n/g' <<<"$depends")
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        fail "depends on $package, which is not an installed package here"
done

desktop_value() { sed -n "s/^$2=//p" "$1" | head -n 1; }

for program in numeria fractio; do
    id="org.numeria.${program^}"
    desktop="usr/share/applications/$id.desktop"
    metainfo="usr/share/metainfo/$id.metainfo.xml"
    [ -x "usr/bin/$program" ] || fail "no program usr/bin/$program"
    [ -f "$desktop" ] || { fail "no desktop entry $desktop"; continue; }
    [ -f "$metainfo" ] || fail "no metadata $metainfo"

    [ "$(desktop_value "$desktop" Exec)" = "$program" ] || fail "$desktop does not start $program"
    [ "$(desktop_value "$desktop" Icon)" = "$id" ] || fail "$desktop does not show the icon $id"
    [ "$(desktop_value "$desktop" Categories)" = "Education;Math;" ] || fail "$desktop is not in Education;Math;"
    [ "$(desktop_value "$desktop" Terminal)" = "false" ] || fail "$desktop asks for a terminal"
    for key in 'Name\[ar\]' 'Comment\[ar\]' Name Comment; do
        [ -n "$(desktop_value "$desktop" "$key")" ] || fail "$desktop has no ${key//\\/}"
    done
    grep -q '<name xml:lang="ar">' "$metainfo" || fail "$metainfo has no Arabic name"
    grep -q '<p xml:lang="ar">' "$metainfo" || fail "$metainfo has no Arabic description"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "$metainfo does not launch $id.desktop"
    grep -q '<screenshot type="default">' "$metainfo" || fail "$metainfo has no screenshot"
    # A screenshot is published from the repository's pictures, so each must be one of them.
    mapfile -t pictures < <(grep -o '/docs/[^<]*\.png' "$metainfo")
    for picture in "${pictures[@]}"; do
        [ -f "$repo$picture" ] || fail "$metainfo shows ${picture#/}, which is not in the repository"
    done

    for size in 16 24 32 48 64 128 256; do
        icon="usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
        if [ ! -f "$icon" ]; then
            fail "no icon $icon"
        elif [ "$(identify -format '%wx%h' "$icon")" != "${size}x${size}" ]; then
            fail "$icon is $(identify -format '%wx%h' "$icon")"
        fi
    done
    svg="usr/share/icons/hicolor/scalable/apps/$id.svg"
    if ! identify "$svg" >/dev/null 2>&1; then
        fail "no readable scalable icon $svg"
    fi
done

desktop-file-validate usr/share/applications/*.desktop || fail "a desktop entry is not valid"
appstreamcli validate-tree --no-net "$root" >/dev/null || {
    appstreamcli validate-tree --no-net "$root" >&2 || true
    fail "the metadata is not valid"
}

# Nothing installed may lean on the source or build tree: the art is compiled in.
if grep -rlF "$repo" . >&2; then
    fail "the files above name $repo"
fi
for program in numeria fractio; do
    if readelf -d "usr/bin/$program" | grep -Eq 'RPATH|RUNPATH'; then
        fail "usr/bin/$program carries a library path"
    fi
done

# Each program is started as its menu entry says, from the scratch root, with a bare
# environment; it runs until it is stopped, so being stopped by the timeout is the success.
for program in numeria fractio; do
    read -ra command <<<"$(desktop_value "usr/share/applications/org.numeria.${program^}.desktop" Exec)"
    status=0
    env -i HOME="$root" PATH="$root/usr/bin:/usr/bin:/bin" QT_QPA_PLATFORM=offscreen \
        timeout 5 "${command[@]}" >"$root/$program.log" 2>&1 || status=$?
    if [ "$status" -ne 124 ]; then
        cat "$root/$program.log" >&2
        fail "$program ended by itself with status $status instead of running"
    fi
done

[ "$failures" -eq 0 ] || exit 1
echo "package: $(basename "$deb") holds both programs, their menu entries, icons and metadata; both start"
