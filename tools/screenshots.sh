#!/bin/sh
# The README's pictures: a demonstration archive made by quarzil-demo in a scratch home, the
# program's main views and windows photographed under Xvfb, and documents printed by
# quarzil-cli to PDF and turned into PNG. Writes docs/screenshots/*.png.
#   tools/screenshots.sh [BUILD_DIR]
set -eu
src=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$src/build}" && pwd)
out="$src/docs/screenshots"
scratch=$(mktemp -d /tmp/quarzil-shots.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
home="$scratch/negozio"
mkdir -p "$out" "$home/.config" "$home/.local/share" "$home/.cache" "$scratch/runtime" "$scratch/pdf"
chmod 700 "$scratch/runtime"

# A home laid out as a user's, since the status bar shows where the archive is.
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
  XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$scratch/runtime" \
  QUARZIL_MACHINE_CONFIG="$scratch/none.ini" QUARZIL_INSTANCE_NAME="qz_shots_$$" \
  QUARZIL_NONINTERACTIVE=1 LANG=C.UTF-8

QT_QPA_PLATFORM=offscreen "$build/quarzil-demo" archive --template "$build/Database/Quarzil.db" >"$scratch/archive.txt"
invoice=$(sed -n 's/^invoice //p' "$scratch/archive.txt")

xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/quarzil-demo" shoot --installation "$build" --out "$out"

# Documents as printed (the invoice is photographed in its preview above): the first page of
# each at screen resolution.
cli="$build/quarzil-cli"
"$cli" print ddt --movement "$invoice" --pdf "$scratch/pdf/ddt.pdf"
"$cli" print labels --pdf "$scratch/pdf/etichette.pdf"
for doc in ddt etichette; do
  pdftoppm -r 72 -png -f 1 -l 1 -singlefile "$scratch/pdf/$doc.pdf" "$out/stampa-$doc"
done
ls -1 "$out"
