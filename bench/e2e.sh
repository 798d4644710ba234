# The real program under Xvfb with a window manager, measured from outside as
# a user meets it: window times from the process start, CPU of all its threads
# from /proc until it goes quiet, peak memory from VmHWM, keys through xdotool.
# Every start has a fresh profile (empty config, cache and state folders).
# Sourced by bench/run; needs $dir (the build). Each function prints
# "name value" lines.

e2e_now() { # milliseconds, monotonic enough for a run
    local t=${EPOCHREALTIME/./}
    echo $((t / 1000))
}

# A display, a window manager, a session bus and an accessibility bus, as on a
# desktop. Qt's accessibility stays off unless a run turns a screen reader on.
e2e_start_display() {
    E2E_DISPLAY=:$((300 + RANDOM % 200))
    Xvfb "$E2E_DISPLAY" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
    E2E_XVFB=$!
    export DISPLAY=$E2E_DISPLAY
    for _ in $(seq 100); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && break
        sleep 0.05
    done
    openbox >/dev/null 2>&1 &
    E2E_WM=$!
    E2E_HOME=$(mktemp -d)
    local bus
    bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 2>/dev/null)
    export DBUS_SESSION_BUS_ADDRESS=${bus%%$'\n'*}
    E2E_BUS=${bus##*$'\n'}
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    E2E_A11Y=$!
    export XDG_RUNTIME_DIR=$E2E_HOME/run QTWEBENGINE_DISABLE_SANDBOX=1
    mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
    unset QT_QPA_PLATFORM QT_LINUX_ACCESSIBILITY_ALWAYS_ON
    sleep 0.5
}

e2e_stop_display() {
    local p
    for p in "$E2E_A11Y" "$E2E_WM" "$E2E_XVFB" "$E2E_BUS"; do
        kill "$p" 2>/dev/null || true
    done
    wait "$E2E_A11Y" "$E2E_WM" "$E2E_XVFB" 2>/dev/null || true
    rm -rf "$E2E_HOME"
}

# A screen reader listening (on) or none (off): Qt's accessibility is on from
# the start and a listener follows the editor's text and caret events.
e2e_screen_reader() { # on|off
    if [ "$1" = on ]; then
        export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
        /usr/bin/python3 bench/e2e/screen-reader.py >"$E2E_HOME/reader.out" 2>&1 &
        E2E_READER=$!
        for _ in $(seq 100); do
            grep -q listening "$E2E_HOME/reader.out" 2>/dev/null && break
            sleep 0.05
        done
    else
        unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON
        E2E_READER=
    fi
}

# The events the listener heard, "text-changed=N caret-moved=N ...".
e2e_reader_stop() {
    [ -n "$E2E_READER" ] || return 0
    kill -TERM "$E2E_READER" 2>/dev/null || true
    # Its signal waits for a call under way to come back: not for ever.
    for _ in $(seq 50); do
        kill -0 "$E2E_READER" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$E2E_READER" 2>/dev/null || true
    wait "$E2E_READER" 2>/dev/null || true
    grep 'text-changed=' "$E2E_HOME/reader.out" | tail -1 | tr ' ' ','
    E2E_READER=
}

e2e_launch() { # [FILE]
    local profile
    profile=$(mktemp -d "$E2E_HOME/profile.XXXX")
    mkdir -p "$profile/config" "$profile/cache" "$profile/state"
    E2E_START=$(e2e_now)
    XDG_CONFIG_HOME=$profile/config XDG_CACHE_HOME=$profile/cache XDG_STATE_HOME=$profile/state \
        "$dir/app/ostra" "$@" >"$E2E_HOME/ostra.log" 2>&1 &
    E2E_PID=$!
    E2E_ARGS=("$@")
}

# Keeps the output of a start that ended before showing a window.
e2e_log_failure() {
    local status=0
    wait "$E2E_PID" 2>/dev/null || status=$?
    { echo "== ostra ${E2E_ARGS[*]:-} ended with status $status before showing a window"
      cat "$E2E_HOME/ostra.log"; } >>"$out/e2e-failures.log"
}

e2e_end() {
    kill -9 "$E2E_PID" 2>/dev/null || true
    wait "$E2E_PID" 2>/dev/null || true
    # The server frees what the client held before it takes the next one well.
    xdotool getdisplaygeometry >/dev/null 2>&1 || true
    sleep 0.5
}

# Milliseconds from the start until the process shows a visible window other
# than EXCEPT (window ids), and that window. With FRAME, a window of the
# splash picture's size is passed over too: the launcher shows the picture
# first and Qt's splash takes its place.
e2e_window_ms() { # [EXCEPT] [FRAME]
    local deadline=$(($(e2e_now) + 60000)) w skip=" ${1:-} "
    while [ "$(e2e_now)" -lt $deadline ]; do
        kill -0 "$E2E_PID" 2>/dev/null || { echo "died none"; return; }
        for w in $(xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null); do
            [[ "$skip" == *" $w "* ]] && continue
            if [ -n "${2:-}" ] && xdotool getwindowgeometry "$w" 2>/dev/null |
                grep -q 'Geometry: 450x290'; then
                skip+="$w "
                continue
            fi
            echo "$(($(e2e_now) - E2E_START)) $w"
            return
        done
        sleep 0.005
    done
    echo "timeout none"
}

# The splash, then the frame holding the document window.
e2e_windows() { # TAG; sets E2E_WINDOW to the frame
    local ms splash
    read -r ms splash < <(e2e_window_ms)
    if [ "$ms" = died ]; then # counted in the report, then tried once more
        e2e_log_failure
        e2e_launch "${E2E_ARGS[@]}"
        read -r ms splash < <(e2e_window_ms)
    fi
    echo "${1}_splash_ms $ms"
    read -r ms E2E_WINDOW < <(e2e_window_ms "$splash" frame)
    echo "${1}_window_ms $ms"
}

# CPU of every thread of the process, in microseconds (the scheduler's own
# nanosecond account: /proc's ticks of 10 ms are too coarse for one key).
e2e_cpu_us() {
    local total=0 task run
    for task in /proc/"$E2E_PID"/task/*/schedstat; do
        read -r run _ <"$task" 2>/dev/null || continue
        total=$((total + run / 1000))
    done
    echo $total
}

# Waits until the process has used no CPU for 300 ms; prints the
# milliseconds from SINCE (an e2e_now value) to its last CPU use.
e2e_quiet_ms() { # SINCE
    local last cpu changed now deadline
    last=$(e2e_cpu_us)
    changed=$(e2e_now)
    deadline=$((changed + 120000))
    while now=$(e2e_now) && [ $((now - changed)) -lt 300 ] && [ "$now" -lt $deadline ]; do
        sleep 0.01
        cpu=$(e2e_cpu_us)
        # Less than 0.2 ms in 10 ms is the event loop's own bookkeeping.
        if [ $((cpu - last)) -gt 200 ]; then
            changed=$(e2e_now)
        fi
        last=$cpu
    done
    local ms=$((changed - $1))
    [ $ms -lt 0 ] && ms=0
    echo $ms
}

e2e_status_mib() { # FIELD of /proc/PID/status
    awk -v f="$1:" '$1 == f { printf "%.0f\n", $2 / 1024 }' "/proc/$E2E_PID/status" 2>/dev/null
}

e2e_startup() {
    e2e_screen_reader off
    e2e_launch
    e2e_windows startup
    sleep 2
    echo "startup_rss_mib $(e2e_status_mib VmRSS)"
    echo "startup_children $(pgrep -c -P "$E2E_PID" || true)"
    e2e_end
}

# The frame is made 1400 x 1000 at the top left, so that the whole document
# window shows; the points below are where its editor lies in a fresh profile.
e2e_frame() {
    xdotool windowsize --sync "$E2E_WINDOW" 1400 1000 2>/dev/null || true
    xdotool windowmove --sync "$E2E_WINDOW" 0 0 2>/dev/null || true
    local x y
    eval "$(xdotool getwindowgeometry --shell "$E2E_WINDOW" | grep -E '^(X|Y)=')"
    x=$X y=$Y
    E2E_TEXT="$((x + 553)) $((y + 459))"  # the middle of the text
    E2E_THUMB="$((x + 777)) $((y + 328))" # the vertical scroll bar's thumb at the top
    E2E_TRACK_MID="$((x + 777)) $((y + 460))"
}

e2e_click() { # X Y
    xdotool mousemove --sync "$1" "$2" click 1
}

# Puts the caret at the start, the middle or the end of the page as a user
# would: a click into the text, then Ctrl+Home, the scroll bar's thumb dragged
# to the middle and a click, or Ctrl+End.
e2e_caret() { # start|middle|end
    # shellcheck disable=SC2086
    e2e_click $E2E_TEXT
    case "$1" in
        start) xdotool key ctrl+Home ;;
        end) xdotool key ctrl+End ;;
        middle)
            # shellcheck disable=SC2086
            xdotool mousemove --sync $E2E_THUMB mousedown 1
            sleep 0.2
            # shellcheck disable=SC2086
            xdotool mousemove --sync $E2E_TRACK_MID
            sleep 0.2
            xdotool mouseup 1
            sleep 0.3
            # shellcheck disable=SC2086
            e2e_click $E2E_TEXT
            ;;
    esac
}

# Keys typed into the page with the caret at PLACE, as a user types them:
# ten keys 0.1 s apart, the CPU each one costs (the first apart: it also
# moves the component's gap to the caret) and the time to a quiet CPU after
# the last; what the recovery copy after them costs and adds to the peak; the
# time to a quiet CPU after twenty keys in one second; idle CPU. A page of one
# long line takes one key, then the time to a quiet CPU.
e2e_typing() { # FILE TAG PLACE SCREENREADER(on|off)
    local tag=$2_$3_sr$4 since cpu before i first=0 rest=0 keys=10
    [[ "$2" == oneline* ]] && keys=1
    e2e_screen_reader "$4"
    e2e_launch "$1"
    e2e_windows "$tag" >/dev/null
    e2e_frame
    e2e_quiet_ms "$E2E_START" >/dev/null
    echo "${tag}_open_peak_mib $(e2e_status_mib VmHWM)"
    e2e_caret "$3"
    e2e_quiet_ms "$(e2e_now)" >/dev/null
    for ((i = 1; i <= keys; i++)); do
        before=$(e2e_cpu_us)
        xdotool key x
        since=$(e2e_now)
        if [ $i -lt $keys ]; then
            sleep 0.1
            cpu=$(($(e2e_cpu_us) - before))
        elif [ $keys = 1 ]; then
            # One key in a long line: its cost is all it takes to settle.
            echo "${tag}_keys_quiet_ms $(e2e_quiet_ms "$since")"
            cpu=$(($(e2e_cpu_us) - before))
        else
            # The last key's own 0.1 s, read aside while the quiet is awaited:
            # what follows a pause (the mistake check) is no key's cost.
            (sleep 0.1; e2e_cpu_us >"$E2E_HOME/last-key") &
            echo "${tag}_keys_quiet_ms $(e2e_quiet_ms "$since")"
            wait $!
            cpu=$(($(cat "$E2E_HOME/last-key") - before))
        fi
        if [ $i = 1 ]; then first=$cpu; else rest=$((rest + cpu)); fi
    done
    echo "${tag}_first_key_cpu_ms $(awk -v u="$first" 'BEGIN { printf "%.2f", u / 1000 }')"
    [ $keys -gt 1 ] && echo "${tag}_key_cpu_ms $(awk -v u="$rest" -v n=$((keys - 1)) \
        'BEGIN { printf "%.2f", u / n / 1000 }')"
    echo "${tag}_typing_peak_mib $(e2e_status_mib VmHWM)"
    # The recovery copy follows a second after the last key.
    cpu=$(e2e_cpu_us)
    sleep 1.5
    e2e_quiet_ms "$(e2e_now)" >/dev/null
    echo "${tag}_recovery_cpu_ms $((($(e2e_cpu_us) - cpu) / 1000))"
    echo "${tag}_recovery_peak_mib $(e2e_status_mib VmHWM)"
    if [ "${E2E_SHORT:-0}" = 1 ]; then
        [ -n "$E2E_READER" ] && echo "${tag}_heard $(e2e_reader_stop)"
        e2e_end
        return
    fi
    if [ $keys -gt 1 ]; then
        xdotool type --delay 50 xxxxxxxxxxxxxxxxxxxx
        since=$(e2e_now)
        echo "${tag}_twenty_quiet_ms $(e2e_quiet_ms "$since")"
        sleep 1.5 # its recovery copy
        e2e_quiet_ms "$(e2e_now)" >/dev/null
    fi
    cpu=$(e2e_cpu_us)
    sleep 2
    echo "${tag}_idle_cpu_ms_per_s $((($(e2e_cpu_us) - cpu) / 2000))"
    [ -n "$E2E_READER" ] && echo "${tag}_heard $(e2e_reader_stop)"
    e2e_end
}

# Select All and Copy in a page: time to quiet and the peak memory after it.
e2e_copy() { # FILE TAG
    e2e_screen_reader off
    e2e_launch "$1"
    e2e_windows "$2" >/dev/null
    e2e_quiet_ms "$E2E_START" >/dev/null
    xdotool key ctrl+a
    local since=$(e2e_now)
    xdotool key ctrl+c
    echo "${2}_copy_quiet_ms $(e2e_quiet_ms "$since")"
    echo "${2}_copy_peak_mib $(e2e_status_mib VmHWM)"
    e2e_end
}

# Opening: the window times and the time until the CPU is quiet.
e2e_open() { # FILE TAG
    e2e_screen_reader off
    e2e_launch "$1"
    e2e_windows "$2"
    echo "${2}_quiet_ms $(e2e_quiet_ms "$E2E_START")"
    echo "${2}_open_peak_mib $(e2e_status_mib VmHWM)"
    e2e_end
}
