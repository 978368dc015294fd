#!/usr/bin/env bash
# zerb32-cli(1) against the program: every option of the converter's help
# and of each command's help is on the page, and every command has its
# section and an example.
# Usage: man_test.sh ZERB32_CLI_PAGE_GZ ZERB32_CLI
set -uo pipefail
page=$(zcat "$1" | sed 's/\\-/-/g; s/\\f[BIRP]//g') cli=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The option names of a help text, one a line.
options() { awk '/^ +-/ { sub(/^ +/, ""); sub(/[ =].*/, ""); n = split($0, name, ","); for (i = 1; i <= n; i++) print name[i] }'; }

commands=$("$cli" --help | awk '/^Subcommands:/ { on = 1; next } on && /^  [a-z]/ { print $1 }')
[[ -n $commands ]] || fail "--help lists no commands"
for option in $("$cli" --help | options); do
  grep -qF -- "$option" <<<"$page" || fail "the page lacks the converter's $option"
done
for command in $commands; do
  [[ $command == help ]] && continue
  section=$(awk -v c="$command" '$0 == ".SS " c { on = 1; next } /^\.S[SH] / { on = 0 } on' <<<"$page")
  [[ -n $section ]] || { fail "no section for $command"; continue; }
  for option in $("$cli" "$command" --help | options); do
    grep -qF -- "$option" <<<"$section" || fail "the $command section lacks $option"
  done
  grep -qF -- "zerb32-cli $command " <<<"$section" || fail "the $command section has no example"
done
for heading in STYLES "STORE ADDRESSES" ENVIRONMENT FILES "EXIT STATUS" EXAMPLES; do
  grep -q "^\.SH \"\?$heading\"\?$" <<<"$page" || fail "no $heading section"
done
[[ $failures -eq 0 ]] && echo "man: all options and commands are on the page"
exit $((failures > 0))
