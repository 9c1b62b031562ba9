#!/usr/bin/env bash
# Builds the Debian package with scripts/package, checks the files it
# holds, unpacks it into a scratch root and runs the unpacked quorrel-cli.
#
# Usage: package_test.sh SOURCE_FOLDER BUILD_FOLDER
set -euo pipefail

source=$1
build=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

fail() {
    echo "package: $*" >&2
    exit 1
}

package=$("$source/scripts/package" "$build" | tail -n 1)

expected=$(cat <<'FILES'
./usr/bin/quorrel
./usr/bin/quorrel-cli
./usr/share/applications/io.github.quorrel.Quorrel.desktop
./usr/share/bash-completion/completions/quorrel-cli
./usr/share/doc/quorrel/changelog.gz
./usr/share/doc/quorrel/copyright
./usr/share/icons/hicolor/256x256/apps/quorrel.png
./usr/share/icons/hicolor/scalable/apps/quorrel.svg
./usr/share/man/man1/quorrel-cli.1.gz
./usr/share/man/man1/quorrel.1.gz
./usr/share/metainfo/io.github.quorrel.Quorrel.metainfo.xml
FILES
)
files=$(dpkg-deb -c "$package" | awk '$1 !~ /^d/ {print $6}' | LC_ALL=C sort)
[ "$files" = "$expected" ] || fail "the package holds:
$files
not:
$expected"

dpkg-deb -x "$package" "$root"
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.quorrel.Quorrel.metainfo.xml" >/dev/null \
    || fail "the AppStream data does not validate"
version=$("$root/usr/bin/quorrel-cli" --version)
[ "$version" = "quorrel-cli $(dpkg-deb -f "$package" Version)" ] || fail "--version printed '$version'"
status=0
rows=$("$root/usr/bin/quorrel-cli" --format tsv 'a=1&b=2' 'a=1&b=3') || status=$?
[ "$status" -eq 1 ] || fail "a comparison with a difference ended with status $status, not 1"
[ "$rows" = $'id\ttype\tvalue1\tvalue2\tstate\n1\ta\t1\t1\t√\n2\tb\t2\t3\t×' ] || fail "the comparison printed:
$rows"
echo "package: $package passed"
