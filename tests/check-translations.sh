#!/usr/bin/env bash
# Every catalogue of the program holds exactly the texts the sources mark: lupdate run on
# the sources must find no new text and drop none. Every text of every catalogue shipped,
# Qt's own included, is translated. Usage: check-translations.sh SOURCE_DIR LUPDATE
set -euo pipefail
root=$1
lupdate=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for catalogue in "$root"/translations/radixon_*.ts; do
    copy="$scratch/$(basename "$catalogue")"
    cp "$catalogue" "$copy"
    "$lupdate" -silent -locations none -no-obsolete "$root/src" -ts "$copy"
    if ! diff -u "$catalogue" "$copy"; then
        echo "$(basename "$catalogue") is out of date: run the update_translations target" >&2
        status=1
    fi
done
if grep -l 'type="unfinished"' "$root"/translations/*.ts; then
    echo "the catalogues above have texts without a translation" >&2
    status=1
fi
exit $status
