#!/bin/sh
# Writes a Windows icon file that holds the given square PNG images as they
# are (the PNG form of icon images, read by Windows since Vista).
#   tools/png-to-ico.sh OUT.ico IMAGE.png...
set -eu
out=$1
shift
# Little-endian bytes of a number, as printf escapes.
le() { # le VALUE BYTES
  value=$1 bytes=$2 text=
  while [ "$bytes" -gt 0 ]; do
    text="$text\\$(printf '%03o' $((value % 256)))"
    value=$((value / 256)) bytes=$((bytes - 1))
  done
  printf "$text"
}
{
  le 0 2; le 1 2; le $# 2 # reserved, type 1 (icon), image count
  offset=$((6 + 16 * $#))
  for image in "$@"; do
    # The width in the PNG header (big-endian at byte 16); 256 is written as 0.
    width=$(od -An -tu1 -j16 -N4 "$image" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }')
    [ "$width" -le 256 ] || { echo "$image is wider than 256 pixels" >&2; exit 1; }
    size=$(wc -c <"$image")
    le $((width % 256)) 1; le $((width % 256)) 1; le 0 2 # width, height, no palette
    le 1 2; le 32 2; le "$size" 4; le "$offset" 4       # one plane, 32 bits a pixel, size, offset
    offset=$((offset + size))
  done
  cat "$@"
} >"$out"
