#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Gives every source file the one line that names its licence, in the file's own comment syntax:
# after a script's #! line or an XML declaration, else first. A file that has the line already is
# left alone, so running it again changes nothing.
#   ./tools/add-spdx.sh          adds the missing lines
#   ./tools/add-spdx.sh --check  lists the files without one and fails if there are any
set -euo pipefail
cd "$(dirname "$0")/.."

mode=add
[ "${1:-}" = --check ] && mode=check
licence=GPL-3.0-or-later

# The line a file needs, or nothing for a file that carries no licence line (pictures, licence
# texts, notes, JSON, which has no comments).
line_for() {
    case $1 in
    *.cpp | *.h) echo "// SPDX-License-Identifier: $licence" ;;
    *.sh | .ci/* | CMakeLists.txt | */CMakeLists.txt | *.cmake | *.desktop)
        echo "# SPDX-License-Identifier: $licence" ;;
    # What software centres show is free for any catalogue to copy.
    *.metainfo.xml.in) echo "<!-- SPDX-License-Identifier: CC0-1.0 -->" ;;
    *.svg) echo "<!-- SPDX-License-Identifier: $licence -->" ;;
    esac
}

lacking=()
while IFS= read -r -d '' file; do
    line=$(line_for "$file")
    [ -n "$line" ] && [ -f "$file" ] || continue
    head -n 3 "$file" | grep -q 'SPDX-License-Identifier:' && continue
    lacking+=("$file")
    [ "$mode" = add ] || continue
    first=$(head -n 1 "$file")
    if [[ $first == '#!'* || $first == '<?xml'* ]]; then
        { printf '%s\n%s\n' "$first" "$line"; tail -n +2 "$file"; } >"$file.spdx"
    else
        { printf '%s\n' "$line"; cat "$file"; } >"$file.spdx"
    fi
    chmod --reference="$file" "$file.spdx"
    mv "$file.spdx" "$file"
done < <(git ls-files -z)

if [ "$mode" = check ]; then
    [ ${#lacking[@]} -eq 0 ] && exit 0
    printf 'no SPDX-License-Identifier line: %s\n' "${lacking[@]}" >&2
    exit 1
fi
[ ${#lacking[@]} -eq 0 ] || printf 'licence line added: %s\n' "${lacking[@]}"
