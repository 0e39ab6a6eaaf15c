#!/usr/bin/env bash
# Draws the castle entrance picture, data/media/img/castle_entrance.jpg.
#
# The player stands outside the castle at dusk, facing east: the setting sun
# behind the player lights the stone front warmly while the eastern sky over
# the towers darkens and the moon rises. The huge wooden door stands ajar.
#
# Run from the repository root:  bash tools/make_picture.sh
# Everything random comes from fixed seeds, so every run gives the same image.
set -euo pipefail

cd "$(dirname "$0")/.."
out=data/media/img/castle_entrance.jpg

bash tools/install-deps.sh imagemagick

W=768
H=528
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Park-Miller generator shared by the awk helpers below; the products stay
# below 2^53, so mawk and gawk both compute it exactly.
RNG='function rnd(){ seed = (seed * 16807) % 2147483647; return seed / 2147483647 }
     function ri(lo, hi){ return lo + int(rnd() * (hi - lo + 1)) }'

# ---------------------------------------------------------------- the sky
# Dusk in the east: deep blue overhead, fading to violet and a dusky rose band
# just above the hills.
convert -size ${W}x230 gradient:'#0a0e2a'-'#2e2753' \
        -size ${W}x200 gradient:'#2e2753'-'#7d4f6e' \
        -size ${W}x98  gradient:'#7d4f6e'-'#b87a72' \
        -append "$tmp/sky.png"

# Stars, thinning out towards the brighter horizon.
stars=$(awk -v seed=4242 "$RNG"'
  BEGIN {
    for (i = 0; i < 140; i++) {
      x = ri(0, 767); y = int(rnd() * rnd() * 300);
      b = ri(150, 255); r = (rnd() < 0.12) ? 1.3 : 0.6;
      printf "fill rgb(%d,%d,%d) circle %d,%d %.1f,%d ", b, b, b - 10 + ri(0, 20) % 10, x, y, x + r, y;
    }
  }')
convert "$tmp/sky.png" -draw "$stars" "$tmp/sky.png"

# The rising moon with a soft halo, a few craters, and clouds drifting by.
convert -size ${W}x${H} xc:black \
        -fill '#6f6a8a' -draw 'circle 598,78 598,168' -blur 0x38 \
        "$tmp/halo.png"
convert -size ${W}x${H} xc:none \
        -fill '#f4eed6' -draw 'circle 598,78 598,108' \
        -fill '#ddd5b8' -draw 'circle 588,70 588,77' \
        -fill '#e2dbc0' -draw 'circle 610,90 610,95' \
        -fill '#ded6bb' -draw 'circle 603,64 603,67' \
        -fill '#e6dfc5' -draw 'circle 584,92 584,96' \
        -blur 0x0.7 "$tmp/moon.png"
# Clouds: soft blobs broken up by fractal noise, dark above and touched with
# the last rose light underneath. One bank drifts across the moon.
convert -size ${W}x${H} xc:black -fill white \
        -draw 'ellipse 540,108 120,13 0,360' -draw 'ellipse 650,100 70,10 0,360' \
        -draw 'ellipse 470,96 60,8 0,360' \
        -draw 'ellipse 150,58 130,14 0,360' -draw 'ellipse 250,72 80,9 0,360' \
        -draw 'ellipse 40,150 100,10 0,360' -draw 'ellipse 720,190 90,9 0,360' \
        -draw 'ellipse 300,250 70,6 0,360' \
        -blur 0x9 "$tmp/cloud_base.png"
convert -size ${W}x${H} -seed 99 plasma:grey50-grey50 -colorspace gray -blur 0x3 \
        -level 30%,75% "$tmp/cloud_noise.png"
convert "$tmp/cloud_base.png" "$tmp/cloud_noise.png" -compose multiply -composite \
        -level 8%,55% -alpha off "$tmp/cloud_a.png"
convert -size ${W}x${H} xc:'#2a2346' "$tmp/cloud_a.png" -compose copy_opacity -composite "$tmp/clouds.png"
# the rose underside: the same shapes shifted up, so only the lower rim shows
convert "$tmp/cloud_a.png" \( +clone -roll +0-4 \) -compose minus_src -composite \
        -level 0%,40% -alpha off "$tmp/rim_a.png"
convert -size ${W}x${H} xc:'#c98d98' "$tmp/rim_a.png" -compose copy_opacity -composite \
        -channel A -evaluate multiply 0.6 +channel "$tmp/rim.png"
convert "$tmp/clouds.png" "$tmp/rim.png" -compose over -composite "$tmp/clouds.png"
convert "$tmp/sky.png" "$tmp/halo.png" -compose screen -composite \
        "$tmp/moon.png" -compose over -composite \
        "$tmp/clouds.png" -compose over -composite "$tmp/scene.png"

# Three bats out hunting near the moon.
bat() { # x y size
  local x=$1 y=$2 s=$3
  echo "path 'M $x,$y q $((s/2)),-$((s/2)) $s,-$((s/5)) q -$((s/5)),$((s/4)) -$((s/6)),$((s/2)) q -$((s/3)),-$((s/6)) -$((s*2/3)),$((s/8)) q 0,-$((s/6)) -$((s/6)),-$((s/6)) q 0,$((s/6)) -$((s/6)),$((s/6)) q -$((s/3)),-$((s/3)) -$((s*2/3)),-$((s/8)) q $((s/12)),-$((s/4)) -$((s/6)),-$((s/2)) q $((s/2)),-$((s/3)) $s,$((s/5)) Z' "
}
convert "$tmp/scene.png" -fill '#0b0a14' \
        -draw "$(bat 520 150 22) $(bat 560 170 16) $(bat 690 128 18)" "$tmp/scene.png"

# Far hills on the horizon, blue with distance.
convert "$tmp/scene.png" \
        -fill '#3a3358' -draw "path 'M 0,392 Q 120,350 260,380 T 520,372 T 768,360 L 768,420 L 0,420 Z'" \
        -fill '#2a2743' -draw "path 'M 0,404 Q 90,380 200,398 T 460,392 T 768,388 L 768,420 L 0,420 Z'" \
        "$tmp/scene.png"

# Dark trees along the far ridges at both sides.
trees=$(awk -v seed=555 "$RNG"'
  function tree(x, y, h,   w) {
    w = h * 0.35;
    printf "polygon %d,%d %d,%d %d,%d ", x - w, y, x, y - h, x + w, y;
  }
  BEGIN {
    for (x = 8; x < 95; x += ri(9, 16)) tree(x, 396 - (x % 7), ri(16, 30));
    for (x = 688; x < 768; x += ri(9, 16)) tree(x, 386 + (x % 5), ri(16, 30));
  }')
convert "$tmp/scene.png" -fill '#1d1b2e' -draw "$trees" "$tmp/scene.png"

# ------------------------------------------------------------ the stone
# One greyscale map of mortared ashlar blocks, each block a little lighter or
# darker than its neighbours, roughened with fractal noise. Every part of the
# castle is cut from it and coloured separately.
blocks=$(awk -v seed=9001 "$RNG"'
  BEGIN {
    rowh = 18; bw = 38;
    for (row = 0; row * rowh < 528; row++) {
      y0 = row * rowh; off = (row % 2) ? bw / 2 : 0;
      for (x0 = -off; x0 < 768; x0 += bw + ri(-6, 6)) {
        g = ri(118, 168);
        printf "fill rgb(%d,%d,%d) rectangle %d,%d %d,%d ", g, g, g, x0 + 1, y0 + 1, x0 + bw - 1, y0 + rowh - 1;
        # the odd chipped or weathered corner
        if (rnd() < 0.18) {
          d = ri(3, 6); g2 = g - ri(18, 30);
          printf "fill rgb(%d,%d,%d) polygon %d,%d %d,%d %d,%d ", g2, g2, g2, x0 + 1, y0 + rowh - 1, x0 + 1 + d, y0 + rowh - 1, x0 + 1, y0 + rowh - 1 - d;
        }
      }
    }
  }')
convert -size ${W}x${H} xc:'rgb(70,70,70)' -draw "$blocks" "$tmp/blocks.png"
convert -size ${W}x${H} -seed 17 plasma:grey50-grey50 -colorspace gray \
        -blur 0x1 -level 20%,80% "$tmp/plasma.png"
convert -size ${W}x${H} xc:grey50 -seed 23 +noise Gaussian -colorspace gray \
        -blur 0x0.6 "$tmp/grain.png"
# centuries of rain have left dark streaks running down the walls
convert -size ${W}x${H} xc:grey50 -seed 61 +noise Random -colorspace gray \
        -motion-blur 0x70+90 -level 35%,65% -level 0%,100%,0.8 \
        +level 68%,100% -alpha off "$tmp/streaks.png"
# and a few cracks wander through the joints
cracks=$(awk -v seed=8080 "$RNG"'
  BEGIN {
    split("150,130 620,150 330,175 520,240 240,250 150,330 610,330 470,180", st, " ");
    for (k = 1; k <= 8; k++) {
      split(st[k], p, ","); x = p[1]; y = p[2];
      printf "path '\''M %d,%d", x, y;
      for (i = 0; i < 7; i++) { x += ri(-5, 5); y += ri(4, 9); printf " L %d,%d", x, y }
      printf "'\'' ";
    }
  }')
convert "$tmp/blocks.png" \
        "$tmp/plasma.png" -compose overlay -composite \
        "$tmp/grain.png" -compose softlight -composite \
        "$tmp/streaks.png" -compose multiply -composite \
        -fill none -stroke 'rgb(40,40,40)' -strokewidth 1.2 -draw "$cracks" \
        -blur 0x0.5 "$tmp/stone.png"

# colour the stone map: stone_layer NAME DARK LIGHT
stone_layer() {
  convert "$tmp/stone.png" +level-colors "$2","$3" "$tmp/$1.png"
}

# shade a round tower across its width: the low sun behind the viewer lights
# the face turned towards us, the flanks fall away into shadow
cyl_shade() { # x0 x1 -> draw commands for vertical shading lines x0..x1
  local x0=$1 x1=$2
  awk -v x0="$x0" -v x1="$x1" 'BEGIN {
    w = x1 - x0;
    for (i = 0; i < w; i++) {
      t = (i + 0.5) / w * 2 - 1;          # -1 .. 1 across the tower
      n = sqrt(1 - t * t);                # facing the viewer
      v = 0.30 + 0.75 * (n * 0.85 + (t < 0 ? -t : 0) * 0.15);
      if (v > 1) v = 1;
      g = int(v * 255);
      printf "fill rgb(%d,%d,%d) line %d,0 %d,527 ", g, g, g, x0 + i, x0 + i;
    }
  }'
}

# crenellated top: merlons from x0 to x1 standing on y, each MW wide and MH tall
merlons() { # x0 x1 y mw gap mh
  awk -v x0="$1" -v x1="$2" -v y="$3" -v mw="$4" -v gap="$5" -v mh="$6" 'BEGIN {
    n = int((x1 - x0 + gap) / (mw + gap));
    extra = (x1 - x0) - (n * mw + (n - 1) * gap);
    x = x0 + extra / 2;
    for (i = 0; i < n; i++) {
      printf "rectangle %d,%d %d,%d ", x, y - mh, x + mw - 1, y;
      x += mw + gap;
    }
  }'
}

cp "$tmp/scene.png" "$tmp/backdrop.png"

# ------------------------------------------------------------ the keep
# A tall keep behind the gatehouse, further away and so cooler and darker.
keep_mask="rectangle 318,76 450,420 $(merlons 318 450 76 14 9 13)"
stone_layer keep '#241f2c' '#6e6168'
convert -size ${W}x${H} xc:black -fill white -draw "$keep_mask" "$tmp/keep_m.png"
# a lit window high in the keep: someone, or something, is still about
convert "$tmp/keep.png" \
        -fill '#0c0a10' -draw 'roundrectangle 372,100 396,134 10,10' \
        -fill '#9bd17a' -draw 'roundrectangle 376,105 392,133 7,7' \
        -fill '#d9f0b0' -draw 'rectangle 382,112 386,130' \
        -fill '#0c0a10' -draw 'rectangle 383,105 385,133' -draw 'rectangle 376,118 392,120' \
        "$tmp/keep.png"
convert -size ${W}x${H} xc:black -fill '#4f7a3a' -draw 'ellipse 384,118 22,26 0,360' -blur 0x9 "$tmp/glow.png"
convert "$tmp/scene.png" "$tmp/keep.png" "$tmp/keep_m.png" -composite \
        "$tmp/glow.png" -compose screen -composite "$tmp/scene.png"

# ------------------------------------------------------------ curtain walls
wall_mask="rectangle 190,222 300,422 rectangle 468,222 578,422 \
$(merlons 192 298 222 13 9 14) $(merlons 470 576 222 13 9 14)"
stone_layer wall '#332624' '#a48c7a'
convert -size ${W}x${H} xc:black -fill white -draw "$wall_mask" "$tmp/wall_m.png"
# the wall walk casts a shadow under the merlons, and the foot is in shade
convert -size ${W}x${H} xc:white \
        -fill '#8a8a8a' -draw 'rectangle 0,222 767,230' \
        "$tmp/wall_shade.png"
convert -size ${W}x200 gradient:white-'#9a9a9a' -background white \
        -gravity north -extent ${W}x${H}-0-222 "$tmp/wall_fall.png"
convert "$tmp/wall.png" "$tmp/wall_shade.png" -compose multiply -composite \
        "$tmp/wall_fall.png" -compose multiply -composite "$tmp/wall.png"
# a tangle of ivy creeping up the left wall
ivy=$(awk -v seed=777 "$RNG"'
  BEGIN {
    for (i = 0; i < 260; i++) {
      t = rnd(); y = 420 - t * 150 - rnd() * 20; x = 200 + rnd() * (40 + (1 - t) * 50);
      g = ri(40, 85); r = ri(2, 4);
      printf "fill rgb(%d,%d,%d) circle %d,%d %d,%d ", int(g * 0.55), g, int(g * 0.4), x, y, x + r, y;
    }
  }')
convert "$tmp/wall.png" -draw "$ivy" "$tmp/wall.png"
convert "$tmp/scene.png" "$tmp/wall.png" "$tmp/wall_m.png" -composite "$tmp/scene.png"

# ------------------------------------------------------------ round towers
tower() { # name x0 x1 top
  local n=$1 x0=$2 x1=$3 top=$4
  local bx0=$((x0 - 8)) bx1=$((x1 + 8)) band=$((top + 26))
  # body, then a jutting parapet carried on corbels, then the merlons
  local corbels
  corbels=$(awk -v a="$x0" -v b="$x1" -v y="$band" 'BEGIN {
    for (x = a + 2; x < b - 6; x += 13) printf "polygon %d,%d %d,%d %d,%d %d,%d ", x, y, x + 8, y, x + 6, y + 9, x + 2, y + 9 }')
  local mask="rectangle $x0,$band $x1,424 rectangle $bx0,$top $bx1,$band $corbels \
$(merlons $bx0 $bx1 $top 15 10 16)"
  convert -size ${W}x${H} xc:black -fill white -draw "$mask" "$tmp/${n}_m.png"
  stone_layer "$n" '#352825' '#b59b87'
  convert -size ${W}x${H} xc:white -draw "$(cyl_shade $x0 $x1)" "$tmp/${n}_cyl.png"
  convert -size ${W}x${H} xc:white -draw "$(cyl_shade $bx0 $bx1)" "$tmp/${n}_cylb.png"
  convert "$tmp/${n}_cyl.png" "$tmp/${n}_cylb.png" \
          \( -size ${W}x${H} xc:black -fill white -draw "rectangle 0,0 767,$band" \) \
          -composite "$tmp/${n}_cyl.png"
  # shadow under the parapet and along the corbels
  convert -size ${W}x${H} xc:white -fill '#5a5a5a' \
          -draw "rectangle $x0,$band $x1,$((band + 10))" -blur 0x3 "$tmp/${n}_sh.png"
  convert "$tmp/$n.png" "$tmp/${n}_cyl.png" -compose multiply -composite \
          "$tmp/${n}_sh.png" -compose multiply -composite \
          "$tmp/wall_fall.png" -compose multiply -composite "$tmp/$n.png"
  convert "$tmp/scene.png" "$tmp/$n.png" "$tmp/${n}_m.png" -composite "$tmp/scene.png"
}
tower ltower 96 202 112
tower rtower 566 672 112

# Arrow slits, cross-shaped, each with a lighter sill stone.
slit() { # cx cy
  local x=$1 y=$2
  echo "fill '#8d7a6c' rectangle $((x - 5)),$((y - 22)) $((x + 5)),$((y + 22)) \
rectangle $((x - 12)),$((y - 6)) $((x + 12)),$((y + 3)) \
fill '#0b0808' rectangle $((x - 2)),$((y - 19)) $((x + 2)),$((y + 19)) \
rectangle $((x - 9)),$((y - 3)) $((x + 9)),$y "
}
convert "$tmp/scene.png" -draw "$(slit 149 190) $(slit 149 290) $(slit 619 190) $(slit 619 290) \
  $(slit 245 300) $(slit 523 300)" "$tmp/scene.png"

# ------------------------------------------------------------ the gatehouse
gate_mask="rectangle 284,162 484,424 $(merlons 280 488 162 16 10 16)"
convert -size ${W}x${H} xc:black -fill white -draw "$gate_mask" "$tmp/gate_m.png"
stone_layer gate '#3d2e29' '#c0a690'
convert -size ${W}x${H} xc:white \
        -fill '#6e6e6e' -draw 'rectangle 0,162 767,170' \
        -fill '#b8b8b8' -draw 'rectangle 284,162 292,424 rectangle 476,162 484,424' \
        -blur 0x2 "$tmp/gate_sh.png"
convert "$tmp/gate.png" "$tmp/gate_sh.png" -compose multiply -composite \
        "$tmp/wall_fall.png" -compose multiply -composite "$tmp/gate.png"
convert "$tmp/scene.png" "$tmp/gate.png" "$tmp/gate_m.png" -composite "$tmp/scene.png"
# Time has knocked pieces off the battlements: let the sky show through.
convert -size ${W}x${H} xc:black -fill white \
        -draw 'polygon 114,94 132,94 132,103 126,99 121,106 117,100 114,102' \
        -draw 'polygon 536,206 552,206 552,213 546,210 541,215 536,212' \
        -draw 'polygon 432,61 449,61 449,68 443,65 437,71 432,67' \
        "$tmp/broken_m.png"
convert "$tmp/scene.png" "$tmp/backdrop.png" "$tmp/broken_m.png" -composite "$tmp/scene.png"
# two slits and a row of machicolation holes above the gate
convert "$tmp/scene.png" -draw "$(slit 318 212) $(slit 450 212)" \
        -fill '#1a1212' -draw "$(awk 'BEGIN { for (x = 300; x < 470; x += 22) printf "rectangle %d,178 %d,186 ", x, x + 9 }')" \
        "$tmp/scene.png"

# The arch: a ring of wedge-shaped voussoirs round a round-headed opening,
# with a keystone on top. Door opening: x 330..438, springing at y 300.
arch=$(awk 'BEGIN {
  cx = 384; cy = 300; r0 = 54; r1 = 72; pi = atan2(0, -1);
  n = 13;
  for (i = 0; i < n; i++) {
    a0 = pi + i * pi / n; a1 = pi + (i + 1) * pi / n;
    g = (i % 2) ? 176 : 160; if (i == int(n / 2)) g = 196;
    printf "fill rgb(%d,%d,%d) stroke rgb(60,45,40) stroke-width 1.5 polygon ", g, g - 16, g - 30;
    printf "%.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f ",
      cx + r0 * cos(a0), cy + r0 * sin(a0), cx + r1 * cos(a0), cy + r1 * sin(a0),
      cx + r1 * cos(a1), cy + r1 * sin(a1), cx + r0 * cos(a1), cy + r0 * sin(a1);
  }
  # jamb stones down both sides
  for (y = 300; y < 416; y += 23) {
    g = (int(y / 23) % 2) ? 170 : 154;
    printf "fill rgb(%d,%d,%d) polygon 312,%d 330,%d 330,%d 312,%d ", g, g - 16, g - 30, y, y, y + 23, y + 23;
    printf "polygon 438,%d 456,%d 456,%d 438,%d ", y, y, y + 23, y + 23;
  }
}')
convert "$tmp/scene.png" -draw "$arch" "$tmp/scene.png"

# Door opening mask (round-headed).
door_shape="rectangle 330,300 438,414 circle 384,300 384,246"
convert -size ${W}x${H} xc:black -fill white -draw "$door_shape" "$tmp/door_m.png"

# The dark hall beyond the door, faintly showing a floor.
convert -size ${W}x${H} xc:'#07060a' \
        -fill '#17131a' -draw 'polygon 384,414 398,414 398,398 384,400' \
        "$tmp/dark.png"

# Oak planks with vertical grain, each plank its own shade.
planks=$(awk -v seed=31337 "$RNG"'
  BEGIN {
    for (x = 326; x < 444; x += 13) {
      r = ri(96, 124); g = int(r * 0.62); b = int(r * 0.38);
      printf "fill rgb(%d,%d,%d) rectangle %d,240 %d,420 ", r, g, b, x, x + 12;
      printf "fill rgb(40,24,14) rectangle %d,240 %d,420 ", x + 12, x + 12;
    }
  }')
convert -size ${W}x${H} xc:'#5a3a22' -draw "$planks" "$tmp/wood.png"
convert -size ${W}x${H} xc:grey50 -seed 5 +noise Gaussian -colorspace gray \
        -motion-blur 0x18+90 -level 25%,75% "$tmp/woodgrain.png"
convert "$tmp/wood.png" "$tmp/woodgrain.png" -compose overlay -composite "$tmp/wood.png"

# Iron: three bands across each leaf with round rivet heads, a ring handle.
iron_bands() { # x0 x1 -> bands and rivets over that leaf
  awk -v a="$1" -v b="$2" 'BEGIN {
    split("268 318 364 398", ys, " ");
    for (k = 1; k <= 4; k++) {
      y = ys[k];
      printf "fill rgb(38,36,40) rectangle %d,%d %d,%d ", a, y, b, y + 7;
      printf "fill rgb(95,92,98) line %d,%d %d,%d ", a, y, b, y;
      for (x = a + 5; x < b - 2; x += 11)
        printf "fill rgb(120,116,122) circle %d,%d %d,%d ", x, y + 3, x + 1, y + 3;
    }
  }'
}
convert "$tmp/wood.png" -draw "$(iron_bands 330 384)" -draw "$(iron_bands 384 438)" "$tmp/wood.png"

# Left leaf: closed, fills x 330..384 under the arch.
convert -size ${W}x${H} xc:black -fill white -draw "$door_shape" \
        -fill black -draw 'rectangle 384,0 767,527' "$tmp/leafL_m.png"
# Right leaf: swung a little inwards on its hinges at x 438. Its free edge
# has moved back to x 398 and, being further away, looks shorter, so the iron
# bands slope towards it. It turns away from the light and is darker. The gap
# between the leaves shows the dark hall beyond.
convert "$tmp/wood.png" -crop 54x180+384+240 +repage \
        -virtual-pixel transparent -background none \
        -distort Perspective '0,0 14,9  54,0 54,0  0,180 14,173  54,180 54,180' \
        -fill black -colorize 30% "$tmp/leafR.png"
convert -size ${W}x${H} xc:black "$tmp/leafR.png" -geometry +384+240 -composite "$tmp/leafR_full.png"
convert -size ${W}x${H} xc:black -fill white \
        -draw 'polygon 398,249 438,240 438,420 398,413' "$tmp/leafR_poly.png"
convert "$tmp/leafR_poly.png" "$tmp/door_m.png" -compose multiply -composite "$tmp/leafR_m.png"

convert "$tmp/scene.png" "$tmp/dark.png" "$tmp/door_m.png" -composite \
        "$tmp/wood.png" "$tmp/leafL_m.png" -composite \
        "$tmp/leafR_full.png" "$tmp/leafR_m.png" -composite "$tmp/scene.png"

# The open leaf's edge catches the light; the closed leaf casts a shadow on it
# at the gap; a ring handle on the closed leaf.
convert "$tmp/scene.png" \
        -stroke '#b07e52' -strokewidth 2 -draw 'line 399,262 399,412' \
        -stroke none -fill '#0a0706' -draw 'rectangle 383,250 386,414' \
        -fill none -stroke '#2b2a2e' -strokewidth 3 -draw 'circle 372,346 372,356' \
        -stroke '#77747c' -strokewidth 1 -draw 'arc 362,336 382,356 200,320' \
        -stroke none -fill '#2b2a2e' -draw 'circle 372,336 372,340' \
        "$tmp/scene.png"
# a worn stone threshold
convert "$tmp/scene.png" -fill '#8d7f72' -draw 'rectangle 322,412 446,420' \
        -fill '#a8998a' -draw 'line 322,412 446,412' "$tmp/scene.png"

# ------------------------------------------------------------ ground
# Grass, darker in the distance, with blades and tufts in the foreground.
convert -size ${W}x110 gradient:'#26331f'-'#43592b' -background none \
        -gravity north -extent ${W}x${H}-0-418 "$tmp/grass.png"
convert -size ${W}x${H} xc:grey50 -seed 41 +noise Gaussian -colorspace gray \
        -blur 0x0.8 -motion-blur 0x4+90 "$tmp/grassnoise.png"
convert "$tmp/grass.png" "$tmp/grassnoise.png" -compose overlay -composite \
        "$tmp/grass.png" -compose copy_opacity -composite "$tmp/grass.png"
convert "$tmp/scene.png" "$tmp/grass.png" -compose over -composite "$tmp/scene.png"

# The path: packed earth and cobbles in perspective, from the viewer's feet
# up to the threshold.
path_shape="path 'M 250,528 C 300,480 350,450 346,418 L 424,418 C 424,450 470,480 540,528 Z'"
convert -size ${W}x${H} xc:black -fill white -draw "$path_shape" "$tmp/path_m.png"
cobbles=$(awk -v seed=2718 "$RNG"'
  BEGIN {
    y = 420;
    while (y < 536) {
      t = (y - 418) / 110;                  # 0 at the door, 1 at the viewer
      h = 3 + t * 13; w = 6 + t * 24;
      x0 = 330 - t * 120; x1 = 440 + t * 140;
      for (x = x0 + rnd() * w; x < x1; x += w * (0.95 + rnd() * 0.2)) {
        g = ri(110, 150);
        printf "fill rgb(%d,%d,%d) ellipse %d,%d %.1f,%.1f 0,360 ", g, int(g * 0.9), int(g * 0.76), x, y, w * 0.45, h * 0.42;
      }
      y += h * 0.95;
    }
  }')
convert -size ${W}x${H} xc:'#4a4036' -draw "$cobbles" "$tmp/cobble.png"
convert "$tmp/cobble.png" "$tmp/grain.png" -compose softlight -composite "$tmp/cobble.png"
convert "$tmp/scene.png" "$tmp/cobble.png" "$tmp/path_m.png" -composite "$tmp/scene.png"

# The castle stands in its own shadow where it meets the ground.
convert -size ${W}x${H} xc:white -fill '#505050' \
        -draw 'rectangle 92,414 676,426' -blur 0x5 "$tmp/foot.png"
convert "$tmp/scene.png" "$tmp/foot.png" -compose multiply -composite "$tmp/scene.png"

# Shrubs huddled at the foot of the towers.
shrubs=$(awk -v seed=4711 "$RNG"'
  function bush(cx, cy, rx, ry,   i, x, y, r, g) {
    for (i = 0; i < 70; i++) {
      x = cx + (rnd() - 0.5) * 2 * rx; y = cy - rnd() * ry;
      r = ri(4, 9); g = ri(38, 70) + int((cy - y) / ry * 20);
      printf "fill rgb(%d,%d,%d) circle %d,%d %d,%d ", int(g * 0.5), g, int(g * 0.35), x, y, x + r, y;
    }
  }
  BEGIN { bush(92, 428, 34, 26); bush(676, 428, 30, 22); bush(300, 426, 14, 10); bush(472, 426, 12, 9) }')
convert "$tmp/scene.png" -draw "$shrubs" "$tmp/scene.png"

# A few stones by the wayside.
convert "$tmp/scene.png" \
        -fill '#5e564d' -draw 'ellipse 196,500 18,9 0,360' -draw 'ellipse 590,486 14,7 0,360' \
        -draw 'ellipse 222,470 8,4 0,360' \
        -fill '#82776a' -draw 'ellipse 192,496 12,5 180,360' -draw 'ellipse 587,483 9,4 180,360' \
        "$tmp/scene.png"

# Blades of grass, longer and thicker nearer the viewer. They are kept off
# the middle of the path but may straggle over its edges.
blades=$(awk -v seed=1618 "$RNG"'
  BEGIN {
    for (i = 0; i < 1600; i++) {
      y = 420 + int((rnd() ^ 0.7) * 110); t = (y - 420) / 108;
      x = ri(-5, 772);
      len = 3 + t * 14 * (0.5 + rnd()); lean = (rnd() - 0.5) * len * 0.8;
      g = ri(60, 110) + int(t * 25); r = int(g * (0.45 + rnd() * 0.2)); b = int(g * 0.3);
      sw = 0.6 + t * 1.2;
      printf "stroke rgb(%d,%d,%d) stroke-width %.1f line %d,%d %d,%d ", r, g, b, sw, x, y, x + lean, y - len;
    }
  }')
convert -size ${W}x${H} xc:none -fill none -draw "$blades" "$tmp/blades.png"
convert "$tmp/path_m.png" -morphology Erode Disk:6 -negate "$tmp/nopath.png"
convert "$tmp/blades.png" \( +clone -alpha extract "$tmp/nopath.png" -compose multiply -composite \) \
        -alpha off -compose copy_opacity -composite "$tmp/blades.png"
convert "$tmp/scene.png" "$tmp/blades.png" -compose over -composite "$tmp/scene.png"

# ------------------------------------------------------------ finishing
# A soft darkening towards the corners keeps the eye on the door.
convert -size ${W}x${H} radial-gradient:white-'#5a5a6a' -resize 130%x130% \
        -gravity center -crop ${W}x${H}+0+0 +repage "$tmp/vig.png"
convert "$tmp/scene.png" "$tmp/vig.png" -compose multiply -composite \
        -strip -sampling-factor 4:4:4 -quality 92 "$out"

echo "wrote $out ($(identify -format '%wx%h' "$out"), $(stat -c %s "$out") bytes)"
