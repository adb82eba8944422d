# Shared by the packaging tests: fail loudly, and check an installed tree.
# Expects SCARABINE_SOURCE_DIR, SCARABINE_VERSION, SCARABINE_APP_ID,
# SCARABINE_ICON, SCARABINE_EXECUTABLE, SCARABINE_INSTALL_BINDIR,
# SCARABINE_PRINT_MODULE and SCARABINE_MAN_SECTION from CTest.
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }

# A scratch folder that goes away however the test ends.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/scarabine-packaging.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

# Checks the tree under ROOT/usr: exactly the program, its print module, its launcher, its
# software-centre entry, its icons, its manual page and what Debian wants in
# its doc folder, each valid and each where a desktop looks.
check_tree() {
  local root=$1 usr=$1/usr
  local program=$SCARABINE_INSTALL_BINDIR/$SCARABINE_EXECUTABLE
  local desktop=share/applications/$SCARABINE_APP_ID.desktop
  local metainfo=share/metainfo/$SCARABINE_APP_ID.metainfo.xml
  local icons=share/icons/hicolor
  local man=share/man/man$SCARABINE_MAN_SECTION/$SCARABINE_EXECUTABLE.$SCARABINE_MAN_SECTION.gz
  local doc=share/doc/$SCARABINE_EXECUTABLE

  local expected=("$program" "$SCARABINE_PRINT_MODULE" "$desktop" "$metainfo" "$icons/scalable/apps/$SCARABINE_ICON.svg" "$man"
                  "$doc/copyright" "$doc/changelog.gz" "share/lintian/overrides/$SCARABINE_EXECUTABLE")
  local png size
  for png in "$SCARABINE_SOURCE_DIR"/assets/icon/hicolor/*/apps/"$SCARABINE_ICON".png; do
    [ -e "$png" ] || continue
    expected+=("$icons/${png#"$SCARABINE_SOURCE_DIR"/assets/icon/hicolor/}")
  done
  diff -u <(printf '%s\n' "${expected[@]}" | sort) <(cd "$usr" && find . -type f -printf '%P\n' | sort) \
    || fail "installed files differ from the expected list (-expected +installed)"
  [ -z "$(find "$root" -mindepth 1 -maxdepth 1 ! -name usr)" ] || fail "files installed outside /usr"

  [ -x "$usr/$program" ] || fail "program not executable"
  file -b "$usr/$program" | grep -q '^ELF .* executable' || fail "program is not an ELF executable"
  file -b "$usr/$SCARABINE_PRINT_MODULE" | grep -q '^ELF .* shared object' || fail "print module is not an ELF shared object"

  # Desktop environments want at least 48x48 in hicolor; every bitmap must be the size its folder says.
  [ -f "$usr/$icons/48x48/apps/$SCARABINE_ICON.png" ] || fail "no 48x48 icon"
  for png in "$usr/$icons"/*/apps/"$SCARABINE_ICON".png; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    file -b "$png" | grep -q "^PNG image data, ${size%x*} x ${size#*x}," \
      || fail "$png is not a ${size} PNG: $(file -b "$png")"
  done

  grep -qx "Exec=$SCARABINE_EXECUTABLE" "$usr/$desktop" || fail "launcher does not start the installed program"
  grep -qx "Icon=$SCARABINE_ICON" "$usr/$desktop" || fail "launcher names another icon"
  desktop-file-validate "$usr/$desktop" || fail "installed desktop file is invalid"
  # The whole tree: metainfo, the launcher it names, and the icon.
  appstreamcli validate-tree --no-net "$root" || fail "appstream rejects the installed tree"

  # The manual page renders without a complaint from man, and names every
  # option the installed program lists (which it does without a display).
  local warnings options option
  warnings=$(LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l -Tutf8 -Z "$usr/$man" 2>&1 >/dev/null) \
    || fail "man cannot read the manual page: $warnings"
  [ -z "$warnings" ] || fail "man warns about the manual page: $warnings"
  options=$(env -u DISPLAY -u WAYLAND_DISPLAY "$usr/$program" --help) || fail "$program --help failed"
  for option in $(grep -oE -- '--[a-z-]+' <<<"$options" | sort -u); do
    zcat "$usr/$man" | grep -qF -- "${option//-/\\-}" || fail "the manual page does not name $option"
  done
}
