# Helpers for the Wine tests (sourced after tests/support/e2e-lib.sh): the
# render mode of a Windows program on the virtual X server.

sdl_window() { window_id=$(xdotool search --name '^SDL_app$' 2>/dev/null | head -n 1); [ -n "$window_id" ]; }
# Wine on a virtual X server cannot change the screen's mode: it keeps a
# screen-sized window, and a 640x480 mode is drawn in its bottom-left corner.
screen_height=$(xdpyinfo | awk '/dimensions:/ {split($2, d, "x"); print d[2]}')
mode_area="640x480+0+$(( screen_height - 480 ))"
# colours_in GEOMETRY: distinct colours in that part of the screen.
colours_in() { import -window root -crop "$1" +repage -format %k info: 2>/dev/null; }
shows_the_show() { [ "$(colours_in "$mode_area")" -gt 500 ] 2>/dev/null; }

# render_and_escape PROGRAM WORD...: runs it from the root folder, checks the
# show is on screen, ends it with Escape. Sets outside: the distinct colours
# right of the 640x480 area (1 when the show keeps to that mode).
render_and_escape() {
    local program=$1
    shift
    (cd / && wine "$program" "$@") 2>"$work/render.err" & pid=$!
    poll eval 'sdl_window || ! kill -0 "$pid" 2>/dev/null'
    kill -0 "$pid" 2>/dev/null || fail "the render mode ended at once: $(cat "$work/render.err")"
    poll shows_the_show || { kill "$pid"; fail "nothing like the show in $mode_area ($(colours_in "$mode_area") colours)"; }
    outside=$(colours_in "640x480+700+0")
    xdotool windowfocus --sync "$window_id" key Escape
    wait_exit "$pid"
    [ "$exit_code" = 0 ] || fail "Escape ended the render mode with $exit_code"
}

# press_in WINDOW KEY...: once the window is mapped, focuses it and presses the
# keys (focusing a window X has not mapped yet fails, and the keys are lost).
press_in() {
    local window=$1
    shift
    poll eval 'xwininfo -id "$window" 2>/dev/null | grep -q IsViewable' || fail "window $window was never mapped"
    xdotool windowfocus --sync "$window" key "$@"
}
