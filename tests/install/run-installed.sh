#!/bin/sh
# Starts the installed program under PREFIX as a new user would, then ends it;
# nothing under the prefix may change, though it can be written (by root too).
#   offscreen: the intro screen reads the settings into the user's folder.
#   display (in a virtual X display, with xdotool): Continue opens the main
#   window, whose first start opens the release notes the program ships in the
#   browser, here a stand-in that notes the page.
#     run-installed.sh offscreen|display PREFIX
set -eu
mode=$1; prefix=$2
work=$(mktemp -d); pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; cat "$work/log"; exit 1; }
# Waits up to 30 s for a condition while the program runs.
await() {
  n=0
  until eval "$1"; do
    kill -0 "$pid" 2>/dev/null || fail "the program ended before: $2"
    n=$((n + 1)); [ $n -le 150 ] || fail "not within 30 s: $2"
    sleep 0.2
  done
}
listPrefix() { find "$prefix" -printf '%p %s %T@\n' | sort; }

listPrefix > "$work/before"
mkdir "$work/bin" "$work/home"
printf '#!/bin/sh\necho "$@" >> %s/opened\n' "$work" > "$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" PATH="$work/bin:$PATH"
if [ "$mode" = offscreen ]; then
  printf '{"screens": [{"name": "s", "x": 0, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96,'\
' "logicalBaseDpi": 96, "dpr": 1}]}\n' > "$work/screen.json"
  QT_QPA_PLATFORM=offscreen:configfile=$work/screen.json "$prefix/bin/fixtora" > "$work/log" 2>&1 & pid=$!
  await '[ -s "$work/config/fixtora/config.ini" ] || ! listPrefix | cmp -s - "$work/before"' "the settings read"
  [ -s "$work/config/fixtora/config.ini" ] || fail "config.ini is not in the configuration folder"
else
  QT_QPA_PLATFORM=xcb "$prefix/bin/fixtora" > "$work/log" 2>&1 & pid=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --class Fixtora | tail -n 1) || fail "no window shown"
  xdotool windowfocus --sync "$window" key alt+c
  await '[ -s "$work/opened" ]' "a page opened in the browser"
  grep -qx "file://$prefix/share/fixtora/whatsnew.htm" "$work/opened" || fail "opened $(cat "$work/opened")"
fi
kill -0 "$pid" 2>/dev/null || fail "the program ended by itself"
listPrefix | diff "$work/before" - || fail "the prefix changed"
echo "the installed program ran ($mode) and left its prefix as it was"
