#!/bin/sh
# Packs square PNG images into a Windows icon file, each image stored as PNG
# (which Windows reads since Vista). Usage: png-to-ico.sh out.ico image.png...
set -eu
out=$1
shift

byte() { printf "\\$(printf %03o "$(($1 & 255))")"; }
le16() { byte "$1"; byte "$(($1 >> 8))"; }
le32() { le16 "$(($1 & 65535))"; le16 "$(($1 >> 16))"; }
# Width of a PNG: bytes 16-19 of its header chunk, big-endian.
png_width() { od -An -tu1 -j16 -N4 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }'; }

{
    le16 0; le16 1; le16 $#              # reserved, type icon, image count
    offset=$((6 + 16 * $#))
    for png in "$@"; do
        size=$(wc -c < "$png")
        width=$(png_width "$png")
        [ "$width" -ge 256 ] && width=0  # 0 stands for 256
        byte "$width"; byte "$width"; byte 0; byte 0
        le16 1; le16 32; le32 "$size"; le32 "$offset"
        offset=$((offset + size))
    done
    cat "$@"
} > "$out"
