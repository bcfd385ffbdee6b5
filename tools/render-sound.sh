#!/usr/bin/env bash
# Renders one of the game's sounds from its source in assets/snd/.
#
#   render-sound.sh music  SCORE.abc  OUT.wav  [--soundfont SF] [--work DIR]
#   render-sound.sh effect RECIPE.sfx OUT.wav  [--soundfont SF] [--work DIR]
#
# Music: abc2midi turns the score into MIDI, fluidsynth plays it through the
# General MIDI soundfont, and sox cuts it to a loop: the render is trimmed to
# a whole number of bars and everything that sounds after the last bar (the
# release and reverb tail) is mixed back into the start, so the last sample of
# the file runs on into the first without a jump. The score must keep one
# tempo throughout, and a bar must last a whole number of samples at 44.1 kHz
# (144 beats a minute in 4/4 and 90 in 3/4 do). A comment line
# "% render: peak -3" in the score sets the peak level in dBFS (default -1).
#
# Effect: a recipe is a list of lines (# starts a comment):
#   layer SYNTH : EFFECTS  one voice: sox's synth with the arguments SYNTH,
#                        then the sox effects EFFECTS (": EFFECTS" optional)
#   post EFFECTS...      sox effects applied to the mix of all voices
#   length SECONDS       the finished effect is cut to this length
#   peak DB              peak level of the finished effect in dBFS
#   fade IN OUT          fade-in and fade-out lengths in seconds
#                        (default 0.003 and 0.03: no click at either end)
#
# Every output is 16-bit PCM WAV, 44.1 kHz, stereo. sox runs in repeatable
# mode (-R): its noise generators and dither are seeded, so a recipe renders
# the same way every time.
set -euo pipefail

RATE=44100
soundfont=${VANTREL_SOUNDFONT:-/usr/share/sounds/sf3/MuseScore_General.sf3}
work=""

die() { echo "render-sound: $*" >&2; exit 1; }

[ $# -ge 3 ] || die "usage: render-sound.sh music|effect SOURCE OUT.wav [--soundfont SF] [--work DIR]"
mode=$1 src=$2 out=$3
shift 3
while [ $# -gt 0 ]; do
  case $1 in
    --soundfont) soundfont=$2; shift 2 ;;
    --work) work=$2; shift 2 ;;
    *) die "unknown option $1" ;;
  esac
done
[ -f "$src" ] || die "no such source: $src"
[ -f "$soundfont" ] || die "no such soundfont: $soundfont"

# Intermediate files go to the work folder (kept for a look afterwards) or
# to a temporary one; every run rewrites the files it uses.
if [ -z "$work" ]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
else
  mkdir -p "$work"
fi

# Intermediates in float keep the resolution of quiet passages until the
# final level is set.
FLOAT=(-e floating-point -b 32)

# MIDI from a score; abc2midi's warnings (a bar of the wrong length, an
# unknown command) are errors here, since they always mean a wrong score.
# (Its -quiet option would hide the bar-length warnings.)
score_to_midi() {
  local abc=$1 mid=$2 log
  log=$(abc2midi "$abc" -o "$mid" 2>&1) || die "abc2midi failed on $abc: $log"
  if grep -E -q "Error|Warning" <<<"$log"; then
    die "abc2midi complains about $abc:"$'\n'"$log"
  fi
  [ -s "$mid" ] || die "abc2midi wrote no MIDI for $abc"
}

midi_to_wav() {
  fluidsynth -ni -q -g 0.8 -r $RATE -T wav -O float -F "$2" "$soundfont" "$1" >/dev/null 2>&1 \
    || die "fluidsynth failed on $1"
  [ -s "$2" ] || die "fluidsynth wrote nothing for $1"
}

samples_of() { soxi -s "$1" 2>/dev/null; }

render_music() {
  local abc=$1
  score_to_midi "$abc" "$work/tune.mid"
  midi_to_wav "$work/tune.mid" "$work/render.wav"

  # One bar in samples, from the metre (M:num/den) and the tempo
  # (Q:a/b=n, n notes of length a/b a minute).
  local meter tempo num den a b n
  meter=$(grep -m1 -E '^M:' "$abc" | tr -d ' \r' | cut -c3-)
  [ "$(grep -c -E '^Q:|\[Q:' "$abc")" = 1 ] || die "$abc: exactly one tempo (Q:) is needed for a loop"
  tempo=$(grep -m1 -E '^Q:' "$abc" | tr -d ' \r' | cut -c3-)
  [[ $meter =~ ^([0-9]+)/([0-9]+)$ ]] || die "$abc: metre '$meter' is not num/den"
  num=${BASH_REMATCH[1]} den=${BASH_REMATCH[2]}
  if [[ $tempo =~ ^([0-9]+)/([0-9]+)=([0-9]+)$ ]]; then
    a=${BASH_REMATCH[1]} b=${BASH_REMATCH[2]} n=${BASH_REMATCH[3]}
  elif [[ $tempo =~ ^([0-9]+)$ ]]; then
    a=1 b=4 n=${BASH_REMATCH[1]}
  else
    die "$abc: tempo '$tempo' is not a/b=n"
  fi
  local bar_num=$((num * b * 60 * RATE)) bar_den=$((den * a * n))
  [ $((bar_num % bar_den)) = 0 ] || die "$abc: a bar is not a whole number of samples at this tempo"
  local bar=$((bar_num / bar_den))

  # Whole bars in the tune, from the length of its longest MIDI track.
  local division ticks bar_ticks bars
  division=$(mftext "$work/tune.mid" | sed -n 's/.*division=\([0-9]*\).*/\1/p' | head -1)
  ticks=$(mftext "$work/tune.mid" | sed -n 's/^Time=\([0-9]*\) *Meta event, end of track.*/\1/p' | sort -n | tail -1)
  [ -n "$division" ] && [ -n "$ticks" ] || die "cannot read the length of $abc's MIDI"
  bar_ticks=$((division * 4 * num / den))
  bars=$(((ticks + bar_ticks / 2) / bar_ticks))
  [ "$bars" -ge 1 ] || die "$abc has no whole bar"
  local loop=$((bars * bar)) total
  total=$(samples_of "$work/render.wav")
  [ "$total" -ge "$loop" ] || die "$abc: the render ($total samples) is shorter than its $bars bars ($loop samples)"
  [ $((total - loop)) -le "$loop" ] || die "$abc: the tail is longer than the loop"

  local peak
  peak=$(sed -n 's/^%[[:space:]]*render:[[:space:]]*peak[[:space:]]*\(-\{0,1\}[0-9.]*\).*/\1/p' "$abc" | head -1)
  peak=${peak:--1}

  # fluidsynth leaves out the extended part of a float fmt chunk; sox says
  # so at every read, harmlessly (-V1 keeps it to errors).
  sox -R -V1 "$work/render.wav" "${FLOAT[@]}" "$work/body.wav" trim 0 "${loop}s"
  if [ "$total" -gt "$loop" ]; then
    sox -R -V1 "$work/render.wav" "${FLOAT[@]}" "$work/tail.wav" trim "${loop}s"
    sox -R -m -v 1 "$work/body.wav" -v 1 "$work/tail.wav" "${FLOAT[@]}" "$work/loop.wav"
  else
    cp "$work/body.wav" "$work/loop.wav"
  fi
  sox -R "$work/loop.wav" -r $RATE -c 2 -e signed-integer -b 16 "$work/out.wav" gain -n "$peak"
  [ "$(samples_of "$work/out.wav")" = "$loop" ] || die "$abc: the loop came out at the wrong length"
  mv -f "$work/out.wav" "$out"
}

render_effect() {
  local recipe=$1
  local -a layers=() post=()
  local length="" peak=-1 fade_in=0.003 fade_out=0.03 count=0 lineno=0
  local line key
  local -a words
  while IFS= read -r line || [ -n "$line" ]; do
    lineno=$((lineno + 1))
    line=${line%%#*}
    read -r -a words <<<"$line"
    [ ${#words[@]} -gt 0 ] || continue
    key=${words[0]}
    words=("${words[@]:1}")
    case $key in
      layer)
        # synth ARGS : EFFECTS. The synthesizer makes full-scale signals and
        # sox's effects work in fixed point, so each voice starts 18 dB down
        # to leave room for filters and overdrive; the final level is set at
        # the end anyway.
        local -a synth=() effects=()
        local seen=0 w
        for w in "${words[@]}"; do
          if [ "$w" = ":" ]; then seen=1
          elif [ $seen = 0 ]; then synth+=("$w")
          else effects+=("$w"); fi
        done
        [ ${#synth[@]} -gt 0 ] || die "$recipe:$lineno: a layer needs synth arguments"
        count=$((count + 1))
        sox -R -n -r $RATE -c 1 "${FLOAT[@]}" "$work/layer$count.wav" \
          synth "${synth[@]}" gain -18 ${effects[@]+"${effects[@]}"} \
          || die "$recipe:$lineno: sox refused this layer"
        layers+=("$work/layer$count.wav") ;;
      post) post+=("${words[@]}") ;;
      length) length=${words[0]:-} ;;
      peak) peak=${words[0]:-} ;;
      fade) fade_in=${words[0]:-} fade_out=${words[1]:-} ;;
      *) die "$recipe:$lineno: unknown recipe line '$key'" ;;
    esac
  done <"$recipe"
  [ ${#layers[@]} -gt 0 ] || die "$recipe has no layer"

  if [ ${#layers[@]} -eq 1 ]; then
    cp "${layers[0]}" "$work/mix.wav"
  else
    local -a inputs=()
    local f
    for f in "${layers[@]}"; do inputs+=(-v 1 "$f"); done
    sox -R -m "${inputs[@]}" "${FLOAT[@]}" "$work/mix.wav"
  fi
  sox -R "$work/mix.wav" -c 2 "${FLOAT[@]}" "$work/post.wav" gain -n -12 ${post[@]+"${post[@]}"} \
    || die "$recipe: sox refused the post effects"
  local -a cut=()
  [ -z "$length" ] || cut=(trim 0 "$length")
  sox -R "$work/post.wav" "${FLOAT[@]}" "$work/cut.wav" ${cut[@]+"${cut[@]}"} fade h "$fade_in" -0 "$fade_out"
  sox -R "$work/cut.wav" -r $RATE -c 2 -e signed-integer -b 16 "$work/out.wav" gain -n "$peak"
  mv -f "$work/out.wav" "$out"
}

case $mode in
  music) render_music "$src" ;;
  effect) render_effect "$src" ;;
  *) die "unknown mode '$mode' (music or effect)" ;;
esac
