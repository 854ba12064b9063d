#!/usr/bin/env bash
# Draws Stenvik's coupon icon: a blue card with a grid of boxes, some marked
# yellow as a player marks 1, X and 2. Writes the PNGs and both .ico files.
#   large icon (resource 300): 32x32 and 48x48, 256 colours
#   small icon (resource 301): 32x32, 16 colours
set -euo pipefail
cd "$(dirname "$0")"

draw() {  # size output
  local s=$1 out=$2
  local m=$((s / 8)) cell=$(((s - 2 * (s / 8)) / 3))
  # A shaded card gives the large icon the colours of a true 256-colour image.
  local args=(-size "${s}x${s}" gradient:'#1577c4-#002f5c'
              \( -size "${s}x${s}" xc:none -fill white
                 -draw "roundrectangle 1,1 $((s - 2)),$((s - 2)) $((s / 8)),$((s / 8))" \)
              -compose DstIn -composite -compose Over)
  local marked=("1 0" "0 1" "2 1" "1 2" "0 2")
  for row in 0 1 2; do
    for col in 0 1 2; do
      local x=$((m + col * cell + cell / 6)) y=$((m + row * cell + cell / 6)) w=$((cell * 2 / 3))
      local fill='#ffffff'
      for pick in "${marked[@]}"; do [ "$pick" = "$col $row" ] && fill='#fecb00'; done
      args+=(-fill "$fill" -stroke none -draw "rectangle $x,$y $((x + w)),$((y + w))")
    done
  done
  convert "${args[@]}" "$out"
}

draw 48 stenvik-48.png
draw 32 stenvik-32.png
draw 256 stenvik-256.png
convert stenvik-32.png stenvik-48.png -colors 256 stenvik-large.ico
convert stenvik-32.png -colors 16 stenvik-small.ico
