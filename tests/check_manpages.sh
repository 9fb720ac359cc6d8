#!/usr/bin/env bash
# Each manual page renders without a warning, and shows no character its source did not mean: every character
# outside ASCII in the page is one the source holds, or the hyphen groff puts where it breaks a word.
set -euo pipefail
export LC_ALL=C.UTF-8
status=0
for page in "$@"; do
    rendered=$(mktemp)
    warnings=$(groff -ww -Tutf8 -man -P-cbou "$page" 2>&1 >"$rendered")
    if [ -n "$warnings" ]; then
        echo "$page: groff warns: $warnings"
        status=1
    fi
    while IFS= read -r character; do
        if [ "$character" != "‐" ] && ! grep -qF -- "$character" "$page"; then
            echo "$page: shows \"$character\", which the source does not hold: $(grep -nF -- "$character" "$rendered" | head -1)"
            status=1
        fi
    done < <(grep -oP '[^\x00-\x7F]' "$rendered" | sort -u)
    rm -f "$rendered"
done
exit $status
