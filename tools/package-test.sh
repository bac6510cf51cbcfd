#!/bin/sh
# Builds the Debian package from a finished build, unpacks it into a scratch root with dpkg -x
# and runs the unpacked programs from there, as a user with a home of their own: the installed
# program must find its template, Qt's translations and its icon from its own prefix.
#   tools/package-test.sh BUILD_DIR [PACKAGE.deb]
set -eu
build=$(cd "${1:?usage: tools/package-test.sh BUILD_DIR [PACKAGE.deb]}" && pwd)
deb=${2:-}
scratch=$(mktemp -d /tmp/quarzil-package.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
failures=0
checks=0

pass() { checks=$((checks + 1)); echo "ok: $1"; }
fail() { checks=$((checks + 1)); failures=$((failures + 1)); echo "FAIL: $1" >&2; }
check() { # description, command...
  what=$1; shift
  if "$@" >"$scratch/out" 2>&1; then pass "$what"; else fail "$what"; sed 's/^/  | /' "$scratch/out" >&2; fi
}

if [ -z "$deb" ]; then
  cpack --config "$build/CPackConfig.cmake" -B "$scratch/cpack" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; echo "FAIL: cpack"; exit 1; }
  deb=$(ls "$scratch"/cpack/*.deb)
fi
echo "package: $(basename "$deb")"

# --- the package's control data ---
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libqt6sql6 libqt6printsupport6 libqt6serialport6 libsane1 libsqlite3-0 \
           libpq5 libmdb3 libc6 \
           libqt6sql6-sqlite libqt6sql6-psql qt6-image-formats-plugins qt6-translations-l10n \
           fonts-liberation2; do
  case ", $depends," in
    *", $dep "* | *", $dep,"*) pass "depends on $dep" ;;
    *) fail "depends on $dep (Depends: $depends)" ;;
  esac
done
version=$(dpkg-deb -f "$deb" Version)
dpkg-deb -e "$deb" "$scratch/control"
extra=$(ls "$scratch/control" | grep -v -x -e control -e md5sums || true)
if [ -z "$extra" ]; then pass "no maintainer scripts"; else fail "maintainer scripts: $extra"; fi

# apt would install it here with nothing else to fetch: every dependency is met (a simulation,
# nothing is installed).
if apt-get install -s "$deb" >"$scratch/apt.log" 2>&1 &&
   grep -q '^0 upgraded, 1 newly installed, 0 to remove' "$scratch/apt.log"; then
  pass "apt installs it with the dependencies already present"
else
  fail "apt simulation"; sed 's/^/  | /' "$scratch/apt.log" >&2
fi

# --- the files ---
root="$scratch/root"
dpkg -x "$deb" "$root"
id=it.quarzil.Quarzil
for f in bin/quarzil bin/quarzil-cli share/quarzil/Database/Quarzil.db share/quarzil/RelNotes.html \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg; do
  if [ -f "$root/usr/$f" ]; then pass "installs /usr/$f"; else fail "installs /usr/$f"; fi
done
for png in "$root"/usr/share/icons/hicolor/*x*/apps/$id.png; do
  dir=$(basename "$(dirname "$(dirname "$png")")")
  size=$(identify -format '%wx%h' "$png" 2>/dev/null || echo unreadable)
  if [ "$size" = "$dir" ]; then pass "icon $dir"; else fail "icon $dir is $size"; fi
done
icon=$(sed -n 's/^Icon=//p' "$root/usr/share/applications/$id.desktop")
if [ "$icon" = "$id" ]; then pass "desktop entry names the installed icon"; else fail "Icon=$icon"; fi
check "desktop entry valid" desktop-file-validate "$root/usr/share/applications/$id.desktop"
check "metainfo valid" appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
if file "$root/usr/bin/quarzil" | grep -q 'not stripped'; then fail "programs stripped"; else pass "programs stripped"; fi

# --- the unpacked programs, as a new user ---
home="$scratch/home"
mkdir -p "$home/config" "$home/data" "$home/cache" "$home/runtime"
chmod 700 "$home/runtime"
run() {
  env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$home" XDG_CONFIG_HOME="$home/config" \
    XDG_DATA_HOME="$home/data" XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" \
    QT_QPA_PLATFORM=offscreen QUARZIL_NONINTERACTIVE=1 QUARZIL_MACHINE_CONFIG="$home/none.ini" \
    QUARZIL_INSTANCE_NAME="qz_package_$$" "$@"
}

out=$(run "$root/usr/bin/quarzil" --version 2>&1 || true)
if [ "$out" = "Quarzil $version" ]; then pass "quarzil --version: $out"; else fail "quarzil --version: $out (package $version)"; fi

if run timeout 60 "$root/usr/bin/quarzil" --nosplash --quit-after-start >"$scratch/start.log" 2>&1; then
  pass "quarzil starts and quits"
else
  fail "quarzil starts and quits (exit $?)"
fi
sed 's/^/  quarzil: /' "$scratch/start.log"
if grep -q "qtbase_it" "$scratch/start.log"; then fail "Qt's translations found"; else pass "Qt's translations found"; fi
archive="$home/data/Norvisk/Quarzil/Quarzil.db"
if [ -f "$archive" ]; then pass "first start made the archive from the template"; else fail "no archive at $archive"; fi
ini="$home/config/Norvisk/Quarzil.ini"
directory=$(sed -n 's/^Directory=//p' "$ini" 2>/dev/null)
if [ "$directory" = "$root/usr/share/quarzil/" ]; then pass "installation folder $directory"
else fail "installation folder is '$directory', not $root/usr/share/quarzil/"; fi
closed=$(sed -n 's/^CloseUnregular=//p' "$ini" 2>/dev/null)
if [ "$closed" = 0 ]; then pass "regular exit"; else fail "CloseUnregular=$closed after the exit"; fi

if run "$root/usr/bin/quarzil-cli" info >"$scratch/info.log" 2>&1 && grep -q "$archive" "$scratch/info.log"; then
  pass "quarzil-cli info on the new archive"
else
  fail "quarzil-cli info"; sed 's/^/  | /' "$scratch/info.log" >&2
fi

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
