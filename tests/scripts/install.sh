#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a user gets: the viewer and
# render_view, a valid desktop entry, the icon in the hicolor theme and a manual page that
# names every option; the options answer as the manual says.
#   install.sh <build dir>
set -euo pipefail

BUILD=$(cd "${1:?build folder}" && pwd)
SRC=$(cd "$(dirname "$0")/../.." && pwd)
PREFIX=$(mktemp -d /tmp/pano_install_XXXXXX)
trap 'rm -rf "$PREFIX"' EXIT

fail() {
  echo "FAIL: $*"
  exit 1
}

cmake --build "$BUILD" --target panorama render_view >/dev/null
cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null

for f in bin/panorama bin/render_view share/applications/tessarin-panorama.desktop \
  share/icons/hicolor/scalable/apps/tessarin-panorama.svg share/man/man1/panorama.1; do
  [ -f "$PREFIX/$f" ] || fail "$f is not installed"
done
[ -x "$PREFIX/bin/panorama" ] && [ -x "$PREFIX/bin/render_view" ] || fail "programs are not executable"

# The desktop entry: valid, opens the three picture types, names the installed icon.
DESKTOP="$PREFIX/share/applications/tessarin-panorama.desktop"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$DESKTOP" || fail "desktop-file-validate rejects the entry"
else
  echo "note: desktop-file-validate missing, entry checked by hand only"
fi
grep -qx 'Type=Application' "$DESKTOP" || fail "entry is not an application"
grep -qx 'Exec=panorama %f' "$DESKTOP" || fail "entry does not pass one file"
for mime in image/bmp image/jpeg image/png; do
  grep -q "^MimeType=.*$mime;" "$DESKTOP" || fail "entry does not open $mime"
done
grep -q '^Categories=.*Viewer;' "$DESKTOP" || fail "entry is not in the viewer category"
grep -qx 'Icon=tessarin-panorama' "$DESKTOP" || fail "entry names another icon"
if command -v xmllint >/dev/null; then
  xmllint --noout "$PREFIX/share/icons/hicolor/scalable/apps/tessarin-panorama.svg" || fail "icon is not valid SVG"
fi

# The manual page renders without warnings and names every option of --help.
MAN="$PREFIX/share/man/man1/panorama.1"
if command -v groff >/dev/null; then
  warnings=$(groff -man -Tutf8 -ww -z "$MAN" 2>&1)
  [ -z "$warnings" ] || fail "manual page warnings: $warnings"
fi
HELP=$("$PREFIX/bin/panorama" --help) || fail "--help does not end with 0"
options=$(grep -o -- '--[a-z]\+' <<<"$HELP" | sort -u)
[ -n "$options" ] || fail "--help names no options"
for opt in $options; do
  grep -q -- "${opt//-/\\\\-}" "$MAN" || fail "manual page does not name $opt"
done

# --version gives the project's version.
version=$(sed -n 's/^project([a-z_]* VERSION \([0-9.]*\).*/\1/p' "$SRC/CMakeLists.txt")
[ "$("$PREFIX/bin/panorama" --version)" = "panorama (Tessarin Panorama Player) $version" ] ||
  fail "--version does not give $version"

# An unknown option: exit code 2, a message on standard error, nothing on standard output.
set +e
out=$("$PREFIX/bin/panorama" --frobnicate 2>"$PREFIX/err.txt")
code=$?
set -e
[ "$code" -eq 2 ] || fail "unknown option ended with $code, not 2"
[ -z "$out" ] || fail "unknown option wrote to standard output"
grep -q "unknown option '--frobnicate'" "$PREFIX/err.txt" || fail "unknown option not reported"

# The README's install section names these very places.
for f in panorama.1 tessarin-panorama.desktop; do
  grep -q "$f" "$SRC/README.md" || fail "README does not mention $f"
done
echo "install: ok ($PREFIX)"
