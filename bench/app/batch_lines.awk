# Writes N item lines of mixed types for korvane-price --batch, the same
# lines on every run (a fixed linear congruential sequence):
#   awk -v N=1000000 -f batch_lines.awk > items.txt
function next_rand(lo, hi) {
  seed = (seed * 1103515245 + 12345) % 2147483648
  return lo + seed % (hi - lo + 1)
}
BEGIN {
  seed = 42
  if (N == "") N = 1000000
  split("Auto 0.6 0.8 1.0 1.2 1.6", gauges, " ")
  split("No Yes", yesno, " ")
  for (i = 0; i < N; i++) {
    w = next_rand(100, 2400); h = next_rand(100, 2400); d = next_rand(100, 2400)
    g = gauges[next_rand(1, 6)]; v = yesno[next_rand(1, 2)]
    t = i % 15
    if (t == 0) printf "StraightRect Width=%d Height=%d Length=%.1f Gauge=%s\n", w, h, next_rand(1, 990) / 10, g
    else if (t == 1) printf "RadiusBend Width=%d Height=%d Angle=%d Vanes=%s\n", w, h, next_rand(1, 180), v
    else if (t == 2) printf "SquareBend Width=%d Height=%d Vanes=%s Insulation=\"25mm DuctWrap\"\n", w, h, v
    else if (t == 3) printf "SquareBendReducing Width1=%d Width2=%d Height=%d\n", w, d, h
    else if (t == 4) printf "SquareToRound Width=%d Height=%d Diameter=%d Length=1.2\n", w, h, d
    else if (t == 5) printf "Taper Width1=%d Height1=%d Width2=%d Height2=%d Length=0.9\n", w, h, d, h
    else if (t == 6) printf "SquareStopEnd Width=%d Height=%d Flange=\"35mm Mezz\"\n", w, h
    else if (t == 7) printf "YPiece Width1=%d Width2=%d Height=%d Vanes=%s\n", w, d, h, v
    else if (t == 8) printf "Spiral Diameter=%d Length=%.1f Reinforcing=%s\n", d, next_rand(1, 990) / 10, v
    else if (t == 9) printf "RoundSpigot Diameter=%d Plate=%s\n", d, v
    else if (t == 10) printf "Elbow Diameter=%d Angle=%d Radius=150 Gauge=%s\n", d, next_rand(1, 180), g
    else if (t == 11) printf "Reducer Diameter=%d Length=0.6\n", d
    else if (t == 12) printf "TPiece Diameter=%d\n", d
    else if (t == 13) printf "Nipple Diameter=%d Insulation=\"50mm DuctWrap\"\n", d
    else printf "RoundStopEnd Diameter=%d\n", d
  }
}
