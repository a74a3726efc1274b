#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package, unpacks it into a scratch root and checks it as a desktop would use
# it: both programs with their menu entries, icons, metadata and manual pages, all valid and
# naming each other, the dependencies the programs need, and each program starting from the
# unpacked files alone; and as Debian would take it: lintian without errors or warnings,
# hardened programs, the licence and changelog, and the same bytes when packed again.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)

deb=$(./tools/make-deb.sh | tail -n 1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cp "$deb" "$root/first.deb"

failures=0
fail() {
    echo "package: $*" >&2
    failures=$((failures + 1))
}

# Packing the same build again gives the same bytes: every time in it is the last commit's.
./tools/make-deb.sh >/dev/null
cmp -s "$root/first.deb" "$deb" || fail "packing the same build twice gave two different packages"

# Information tags are shown but pass; "running with root privileges" is lintian's own remark.
lintian --fail-on error,warning --display-info --pedantic "$deb" 2> >(grep -v 'root privileges' >&2) ||
    fail "lintian has errors or warnings"

dpkg -x "$deb" "$root"
cd "$root"
rm first.deb

# The fonts and Qt's translations are loaded by name, so they are declared; Qt itself must have
# been found in the programs. Every name must be a package this machine knows as installed, or
# one that an installed package provides, as Qt's libraries provide the ABI of the font cache the
# programs empty.
depends=$(dpkg-deb -f "$deb" Depends)
provided=$(dpkg-query -W -f='${db:Status-Abbrev}|${Provides}\n' | sed -n 's/^ii *|//p' |
    sed -E 's/ \([^)]*\)//g; s/, /\n/g' | sort -u)
for package in libqt6core6 libqt6gui6 libqt6widgets6 \
    fonts-noto-ui-core fonts-noto-core fonts-kacst fonts-dejavu-core qt6-translations-l10n; do
    grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "does not depend on $package: $depends"
done
mapfile -t packages < <(sed -E 's/ \([^)]*\)//g; s/, /\n/g' <<<"$depends")
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        grep -qx "$package" <<<"$provided" ||
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
    grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" || fail "$metainfo has no licence"
    appstreamcli validate --no-net "$metainfo" >/dev/null || {
        appstreamcli validate --no-net "$metainfo" >&2 || true
        fail "$metainfo is not valid"
    }
    # Published at a web address, the metadata shows screenshots from the repository's pictures.
    published="$root/published-$id.metainfo.xml"
    cmake -DTEMPLATE="$repo/packaging/$id.metainfo.xml.in" -DOUTPUT="$published" -DNEWS="$repo/NEWS" \
        -DTUTORS_WEB_ADDRESS=https://tutors.test -P "$repo/packaging/metainfo.cmake"
    grep -q '<screenshot type="default">' "$published" || fail "$id has no screenshot when published"
    appstreamcli validate --no-net "$published" >/dev/null || fail "$id's metadata is not valid when published"
    mapfile -t pictures < <(grep -o '/docs/[^<]*\.png' "$published")
    for picture in "${pictures[@]}"; do
        [ -f "$repo$picture" ] || fail "$id shows ${picture#/}, which is not in the repository"
    done
    rm "$published"

    # The manual page lists every option the program's help does, and reads without a warning.
    page="usr/share/man/man1/$program.1.gz"
    if [ ! -f "$page" ]; then
        fail "no manual page $page"
    else
        text=$(MANPATH="$root/usr/share/man" MANWIDTH=80 man -P cat "$program" 2>/dev/null) ||
            fail "man $program does not show its page"
        mapfile -t options < <(env -i HOME="$root" "usr/bin/$program" --help | grep -oE -- '--[a-z]+' | sort -u)
        [ ${#options[@]} -ge 4 ] || fail "$program --help lists ${#options[@]} options"
        for option in "${options[@]}"; do
            grep -qF -- "$option" <<<"$text" || fail "the manual page of $program does not mention $option"
        done
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
        [ -z "$warnings" ] || fail "the manual page of $program: $warnings"
    fi

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

# Debian's hardening, and no section the programs do not need.
for program in numeria fractio; do
    readelf -d "usr/bin/$program" | grep -q BIND_NOW || fail "usr/bin/$program is not bound at start"
    nm -D "usr/bin/$program" | grep -q __stack_chk_fail || fail "usr/bin/$program has no stack protector"
    ! readelf -S "usr/bin/$program" | grep -Eq ' \.(comment|note) ' || fail "usr/bin/$program keeps .comment or .note"
done

# The licence, and the changelog with this version's release.
doc=usr/share/doc/numeria-tutors
grep -q '^License: GPL-3.0-or-later$' "$doc/copyright" || fail "$doc/copyright does not give the licence"
version=$(dpkg-deb -f "$deb" Version)
[ "$(zcat "$doc/changelog.gz" | dpkg-parsechangelog -l - -S Version 2>/dev/null)" = "$version" ] ||
    fail "$doc/changelog.gz does not begin with version $version"

# No address at a host that does not exist, in the files or in the package's fields.
if grep -rlIE 'example\.(org|com|net)|\.example\b' . >&2 ||
    dpkg-deb -f "$deb" | grep -E 'example\.(org|com|net)|\.example\b' >&2; then
    fail "the package names a placeholder address"
fi
if [ -z "${TUTORS_WEB_ADDRESS:-}" ] && [ -n "$(dpkg-deb -f "$deb" Homepage)" ]; then
    fail "the package has a home page although the tutors have no web address"
fi

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
echo "package: $(basename "$deb") holds both programs, their menu entries, icons, metadata and manual pages;"
echo "package: lintian finds no error or warning, it packs to the same bytes again, and both programs start"
