#!/usr/bin/env bash
# Typesets the player's instructions, docs/instructions.ms, into
# Mordavel_Readme.pdf in the repository root, where the game's
# "Get Instructions" button looks for it.
#
# Run from anywhere:  bash tools/make_instructions.sh
# Installs groff, ghostscript and poppler-utils with apt-get when missing.
set -euo pipefail

cd "$(dirname "$0")/.."
src=docs/instructions.ms
out=Mordavel_Readme.pdf
picture=data/media/img/castle_entrance.jpg

# groff's PDF driver takes its fonts from ghostscript's URW set, and pdfpic
# needs pdfinfo to size the picture.
bash tools/install-deps.sh groff ghostscript poppler-utils

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The castle picture heads the first page. gropdf only places PDF pictures,
# so wrap the JPEG in a one-page PDF first; without the picture the document
# is still made, just without it.
picargs=()
if [ -f "$picture" ]; then
  viewjpeg=$(find /usr/share/ghostscript -name viewjpeg.ps 2>/dev/null | head -n 1)
  if [ -n "$viewjpeg" ]; then
    jpg=$(realpath "$picture")
    gs -q -dBATCH -dNOPAUSE -dSAFER --permit-file-read="$jpg" \
       -sDEVICE=pdfwrite -sOutputFile="$tmp/castle.pdf" "$viewjpeg" \
       -c "($jpg) << /PageSize 2 index viewJPEGgetsize 2 array astore >> setpagedevice viewJPEG"
    picargs=(-U -dcastlepic="$tmp/castle.pdf")
  else
    echo "warning: ghostscript's viewjpeg.ps not found; leaving the picture out" >&2
  fi
else
  echo "warning: $picture not found (run tools/make_picture.sh); leaving it out" >&2
fi

# -t runs tbl for the tables; -P-e embeds every font, the standard fourteen
# included, so the document looks the same on every viewer.
groff -ms -mpdfmark -t -Tpdf -dpaper=a4 -P-pa4 -P-e "${picargs[@]}" -ww "$src" > "$tmp/out.pdf"
mv "$tmp/out.pdf" "$out"

# Refuse to leave behind a document with fonts that are not embedded.
if pdffonts "$out" | awk 'NR > 2 && $(NF-4) != "yes" { bad = 1 } END { exit bad }'; then
  :
else
  echo "error: $out has fonts that are not embedded:" >&2
  pdffonts "$out" >&2
  exit 1
fi

echo "wrote $out ($(pdfinfo "$out" | awk '/^Pages:/ { print $2 }') pages, $(stat -c %s "$out") bytes)"
