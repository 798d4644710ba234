# The real program under Xvfb, measured from outside as a user meets it:
# window times from the process start, CPU from /proc until it goes quiet,
# peak memory from VmHWM. Sourced by bench/run; needs $dir (the build).
# Each function prints "name value" lines.

e2e_now() { # milliseconds, monotonic enough for a run
    local t=${EPOCHREALTIME/./}
    echo $((t / 1000))
}

e2e_start_display() {
    E2E_DISPLAY=:$((300 + RANDOM % 200))
    Xvfb "$E2E_DISPLAY" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
    E2E_XVFB=$!
    export DISPLAY=$E2E_DISPLAY
    for _ in $(seq 100); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && break
        sleep 0.05
    done
    E2E_HOME=$(mktemp -d)
    export XDG_CONFIG_HOME=$E2E_HOME/config XDG_CACHE_HOME=$E2E_HOME/cache
    unset QT_QPA_PLATFORM
}

e2e_stop_display() {
    kill "$E2E_XVFB" 2>/dev/null || true
    wait "$E2E_XVFB" 2>/dev/null || true
    rm -rf "$E2E_HOME"
}

e2e_launch() { # [FILE]
    E2E_START=$(e2e_now)
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
# than EXCEPT (a window id), and that window.
e2e_window_ms() { # [EXCEPT]
    local deadline=$(($(e2e_now) + 60000)) w
    while [ "$(e2e_now)" -lt $deadline ]; do
        kill -0 "$E2E_PID" 2>/dev/null || { echo "died none"; return; }
        for w in $(xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null); do
            if [ "$w" != "${1:-}" ]; then
                echo "$(($(e2e_now) - E2E_START)) $w"
                return
            fi
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
    read -r ms E2E_WINDOW < <(e2e_window_ms "$splash")
    echo "${1}_window_ms $ms"
}

e2e_cpu_ms() {
    local f=()
    read -r -a f <"/proc/$E2E_PID/stat" 2>/dev/null || { echo 0; return; }
    echo $(((f[13] + f[14]) * 1000 / $(getconf CLK_TCK)))
}

# Waits until the process has used no CPU for 300 ms; prints the
# milliseconds from SINCE (an e2e_now value) to its last CPU use.
e2e_quiet_ms() { # SINCE
    local last cpu changed now deadline
    last=$(e2e_cpu_ms)
    changed=$(e2e_now)
    deadline=$((changed + 120000))
    while now=$(e2e_now) && [ $((now - changed)) -lt 300 ] && [ "$now" -lt $deadline ]; do
        sleep 0.01
        cpu=$(e2e_cpu_ms)
        if [ "$cpu" != "$last" ]; then
            last=$cpu
            changed=$(e2e_now)
        fi
    done
    local ms=$((changed - $1))
    [ $ms -lt 0 ] && ms=0
    echo $ms
}

e2e_status_mib() { # FIELD of /proc/PID/status
    awk -v f="$1:" '$1 == f { printf "%.0f\n", $2 / 1024 }' "/proc/$E2E_PID/status" 2>/dev/null
}

e2e_startup() {
    e2e_launch
    e2e_windows startup
    sleep 2
    echo "startup_rss_mib $(e2e_status_mib VmRSS)"
    echo "startup_children $(pgrep -c -P "$E2E_PID" || true)"
    e2e_end
    # The same start without Qt's GL integration: what the GL context that
    # Qt::AA_ShareOpenGLContexts creates at start costs.
    QT_XCB_GL_INTEGRATION=none e2e_launch
    e2e_windows startup_nogl
    sleep 2
    echo "startup_nogl_rss_mib $(e2e_status_mib VmRSS)"
    e2e_end
}

e2e_page() { # FILE TAG KEYS [copy]
    local tag=$2 keys=$3 since cpu
    e2e_launch "$1"
    e2e_windows "$tag"
    echo "${tag}_quiet_ms $(e2e_quiet_ms "$E2E_START")"
    echo "${tag}_open_peak_mib $(e2e_status_mib VmHWM)"
    xdotool windowfocus --sync "$E2E_WINDOW" 2>/dev/null || true
    # KEYS keys 50 ms apart: twenty make one second of fast typing.
    cpu=$(e2e_cpu_ms)
    xdotool type --delay 50 "$(printf 'x%.0s' $(seq "$keys"))"
    since=$(e2e_now)
    echo "${tag}_keys_quiet_ms $(e2e_quiet_ms "$since")"
    echo "${tag}_key_cpu_ms $((($(e2e_cpu_ms) - cpu) / keys))"
    cpu=$(e2e_cpu_ms)
    sleep 2
    echo "${tag}_idle_cpu_ms_per_s $((($(e2e_cpu_ms) - cpu) / 2))"
    if [ "${4:-}" = copy ]; then
        xdotool key ctrl+a
        since=$(e2e_now)
        xdotool key ctrl+c
        echo "${tag}_copy_quiet_ms $(e2e_quiet_ms "$since")"
        echo "${tag}_copy_peak_mib $(e2e_status_mib VmHWM)"
    fi
    e2e_end
}
