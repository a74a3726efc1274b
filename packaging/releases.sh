#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The releases listed in NEWS, newest first, written as the Debian changelog or as the lines of
# the software centres' release list:
#   packaging/releases.sh changelog NEWS PACKAGE "NAME <ADDRESS>"
#   packaging/releases.sh metainfo NEWS
# A release in NEWS is a line "VERSION (YYYY-MM-DD)" with its items indented below it; what comes
# before the first release introduces the file and is left out.
set -euo pipefail
format=$1 news=$2 package=${3:-} maintainer=${4:-}

version='' day='' items=() separator=''
finish_release() {
    [ -n "$version" ] || return 0
    case $format in
    changelog)
        # The day's midday, so that the date reads the same in every time zone.
        printf '%s%s (%s) unstable; urgency=medium\n\n' "$separator" "$package" "$version"
        printf '%s\n' "${items[@]}"
        printf '\n -- %s  %s\n' "$maintainer" "$(LC_ALL=C date -u -R -d "$day 12:00")"
        separator=$'\n'
        ;;
    metainfo) printf '    <release version="%s" date="%s"/>\n' "$version" "$day" ;;
    esac
    items=()
}

while IFS= read -r line || [ -n "$line" ]; do
    if [[ $line =~ ^([0-9][0-9.]*)\ \(([0-9]{4}-[0-9]{2}-[0-9]{2})\)$ ]]; then
        finish_release
        version=${BASH_REMATCH[1]} day=${BASH_REMATCH[2]}
    elif [ -n "$version" ] && [ -n "$line" ]; then
        [[ $line == ' '* ]] || { echo "$news: an item of $version is not indented: $line" >&2; exit 1; }
        items+=("$line")
    fi
done <"$news"
finish_release
