#!/bin/sh
# Starts the installed program under PREFIX as a user with a fresh
# configuration folder, then ends it; nothing under the prefix may change,
# even when it could be written (as it can by root).
#   run-installed.sh offscreen PREFIX
#     on the offscreen platform: its intro screen reads the settings, and
#     "config.ini" lands in the configuration folder.
#   run-installed.sh display PREFIX
#     in a virtual X display (xvfb-run and xdotool): Continue on the intro
#     screen opens the main window, whose first start opens the release notes
#     the program ships in the browser (here a stand-in that notes the page).
set -eu
mode=$1; prefix=$2
work=$(mktemp -d)
pid=
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ -s "$work/program.log" ] && sed 's/^/  program: /' "$work/program.log"; exit 1; }

# Waits up to 30 s for a condition, as long as the program runs.
await() {
  n=0
  until eval "$1"; do
    kill -0 "$pid" 2>/dev/null || fail "the program ended before: $2"
    n=$((n + 1)); [ $n -gt 150 ] && fail "not within 30 s: $2"
    sleep 0.2
  done
}

listPrefix() { find "$prefix" -printf '%p %s %T@\n' | sort; }
prefixChanged() { ! listPrefix | cmp -s - "$work/before"; }

mkdir -p "$work/home" "$work/bin"
printf '#!/bin/sh\necho "$@" >> %s/opened\n' "$work" > "$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
listPrefix > "$work/before"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" PATH="$work/bin:$PATH"
unset XDG_DATA_HOME
settings=$XDG_CONFIG_HOME/fixtora/config.ini

case $mode in
offscreen)
  printf '{"screens": [{"name": "s", "x": 0, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]}\n' > "$work/screen.json"
  QT_QPA_PLATFORM=offscreen:configfile=$work/screen.json "$prefix/bin/fixtora" > "$work/program.log" 2>&1 &
  pid=$!
  await '[ -s "$settings" ] || prefixChanged' "the settings read"
  [ -s "$settings" ] || fail "config.ini is not in the configuration folder"
  ;;
display)
  QT_QPA_PLATFORM=xcb "$prefix/bin/fixtora" > "$work/program.log" 2>&1 &
  pid=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --class Fixtora | tail -n 1) || fail "no window shown"
  xdotool windowfocus --sync "$window" key alt+c
  await '[ -s "$work/opened" ]' "a page opened in the browser"
  grep -qx "file://$prefix/share/fixtora/whatsnew.htm" "$work/opened" || fail "opened $(cat "$work/opened")"
  ;;
*) fail "unknown mode $mode" ;;
esac

kill -0 "$pid" 2>/dev/null || fail "the program ended by itself"
listPrefix > "$work/after"
diff "$work/before" "$work/after" > "$work/changed" || fail "the prefix changed: $(cat "$work/changed")"
echo "the installed program ran ($mode) and left its prefix as it was"
