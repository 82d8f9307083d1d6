#!/usr/bin/env bash
# Installs a build into temporary prefixes and checks the desktop files and the programs.
#   check-install.sh CMAKE BUILD_DIR APP_ID MIME_TYPE
# Exit 0: all good; 1: a fault (each one printed), or a checking tool is missing: the
# project installs them all (scripts/install-deps), so a missing one is a fault of the set-up.
set -uo pipefail
cmake=$1 build=$2 id=$3 mime=$4
[[ -n $id && -n $mime ]] || { echo "FAIL: desktop/ is not part of the build" >&2; exit 1; }
for tool in desktop-file-validate appstreamcli xmllint setfattr getfattr; do
  command -v $tool >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
faults=0
fail() { echo "FAIL: $*" >&2; faults=$((faults + 1)); }
# Where the file system keeps no user attributes, the programs' file type is not checked.
touch "$work/probe"
setfattr -n user.pciz_probe -v 1 "$work/probe" 2>/dev/null && xattrs=yes || xattrs=no

# put NAME PREFIX WANT [ENV...]: installs the build, then both programs must be in
# PREFIX/bin with user.mime_type WANT ("" = none).
put() {
  local name=$1 root=$2 want=$3 p
  shift 3
  env "$@" "$cmake" --install "$build" --prefix "${root#"$work"/stage}" >"$work/$name.log" 2>&1 ||
    { cat "$work/$name.log" >&2; fail "$name: cmake --install failed"; return 1; }
  for p in pcizorvane pcizorvane-sim; do
    [[ -x $root/bin/$p ]] || fail "$name: $root/bin/$p is not installed"
    [[ $xattrs == no || $(getfattr --only-values -n user.mime_type "$root/bin/$p" 2>/dev/null) == "$want" ]] ||
      fail "$name: $root/bin/$p: user.mime_type is not '$want'"
  done
}

prefix=$work/prefix
if put plain "$prefix" "$mime"; then
  desktop=$prefix/share/applications/$id.desktop
  metainfo=$prefix/share/metainfo/$id.metainfo.xml
  icon=$prefix/share/icons/hicolor/scalable/apps/$id.svg
  { out=$(desktop-file-validate "$desktop" 2>&1) && ! grep -qE ': (error|warning):' <<<"$out"; } ||
    fail "desktop-file-validate rejects $desktop: $out"
  { grep -qx "Icon=$id" "$desktop" && grep -qx 'Exec=pcizorvane' "$desktop"; } ||
    fail "$desktop does not start pcizorvane with its icon"
  appstreamcli validate-tree --no-net --strict "$prefix" || fail "appstreamcli rejects $metainfo"
  for p in pcizorvane pcizorvane-sim; do
    [[ $(xmllint --xpath "count(/component/provides/binary[.='$p'])" "$metainfo") == 1 ]] ||
      fail "$metainfo does not provide $p"
  done
  [[ $(xmllint --xpath 'local-name(/*)' "$icon") == svg ]] || fail "$icon is no SVG"
fi

# DESTDIR stages everything, the attribute too; where setfattr fails, the install goes on
# without the attribute and says why.
staged=/opt/pcizorvane-check-$$
put destdir "$work/stage$staged" "$mime" DESTDIR="$work/stage"
[[ ! -e $staged ]] || fail "DESTDIR: files were written to $staged itself"
mkdir "$work/fakebin" && printf '#!/bin/sh\necho "Operation not supported" >&2; exit 1\n' >"$work/fakebin/setfattr"
chmod +x "$work/fakebin/setfattr"
put refused "$work/refused" "" PATH="$work/fakebin:$PATH" &&
  { grep -q 'Operation not supported' "$work/refused.log" || fail "refused: the install does not say why"; }
((faults == 0)) || { echo "$faults fault(s)" >&2; exit 1; }
echo "OK: layout, launcher, metainfo, icon and user.mime_type (xattrs here: $xattrs)"
