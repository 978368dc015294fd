#!/bin/sh
# Writes the SUBCOMMANDS section of zerb32-cli(1) for help2man --include:
# each command that `zerb32-cli --help` lists, its usage and options as its
# own --help gives them, and an example of it.
# Usage: subcommands-h2m.sh ZERB32_CLI OUTPUT
set -eu
cli=$1 output=$2

# An example of each command: the command line, then what it does.
example() {
  case $1 in
    merge) echo 'zerb32-cli merge 42.*.log \-\-fill\-gaps \-o 42\-all.csv|The downloads of site 42 as one series, gaps filled with empty rows.' ;;
    import) echo 'zerb32-cli import \-\-db site.db \-\-tz Europe/Berlin 42.*.log|Adds the logs to the SQLite store site.db (made if missing), the clock kept as Berlin time.' ;;
    export) echo 'zerb32-cli export \-\-db postgresql://meter@db/history \-\-site 42 \-\-from "2026-11-01 06:00" \-\-style excel \-o nov.csv|Site 42 from the PostgreSQL store, from 1 November 06:00 on, for a spreadsheet.' ;;
    history) echo 'zerb32-cli history \-\-db site.db|The sites of the store: logs, readings, time span, gaps and channels.' ;;
    watch) echo 'zerb32-cli watch \-\-db site.db \-\-settle 5 /srv/incoming|Stores the logs under /srv/incoming, then each one that arrives once it has been unchanged for 5 seconds.' ;;
    *) echo "no example for the command $1" >&2; exit 1 ;;
  esac
}

# Options of one help text as .TP entries: "  -o,--output TEXT   text" lines,
# a description on the next line where the option is long.
options() {
  awk '
    /^[^ ]/ { section = $0; next }
    section == "Positionals:" || section == "" { next }
    /^  +-/ {
      line = $0; sub(/^ +/, "", line)
      split(line, parts, /  +/)
      gsub(/-/, "\\-", parts[1])
      printf ".TP\n.B %s\n", parts[1]
      if (parts[2] != "") print parts[2]
      next
    }
    /^ +[^ ]/ { line = $0; sub(/^ +/, "", line); print line }
  '
}

{
  echo '[SUBCOMMANDS]'
  "$cli" --help | awk '/^Subcommands:/ { on = 1; next } on && /^  [a-z]/ { print $1 }' | while read -r command; do
    [ "$command" = help ] && continue
    help=$("$cli" "$command" --help)
    echo ".SS $command"
    echo "$help" | sed -n '1p'
    echo '.PP'
    echo "$help" | sed -n 's/^Usage: \(.*\)/.B \1/p' | sed 's/-/\\-/g'
    echo "$help" | options
    ex=$(example "$command")
    echo '.PP'
    echo 'Example:'
    echo '.TP'
    echo ".B ${ex%%|*}"
    echo "${ex#*|}"
  done
  echo '.SS help'
  echo '.B zerb32-cli help'
  echo '[COMMAND] prints the converter'"'"'s help, or that of COMMAND, as'
  echo '.B zerb32-cli'
  echo 'COMMAND'
  echo '.B \-\-help'
  echo 'does.'
} >"$output"
