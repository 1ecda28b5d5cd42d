#!/usr/bin/env bash
# The packages carry the version that vnlcli reports.
#   version_test.sh VNLCLI PACKAGE_VERSION
set -u
vnlcli=$1 version=$2
# A lock of its own, so that no other run of the suite counts as another instance.
dir=$(mktemp -d) && trap 'rm -rf "$dir"' EXIT
touch "$dir/ZQVVNL_MUTEX"
report=$(VNLXE_LOCK_FILES_DIR=$dir/ "$vnlcli" version </dev/null)
if ! grep -qxF "   VNL CLI Version: $version" <<<"$report"; then
    echo "FAIL: the package version is $version; vnlcli reports:"
    echo "$report"
    exit 1
fi
