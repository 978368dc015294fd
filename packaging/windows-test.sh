#!/usr/bin/env bash
# zerb32-cli.exe under Wine, as on a Windows machine: the sample log, given
# by a Windows path (drive letter, backslashes), converts beside itself to
# the bytes of tests/golden in every option set of tests/golden/README.md,
# Ctrl-C in a batch leaves no temporary file and no partial output,
# an existing output is replaced, and the exit codes are those of Linux.
# Usage: windows-test.sh ZERB32_CLI_EXE [SOURCE_DIR]
set -uo pipefail
exe=$(realpath "$1")
root=$(realpath "${2:-.}")
wine=$(command -v wine64 || command -v wine) || { echo "windows-test: wine is not installed" >&2; exit 1; }

work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES='mscoree,mshtml='
cleanup() {
  wineserver -k 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A fresh prefix (the first start takes some seconds), kept up between the
# runs. The golden files were made with a 24-hour HH:MM:SS time of day, which
# the XML takes from the user's time format.
"$wine" wineboot --init >/dev/null 2>&1
wineserver -p 2>/dev/null
"$wine" reg add 'HKCU\Control Panel\International' /v sTimeFormat /d 'HH:mm:ss' /f >/dev/null 2>&1
logs=$WINEPREFIX/drive_c/logs
mkdir -p "$logs"
cp "$exe" "$WINEPREFIX/drive_c/zerb32-cli.exe"
cp "$root/samples/42.log" "$root/samples/42.STE" "$logs/"

failures=0 passed=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
# run ARGS...: zerb32-cli.exe with C:\logs as its folder; sets code, out
# and err (line ends as LF).
run() {
  (cd "$logs" && "$wine" 'C:\zerb32-cli.exe' "$@") >"$work/out" 2>"$work/err"
  code=$?
  out=$(tr -d '\r' <"$work/out")
  err=$(tr -d '\r' <"$work/err")
}

# convert GOLDEN OPTIONS...: converts C:\logs\42.log with the options; the
# output, 42.<extension of GOLDEN>, must be the golden file.
convert() {
  local golden=$1 ext=${1##*.}
  shift
  local extension=()
  [[ $ext != CSV ]] && extension=(-e "$ext")
  rm -f "$logs/42.$ext"
  run "$@" "${extension[@]}" 'C:\logs\42.log'
  if [[ $code -eq 2 && $err == *"not available in this build"* ]]; then
    echo "skipped: $golden (${*:-no options}): not in this build"
    return
  fi
  [[ $code -eq 0 ]] || { fail "$golden: exit $code: $err"; return; }
  [[ $out == "C:\logs\42.$ext" ]] || fail "$golden: printed '$out'"
  if cmp -s "$logs/42.$ext" "$root/tests/golden/$golden"; then
    passed=$((passed + 1))
  else
    fail "$golden: the output differs from tests/golden/$golden"
  fi
}

# The option sets: the rows "| `FILE` | OPTIONS | ..." of the golden README.
while IFS='|' read -r _ file options _; do
  file=$(tr -d ' `' <<<"$file")
  options=$(tr -d '`' <<<"$options")
  [[ $options == *'(none)'* ]] && options=''
  read -r -a args <<<"$options"
  convert "$file" "${args[@]}"
done < <(grep -E '^\| `[^`]+` \|' "$root/tests/golden/README.md")

# Once more over the existing output: it is replaced, same bytes.
convert 42-default.CSV

# A relative path, and a path with forward slashes.
rm -f "$logs/42.CSV"
run 42.log
[[ $code -eq 0 ]] && cmp -s "$logs/42.CSV" "$root/tests/golden/42-default.CSV" || fail "42.log (relative): exit $code"
run -o 'C:/logs/slash.CSV' 'C:/logs/42.log'
[[ $code -eq 0 ]] && cmp -s "$logs/slash.CSV" "$root/tests/golden/42-default.CSV" || fail "C:/logs/42.log: exit $code"

# Folders and names beyond ASCII: each log converts beside itself to the
# golden bytes, and the printed path is the name as given, in UTF-8.
for name in 'Büro\42.log' 'Gebäude Süd\42 Zähler.log' 'Kosten €\42 €.log' '東京 ビル\42 測定.log'; do
  folder=$WINEPREFIX/drive_c/${name%%\\*} stem=${name##*\\}
  mkdir -p "$folder"
  cp "$root/samples/42.log" "$folder/$stem"
  cp "$root/samples/42.STE" "$folder/"
  run "C:\\$name"
  output="$folder/${stem%.log}.CSV"
  [[ $code -eq 0 ]] || { fail "C:\\$name: exit $code: $err"; continue; }
  [[ $out == "C:\\${name%.log}.CSV" ]] || fail "C:\\$name: printed '$out'"
  cmp -s "$output" "$root/tests/golden/42-default.CSV" || fail "C:\\$name: the output differs"
done
# A message names such a path as typed: UTF-8 into a file, and legible on
# a console (a pseudo-terminal, which Wine's console turns the text into).
run 'C:\Gebäude Süd\fehlt ü.log'
[[ $code -eq 1 && $err == *'C:\Gebäude Süd\fehlt ü.log: cannot open the log'* ]] || fail "missing log beyond ASCII: exit $code: $err"
console=$(cd "$logs" && script -qec "stty cols 300; '$wine' 'C:\zerb32-cli.exe' 'C:\Gebäude Süd\fehlt ü.log'" /dev/null)
[[ $console == *'C:\Gebäude Süd\fehlt ü.log: cannot open the log'* ]] || fail "console message: $(cat -v <<<"$console")"
# A leading "/" starts a path, not an option: Wine reads it as a path of the
# Linux side, so the folder's own path names the log.
run -o - "$logs/42.log"
[[ $code -eq 0 ]] && cmp -s "$work/out" "$root/tests/golden/42-default.CSV" || fail "$logs/42.log: exit $code: $err"

# Standard output takes the same bytes: no CR added before each LF.
run -o - 'C:\logs\42.log'
[[ $code -eq 0 ]] && cmp -s "$work/out" "$root/tests/golden/42-default.CSV" || fail "-o -: standard output differs"

# Exit codes: 0 for --version and --info, 1 for a log that is not there
# (one line on standard error), 2 for usage errors.
expect_exit() {
  local want=$1
  shift
  run "$@"
  [[ $code -eq $want ]] || fail "zerb32-cli.exe $*: exit $code, not $want ($err)"
}
expect_exit 0 --version
expect_exit 0 --info 'C:\logs\42.log'
expect_exit 1 'C:\logs\missing.log'
[[ $err == *'C:\logs\missing.log'* ]] || fail "missing log: stderr '$err'"
expect_exit 2 --no-such-option 'C:\logs\42.log'
expect_exit 2 -d sometimes 'C:\logs\42.log'
expect_exit 2
# What the .exe does not carry: the history commands (no SQLite for MinGW)
# and named zones (no zone database).
for missing in "merge C:\\logs\\42.log -o C:\\logs\\all.CSV" "history --db C:\\logs\\site.db" \
               "-d iso --tz Europe/Berlin C:\\logs\\42.log"; do
  # shellcheck disable=SC2086
  expect_exit 2 $missing
  [[ $err == *'not available in this build'* ]] || fail "$missing: stderr '$err'"
done

# Ctrl-C in the middle of a batch (Wine passes SIGINT on as the console's
# Ctrl-C event): the program ends, no temporary file is left and every
# output it wrote is whole.
batch=$WINEPREFIX/drive_c/batch
mkdir -p "$batch"
for n in $(seq 1 300); do
  cp "$root/samples/42.log" "$batch/$n.log"
  cp "$root/samples/42.STE" "$batch/$n.STE"
done
(cd "$batch" && exec "$wine" 'C:\zerb32-cli.exe' $(ls "$batch" | grep '\.log$')) >/dev/null 2>&1 &
pid=$!
for _ in $(seq 1 400); do
  compgen -G "$batch/*.CSV" >/dev/null && break
  sleep 0.05
done
kill -INT "$pid"
wait "$pid"
code=$?
written=$(compgen -G "$batch/*.CSV" | wc -l)
[[ $code -ne 0 && $written -lt 300 ]] || fail "Ctrl-C: exit $code with $written of 300 outputs"
leftover=$(ls -A "$batch" | grep -v -e '\.log$' -e '\.STE$' -e '\.CSV$')
[[ -z $leftover ]] || fail "Ctrl-C left: $leftover"
for csv in "$batch"/*.CSV; do
  [[ -e $csv ]] || continue
  cmp -s "$csv" "$root/tests/golden/42-default.CSV" || fail "Ctrl-C: $(basename "$csv") is not whole"
done

echo "windows-test: $passed golden outputs identical, $failures failures"
[[ $failures -eq 0 ]]
