#!/usr/bin/env bash
# Runs a command on a private X.Org server with the dummy video driver, which (unlike Xvfb) has
# several display modes, and stops the server afterwards.
#   run-with-dummy-x.sh CONFIG LOGFILE COMMAND [ARGUMENTS...]
set -uo pipefail
config=$(realpath "$1")
logfile=$2
shift 2

if ! command -v Xorg >/dev/null; then
  echo "Xorg is not installed (Debian packages xserver-xorg-core, xserver-xorg-video-dummy)" >&2
  exit 1
fi

# The server picks a free display itself and writes its number once it accepts clients.
displayfile=$(mktemp)
trap 'rm -f "$displayfile"' EXIT
Xorg -noreset +extension RANDR -config "$config" -logfile "$logfile" -novtswitch -sharevts -nolisten tcp \
  -displayfd 3 3>"$displayfile" >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -f "$displayfile"' EXIT

for _ in $(seq 100); do
  [ -s "$displayfile" ] && break
  if ! kill -0 "$server" 2>/dev/null; then
    echo "Xorg stopped before it accepted clients; its log is $logfile" >&2
    exit 1
  fi
  sleep 0.1
done
if [ ! -s "$displayfile" ]; then
  echo "Xorg did not accept clients within 10 seconds; its log is $logfile" >&2
  exit 1
fi

DISPLAY=":$(head -n1 "$displayfile")" "$@"
