# Writes a bill of N number lines over all fifteen item types, the same on
# every run of one awk (a fixed seed), for timing and memory measurements of
# korvane-price --bill:
#   awk -v N=100000 -f bill_lines.awk > job.dct
function next_rand(lo, hi) {
  return lo + int(rand() * (hi - lo + 1))
}
BEGIN {
  srand(7)
  if (N == "") N = 100000
  split("StraightRect RadiusBend VanedSquareBend SquareBendReducing SquareToRound Taper SquareStopEnd YPiece Spiral PlateSpigot Elbow Reducer TPiece Nipple RoundStopEnd", keys, " ")
  print "; generated job"
  print "GlobalSettings (Erection=Include, Brackets=Include)"
  for (i = 0; i < N; i++) {
    t = int(i / 10) % 15
    if (i % 10 == 0) {
      if (t == 0 || t == 8) printf "%s (NumberOff=%d)\n", keys[t + 1], next_rand(1, 9)
      else if (t == 1) print "RadiusBend (Insulation=External, InsThickness=25mm, Gauge=0.8)"
      else print keys[t + 1]
    }
    w = next_rand(100, 2400); h = next_rand(100, 2400); d = next_rand(100, 2400); q = next_rand(1, 20)
    if (t == 0) printf "\t-\t%d  %d  %.3f\n", w, h, next_rand(100, 6000) / 1000
    else if (t == 1) printf "\t-\t%d  %d  %d  %d\n", w, h, next_rand(1, 180), q
    else if (t == 2 || t == 6) printf "\t-\t%d  %d  %d\n", w, h, q
    else if (t == 3) printf "\t-\t%d  %d  %d  %d  %d\n", w, h, d, h, q
    else if (t == 4) printf "\t-\t%d  %d  %d  %d  1.200\n", w, h, d, q
    else if (t == 5) printf "\t-\t%d  %d  %d  %d  %d  0.900\n", w, h, d, h, q
    else if (t == 7) printf "\t-\t%d  %d  %d  %d\n", w, d, h, q
    else if (t == 8) printf "\t-\t%d  %.3f\n", d, next_rand(100, 6000) / 1000
    else if (t == 10) printf "\t-\t%d  %d  %d  %d\n", d, d, next_rand(1, 180), q
    else if (t == 11) printf "\t-\t%d  0.600  %d\n", d, q
    else if (t == 12) printf "\t-\t%d  90  %d\n", d, q
    else printf "\t-\t%d  %d\n", d, q
  }
}
