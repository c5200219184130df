# Reads documents and writes what tests/docs runs of them, one after another:
# SCRIPT, the bash commands, and EXPECTED, the transcripts as the documents
# show them. Run with -v kind=markdown|manual|text -v script=FILE
# -v expected=FILE DOCUMENT...
#
# markdown: a ```console block is a transcript; a ```sh block after the line
#   "<!-- tests/docs runs this block -->" runs, its output unshown; one after
#   "<!-- not run: REASON -->" is left out, as is a console block after it.
# manual: every no-fill block (.nf to .fi) of the EXAMPLES section is a
#   transcript, its roff escapes read as a terminal shows them. The first
#   command must be "faxsim demo --force", so that the page's examples start
#   from the demo store whatever ran before them, and a fault added without
#   --count must be cleared (faxsim clear-faults) before the page ends, so
#   that it does not fire in the examples that follow.
# text: a line indented and beginning with "> " is a command of a transcript;
#   the lines after it, indented as far or empty, are its output.
#
# In a transcript a line "$ command" (markdown, manual) or "> command" (text)
# is run; every other line is the output it must print. A command may go on
# over lines that end with a backslash. Anything the document gets wrong
# (a shell block with no marker, an example that runs nothing) goes to
# standard error as "DOCUMENT:LINE: problem", and the exit status is 1.

function problem(what) {
  problem_at(FILENAME, FNR, what)
}

function problem_at(file, line, what) {
  printf "%s:%d: %s\n", file, line, what > "/dev/stderr"
  failed = 1
}

function quoted(text) {
  gsub(/'/, "'\\''", text)
  return "'" text "'"
}

# One line of a transcript: a command is echoed with its prompt, run, and
# followed by its status when that is not 0; output is expected as written.
function transcript_line(text, prompt) {
  print text > expected
  print FILENAME ":" FNR > (expected ".lines")
  if (continued) {
    command = command "\n" substr(text, 1)
  } else if (substr(text, 1, length(prompt)) == prompt) {
    command = substr(text, length(prompt) + 1)
    commands++
  } else {
    return
  }
  continued = text ~ /\\$/
  if (continued) return
  if (kind == "manual") check_manual_command(command)
  printf "printf '%%s\\n' %s\n", quoted(prompt command) > script
  print command > script
  print "__status=$?; ((__status == 0)) || echo \"[exit status $__status]\"" > script
}

function begin_transcript() {
  printf "\n# line %d\n", FNR > script
  continued = 0
  transcripts++
}

function end_transcript() {
  if (continued) problem("the transcript ends inside a command")
}

function check_manual_command(text) {
  if (commands == first_command + 1 && text != "faxsim demo --force")
    problem("the examples do not begin with \"faxsim demo --force\": they depend on what ran before")
  if (text ~ /^faxsim add-fault / && text !~ / --count[ =]/ && !lasting_fault) {
    lasting_fault = FNR
    lasting_fault_file = FILENAME
  }
  if (text ~ /^faxsim clear-faults( |$)/) lasting_fault = 0
}

# The checks of one manual page, at its end.
function end_manual() {
  if (inside) problem_at(previous_file, previous_line, "the document ends inside a block")
  inside = ""
  if (lasting_fault)
    problem_at(lasting_fault_file, lasting_fault, "a fault without --count that no later \"faxsim clear-faults\" removes fires in every example after it")
  lasting_fault = 0
  first_command = commands
  examples = 0
}

function unescape_roff(text) {
  gsub(/\\-/, "-", text)
  gsub(/\\\(aq/, "'", text)
  gsub(/\\\(dq/, "\"", text)
  gsub(/\\f[BIRP]/, "", text)
  gsub(/\\&/, "", text)
  gsub(/\\e/, "\\", text)
  return text
}

BEGIN { failed = 0; transcripts = 0; commands = 0; first_command = 0 }

FNR == 1 && NR > 1 && kind == "manual" { end_manual() }
{ previous_file = FILENAME; previous_line = FNR }

kind == "markdown" && !inside && /^<!-- tests\/docs runs this block -->$/ {
  marker = "run"; next
}
kind == "markdown" && !inside && /^<!-- not run: .*[^ ].* -->$/ {
  marker = "skip"; next
}
kind == "markdown" && !inside && /^<!-- (tests\/docs|not run)/ {
  problem("a marker that is neither \"tests/docs runs this block\" nor \"not run: REASON\"")
  next
}
kind == "markdown" && !inside && /^```/ {
  info = substr($0, 4)
  shell = info ~ /^(sh|bash|shell|zsh)$/
  if (marker == "skip") inside = "skip"
  else if (info == "console") { inside = "console"; begin_transcript() }
  else if (shell && marker == "run") {
    inside = "run"
    printf "\n# line %d\n__block=%d\nexec >>\"$__log\" 2>&1\nset -e\n", FNR, FNR > script
  } else if (shell) { problem("a shell block that is neither run (<!-- tests/docs runs this block -->) nor marked <!-- not run: REASON -->"); inside = "skip" }
  else inside = "other"
  marker = ""
  next
}
kind == "markdown" && inside && /^```$/ {
  if (inside == "console") end_transcript()
  if (inside == "run") print "set +e\nexec 1>&3 2>&1" > script
  inside = ""
  next
}
kind == "markdown" && inside == "console" { transcript_line($0, "$ "); next }
kind == "markdown" && inside == "run" { print > script; next }
kind == "markdown" && marker != "" { problem("a marker not followed by its block"); marker = "" }

kind == "manual" && /^\.SH / { examples = $0 ~ /^\.SH "?EXAMPLES"?$/; next }
kind == "manual" && examples && /^\.nf/ { inside = "nf"; first = 1; begin_transcript(); next }
kind == "manual" && examples && inside && /^\.fi/ { end_transcript(); inside = ""; next }
kind == "manual" && inside {
  line = unescape_roff($0)
  if (first && line !~ /^\$ /) problem("an example that does not begin with a \"$ \" command")
  first = 0
  transcript_line(line, "$ ")
  next
}

kind == "text" && /^ +> / {
  match($0, /^ +/)
  if (!indent) begin_transcript()
  indent = RLENGTH
  pending_empty = 0
  transcript_line(substr($0, indent + 1), "> ")
  next
}
kind == "text" && indent && /^$/ { pending_empty++; next }
kind == "text" && indent && substr($0, 1, indent) ~ /^ +$/ {
  for (; pending_empty > 0; pending_empty--) transcript_line("", "> ")
  transcript_line(substr($0, indent + 1), "> ")
  next
}
kind == "text" && indent { end_transcript(); indent = 0; pending_empty = 0 }

END {
  if (kind == "manual") end_manual()
  if (inside == "console" || inside == "run" || inside == "nf") problem("the document ends inside a block")
  if (indent) end_transcript()
  if (marker != "") problem("a marker not followed by its block")
  printf "%d transcripts, %d commands\n", transcripts, commands > "/dev/stderr"
  exit failed
}
