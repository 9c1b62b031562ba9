#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that the program, its
# desktop entry and its icon land where a desktop looks for them, and that
# the installed entry is valid.
#
# Usage: install_rules_test.sh BUILD_FOLDER
set -euo pipefail

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$1" --prefix "$prefix" >/dev/null
for file in bin/quorrel share/applications/io.github.quorrel.Quorrel.desktop \
    share/icons/hicolor/scalable/apps/quorrel.svg share/icons/hicolor/256x256/apps/quorrel.png; do
    [ -f "$prefix/$file" ] || { echo "install_rules: $file not installed" >&2; exit 1; }
done
[ -x "$prefix/bin/quorrel" ] || { echo "install_rules: bin/quorrel not executable" >&2; exit 1; }
desktop-file-validate "$prefix/share/applications/io.github.quorrel.Quorrel.desktop"
