#!/usr/bin/env bash
# Installs a build into a temporary prefix and runs the installed programs from there, so that a broken
# install layout fails: the files of the tree, the launcher entry and AppStream file, `nestling-cli
# tables`, a report written to the per-user folder, and the window program started offscreen until its
# main window is shown and the database is loaded. Usage: tools/check-install.sh BUILD_FOLDER
set -euo pipefail
build=$(realpath "${1:?usage: tools/check-install.sh BUILD_FOLDER}")
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
prefix=$root/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/nestling bin/nestling-cli share/nestling/data/namedata.db share/nestling/Help/用户手册.mht \
    share/applications/org.nestling.Nestling.desktop share/metainfo/org.nestling.Nestling.metainfo.xml \
    share/icons/hicolor/scalable/apps/nestling.svg share/icons/hicolor/48x48/apps/nestling.png \
    share/man/man1/nestling-cli.1.gz share/doc/nestling/copyright; do
    [ -e "$prefix/$file" ] || { echo "check-install: $file is not installed" >&2; exit 1; }
done
desktop-file-validate "$prefix/share/applications/org.nestling.Nestling.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.nestling.Nestling.metainfo.xml"

# The installed programs run from elsewhere, with per-user folders of their own.
export HOME=$root/home XDG_CONFIG_HOME=$root/config XDG_DATA_HOME=$root/data XDG_RUNTIME_DIR=$root/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
cd "$root"
"$prefix/bin/nestling-cli" tables | grep -q "^XW_CNWord	[1-9]" ||
    { echo "check-install: nestling-cli tables read no characters" >&2; exit 1; }
"$prefix/bin/nestling-cli" report 李 明华 >/dev/null
[ -s "$XDG_DATA_HOME/nestling/temp.html" ] ||
    { echo "check-install: the report was not written to the per-user folder" >&2; exit 1; }
QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 NESTLING_START_CHECK=1 timeout 120 "$prefix/bin/nestling"
echo "check-install: the installed tree works"
