#!/usr/bin/env bash
# Makes the six pages of the what's-new window, assets/whats_new/0.png ... 5.png (German
# captions) and 0_en.png ... 5_en.png (English captions), from pictures of the real shell taken
# under Xvfb. With a folder as argument, the pictures themselves are kept there; further
# arguments go to the shell (-nox for the dark look).
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/build.sh quillmark_ui_shots

shots=${1:-}
if [[ -z "$shots" ]]; then
    shots=$(mktemp -d)
    trap 'rm -rf "$shots"' EXIT
fi
# A real X server: the drop shadows of the panels need OpenGL, which the off-screen
# platform lacks.
QUILLMARK_BUILD_DIR="$PWD/build" xvfb-run -a -s "-screen 0 1600x1000x24" \
    build/bin/quillmark_ui_shots "$shots" "${@:2}"

pages=(launcher launcher_changelog statusbox_error_filter update_available user_settings cover_sheet)
german=("Alle Geräte-Plug-ins auf einen Blick"
        "Erst die Änderungen lesen, dann installieren"
        "Statusmeldungen filtern und durchsuchen"
        "Quillmark hält sich selbst aktuell"
        "Sprache, Tooltips und dunkles Design wählen"
        "Ein Deckblatt für Ihre PDF-Berichte")
english=("All device plug-ins at a glance"
         "Read what changed, then install"
         "Filter and search the status messages"
         "Quillmark keeps itself up to date"
         "Choose language, tooltips and dark mode"
         "A cover sheet for your PDF reports")

# A caption band above the picture; few colours keep the pages small.
caption() {
    convert "$1" -resize 960x -gravity north -background "#0b3c5d" -splice 0x64 \
        -font Liberation-Sans-Bold -pointsize 30 -fill white -annotate +0+15 "$2" \
        -strip -colors 128 "PNG8:$3"
}

mkdir -p assets/whats_new
for i in "${!pages[@]}"; do
    caption "$shots/${pages[$i]}.png" "${german[$i]}" "assets/whats_new/$i.png"
    caption "$shots/${pages[$i]}.png" "${english[$i]}" "assets/whats_new/${i}_en.png"
done
du -ch assets/whats_new/*.png | tail -1
