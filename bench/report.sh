# Writes the Markdown report of a bench/run from its outputs. Sourced by
# bench/run, which defines value (CSV), memory and e2e.

# row FIGURE VALUE REFERENCE TARGET UNIT: the ratio when both are numbers.
row() {
    local ratio=""
    if [[ "$2" =~ ^[0-9.]+$ && "$3" =~ ^[0-9.]+$ ]] && [ "$3" != 0 ]; then
        ratio=$(awk -v a="$2" -v b="$3" 'BEGIN { printf "%.2f", a / b }')
    fi
    echo "| $1 | $2 $5 | ${3:+$3 $5} | $ratio | $4 |"
}

ms() { # PROGRAM NAME [COLUMN]: a benchmark's time, rounded
    local v
    v=$(value "$2" "${3:-real_time}" "$out/$1.csv")
    [ -n "$v" ] && awk -v v="$v" 'BEGIN { printf (v < 10 ? "%.2f" : "%.0f"), v }'
}

counter() { # PROGRAM NAME COUNTER
    local v
    v=$(value "$2" "$3" "$out/$1.csv")
    [ -n "$v" ] && awk -v v="$v" 'BEGIN { printf "%.0f", v }'
}

mib() { # PAGE: the file's size in MiB
    awk -v b="$(stat -c %s "$pages/$1")" 'BEGIN { printf "%.0f", b / 1048576 }'
}

write_report() {
    local df=bench_document_files ty=bench_typing
    echo "# Benchmark results"
    echo
    echo "Written by \`bench/run$([ $quick = 1 ] && echo ' --quick')\` on $(date -u '+%Y-%m-%d %H:%M UTC')."
    echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'),"
    echo "$(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo) memory; load at the start $load_before, at the end $(cut -d' ' -f1-3 /proc/loadavg)."
    echo "Build: $(basename "$dir") ($([ $quick = 1 ] && echo RelWithDebInfo || echo Release)). Times are wall-clock unless marked CPU."
    echo
    echo "## In-process (offscreen, the document window)"
    echo
    echo "| Figure | Value | Reference (same run) | Ratio | Target |"
    echo "|---|---|---|---|---|"
    local i name
    for i in 0 1 2 3 4; do
        name=$(value "BM_Open/$i/" label "$out/$df.csv")
        [ -n "$name" ] || continue
        row "Open $name until it takes a key" "$(ms $df "BM_Open/$i/")" \
            "$(ms $df "BM_ReadAndDecodeReference/$i/")" "close to reading and decoding" ms
    done
    for i in 2 3; do
        name=$(value "BM_Save/$i/" label "$out/$df.csv")
        [ -n "$name" ] || continue
        row "Save $name" "$(ms $df "BM_Save/$i/")" "$(ms $df "BM_DurableWriteReference/$i/")" \
            "close to a durable write" ms
    done
    if [ -n "$(value "BM_SelectAllAndCopy/2/" label "$out/$df.csv")" ]; then
        row "Select All + Copy, page-100.html" "$(ms $df BM_SelectAllAndCopy/2/)" \
            "$(ms $df BM_MemoryCopyReference/2/)" "close to one memory copy" ms
    fi
    local ref1
    ref1=$(ms $ty "BM_KeystrokeAndRepaint/0/1" cpu_time)
    for args in 0/1 1/0 1/1 1/2 2/1; do
        name=$(value "BM_KeystrokeAndRepaint/$args" label "$out/$ty.csv")
        [ -n "$name" ] || continue
        local target="< 2000 µs"
        [[ "$name" == oneline* ]] && target="< 1000000 µs"
        row "Keystroke + repaint, $name (CPU)" "$(ms $ty "BM_KeystrokeAndRepaint/$args" cpu_time)" \
            "$ref1" "$target" µs
    done
    for args in 1/1 2/1; do
        name=$(value "BM_IdleWithCaret/$args" label "$out/$ty.csv")
        [ -n "$name" ] || continue
        row "Idle CPU with the caret in $name" "$(counter $ty "BM_IdleWithCaret/$args" idle_cpu_ms_per_s)" \
            "" "0 ms/s" ms/s
    done
    if [ $quick = 0 ]; then
        row "Peak memory, open page-100.html" "$(memory open page-100.html)" "$(mib page-100.html)" \
            "≤ 2.5 × file" MiB
        row "Peak memory, open + Select All + Copy page-100.html" "$(memory copy page-100.html)" \
            "$(mib page-100.html)" "≤ 2.5 × file" MiB
        row "Peak memory, open oneline-10.html" "$(memory open oneline-10.html)" \
            "$(mib oneline-10.html)" "≤ 2.5 × file" MiB
        row "Peak memory, oneline-100.html (refused: line over 16 MB)" \
            "$(memory open oneline-100.html | sed 's/refused/n\/a/')" "$(mib oneline-100.html)" \
            "≤ 2.5 × file" MiB
    fi
    echo
    echo "Reference for keystrokes: the same keystroke in page-1.html. Memory references: the file's size."
    echo
    echo "## End to end (the real program under Xvfb, measured from outside)"
    echo
    echo "| Figure | Value | Target |"
    echo "|---|---|---|"
    echo "| Splash shown after process start | $(e2e startup_splash_ms) ms | ≤ 100 ms |"
    echo "| Document window shown after process start | $(e2e startup_window_ms) ms | 1950–2050 ms |"
    echo "| Resident memory 2 s after the window | $(e2e startup_rss_mib) MiB | 35 MiB |"
    echo "| Child processes after start | $(e2e startup_children) | 0 |"
    echo "| Same start without Qt's GL integration: splash, window, memory | $(e2e startup_nogl_splash_ms) ms, $(e2e startup_nogl_window_ms) ms, $(e2e startup_nogl_rss_mib) MiB | (diagnosis) |"
    local tag label
    for tag in page1:page-1.html page100:page-100.html oneline10:oneline-10.html oneline100:oneline-100.html; do
        label=${tag#*:}
        tag=${tag%%:*}
        [ -n "$(e2e "${tag}_window_ms")" ] || continue
        echo "| $label: start until the CPU is quiet | $(e2e "${tag}_quiet_ms") ms | window + 1000 ms (100 MB one line: 3000 ms) |"
        echo "| $label: peak memory after opening | $(e2e "${tag}_open_peak_mib") MiB | ≤ 2.5 × $(mib "$label") MiB |"
        if [[ "$label" == oneline* ]]; then
            echo "| $label: one key, CPU quiet after it | $(e2e "${tag}_keys_quiet_ms") ms | ≤ 1000 ms (100 MB: 3000 ms) |"
        else
            echo "| $label: 20 keys in 1 s, CPU quiet after the last | $(e2e "${tag}_keys_quiet_ms") ms | ≤ 200 ms |"
        fi
        echo "| $label: CPU per key | $(e2e "${tag}_key_cpu_ms") ms | < 2 ms (one line: 1000 ms) |"
        echo "| $label: idle CPU, caret in the text | $(e2e "${tag}_idle_cpu_ms_per_s") ms/s | 0 |"
        if [ -n "$(e2e "${tag}_copy_peak_mib")" ]; then
            echo "| $label: Ctrl+A, Ctrl+C: CPU quiet after | $(e2e "${tag}_copy_quiet_ms") ms | |"
            echo "| $label: peak memory after Ctrl+A, Ctrl+C | $(e2e "${tag}_copy_peak_mib") MiB | ≤ 2.5 × $(mib "$label") MiB |"
        fi
    done
    echo
    echo "CPU is read from /proc in 10 ms ticks; \"quiet\" is 300 ms without a tick."
    if [ -s "$out/e2e-failures.log" ]; then
        echo "Starts that ended before showing a window, then tried again:" \
            "$(grep -c '^== ' "$out/e2e-failures.log") (their output: $out/e2e-failures.log)."
    fi
    echo
    echo "## Long lines: what each choice of the editor component does"
    echo
    cat "$out/choices.md"
}
