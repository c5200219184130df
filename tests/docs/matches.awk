# Whether ACTUAL (the second file) is what EXPECTED (the first) shows: line by
# line, where a line "..." of EXPECTED stands for any lines, none included,
# and "..." inside a line for any text, such as a temporary folder's name.
# Exit status 0 when it is; 1 when not, printing the number of the first line
# of EXPECTED that no reading of the lines before it lets match.
#
# awk -f matches.awk EXPECTED ACTUAL

# Whether `line` is what the pattern line `want` shows.
function line_matches(want, line,    parts, n, i, at, found) {
  n = split(want, parts, /\.\.\./)
  if (n == 1) return want == line
  if (substr(line, 1, length(parts[1])) != parts[1]) return 0
  at = length(parts[1]) + 1
  for (i = 2; i < n; i++) {
    found = index(substr(line, at), parts[i])
    if (!found) return 0
    at += found - 1 + length(parts[i])
  }
  return length(line) - at + 1 >= length(parts[n]) &&
         substr(line, length(line) - length(parts[n]) + 1) == parts[n]
}

BEGIN { wants = 0; haves = 0 }
FNR == NR { want[++wants] = $0; next }
{ have[++haves] = $0 }

END {
  # ok[i, j]: the first i lines of EXPECTED show the first j of ACTUAL.
  ok[0, 0] = 1
  for (i = 0; i <= wants; i++) {
    for (j = 0; j <= haves; j++) {
      if (i == 0 && j == 0) continue
      v = 0
      if (i > 0 && want[i] == "...") {
        v = ok[i - 1, j] || (j > 0 && ok[i, j - 1])
      } else if (i > 0 && j > 0) {
        v = ok[i - 1, j - 1] && line_matches(want[i], have[j])
      }
      ok[i, j] = v
    }
  }
  if (ok[wants, haves]) exit 0
  for (i = wants; i > 0; i--)
    for (j = 0; j <= haves; j++)
      if (ok[i - 1, j]) {
        print i
        exit 1
      }
  exit 1
}
