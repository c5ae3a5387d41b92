#!/bin/bash
# Draws every picture at 4x, labelled, into docs/contact-sheet.png, and checks each
# picture's size. Needs ImageMagick (convert, montage, identify).
set -euo pipefail
cd "$(dirname "$0")/.."
PIC=assets/pictures
OUT=docs/contact-sheet.png
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

# name -> expected size
declare -A SIZE
for i in 0 1 2 3 4 5 6; do SIZE[enemy$i]=32x16; done
SIZE[shot1]=17x17; SIZE[shot2]=17x17
for e in 1 2; do
  for n in 00 01 02 03 04 05 06 07 08 09 10; do
    SIZE[wing${e}_$n]=32x32
    [ "$n" = 00 ] || SIZE[item${e}_$n]=32x32
  done
done
SIZE[bomb]=16x32; SIZE[comet]=17x17; SIZE[zbang]=32x16; SIZE[mirror]=16x32
SIZE[icon_game]=32x32; SIZE[icon_demo]=32x32
SIZE[demo_pose2]=37x37; SIZE[demo_pose3]=43x37; SIZE[demo_pose4]=42x89; SIZE[demo_pose5]=58x88

bad=0
for name in "${!SIZE[@]}"; do
  f=$PIC/$name.xpm
  if [ ! -f "$f" ]; then echo "MISSING: $f" >&2; bad=1; continue; fi
  got=$(identify -format '%wx%h' "$f")
  if [ "$got" != "${SIZE[$name]}" ]; then
    echo "WRONG SIZE: $f is $got, should be ${SIZE[$name]}" >&2; bad=1
  fi
done
[ "$bad" = 0 ] || { echo "contact sheet not drawn: fix the pictures above" >&2; exit 1; }

# Each picture at 4x, nearest neighbour, transparent parts left clear.
for name in "${!SIZE[@]}"; do
  convert "$PIC/$name.xpm" -filter point -resize 400% -background none "PNG32:$TMP/$name.png"
done

# The logo strokes, drawn into the demo window's client area (15 twips a pixel).
draw=()
while read -r n x1 y1 x2 y2; do
  case $n in ''|\#*) continue ;; esac
  if   [ "$n" -le 2 ];  then col=cyan
  elif [ "$n" -le 6 ];  then col=lime
  elif [ "$n" -le 9 ];  then col=white
  elif [ "$n" -le 13 ]; then col=red
  elif [ "$n" -le 17 ]; then col=magenta
  else col=yellow; fi
  draw+=(-stroke "$col" -draw "line $((x1 / 15)),$((y1 / 15)) $((x2 / 15)),$((y2 / 15))")
done < "$PIC/demo_logo.txt"
convert -size 251x92 xc:black -strokewidth 1 "${draw[@]}" \
  -fill none -stroke gray40 -draw "rectangle 8,4 200,86" \
  -stroke none -fill white -font DejaVu-Sans -pointsize 11 -annotate +202+75 1997 \
  -filter point -resize 200% "$TMP/demo_logo.png"

row() {  # row TITLE TILE NAME...
  local title=$1 tile=$2; shift 2
  local files=()
  for n in "$@"; do files+=("$TMP/$n.png"); done
  montage -label '%t' "${files[@]}" -background '#303030' -fill "#e0e0e0" -font DejaVu-Sans -pointsize 12 \
    -tile "$tile" -geometry +6+6 "$TMP/row_$title.png"
  convert "$TMP/row_$title.png" -gravity northwest -background '#303030' -splice 0x16 \
    -fill "#ffd060" -font DejaVu-Sans-Bold -pointsize 13 -annotate +6+2 "$title" "$TMP/row_$title.png"
}

seq2() { for n in 00 01 02 03 04 05 06 07 08 09 10; do echo "$1$n"; done; }
row enemies x1 enemy0 enemy1 enemy2 enemy3 enemy4 enemy5 enemy6 zbang
row shots x1 shot1 shot2 comet bomb mirror icon_game icon_demo
row edition1_wings x1 $(seq2 wing1_)
row edition1_items x1 $(seq2 item1_ | tail -n 10)
row edition2_costumes x1 $(seq2 wing2_)
row edition2_items x1 $(seq2 item2_ | tail -n 10)
row demo x1 demo_pose2 demo_pose3 demo_pose4 demo_pose5 demo_logo

convert -background '#303030' $(for t in enemies shots edition1_wings edition1_items \
  edition2_costumes edition2_items demo; do echo "$TMP/row_$t.png"; done) -gravity west -append \
  "$OUT"
echo "wrote $OUT ($(identify -format '%wx%h' "$OUT"))"
