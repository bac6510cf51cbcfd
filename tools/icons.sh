#!/bin/sh
# Renders the program's icon from its SVG source into the PNG sizes that the window and the
# desktop's icon theme use. `tools/icons.sh` rewrites them; `tools/icons.sh --check` only fails
# when a committed PNG no longer matches the source.
set -eu
cd "$(dirname "$0")/../src/resources/icons"
SIZES="16 22 24 32 48 64 128 256"
source=it.quarzil.Quarzil.svg
mode=${1:-write}

command -v rsvg-convert >/dev/null || { echo "rsvg-convert missing (package librsvg2-bin)" >&2; exit 2; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

status=0
for size in $SIZES; do
  out="quarzil-$size.png"
  rsvg-convert -w "$size" -h "$size" "$source" -o "$scratch/$out"
  if [ "$mode" = --check ]; then
    # Compare pixels, not bytes: the PNG encoder's settings may differ between versions.
    if [ ! -f "$out" ] || [ "$(compare -metric AE "$scratch/$out" "$out" null: 2>&1)" != 0 ]; then
      echo "$out does not match $source: run tools/icons.sh" >&2
      status=1
    fi
  else
    mv "$scratch/$out" "$out"
  fi
done
exit $status
