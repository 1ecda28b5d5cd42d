#!/usr/bin/env bash
# The manual pages format without a warning, and vnlsim(8) names every
# command that vnlsim's own usage lists.
#   manpages_test.sh DOCS_DIR VNLSIM
set -u
docs=$1 vnlsim=$2
failures=0

for page in "$docs"/vnlcli.8 "$docs"/vnlsim.8; do
    warnings=$(groff -man -ww -z "$page" 2>&1)
    if [[ -n $warnings ]]; then
        echo "FAIL: $page: $warnings"
        failures=$((failures + 1))
    fi
done

# The usage lines are "  COMMAND ARGUMENTS  summary"; the page writes a hyphen as \-.
for command in $("$vnlsim" help | sed -n 's/^  \([a-z-]*\) .*/\1/p'); do
    if ! grep -qF -- "${command//-/\\-}" "$docs/vnlsim.8"; then
        echo "FAIL: vnlsim.8 does not document $command"
        failures=$((failures + 1))
    fi
done

exit $((failures > 0))
