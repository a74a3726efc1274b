#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# numeria with --speak on, on a display of its own beside a speech-dispatcher of its own whose
# output module is the dummy one: the integer lesson's first example and F2 reach the service in
# Arabic, as its log shows. Every process started here is ended by its PID.
#   read_aloud.sh NUMERIA
set -euo pipefail
numeria=$1

skip() {
    echo "SKIP: $1; ./tools/setup-debian.sh installs it"
    exit 77
}
for tool in speech-dispatcher Xvfb openbox xdotool xprop; do
    command -v "$tool" >/dev/null || skip "$tool is missing"
done
[ -x /usr/lib/speech-dispatcher-modules/sd_dummy ] || skip "speech-dispatcher's dummy output module is missing"
[ -x /usr/lib/speech-dispatcher-modules/sd_espeak-ng ] || skip "speech-dispatcher-espeak-ng is missing"

work=$(mktemp -d)
pids=()
finish() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap finish EXIT
mkdir -p "$work/home" "$work/config" "$work/run" "$work/log"
chmod 700 "$work/run"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" NO_AT_BRIDGE=1

# The dummy module speaks by default; espeak-ng is there for its list of voices, where the
# program looks for an Arabic one. Neither plays a sound.
cp -r /etc/speech-dispatcher "$work/speechd"
grep -Ev '^\s*(LogLevel|LogDir|AudioOutputMethod|DefaultModule|AddModule)\b' /etc/speech-dispatcher/speechd.conf \
    >"$work/speechd/speechd.conf"
cat >>"$work/speechd/speechd.conf" <<CONF
LogLevel 5
LogDir "$work/log"
AudioOutputMethod "libao"
AddModule "dummy" "sd_dummy" ""
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule dummy
CONF
echo "default_driver=null" >"$HOME/.libao"
socket="$work/run/speechd.sock"
speech-dispatcher -s -t 0 -C "$work/speechd" -L "$work/log" -l 5 -c unix_socket -S "$socket" \
    >"$work/speechd.out" 2>&1 &
pids+=($!)

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)

# Waits up to 30 s for a command to succeed.
await() {
    for _ in $(seq 300); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}
await test -s "$work/display" || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(cat "$work/display")"
await test -S "$socket" || { cat "$work/speechd.out"; echo "speech-dispatcher did not start"; exit 1; }
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
# A window mapped while the window manager is still starting stays unmapped.
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
await wm_ready || { echo "openbox did not start"; exit 1; }

log="$work/log/speech-dispatcher.log"
# What the service was given to say, one utterance a line.
said() { sed -n 's/.*Queueing message |\(.*\)| with priority.*/\1/p' "$log" 2>/dev/null; }
heard() { said | grep -qF -- "$1"; }
expect() {
    if ! await heard "$1"; then
        echo "FAIL: not said: $1"
        echo "said:"
        said | sed 's/^/    /'
        exit 1
    fi
}

SPEECHD_ADDRESS="unix_socket:$socket" "$numeria" --speak on >"$work/numeria.log" 2>&1 &
pids+=($!)
await xdotool search --onlyvisible --class numeria || {
    cat "$work/numeria.log" "$work/openbox.log"
    echo "numeria shows no window"
    exit 1
}
sleep 1
xdotool search --onlyvisible --class numeria windowfocus --sync
# The menu's first button opens the lesson; Tab goes to its first example, space presses it.
xdotool key Return
sleep 1
xdotool key Tab space
expect "العددان موجبان، لذلك إشارة الناتج موجبة"
xdotool key space  # OK: the sum is written and read
expect "ستة زائد ستة يساوي اثنا عشر"
xdotool key F2
expect "إيقاف القراءة"
echo "said:"
said | sed 's/^/    /'
