#!/usr/bin/env bash
# Installs the game to a fresh prefix, checks what a packager expects to find
# there, then runs the installed launcher from a read-only prefix under Xvfb:
# a switch clicked on the title must land in the user's configuration folder.
#   install_test.sh <build dir> <work dir>
set -euo pipefail
build=$1 work=$2
rm -rf "$work" && mkdir -p "$work"
prefix=$work/prefix

fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >"$work/install.log"

for f in bin/vantrel lib/vantrel/vantrel lib/vantrel/img/Stage1-FG_M.bmp \
         "lib/vantrel/img/×▲爆発[指]爆発[戦].bmp" lib/vantrel/snd/MainBGM.wav "lib/vantrel/snd/ハズレ.WAV" \
         share/applications/org.vantrel.Vantrel.desktop share/metainfo/org.vantrel.Vantrel.metainfo.xml; do
  [ -e "$prefix/$f" ] || fail "$f is not installed"
done
for size in 16 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/org.vantrel.Vantrel.png
  [ -f "$icon" ] || fail "no ${size}x${size} icon"
done
[ -x "$prefix/bin/vantrel" ] || fail "the launcher is not executable"
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/org.vantrel.Vantrel.metainfo.xml" || fail "metainfo does not validate"
fi
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/org.vantrel.Vantrel.desktop" || fail "desktop entry does not validate"
fi

command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "SKIP: no Xvfb/xdotool for the run"; exit 77; }

# The run: the prefix mounted read-only in a private mount namespace where
# that is possible (root); otherwise the permission bits must do.
cat >"$work/run.sh" <<'RUN'
#!/usr/bin/env bash
set -euo pipefail
prefix=$1 work=$2
if [ "$(id -u)" = 0 ]; then
  mount --bind "$prefix" "$prefix" && mount -o remount,bind,ro "$prefix"
else
  chmod -R a-w "$prefix"
fi
touch "$prefix/probe" 2>/dev/null && { echo "FAIL: the prefix is still writable"; exit 1; }
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display") HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$HOME"
"$prefix/bin/vantrel" >"$work/game.log" 2>&1 &
game=$!
id=""
for _ in $(seq 100); do
  id=$(xdotool search --onlyvisible --name '^Vantrel$' 2>/dev/null | tail -1 || true)
  [ -n "$id" ] && break
  kill -0 $game 2>/dev/null || { echo "FAIL: the installed game ended: $(cat "$work/game.log")"; exit 1; }
  sleep 0.1
done
[ -n "$id" ] || { echo "FAIL: no title window"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$id")"
xdotool mousemove $((X + 546)) $((Y + 481)) click 1   # SE OFF
sleep 0.3
xdotool mousemove $((X + 655)) $((Y + 573)) click 1   # ゲーム終了
for _ in $(seq 50); do kill -0 $game 2>/dev/null || break; sleep 0.1; done
status=0; wait $game || status=$?
[ "$status" = 0 ] || { echo "FAIL: the installed game ended with $status: $(cat "$work/game.log")"; exit 1; }
RUN
chmod +x "$work/run.sh"
if [ "$(id -u)" = 0 ] && unshare -m true 2>/dev/null; then
  unshare -m "$work/run.sh" "$prefix" "$work"
else
  "$work/run.sh" "$prefix" "$work"
fi
settings=$work/home/.config/Vantrel/Tarvo.ini
[ -f "$settings" ] || fail "the switch was not kept in the user's folder"
grep -q '^SE=1' "$settings" || fail "SE=1 missing from $settings"
[ ! -e "$prefix/lib/vantrel/Tarvo.ini" ] || fail "the game wrote into its installed folder"
chmod -R u+w "$prefix" 2>/dev/null || true
echo "installed and ran from a read-only prefix: 1 passed, 0 failed"
