#!/usr/bin/env bash
# Builds the Debian package and the portable archive from the release build, into build/release:
#   vantrel-scriptloom_VERSION_ARCH.deb                  the installed layout (menu entry, man page)
#   vantrel-scriptloom-VERSION-linux-MACHINE.tar.gz      a folder with the program, its config/
#                                                        and its starting-points/
# With --check (as CI runs it) it then checks them, and exits non-zero at the first fault:
# - the menu entry and the AppStream data validate, and lintian finds no error;
# - the .deb unpacked into a temporary root, started through its menu entry's Exec line under
#   xvfb-run with a temporary HOME, lists the shipped game sets, copies them into
#   ~/.local/share/vantrel-scriptloom/config (and the starting points beside it), saves a set from
#   the game set editor there and keeps it at the next start, where a shipped set the player
#   deleted stays deleted;
# - the portable archive, unpacked, holds its starting points, runs from its own folder and saves
#   into its own config/.
# The program is driven by build/release/tests/libpackage_driver.so (tests/package/).
set -euo pipefail
cd "$(dirname "$0")/.."

check=no
case ${1:-} in
    --check) check=yes ;;
    "") ;;
    *)
        echo "usage: scripts/package.sh [--check]" >&2
        exit 2
        ;;
esac

deps=(dpkg-dev file)
[ $check = yes ] && deps+=(lintian desktop-file-utils appstream xvfb xauth)
scripts/install-deps.sh "${deps[@]}"

cmake --preset release
cmake --build --preset release
(
    cd build/release
    rm -f vantrel-scriptloom_*.deb vantrel-scriptloom-*.tar.gz
    cpack -G DEB
    cpack -G TGZ
)
deb=$(ls build/release/vantrel-scriptloom_*.deb)
archive=$(ls build/release/vantrel-scriptloom-*.tar.gz)
echo "== built $deb and $archive"
[ $check = yes ] || exit 0

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
driver=$PWD/build/release/tests/libpackage_driver.so
fail() {
    echo "== package check FAILED: $*"
    exit 1
}

# Starts the program under a virtual display with its own HOME and the driver loaded. The
# driver writes the game sets the picker lists to $work/listed and, given a name, saves a game set.
mkdir -m 700 "$work/runtime"
run_program() { # HOME PROGRAM [SAVE-NAME]
    env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$1" XDG_RUNTIME_DIR="$work/runtime" \
        LD_PRELOAD="$driver" \
        SCRIPTLOOM_DRIVE_LIST="$work/listed" SCRIPTLOOM_DRIVE_SAVE="${3:-}" \
        timeout 90 xvfb-run -a "$2" || fail "$2 did not run to the end (exit code $?)"
}
expect_listed() { # the names, one a line
    diff <(LC_ALL=C sort "$work/listed") <(LC_ALL=C sort) || fail "the picker listed other sets"
}

echo "== validating the menu entry, the AppStream data and the package"
root=$work/root
dpkg-deb -x "$deb" "$root"
desktop=$(ls "$root"/usr/share/applications/*.desktop)
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
lintian --fail-on error --display-level ">=warning" "$deb" || fail "lintian found an error"

echo "== the installed layout, started through the menu entry"
# The Exec line with its field codes (%f) dropped, run with the unpacked bin/ first in PATH.
command=$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ *%[fFuUick]//g')
[ -x "$root/usr/bin/$command" ] || fail "the menu entry runs '$command', which is not in usr/bin"
shipped=$root/usr/share/vantrel-scriptloom/config
home=$work/home
sets=$home/.local/share/vantrel-scriptloom/config
mkdir -p "$home"
# --help needs no display, and names the folder the game sets are kept in.
env -u DISPLAY -u WAYLAND_DISPLAY PATH="$root/usr/bin:$PATH" HOME="$home" "$command" --help | grep -qF "Game sets are kept in $sets" ||
    fail "--help does not name $sets"

PATH="$root/usr/bin:$PATH" run_program "$home" "$command" mine.set
ls "$shipped" | expect_listed
for set in "$shipped"/*.set; do
    cmp -s "$set" "$sets/$(basename "$set")" || fail "$(basename "$set") was not copied to $sets"
done
grep -q '^END' "$sets/mine.set" || fail "the game set editor did not save mine.set into $sets"
points=$home/.local/share/vantrel-scriptloom/starting-points
for point in "$root"/usr/share/vantrel-scriptloom/starting-points/*.cfg; do
    cmp -s "$point" "$points/$(basename "$point")" || fail "$(basename "$point") was not copied to $points"
done

deleted=$(ls "$shipped" | head -n 1)
rm "$sets/$deleted"
cp "$sets/mine.set" "$work/mine.set"
PATH="$root/usr/bin:$PATH" run_program "$home" "$command"
{ ls "$shipped" | grep -vxF "$deleted"; echo mine.set; } | expect_listed
[ ! -e "$sets/$deleted" ] || fail "the deleted $deleted came back"
cmp -s "$sets/mine.set" "$work/mine.set" || fail "mine.set changed at the second start"

echo "== the portable archive"
mkdir "$work/portable" "$work/portable-home"
tar -xzf "$archive" -C "$work/portable"
folder=$(ls -d "$work"/portable/vantrel-scriptloom-*)
run_program "$work/portable-home" "$folder/vantrel-scriptloom" mine.set
ls "$folder/config" | grep -vxF mine.set | expect_listed
[ -f "$folder/starting-points/first-steps.cfg" ] || fail "the archive has no starting-points/ beside the program"
grep -q '^END' "$folder/config/mine.set" || fail "mine.set was not saved into the archive's config/"
[ ! -e "$work/portable-home/.local/share/vantrel-scriptloom" ] ||
    fail "the portable program wrote into the player's data folder"

echo "== package checks passed"
