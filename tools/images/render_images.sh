#!/usr/bin/env bash
# Regenerates the icon, flag, wind-rose and logo images under images/ (or the folder given).
#
# Icons come from the Tabler icon set and flags from the flag-icons set (both MIT, fetched from
# the npm registry at the pinned versions below); the logo and the wind roses are drawn here.
# Every SVG is recoloured to the palette and rasterised with rsvg-convert. The PNGs are checked
# in, so the build never needs npm: run this only when the image set changes.
#   needs: npm, rsvg-convert (librsvg2-bin), fonts-liberation
set -euo pipefail

TABLER_VERSION=3.54.0
FLAGS_VERSION=7.5.0

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../../images}
icon_size=128
flag_size=128

# Palette colours the image paths name.
declare -A colour=(
    [blue]="#0769B3"    # PRIMARY
    [white]="#FFFFFF"   # BUTTON_TEXT_COLOR
    [red]="#FF0000"     # RED
    [yellow]="#C7D42D"  # PRIMARY_NOTIFICATION_COLOR
)

# image path (below images/) | Tabler style | Tabler icon | colour
icons="
icons/button/add/plus.png                    outline plus           blue
icons/button/back/exit.png                   outline arrow-back-up  blue
icons/button/cancel.png                      filled  circle-x       blue
icons/button/cancel_white.png                outline circle-x       white
icons/button/check_updates/blue.png          outline refresh        blue
icons/button/delete/enabled.png              outline trash          blue
icons/button/delete/open.png                 outline trash-x        red
icons/button/download/enabled.png            outline download       blue
icons/button/download/white.png              outline download       white
icons/button/help.png                        outline help-circle    blue
icons/button/info.png                        outline info-circle    blue
icons/button/manual.png                      outline book           blue
icons/button/ok/circular.png                 filled  circle-check   blue
icons/button/ok/white.png                    outline circle-check   white
icons/button/prio/up.png                     outline chevron-up     white
icons/button/search.png                      outline search         blue
icons/file/PDF/blue.png                      outline file-type-pdf  blue
icons/foldingbox/configuration/blue.png      outline settings       blue
icons/foldingbox/fail/red.png                outline alert-octagon  red
icons/foldingbox/language.png                outline language       blue
icons/foldingbox/messages/warning/red.png    outline alert-triangle red
icons/foldingbox/messages/warning/yellow.png outline alert-triangle yellow
icons/foldingbox/open/blue.png               outline chevron-left   blue
icons/foldingbox/open/white.png              outline chevron-left   white
icons/foldingbox/user_settings.png           outline user-cog       blue
icons/group/vent/block/enabled.png           outline ban            blue
icons/group/vent/close/enabled.png           outline arrow-bar-down blue
icons/group/vent/open/enabled.png            outline arrow-bar-up   blue
uielements/checkbox/checked/enabled.png      outline check          blue
uielements/loading.png                       outline loader-2       blue
uielements/slider/picker.png                 filled  circle-dot     blue
"

# language image name | ISO country code of its flag
flags="
chinese cn
czech cz
danish dk
dutch nl
english gb
finnish fi
french fr
german de
greek gr
hungarian hu
italian it
norwegian no
polish pl
portuguese pt
russian ru
spanish es
swedish se
turkish tr
ukrainian ua
"

for tool in npm rsvg-convert; do
    command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fetch() {
    local package=$1 folder=$2
    mkdir -p "$work/$folder"
    local tarball
    tarball=$(cd "$work" && npm pack --silent "$package")
    tar -xzf "$work/$tarball" -C "$work/$folder" --strip-components=1
}
fetch "@tabler/icons@$TABLER_VERSION" tabler
fetch "flag-icons@$FLAGS_VERSION" flags

render() {
    local svg=$1 png=$2 width=$3 height=$4
    mkdir -p "$(dirname "$png")"
    rsvg-convert --width "$width" --height "$height" --keep-aspect-ratio -o "$png" "$svg"
}

while read -r path style name tint; do
    [[ -n "$path" ]] || continue
    source_svg="$work/tabler/icons/$style/$name.svg"
    [[ -f "$source_svg" ]] || { echo "no Tabler icon $style/$name" >&2; exit 1; }
    sed "s/currentColor/${colour[$tint]}/g" "$source_svg" >"$work/icon.svg"
    render "$work/icon.svg" "$out/$path" "$icon_size" "$icon_size"
done <<<"$icons"

# Language buttons are round, so each square flag is cut to a circle with a thin grey rim that
# keeps mostly white flags visible on a white page.
while read -r language country; do
    [[ -n "$language" ]] || continue
    source_svg="$work/flags/flags/1x1/$country.svg"
    [[ -f "$source_svg" ]] || { echo "no flag $country" >&2; exit 1; }
    {
        echo '<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 512 512">'
        echo '<defs><clipPath id="round"><circle cx="256" cy="256" r="252"/></clipPath></defs>'
        echo '<g clip-path="url(#round)">'
        sed 's/<?xml[^>]*>//' "$source_svg"
        echo '</g>'
        echo '<circle cx="256" cy="256" r="248" fill="none" stroke="#C1C1C1" stroke-width="8"/>'
        echo '</svg>'
    } >"$work/flag.svg"
    render "$work/flag.svg" "$out/icons/lang/$language.png" "$flag_size" "$flag_size"
done <<<"$flags"

windrose() {
    local language=$1 n=$2 ne=$3 e=$4 se=$5 s=$6 sw=$7 w=$8 nw=$9
    sed -e "s/@N@/$n/; s/@NE@/$ne/; s/@E@/$e/; s/@SE@/$se/" \
        -e "s/@S@/$s/; s/@SW@/$sw/; s/@W@/$w/; s/@NW@/$nw/" \
        "$here/windrose.svg.in" >"$work/windrose.svg"
    render "$work/windrose.svg" "$out/images/windrose/$language.png" 512 512
}
windrose en N NE E SE S SW W NW
windrose de N NO O SO S SW W NW

render "$here/logo.svg" "$out/logo.png" 600 200

# The third-party listing of the image set, with the licence texts as the packages ship them.
{
    echo "# Third-party images"
    echo
    echo "The icons and flags under images/ are rasterised and recoloured by"
    echo "tools/images/render_images.sh from these openly licensed sets (npm registry):"
    echo
    echo "- Tabler Icons: package \`@tabler/icons\` $TABLER_VERSION, MIT licence; every image under"
    echo "  images/icons/ except images/icons/lang/, and images/uielements/."
    echo "- flag-icons: package \`flag-icons\` $FLAGS_VERSION, MIT licence; images/icons/lang/."
    echo
    echo "The logo (images/logo.png), the wind roses (images/images/windrose/) and the splash"
    echo "cards (images/splashscreens/) are the project's own drawings."
    echo
    echo "## Tabler Icons ($TABLER_VERSION)"
    echo
    echo '```'
    cat "$work/tabler/LICENSE"
    echo '```'
    echo
    echo "## flag-icons ($FLAGS_VERSION)"
    echo
    echo '```'
    cat "$work/flags/LICENSE"
    echo '```'
} >"$out/LICENSES.md"
echo "images written to $out"
