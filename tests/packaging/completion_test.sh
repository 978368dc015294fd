#!/usr/bin/env bash
# The bash completion of packaging/completion/zerb32-cli, driven as bash
# drives it (COMP_WORDS, COMP_CWORD), on the real zerb32-cli and on a
# stand-in whose help has subcommands and more options, as later builds do.
# Usage: completion_test.sh SOURCE_DIR ZERB32_CLI
set -uo pipefail
source_dir=$(realpath "$1") cli=$(realpath "$2")
source "$source_dir/packaging/completion/zerb32-cli"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
mkdir sub && touch a.log B.LOG notes.txt 42.STE
cat >fake <<'HELP'
#!/bin/sh
if [ "$1" = merge ]; then
  printf 'Usage: fake merge [OPTIONS] LOG...\n\nOptions:\n  --fill-gaps                 fill gaps\n  --db TEXT                   database\n'
  exit 0
fi
cat <<'TEXT'
Usage: fake [OPTIONS] [SUBCOMMAND]

Options:
  -h,--help                   Print this help message and exit
  --style TEXT                layout
  --tz TEXT                   time zone
  -j,--jobs UINT              jobs
  -o,--output TEXT            output path
  --sep TEXT:{comma,semicolon,tab}
                              separator

Subcommands:
  merge                       merge logs
  history                     show history
TEXT
HELP
chmod +x fake

failures=0
# check WORDS... -- WANT...: completing the last word gives every WANT
# (a "!" before it: never gives it).
check() {
  local words=() want=()
  while [[ $1 != -- ]]; do words+=("$1"); shift; done
  shift
  COMP_WORDS=("${words[@]}") COMP_CWORD=$((${#words[@]} - 1)) COMPREPLY=()
  case ${words[0]} in zerb32) _zerb32_window ;; *) _zerb32_cli ;; esac
  local got=" ${COMPREPLY[*]-} " w
  for w in "$@"; do
    if [[ $w == !* ]]; then
      [[ $got != *" ${w#!} "* ]] && continue
    else
      [[ $got == *" $w "* ]] && continue
    fi
    echo "FAIL: ${words[*]} -> got:$got wanted: $w"
    failures=$((failures + 1))
  done
}

zone=$(ls /usr/share/zoneinfo/Europe/London >/dev/null 2>&1 && echo Europe/London)
check "$cli" --da -- --datetime '!--no-headers'
check "$cli" -d '' -- off serial text iso '!a.log'
check "$cli" '' -- merge import export history help a.log
check "$cli" help '' -- merge export '!a.log'
check "$cli" merge - -- --fill-gaps --output '!--skip' '!--jobs' '!--xml' '!--info'
check "$cli" merge --o -- --output '!--overlap'
check "$cli" -v import --d -- --db
check "$cli" --style '' -- classic excel excel-eu pandas long xlsx
check "$cli" --units '' -- off row inline
check "$cli" export --sep '' -- comma tab semicolon
check "$cli" import --db '' -- notes.txt sub '!a.log' '!B.LOG'
check "$cli" --site '' -- 42.STE sub '!a.log' '!notes.txt'
check "$cli" export --site '' -- '!42.STE' '!a.log' '!notes.txt'
check "$cli" --output-dir '' -- sub '!notes.txt' '!a.log'
check "$cli" --name '' -- '!a.log' '!notes.txt'
check "$cli" --datetime = s -- serial '!text'
check "$cli" '' -- a.log B.LOG sub '!notes.txt'
check "$cli" -o '' -- notes.txt a.log
check ./fake --st -- --style '!--sep'
check ./fake --style e -- excel excel-eu '!classic'
check ./fake --sep '' -- comma semicolon tab
check ./fake -j '' -- '!a.log' '!notes.txt'
check ./fake '' -- merge history a.log
check ./fake merge --f -- --fill-gaps '!--style' '!--db'
check ./fake merge '' -- a.log '!merge'
[[ -n $zone ]] && check ./fake --tz Europe/Lo -- "$zone" '!posix/Europe/London'
[[ -n $zone ]] && check "$cli" export --tz Europe/Lo -- "$zone"
check zerb32 '' -- a.log sub '!notes.txt'
check zerb32 a.log '' -- '!a.log'

[[ $failures -eq 0 ]] && echo "completion: all cases passed"
exit $((failures > 0))
