#!/usr/bin/env bash
# The real program with broken files, under one Xvfb display.
#
# Pictures: every picture the title and the battle screen load, in turn
# missing and then corrupt. The game must name the file in one line on stderr
# and in a message box, and end with status 1 once the box is answered: no
# crash, no abort, no hang, and no window drawn with a broken picture.
# (The continue screen's, the gallery's and the viewers' pictures are checked
# in process by the window factory's tests.)
#
# Sounds: every sound file missing, then every one corrupt. The game plays a
# battle without a sound, answers the player and quits normally.
#
#   bad_files.sh <bin dir> <e2e_probe> <pulse dir> <work dir>
# Exit 77: skipped (no Xvfb or xdotool).
set -euo pipefail
bin=$1 probe=$2 pulse=$3 work=$4

for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

rm -rf "$work" && mkdir -p "$work"
failures=0 passes=0
game=""

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
cleanup() {
  [ -n "$game" ] && kill -9 "$game" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start: $(cat "$work/xvfb.log")"; exit 1; }
export DISPLAY=:$(cat "$work/display")
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

audio=no
if [ -f "$pulse/ready" ]; then
  export XDG_RUNTIME_DIR=$pulse PULSE_SERVER=unix:$pulse/pulse/native
  audio=yes
else
  echo "note: no PulseAudio test server; sounds are only checked for not stopping the game"
fi

# --- one case: a program directory of its own ---------------------------------
# case_dir <name> → $dir, holding the program, img/ and snd/ as links to the
# real files, so that one of them can be taken away or replaced.
case_dir() {
  dir=$work/$1
  mkdir -p "$dir/img" "$dir/snd" "$dir/home"
  ln "$bin/vantrel" "$dir/vantrel" 2>/dev/null || cp "$bin/vantrel" "$dir/vantrel"
  local f
  for f in "$bin"/img/* "$bin"/snd/*; do ln -s "$f" "$dir/${f#"$bin"/}"; done
}

# break_file <path in the case dir> missing|corrupt
break_file() {
  local target=$1 how=$2 size
  size=$(stat -L -c %s "$target")
  rm -f "$target"
  # Corrupt: the right size, but nothing of the file's format left in it.
  [ "$how" = corrupt ] && head -c "$size" /dev/urandom >"$target"
  return 0
}

start_game() {
  HOME=$dir/home XDG_CONFIG_HOME=$dir/home/.config "$dir/vantrel" >"$dir/out.log" 2>"$dir/err.log" &
  game=$!
}

alive() { kill -0 "$game" 2>/dev/null; }

# Waits for the game to end (up to $1 tenths of a second); sets $status.
ended() {
  local i
  for i in $(seq "$1"); do alive || break; sleep 0.1; done
  if alive; then kill -9 "$game" 2>/dev/null || true; wait "$game" 2>/dev/null || true; game=""; return 1; fi
  status=0; wait "$game" || status=$?
  game=""
}

# The visible window with this title and size, up to 10 s; sets $id.
find_window() {  # title width height
  local w
  for _ in $(seq 100); do
    alive || return 1
    for w in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true); do
      eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
      if [ -z "$2" ] || { [ "$WIDTH" = "$2" ] && [ "$HEIGHT" -ge "$3" ]; }; then
        id=$w CX=$X CY=$((Y + HEIGHT - ${3:-0})); return 0
      fi
    done
    sleep 0.1
  done
  return 1
}

# The message box: a window titled like the game but not one of its screens.
find_box() {
  local w
  for _ in $(seq 100); do
    alive || return 1
    for w in $(xdotool search --onlyvisible --name '^Vantrel$' 2>/dev/null || true); do
      eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
      if [ "$WIDTH" != 800 ] && [ "$WIDTH" != 809 ]; then id=$w; return 0; fi
    done
    sleep 0.1
  done
  return 1
}

click() { xdotool mousemove $((CX + $1)) $((CY + $2)) click 1; sleep 0.15; }

verdict() {  # name, then the reason of a failure or nothing
  if [ -n "$2" ]; then
    echo "FAIL: $1: $2"; failures=$((failures + 1))
    if [ -s "$dir/err.log" ]; then sed 's/^/    stderr: /' "$dir/err.log" | head -5; fi
  else
    passes=$((passes + 1))
  fi
}

# --- pictures -------------------------------------------------------------------
# Title pictures load at start-up; the battle screen's when a character is
# chosen: the one whose portrait is broken, otherwise character 0. The title's
# character buttons, top to bottom: characters 0, 2 and 1.
declare -A charaY=([0]=183 [2]=245 [1]=306)
picture_case() {  # file missing|corrupt
  local file=$1 how=$2 name reason="" chara=0 lines
  name=picture-$how-$(tr -c 'A-Za-z0-9_.-' '_' <<<"$file")
  case_dir "$name"
  break_file "$dir/img/$file" "$how"
  start_game
  case "$file" in
    Title-*) ;;
    *)
      [[ $file =~ ^Chara-([0-9])\.bmp$ ]] && chara=${BASH_REMATCH[1]}
      if find_window Vantrel 800 600; then
        click $((523 + 132)) $((${charaY[$chara]} + 29))
      else
        reason="the title did not come up"
      fi ;;
  esac
  if [ -z "$reason" ]; then
    if find_box; then
      import -window root "$dir/box.png" 2>/dev/null || true
      xdotool windowfocus "$id" 2>/dev/null || true
      xdotool key Return
      if ! ended 50; then reason="the game did not end within 5 s of the box"
      elif [ "$status" != 1 ]; then reason="the game ended with status $status"
      fi
    elif alive; then reason="no message box"
    else
      ended 1 || true; reason="the game ended (status $status) without a message box"
    fi
  fi
  lines=$(grep -c 'cannot read picture' "$dir/err.log" || true)
  if [ -z "$reason" ]; then
    if [ "$lines" != 1 ]; then reason="$lines stderr lines about a picture, expected 1"
    elif ! grep -qF "img/$file" "$dir/err.log"; then reason="stderr does not name img/$file"
    fi
  fi
  [ -n "$game" ] && { kill -9 "$game" 2>/dev/null || true; wait "$game" 2>/dev/null || true; game=""; }
  verdict "$how $file" "$reason"
}

pictures=()
for f in "$bin"/img/*; do
  f=${f##*/}
  case "$f" in
    Title-*|Main-*|Icon-*|Chara-*|Stage1-*|×▲*) pictures+=("$f") ;;
  esac
done
[ "${#pictures[@]}" -ge 18 ] || { echo "FAIL: only ${#pictures[@]} title and battle pictures in $bin/img"; exit 1; }
for how in missing corrupt; do
  for f in "${pictures[@]}"; do picture_case "$f" "$how"; done
done
echo "pictures: ${#pictures[@]} files, missing and corrupt"

# --- sounds ---------------------------------------------------------------------
capture_size() { stat -c %s "$pulse/capture.raw" 2>/dev/null || echo 0; }

MENU_H=18 RETTITLE_X=118
mapE_x=12 mapE_y=11 mapM_x=12 mapM_y=318
cell() { echo $(( $1 + 1 + $3 * 30 + 14 )) $(( $2 + 1 + $4 * 30 + 14 )); }

sound_case() {  # missing|corrupt
  local how=$1 reason="" f from to level changed
  case_dir "sounds-$how"
  for f in "$dir"/snd/*; do break_file "$f" "$how"; done
  start_game
  from=$(capture_size)
  if ! find_window Vantrel 800 600; then reason="the title did not come up"; fi
  if [ -z "$reason" ]; then
    click $((523 + 132)) $((183 + 29))
    find_window Vantrel 809 602 || reason="the battle screen did not come up"
  fi
  if [ -z "$reason" ]; then
    sleep 1
    for c in "0,8" "4,8" "9,6" "13,2" "18,0" "6,4" "15,7"; do click $(cell $mapM_x $mapM_y ${c%,*} ${c#*,}); done
    sleep 2.5  # the banner drops away
    import -window root "$dir/before-fire.png"
    click $(cell $mapE_x $mapE_y 3 3)
    sleep 0.3
    import -window root "$dir/fired.png"
    changed=$("$probe" cells "$dir/before-fire.png" "$dir/fired.png" $((CX + mapE_x)) $((CY + mapE_y)) | tr '\n' ' ')
    [ "$changed" = "3,3 " ] || reason="firing at 3,3 changed cells \"$changed\""
    sleep 2  # the computer answers
    alive || reason="the game ended during the battle"
  fi
  if [ -z "$reason" ] && [ "$audio" = yes ]; then
    to=$(capture_size)
    level=$("$probe" rms "$pulse/capture.raw" "$from" "$to")
    # Nothing readable to play: the server hears nothing from the game.
    awk -v l="$level" 'BEGIN { exit !(l < 0.001) }' || reason="sound came out of broken files (RMS $level)"
    echo "sounds $how: battle RMS $level"
  fi
  if [ -z "$reason" ]; then
    xdotool mousemove $((CX + RETTITLE_X)) $((CY - MENU_H / 2)) click 1
    if find_window Vantrel 800 600; then
      sleep 0.3
      click $((523 + 132)) $((551 + 22))
      if ! ended 50; then reason="the game did not end after ゲーム終了"
      elif [ "$status" != 0 ]; then reason="the game ended with status $status"
      fi
    else
      reason="the title did not come back"
    fi
  fi
  [ -n "$game" ] && { kill -9 "$game" 2>/dev/null || true; wait "$game" 2>/dev/null || true; game=""; }
  verdict "sounds $how" "$reason"
}

sound_case missing
sound_case corrupt

echo "bad files: $passes passed, $failures failed (work files in $work)"
[ "$failures" = 0 ]
