#!/usr/bin/env bash
# Drives the built program in a real X server under a window manager, from
# outside, as a user would: checks the window's frame size and place, that
# Qt's own command-line options change nothing, that it cannot be maximised,
# made full screen or resized, that a move by the user is kept, the focus at
# start and after minimising, a parse of typed and pasted texts read back
# through the clipboard, editing and parsing a 10 MB body, and closing
# through the window manager with status 0. Then makes a request for memory fail in a
# second run and checks the error box and status 255. Screenshots go to the
# output folder.
#
# Usage: window_under_xvfb.sh PROGRAM ALLOCATION_FAILURE_SHIM OUTPUT_FOLDER
set -euo pipefail

program=$1
shim=$2
output=$3
screenWidth=1280
screenHeight=1024

mkdir -p "$output"
work=$(mktemp -d)
started=()

cleanup() {
    local pid
    for pid in "${started[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${started[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# Reports the failure with a screenshot of the whole screen.
fail() {
    echo "window_under_xvfb: $*" >&2
    if [ -n "${DISPLAY:-}" ]; then
        import -window root "$output/failure.png" 2>/dev/null || true
        echo "window_under_xvfb: screen at the failure: $output/failure.png" >&2
    fi
    exit 1
}

# Runs the command every 0.1 s until it succeeds; fails after $1 seconds.
waitFor() {
    local seconds=$1
    shift
    local tries=$((seconds * 10))
    until "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}

processEnded() {
    ! kill -0 "$1" 2>/dev/null
}

# Waits up to 10 s for process $1 to end and sets status to its exit
# status. (Not in a subshell: only this shell can wait for its children.)
waitForExit() {
    waitFor 10 processEnded "$1" || fail "process $1 did not end"
    status=0
    wait "$1" || status=$?
}

# Prints the id of the visible window named exactly $1, waiting for it.
findWindow() {
    timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1
}

# Sets left, top, width and height to the outer rectangle of window $1,
# frame included.
readFrame() {
    local info extents
    info=$(xwininfo -id "$1")
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
    [ -n "$extents" ] || return 1
    IFS=, read -r frameLeft frameRight frameTop frameBottom <<<"$extents"
    clientLeft=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    clientTop=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    left=$((clientLeft - frameLeft))
    top=$((clientTop - frameTop))
    width=$(($(sed -n 's/.*Width: *//p' <<<"$info") + frameLeft + frameRight))
    height=$(($(sed -n 's/.*Height: *//p' <<<"$info") + frameTop + frameBottom))
}

frameIsCentred() {
    readFrame "$1" || return 1
    [ "$width" -eq 618 ] && [ "$height" -eq 398 ] \
        && [ "$left" -eq $(((screenWidth - 618) / 2)) ] \
        && [ "$top" -eq $(((screenHeight - 398) / 2)) ]
}

frameIsUnchanged() {
    local before="$left $top $width $height"
    readFrame "$1" && [ "$left $top $width $height" = "$before" ]
}

clipboardIs() {
    [ "$(xclip -o -selection clipboard)" = "$1" ]
}

# Pastes $1 into the focused input through the clipboard, as users bring in
# their texts. (Typing characters that have no key on the keyboard map
# through xdotool loses some of them when the machine is busy.)
paste() {
    printf '%s' "$1" | xclip -selection clipboard -i
    waitFor 5 clipboardIs "$1" || fail "the clipboard did not take '$1'"
    xdotool key ctrl+v
}

# Copies the selected table row and checks it.
expectCopiedRow() {
    xdotool key ctrl+c
    waitFor 5 clipboardIs "$1" || fail "copied row is '$(xclip -o -selection clipboard)', not '$1'"
}

# A fingerprint of what the table of the last window read shows.
tableOnScreen() {
    import -silent -window root -crop "616x264+$clientLeft+$clientTop" rgb:- | md5sum
}

tableChangedFrom() {
    [ "$(tableOnScreen)" != "$1" ]
}

# Clicks 按钮3 of the last window read and waits until the table has been
# painted anew. The window manager holds a click back until it has seen it,
# so keys sent before then would overtake it.
clickParse() {
    local before
    before=$(tableOnScreen)
    xdotool mousemove --sync $((clientLeft + 400)) $((clientTop + 352)) click 1
    waitFor 10 tableChangedFrom "$before" || fail "the table did not change after the click on 按钮3"
}

# The server picks a free display and writes its number to descriptor 3.
Xvfb -displayfd 3 -screen 0 "${screenWidth}x${screenHeight}x24" -nolisten tcp \
    3>"$work/display" 2>"$work/xvfb.log" &
started+=($!)
waitFor 10 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(cat "$work/display")"

openbox --sm-disable >"$work/openbox.log" 2>&1 &
started+=($!)
waitFor 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' \
    || fail "openbox did not start"

echo "window_under_xvfb: start, type, parse, copy rows, close"
"$program" -qwindowtitle Renamed -reverse &
quorrel=$!
started+=("$quorrel")
window=$(findWindow Quorrel) || fail "no window Quorrel"
waitFor 10 frameIsCentred "$window" \
    || fail "frame at $left,$top size ${width}x$height, not centred at 618x398"

# A double click on the title bar and a resize request change nothing.
xdotool mousemove --sync $((left + 100)) $((top + frameTop / 2)) click --repeat 2 --delay 100 1
xdotool windowsize "$window" 900 700
sleep 1
frameIsUnchanged "$window" || fail "frame became $left,$top ${width}x$height"
wmctrl -i -r "$window" -b add,fullscreen
sleep 1
frameIsUnchanged "$window" || fail "a full-screen request made the frame $left,$top ${width}x$height"

# A move by the user stays: the window is centred only once.
xdotool windowmove --sync "$window" 40 30
sleep 1
readFrame "$window"
[ "$left" -ne $(((screenWidth - 618) / 2)) ] || fail "the window went back to the centre after a move"

# The focus starts in the table: one Tab reaches 编辑框1. After minimising
# and restoring, typing goes on where it was.
xdotool windowactivate --sync "$window"
xdotool key Tab
xdotool type --delay 30 'a=1&b=2&'
paste '名=值'
xdotool windowminimize --sync "$window"
xdotool windowactivate --sync "$window"
xdotool type --delay 30 '&c=1'
xdotool key Tab Tab
xdotool type --delay 30 'a=1&b=3&'
paste '名=值'
clickParse

# From 按钮3, Tab wraps round to the table; Down selects the second row.
xdotool key Tab Down
expectCopiedRow $'2\tb\t2\t3\t×'
import -window root -crop "618x398+$left+$top" "$output/window.png"
xdotool key Up
expectCopiedRow $'1\ta\t1\t1\t√'
xdotool key Down Down
expectCopiedRow $'3\t名\t值\t值\t√'
xdotool key Down
expectCopiedRow $'4\tc\t1\t\t×'

echo "window_under_xvfb: the primary selection"
primaryIs() {
    [ "$(xclip -o -selection primary)" = "$1" ]
}
printf 'q=7' | xclip -selection primary -i
waitFor 5 primaryIs 'q=7' || fail "the primary selection did not take 'q=7'"
# 按钮2 empties 编辑框2, a middle click pastes the primary selection into
# it, and what is selected there becomes the primary selection.
xdotool mousemove --sync $((clientLeft + 580)) $((clientTop + 320)) click 1
xdotool mousemove --sync $((clientLeft + 300)) $((clientTop + 320)) click 2
xdotool key shift+Left
waitFor 5 primaryIs '7' || fail "the primary selection is '$(xclip -o -selection primary)', not '7'"

echo "window_under_xvfb: a 10 MB body pasted, edited and parsed"
items=400000
python3 -c "print('&'.join('f%07d=%016x' % (i, i * 2654435761) for i in range($items)), end='')" >"$work/body.txt"
xclip -selection clipboard -i <"$work/body.txt"
bodyIsOnClipboard() {
    [ "$(xclip -o -selection clipboard | md5sum)" = "$(md5sum <"$work/body.txt")" ]
}
waitFor 20 bodyIsOnClipboard || fail "the clipboard did not take the 10 MB body"
xdotool mousemove --sync $((clientLeft + 300)) $((clientTop + 288)) click 1
xdotool key ctrl+a ctrl+v
xdotool type --delay 30 '&x=1'
xdotool mousemove --sync $((clientLeft + 580)) $((clientTop + 320)) click 1
clickParse
xdotool key Tab ctrl+End
expectCopiedRow "$((items + 1))"$'\tx\t1\t\t×'

xdotool key alt+F4
waitForExit "$quorrel"
[ "$status" -eq 0 ] || fail "closing the window ended with status $status"

echo "window_under_xvfb: a failed request for memory"
LD_PRELOAD=$shim "$program" &
quorrel=$!
started+=("$quorrel")
window=$(findWindow Quorrel) || fail "no window Quorrel under the shim"
waitFor 10 frameIsCentred "$window" || fail "window under the shim not in place"
xdotool windowactivate --sync "$window"
xdotool key Tab
# 600 empty items make the lists and the table grow past 16 KiB.
xdotool type --delay 1 "$(printf '&%.0s' $(seq 600))"
kill -USR1 "$quorrel"
xdotool mousemove --sync $((clientLeft + 400)) $((clientTop + 352)) click 1
box=$(findWindow 错误) || fail "no error box"
readFrame "$box" && import -window root -crop "${width}x$height+$left+$top" "$output/fatal_error.png"
xdotool windowactivate --sync "$box" key Return
waitForExit "$quorrel"
[ "$status" -eq 255 ] || fail "the error box ended the program with status $status, not 255"

echo "window_under_xvfb: passed"
