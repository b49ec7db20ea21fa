# Sourced by the scripts that start the program on a scratch user:
# sample_data DIR writes a user list with guest (password vorpa) and ann
# (password manual), both in mg/dL with year/month/day dates and limits of their
# own, and ann's reading file: 1 to 21 March 2006, five readings a day (some
# marked PC), newest first, as a download stores them. The files are owner-only.
sample_data() {
  local dir=$1
  printf 'ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp\r\nguest*,vorpa*,1,1,1,120,80,120,80\r\nann*,manual*,1,1,1,180,70,180,70\r\n' \
    >"$dir/DXRegister.txt"
  awk 'BEGIN {
    printf "Test_No,Glucose,Month,Day,Hour,Minute,Event,Glucose_mmol,Year,Date & Time\r\n"
    split("7 10 13 18 22", hours, " ")
    n = 0
    for (day = 21; day >= 1; day--)
      for (k = 5; k >= 1; k--) {
        g = 95 + (day * 37 + k * 53) % 120 + (k % 2 == 0 ? 30 : 0)
        mark = (k % 2 == 0) ? "PC" : "C"
        minute = (day * 7 + k * 11) % 60
        printf "T%04d,%05d,03,%02d,%02d,%02d,%s,%04.1f,2006,2006/03/%02d - %02d:%02d\r\n", \
          ++n, g, day, hours[k], minute, mark, g / 18, day, hours[k], minute
      }
  }' >"$dir/ann.txt"
  chmod 600 "$dir"/*.txt
}
