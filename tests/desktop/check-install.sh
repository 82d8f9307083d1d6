#!/usr/bin/env bash
# Installs a build into temporary prefixes and checks the desktop files and the programs.
#   check-install.sh CMAKE BUILD_DIR APP_ID MIME_TYPE
# Exit 0: all good; 1: a fault (each one printed), or a checking tool is missing: the
# project installs them all (scripts/install-deps), so a missing one is a fault of the set-up.
set -uo pipefail

if (($# != 4)); then
  echo "usage: $0 CMAKE BUILD_DIR APP_ID MIME_TYPE" >&2
  exit 2
fi
cmake=$1 build=$2 id=$3 mime=$4
if [[ -z $id || -z $mime ]]; then
  echo "FAIL: no application id or file type: desktop/ is not part of the build" >&2
  exit 1
fi

# tool:package
for need in desktop-file-validate:desktop-file-utils appstreamcli:appstream \
            xmllint:libxml2-utils setfattr:attr getfattr:attr; do
  if ! command -v "${need%%:*}" >/dev/null; then
    echo "FAIL: ${need%%:*} is not installed (Debian package ${need#*:})" >&2
    exit 1
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

faults=0
fail() { echo "FAIL: $*" >&2; faults=$((faults + 1)); }

# Does this file system keep user attributes? Where it does not, the attribute is not checked.
touch "$work/probe"
if setfattr -n user.pciz_probe -v 1 "$work/probe" 2>/dev/null; then
  xattrs=yes
else
  xattrs=no
  echo "NOTE: $(stat -f -c %T "$work") at $work keeps no user attributes; user.mime_type is not checked"
fi

programs=(pcizorvane pcizorvane-sim)

# do_install NAME PREFIX [ENV...]: installs the build, its log in $work/NAME.log.
do_install() {
  local name=$1 prefix=$2
  shift 2
  if ! env "$@" "$cmake" --install "$build" --prefix "$prefix" >"$work/$name.log" 2>&1; then
    cat "$work/$name.log" >&2
    fail "$name: cmake --install failed"
    return 1
  fi
}

# key NAME: the values of NAME= in the launcher; xp XPATH: a value from the metainfo.
key() { sed -n "s/^$1=//p" "$desktop"; }
xp() { xmllint --xpath "$1" "$metainfo" 2>/dev/null; }

# mime_type_of FILE: the file's user.mime_type, empty when it has none.
mime_type_of() { getfattr --only-values -n user.mime_type "$1" 2>/dev/null; }

# check_programs ROOT WANT: both programs in ROOT/bin, with user.mime_type WANT ("" = none).
check_programs() {
  local root=$1 want=$2 p got
  for p in "${programs[@]}"; do
    if [[ ! -f $root/bin/$p || ! -x $root/bin/$p ]]; then
      fail "$root/bin/$p is not an installed program"
      continue
    fi
    [[ $xattrs == yes ]] || continue
    got=$(mime_type_of "$root/bin/$p")
    [[ $got == "$want" ]] || fail "$root/bin/$p: user.mime_type is '$got', want '$want'"
  done
}

# ---- A plain install into a prefix -------------------------------------------------------
prefix=$work/prefix
if do_install plain "$prefix"; then
  check_programs "$prefix" "$mime"

  desktop=$prefix/share/applications/$id.desktop
  icon=$prefix/share/icons/hicolor/scalable/apps/$id.svg
  metainfo=$prefix/share/metainfo/$id.metainfo.xml
  for f in "$desktop" "$icon" "$metainfo"; do
    [[ -f $f ]] || fail "not installed: $f"
  done

  # The launcher: errors and warnings fail, hints are only shown.
  if [[ -f $desktop ]]; then
    out=$(desktop-file-validate "$desktop" 2>&1); rc=$?
    [[ -n $out ]] && echo "$out"
    if ((rc != 0)) || grep -qE ': (error|warning):' <<<"$out"; then
      fail "desktop-file-validate rejects $desktop"
    fi
    [[ $(key Icon) == "$id" ]] || fail "$desktop: Icon=$(key Icon), want $id"
    [[ $(key Name | head -n1) == "Pci Zorvane" ]] || fail "$desktop: Name is not Pci Zorvane"
    [[ $(key Terminal) == false ]] || fail "$desktop: Terminal is not false"
    # Every Exec (the entry's and its actions') names an installed program.
    execs=$(key Exec)
    [[ -n $execs ]] || fail "$desktop: no Exec"
    for e in $execs; do
      [[ $e == %* ]] && continue
      [[ -x $prefix/bin/$e ]] || fail "$desktop: Exec $e is not an installed program"
    done
    grep -qx 'Exec=pcizorvane' "$desktop" || fail "$desktop: the entry does not start pcizorvane"
  fi

  # The metainfo: anything above a pedantic hint fails.
  if [[ -f $metainfo ]]; then
    appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli validate rejects $metainfo"
    appstreamcli validate-tree --no-net --strict "$prefix" || fail "appstreamcli validate-tree rejects $prefix"
    [[ $(xp 'string(/component/id)') == "$id" ]] || fail "$metainfo: id is not $id"
    [[ $(xp 'string(/component/launchable[@type="desktop-id"])') == "$id.desktop" ]] ||
      fail "$metainfo: launchable is not $id.desktop"
    for p in "${programs[@]}"; do
      [[ $(xp "count(/component/provides/binary[.='$p'])") == 1 ]] ||
        fail "$metainfo: does not provide the binary $p"
    done
    for b in $(xp '/component/provides/binary/text()'); do
      [[ -x $prefix/bin/$b ]] || fail "$metainfo: provides $b, which is not installed"
    done
  fi

  # The icon: well-formed SVG, square.
  if [[ -f $icon ]]; then
    if xmllint --noout "$icon"; then
      [[ $(xmllint --xpath 'local-name(/*)' "$icon") == svg &&
         $(xmllint --xpath 'namespace-uri(/*)' "$icon") == http://www.w3.org/2000/svg ]] ||
        fail "$icon: the root is not an SVG element"
      read -r _ _ w h <<<"$(xmllint --xpath 'string(/*/@viewBox)' "$icon")"
      [[ -n ${w:-} && ${w:-} == "${h:-}" ]] || fail "$icon: viewBox is not square"
    else
      fail "$icon is not well-formed XML"
    fi
  fi
fi

# ---- DESTDIR: everything, the attribute too, goes under the staging folder -------------
staged=/opt/pcizorvane-check-$$
if do_install destdir "$staged" DESTDIR="$work/stage"; then
  check_programs "$work/stage$staged" "$mime"
  [[ -f $work/stage$staged/share/applications/$id.desktop ]] || fail "DESTDIR: launcher not staged"
  [[ ! -e $staged ]] || fail "DESTDIR: files were written to $staged itself"
fi

# ---- No setfattr on PATH: the install goes on, without the attribute --------------------
mkdir "$work/emptybin"
if do_install nosetfattr "$work/nosetfattr" PATH="$work/emptybin"; then
  check_programs "$work/nosetfattr" ""
fi

# ---- A file system that refuses user attributes (a setfattr that fails as it would there)
mkdir "$work/fakebin"
cat >"$work/fakebin/setfattr" <<'FAKE'
#!/bin/sh
for last; do :; done
echo "setfattr: $last: Operation not supported" >&2
exit 1
FAKE
chmod +x "$work/fakebin/setfattr"
if do_install refused "$work/refused" PATH="$work/fakebin:$PATH"; then
  check_programs "$work/refused" ""
  grep -q 'Operation not supported' "$work/refused.log" ||
    fail "refused: the install does not say why the attribute is missing"
fi

if ((faults > 0)); then
  echo "$faults fault(s)" >&2
  exit 1
fi
echo "OK: layout, launcher, metainfo, icon and user.mime_type (xattrs here: $xattrs)"
