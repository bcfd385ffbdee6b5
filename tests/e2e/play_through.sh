#!/usr/bin/env bash
# The real program in a real X display, driven by real X input: choose a
# character, deploy, fire, let the computer answer, surrender from the menu,
# answer the boxes, continue, return to the title, switch the music off, quit.
# Screenshots are checked against what should be on screen, and the music is
# listened to on the private PulseAudio server's capture.
#
#   play_through.sh <bin dir> <e2e_probe> <pulse dir> <work dir>
# Exit 77: skipped (no Xvfb or xdotool).
set -euo pipefail
bin=$1 probe=$2 pulse=$3 work=$4

for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

rm -rf "$work" && mkdir -p "$work/game"
# A program directory of its own, so the settings file starts empty.
cp "$bin/vantrel" "$work/game/"
ln -s "$bin/img" "$work/game/img"
ln -s "$bin/snd" "$work/game/snd"

fail() { echo "FAIL: $*"; shots; exit 1; }
shots() { echo "screenshots in $work"; }

# Xvfb picks a free display itself and tells us its number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
game=""
cleanup() {
  [ -n "$game" ] && kill "$game" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=:$(cat "$work/display")
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

audio=no
if [ -f "$pulse/ready" ]; then
  export XDG_RUNTIME_DIR=$pulse PULSE_SERVER=unix:$pulse/pulse/native
  audio=yes
else
  echo "note: no PulseAudio test server ($(cat "$pulse/unavailable" 2>/dev/null || echo not started)); sound is not checked"
fi
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$HOME"

"$work/game/vantrel" >"$work/game.log" 2>&1 &
game=$!

alive() { kill -0 "$game" 2>/dev/null || fail "the game ended unexpectedly: $(tail -5 "$work/game.log")"; }

# The visible window with this title, waiting for it up to 10 s.
window() {
  local id
  for _ in $(seq 100); do
    alive
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1 || true)
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  fail "no window \"$1\""
}

# Geometry of a window: sets X Y WIDTH HEIGHT.
geometry() { eval "$(xdotool getwindowgeometry --shell "$1")"; }

click() {  # x y, relative to the client origin (CX, CY)
  alive
  xdotool mousemove $((CX + $1)) $((CY + $2)) click 1
  sleep 0.15
}

shot() { import -window root "$work/$1.png"; }

# Waits until a window of the given client size is up; sets CX, CY (its
# client origin: below the menu bar when it has one).
screen() {  # width height
  local id
  for _ in $(seq 100); do
    id=$(window Vantrel)
    geometry "$id"
    if [ "$WIDTH" = "$1" ] && [ "$HEIGHT" -ge "$2" ]; then
      CX=$X; CY=$((Y + HEIGHT - $2)); return
    fi
    sleep 0.1
  done
  fail "no ${1}×${2} window"
}

capture_size() { stat -c %s "$pulse/capture.raw" 2>/dev/null || echo 0; }
loudness() {  # seconds → RMS of what the server played meanwhile
  local from to
  from=$(capture_size); sleep "$1"; to=$(capture_size)
  "$probe" rms "$pulse/capture.raw" "$from" "$to"
}

# The battle screen's menu bar: "ゲーム終了", "タイトルに戻る", "降伏する".
MENU_H=18 RETTITLE_X=118 SURRENDER_X=190

# --- title: choose character 0 ---------------------------------------------
screen 800 600
shot title
click $((523 + 132)) $((183 + 29))

# --- battle: deploy -----------------------------------------------------------
screen 809 602
sleep 1  # deployment begins on the first tick of the pacing timer
shot battle-start
if [ "$audio" = yes ]; then
  level=$(loudness 2)
  awk -v l="$level" 'BEGIN { exit !(l > 0.01) }' || fail "the battle music is not audible (RMS $level)"
  echo "battle music RMS $level"
fi
mapE_x=12 mapE_y=11 mapM_x=12 mapM_y=318
cell() { echo $(( $1 + 1 + $3 * 30 + 14 )) $(( $2 + 1 + $4 * 30 + 14 )); }
deploy="0,8 4,8 9,6 13,2 18,0 6,4 15,7"
for c in $deploy; do click $(cell $mapM_x $mapM_y ${c%,*} ${c#*,}); done
sleep 0.5
shot deployed
changed=$("$probe" cells "$work/battle-start.png" "$work/deployed.png" $((CX + mapM_x)) $((CY + mapM_y)) | sort | tr '\n' ' ')
expected=$(tr ' ' '\n' <<<"$deploy" | sort | tr '\n' ' ')
[ "$changed" = "$expected" ] || fail "deployment changed cells \"$changed\", expected \"$expected\""
changedE=$("$probe" cells "$work/battle-start.png" "$work/deployed.png" $((CX + mapE_x)) $((CY + mapE_y)))
[ -z "$changedE" ] || fail "the computer's map changed during deployment: $changedE"

# --- fire four shots, then the computer answers -----------------------------
sleep 2.5  # the banner "ゲームスタート" drops away
shot before-fire
fire="3,3 9,4 15,5 6,7"
for c in $fire; do click $(cell $mapE_x $mapE_y ${c%,*} ${c#*,}); done
sleep 0.3
shot fired
changed=$("$probe" cells "$work/before-fire.png" "$work/fired.png" $((CX + mapE_x)) $((CY + mapE_y)) | sort | tr '\n' ' ')
expected=$(tr ' ' '\n' <<<"$fire" | sort | tr '\n' ' ')
[ "$changed" = "$expected" ] || fail "firing changed cells \"$changed\", expected \"$expected\""
sleep 3  # up to four computer shots, one per 430 ms tick
shot answered
answered=$("$probe" cells "$work/fired.png" "$work/answered.png" $((CX + mapM_x)) $((CY + mapM_y)) | wc -l)
[ "$answered" -ge 1 ] || fail "the computer did not fire back"
echo "the computer fired at $answered cells"

# --- surrender from the menu, answer the result box -------------------------
xdotool mousemove $((CX + SURRENDER_X)) $((CY - MENU_H / 2)) click 1
box=$(window 戦闘結果)
sleep 0.3
shot you-lose
xdotool windowfocus "$box" 2>/dev/null || true
xdotool key Return
screen 800 600
sleep 0.3
shot continue
mean=$("$probe" mean "$work/continue.png" $((CX + 10)) $((CY + 10)) 40 40)
awk -v m="$mean" 'BEGIN { exit !(m < 10) }' || fail "the continue screen is not up (corner grey $mean)"

# --- continue: the same stage again, then back to the title -----------------
click $((184 + 89)) $((371 + 31))
screen 809 602
sleep 0.5
xdotool mousemove $((CX + RETTITLE_X)) $((CY - MENU_H / 2)) click 1
screen 800 600
sleep 0.3
shot title-again

# --- music off, then a battle stays silent -----------------------------------
click $((667 + 5)) $((477 + 5))
sleep 0.2
click $((523 + 132)) $((183 + 29))
screen 809 602
if [ "$audio" = yes ]; then
  level=$(loudness 2)
  awk -v l="$level" 'BEGIN { exit !(l < 0.001) }' || fail "music plays although BGM OFF is checked (RMS $level)"
  echo "silent battle RMS $level"
fi
xdotool mousemove $((CX + RETTITLE_X)) $((CY - MENU_H / 2)) click 1
screen 800 600

# --- quit from the title -------------------------------------------------------
click $((523 + 132)) $((551 + 22))
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "the game did not end after ゲーム終了"
status=0; wait "$game" || status=$?
game=""
[ "$status" = 0 ] || fail "the game ended with status $status: $(tail -5 "$work/game.log")"
grep -q '^BGM=1' "$work/game/Tarvo.ini" || fail "BGM OFF was not written to Tarvo.ini"
echo "played through: 1 passed, 0 failed"
