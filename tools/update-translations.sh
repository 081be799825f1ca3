#!/usr/bin/env bash
# Re-extracts the library's translatable texts into its catalogues, keeping every translation
# made so far; texts that are gone from the sources leave the catalogues. New texts arrive
# unfinished: translate them with Qt Linguist (linguist FILE.ts) or in the XML, the build
# turns the catalogues into .qm files.
#
#   tools/update-translations.sh            update every catalogue
#   tools/update-translations.sh fr         also start a catalogue for French
set -euo pipefail
cd "$(dirname "$0")/.."

dir=controls/dravinelcontrols/translations
shopt -s nullglob
catalogues=("$dir"/DravinelControls_*.ts)
for lang in "$@"; do
    catalogues+=("$dir/DravinelControls_$lang.ts")
done

# No source locations: a catalogue then changes only when texts do.
lupdate -I "$PWD/controls" -I "$PWD/controls/platform" -locations none -no-obsolete \
    controls/dravinelcontrols/*.h controls/dravinelcontrols/*.cpp -ts "${catalogues[@]}"
