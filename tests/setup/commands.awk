# Prints "FILE:LINE WORD" for every word of a bash script that stands where a
# command stands, and "FILE:LINE function NAME" for every function it defines.
# A small reader of the shell's grammar, enough for this project's scripts: quotes,
# $( ), $(( )), [[ ]], case patterns, redirections, arrays, and the commands that run
# another command (exec, command -v, sudo, timeout, env ...). Words that are not
# plain (with $ or quotes) and relative paths are never reported.
# Usage: awk -f commands.awk SCRIPT...

FNR == 1 && NR > 1 { scan(text) }
FNR == 1 { file = FILENAME; text = ""; shebang($0) }
{ text = text $0 "\n" }
END { if (NR > 0) scan(text) }

function shebang(line,   w, n, i) {
  if (line !~ /^#!/) return
  n = split(substr(line, 3), w, /[ \t]+/)
  for (i = 1; i <= n; i++) if (w[i] != "" && w[i] !~ /^-/) print file ":1 " w[i]
}

function scan(s,   n, i, c, c2, c3, k) {
  n = length(s); line = 1; depth = 0; kind[0] = "code"; parens[0] = 0
  reset_command(); word = ""; plain = 1; redirect = 0
  for (i = 1; i <= n; i++) {
    c = substr(s, i, 1); c2 = substr(s, i, 2); c3 = substr(s, i, 3)
    if (c == "\n") line++
    if (kind[depth] == "dq") {
      if (c == "\\") { i++; if (substr(s, i, 1) == "\n") line++ }
      else if (c == "\"") pop()
      else if (c3 == "$((") { push("arith"); i += 2 }
      else if (c2 == "$(") { push("code"); i++ }
      continue
    }
    if (kind[depth] == "arith") {
      if (c2 == "$(" && c3 != "$((") { push("code"); i++ }
      else if (c == "(") parens[depth]++
      else if (c == ")" && parens[depth] > 0) parens[depth]--
      else if (c2 == "))") { pop(); i++ }
      continue
    }
    # code or [[ ]]
    if (c == "\\") {
      i++
      if (substr(s, i, 1) == "\n") { line++; end_word(""); continue }
      word = word substr(s, i, 1); continue
    }
    if (c == "'") {
      k = index(substr(s, i + 1), "'")
      tmp = substr(s, i + 1, k - 1); line += gsub(/\n/, "", tmp)
      i += k; word = word "'"; plain = 0; continue
    }
    if (c == "\"") { word = word "\""; plain = 0; push("dq"); continue }
    if (c3 == "$((") { word = word "$"; plain = 0; push("arith"); i += 2; continue }
    if (c2 == "$(" || c2 == "<(" || c2 == ">(") { end_word_if(c != "$"); word = word "$"; plain = 0; push("code"); i++; continue }
    if (c2 == "${") {
      k = index(substr(s, i), "}"); i += k - 1; word = word "$"; plain = 0; continue
    }
    if (c == "$" || c == "`") { word = word c; plain = 0; continue }
    if (c == "#" && word == "") {
      k = index(substr(s, i), "\n"); i += k - 2; continue
    }
    if (kind[depth] == "test") {
      if (c !~ /[ \t\n;&|<>]/) { word = word c; continue }
      if (word == "]]") {  # the character after ]] counts in the command line again
        pop_test(); i--; if (c == "\n") line--
      }
      word = ""; plain = 1
      continue
    }
    if (c == " " || c == "\t") { end_word(c); continue }
    if (c == "\n") { end_word(c); if (!casepat) start_command(); continue }
    if (c == ";") {
      end_word(c)
      if (substr(s, i + 1, 1) == ";" || substr(s, i + 1, 1) == "&") { casepat = 1; i++ }
      start_command(); continue
    }
    if (c == "&" && substr(s, i + 1, 1) == ">") { end_word(c); redirect = 1; i++; continue }
    if (c == "&" || c == "|") { end_word(c); if (c2 == "&&" || c2 == "||" || c2 == "|&") i++; start_command(); continue }
    if (c == ">" || c == "<") {
      if (word ~ /^[0-9]+$/) word = ""
      end_word(c)
      while (substr(s, i + 1, 1) ~ /[<>&|]/) i++
      redirect = 1; continue
    }
    if (c == "(") {
      if (word ~ /^[A-Za-z_][A-Za-z0-9_]*\+?=$/) {  # an array's elements are no commands
        k = index(substr(s, i), ")"); tmp = substr(s, i, k); line += gsub(/\n/, "", tmp)
        i += k - 1; continue
      }
      if (substr(s, i, 2) == "()" && word != "") {  # a function's definition
        print file ":" line " function " word; word = ""; plain = 1; i++; start_command(); continue
      }
      end_word(c)
      if (casepat) continue
      if (c2 == "((") { push("arith"); i++; continue }
      parens[depth]++; start_command(); continue
    }
    if (c == ")") {
      end_word(c)
      if (parens[depth] > 0) { parens[depth]--; command = 0 }
      else if (casepat) { casepat = 0; start_command() }
      else if (depth > 0) pop()
      continue
    }
    word = word c
  }
  end_word("")
}

function push(k) {
  depth++; kind[depth] = k; parens[depth] = 0
  saved_word[depth] = word; saved_plain[depth] = plain; saved_command[depth] = command
  saved_wrapper[depth] = wrapper; saved_redirect[depth] = redirect
  word = ""; plain = 1; redirect = 0
  if (k == "code") start_command()
}

function pop() {
  if (kind[depth] == "code") end_word("")
  word = saved_word[depth]; plain = saved_plain[depth]; command = saved_command[depth]
  wrapper = saved_wrapper[depth]; redirect = saved_redirect[depth]
  depth--
}

function pop_test() { depth--; command = 0 }

function start_command() { command = 1; wrapper = ""; option_value = 0 }
function reset_command() { command = 1; wrapper = ""; casepat = 0; pendingcase = 0 }

function end_word_if(cond) { if (cond) end_word("") }

# The word just read is complete; decides what it means where it stands.
function end_word(terminator,   w) {
  w = word; word = ""
  if (w == "") { return }
  if (redirect) { redirect = 0; plain = 1; return }
  if (casepat) { if (w == "esac") { casepat = 0; command = 0 }; plain = 1; return }
  if (!command) {
    if (w == "in" && pendingcase) { pendingcase = 0; casepat = 1 }
    plain = 1; return
  }
  if (wrapper != "") {  # options and counts of a command that runs another
    if (option_value) { option_value = 0; plain = 1; return }
    if (w ~ /^-/ || (wrapper == "timeout" && w ~ /^[0-9.]+[smhd]?$/) || w ~ /^[A-Za-z_][A-Za-z0-9_]*=/) {
      option_value = (wrapper ":" w) ~ /^(env:-[uC]|timeout:-[sk]|sudo:-[ug]|nice:-n)$/
      plain = 1; return
    }
    wrapper = ""
  }
  if (w ~ /^[A-Za-z_][A-Za-z0-9_]*\+?=/) { plain = 1; return }  # an assignment before the command
  if (w == "[[") { push("test"); plain = 1; return }
  if (w ~ /^(if|then|else|elif|do|while|until|!|\{|time)$/) { plain = 1; return }
  if (w == "case") { pendingcase = 1; command = 0; plain = 1; return }
  if (w ~ /^(for|select|function|\}|fi|done|esac)$/) { command = 0; plain = 1; return }
  if (plain && (w !~ /\// || w ~ /^\//)) print file ":" line " " w
  if (w ~ /^"?(exec|command|sudo|\$sudo|env|timeout|nice|nohup|xargs|dbus-run-session)"?$/) wrapper = w
  else command = 0
  plain = 1
}
