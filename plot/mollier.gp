# Renders the Mollier chart that vdw-thermo writes, as OUT.png and OUT.svg.
#
#   gnuplot -c mollier.gp [CSV [OUT [WIDTH,HEIGHT]]]
#
# CSV defaults to Mollier.csv in the current directory, OUT to Mollier, the
# size to 1200,900 pixels. The curves are found by their place in the file,
# whose blocks are separated by empty lines: 25 isotherms T = 0.50 ... 0.98,
# the saturation dome, then 31 isotherms T = 1.00 ... 1.60.

csv  = (ARGC >= 1 && ARG1 ne "") ? ARG1 : "Mollier.csv"
out  = (ARGC >= 2 && ARG2 ne "") ? ARG2 : "Mollier"
size = (ARGC >= 3 && ARG3 ne "") ? ARG3 : "1200,900"

subcritical = 25
dome = 25                      # block index of the dome
first_supercritical = 26
supercritical = 31
T_sub(i) = 0.5 + 0.02 * i
T_super(j) = 1.0 + 0.02 * j

set datafile separator ","

set title "Mollier chart of the van der Waals fluid, in reduced units" font ",15"
set xlabel "entropy  s / R"
set ylabel "enthalpy  h / (R T_c)"
set grid xtics ytics lt 1 lc rgb "#e4e4e4" lw 1
set border lw 1.2
set key top left box opaque samplen 3 spacing 1.3
set tics out nomirror
set xrange [-1:9.5]
set xtics 1
set ytics 1
set yrange [-0.5:6.5]

# One scale for both families, with a break in hue at the critical
# temperature: blues below it, oranges to dark red above it.
set cbrange [0.5:1.6]
set cbtics 0.5, 0.1, 1.6 format "%.1f"
set cblabel "reduced temperature  T / T_c"
set palette defined (0.5 "#08306b", 0.74 "#2171b5", 0.98 "#9ecae1", \
                     0.99 "#fdd0a2", 1.0 "#fdae6b", 1.3 "#e6550d", 1.6 "#7f0000")
set colorbox vertical user origin graph 1.03, graph 0 size graph 0.03, graph 1
set rmargin 13

set terminal pngcairo size @size enhanced font "sans,12"
set output out.".png"
plot \
  for [i=0:subcritical-1] csv every :::i::i using 1:2 with lines lw 1.4 \
    lc palette cb T_sub(i) notitle, \
  for [j=0:supercritical-1] csv every :::(first_supercritical+j)::(first_supercritical+j) \
    using 1:2 with lines dt (18,7) lw 1.4 lc palette cb T_super(j) notitle, \
  csv every :::dome::dome using 1:2 with lines lw 4 lc rgb "black" title "saturation dome", \
  NaN with lines lw 1.4 lc rgb "#2171b5" title "isotherms, T = 0.50 to 0.98", \
  NaN with lines dt (18,7) lw 1.4 lc rgb "#e6550d" title "isotherms, T = 1.00 to 1.60"

set terminal svg size @size dynamic enhanced font "sans,12"
set output out.".svg"
replot

set output
