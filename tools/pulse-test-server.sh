#!/usr/bin/env bash
# A private PulseAudio server for the tests that need real audio.
#
#   pulse-test-server.sh start <dir>   start a server whose runtime directory is <dir>
#   pulse-test-server.sh stop <dir>    stop the server started in <dir>
#
# The server has one sink, "capture", the default: a pipe sink paced by the
# system clock, so playback runs in real time. A plain `cat` copies the pipe
# into <dir>/capture.raw (s16le, 44100 Hz, stereo) for as long as the server
# runs; silence is written while nothing plays. Clients reach the server with
#   XDG_RUNTIME_DIR=<dir> PULSE_SERVER=unix:<dir>/pulse/native
#
# "start" always succeeds: on success it creates <dir>/ready, otherwise it
# writes the reason into <dir>/unavailable, so that the audio tests can say why
# they are skipped while every other test still runs. Both commands only ever
# stop the processes whose ids they recorded in <dir> themselves.
set -u

usage() {
  echo "usage: $0 start|stop <runtime dir>" >&2
  exit 2
}

[ $# -eq 2 ] || usage
command_name=$1
dir=$2
[ -n "$dir" ] || usage

# Stops the process whose id is recorded in the file $1, if it is still the
# program $2 (a recycled id is left alone).
stop_recorded() {
  local pidfile=$1 program=$2 pid
  [ -f "$pidfile" ] || return 0
  pid=$(cat "$pidfile")
  rm -f "$pidfile"
  case "$pid" in '' | *[!0-9]*) return 0 ;; esac
  if [ -r "/proc/$pid/cmdline" ] && tr '\0' ' ' <"/proc/$pid/cmdline" | grep -q "$program"; then
    kill "$pid" 2>/dev/null || return 0
    for _ in $(seq 50); do
      kill -0 "$pid" 2>/dev/null || return 0
      sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null
  fi
  return 0
}

stop_server() {
  stop_recorded "$dir/pulseaudio.pid" pulseaudio
  stop_recorded "$dir/capture.pid" cat
  rm -f "$dir/ready" "$dir/capture.raw" "$dir/capture.fifo"
}

unavailable() {
  echo "$1" >"$dir/unavailable"
  echo "PulseAudio test server not available: $1"
  stop_server
  exit 0
}

start_server() {
  stop_server
  mkdir -p "$dir/home" || { echo "cannot create $dir" >&2; exit 1; }
  chmod 700 "$dir"
  rm -f "$dir/unavailable" "$dir/pulseaudio.log"

  for program in pulseaudio pactl cat; do
    command -v "$program" >/dev/null 2>&1 || unavailable "$program is not installed (Debian packages pulseaudio, pulseaudio-utils)"
  done

  export XDG_RUNTIME_DIR="$dir"
  export PULSE_SERVER="unix:$dir/pulse/native"
  # The server keeps its cookie and state in a home of its own, never in the
  # user's; clients need no cookie (anonymous access to a private socket).
  HOME="$dir/home" nohup pulseaudio --daemonize=no --exit-idle-time=-1 -n \
    --load="module-native-protocol-unix auth-anonymous=1" \
    --load="module-pipe-sink sink_name=capture file=$dir/capture.fifo format=s16le rate=44100 channels=2 use_system_clock_for_timing=yes" \
    </dev/null >"$dir/pulseaudio.log" 2>&1 &
  echo $! >"$dir/pulseaudio.pid"

  local answered=no
  for _ in $(seq 100); do
    if pactl info >/dev/null 2>&1; then
      answered=yes
      break
    fi
    kill -0 "$(cat "$dir/pulseaudio.pid")" 2>/dev/null || break
    sleep 0.1
  done
  if [ "$answered" != yes ]; then
    unavailable "pulseaudio did not start: $(grep -v '^W:' "$dir/pulseaudio.log" | tail -n 3 | tr '\n' ' ')"
  fi
  [ -p "$dir/capture.fifo" ] || unavailable "the capture sink did not create its pipe"

  nohup cat "$dir/capture.fifo" </dev/null >"$dir/capture.raw" 2>>"$dir/pulseaudio.log" &
  echo $! >"$dir/capture.pid"

  pactl set-default-sink capture >/dev/null 2>&1 || unavailable "the capture sink cannot be made the default"
  rm -f "$dir/unavailable"
  touch "$dir/ready"
  echo "PulseAudio test server running in $dir"
}

case "$command_name" in
  start) start_server ;;
  stop) stop_server; echo "PulseAudio test server in $dir stopped" ;;
  *) usage ;;
esac
