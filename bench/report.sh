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

with_unit() { # VALUE UNIT: nothing for no value
    [ -n "$1" ] && echo "$1 $2"
}

mib() { # PAGE: the file's size in MiB
    awk -v b="$(stat -c %s "$pages/$1")" 'BEGIN { printf "%.0f", b / 1048576 }'
}

# starts KEY UNIT: the median over the starts, then every start's value.
starts() {
    local values
    values=$(e2e_all "$1" | sort -n | xargs)
    [ -n "$values" ] || return 0
    awk -v v="$values" -v u="$2" 'BEGIN {
        n = split(v, a, " "); printf "%s %s (%s)", a[int((n + 1) / 2)], u, v }'
}

# aid_row LABEL KEY UNIT TARGET: one figure of bench_aids for each page.
aid_row() {
    local small="" large="" f=$out/aids-page-1.html.txt g=$out/aids-page-100.html.txt
    # The quick run has no 100 MB page.
    [ -f "$f" ] && small=$(awk -v k="$2" '$1 == k { print $2; exit }' "$f")
    [ -f "$g" ] && large=$(awk -v k="$2" '$1 == k { print $2; exit }' "$g")
    echo "| $1 | ${small:-n/a} $3 | ${large:-n/a} $3 | $4 |"
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
    echo "A fresh profile for every start, a window manager, an accessibility bus; keys through"
    echo "xdotool; CPU of all threads from /proc/PID/task/*/schedstat; \"quiet\" is 300 ms in which"
    echo "the process uses less than 0.2 ms of CPU per 10 ms. Screen reader on: Qt's accessibility"
    echo "active and a listener (\`bench/e2e/screen-reader.py\`) following text and caret events and"
    echo "asking the caret's offset and character at each caret move."
    echo
    echo "| Figure | Value | Reference (same run) | Target |"
    echo "|---|---|---|---|"
    echo "| Splash shown after process start (median; the three starts) | $(starts startup_splash_ms ms) | | ≤ 100 ms |"
    echo "| Document window shown after process start (median; the three starts) | $(starts startup_window_ms ms) | | 1950–2050 ms |"
    echo "| Resident memory 2 s after the window, no preview shown | $(starts startup_rss_mib MiB) | | ≤ 50 MiB |"
    echo "| Child processes after start | $(e2e startup_children) | | 0 |"
    local label
    for label in page-100.html:page100 oneline-10.html:oneline10; do
        local tag=${label#*:}
        label=${label%%:*}
        [ -n "$(e2e "${tag}_quiet_ms")" ] || continue
        local idx=2
        [ "$label" = oneline-10.html ] && idx=4
        echo "| $label: start until the CPU is quiet | $(e2e "${tag}_quiet_ms") ms |" \
            "read and decode: $(ms $df "BM_ReadAndDecodeReference/$idx/") ms | window + 1000 ms |"
        echo "| $label: peak memory after opening | $(e2e "${tag}_open_peak_mib") MiB | file: $(mib "$label") MiB | ≤ 2 × file |"
    done
    if [ -n "$(e2e page100_copy_peak_mib)" ]; then
        echo "| page-100.html: Ctrl+A, Ctrl+C: CPU quiet after | $(e2e page100_copy_quiet_ms) ms | | |"
        echo "| page-100.html: peak memory after Ctrl+A, Ctrl+C | $(e2e page100_copy_peak_mib) MiB | file: $(mib page-100.html) MiB | ≤ 2.5 × file |"
    fi
    echo
    echo "### Typing"
    echo
    echo "Ten keys 0.1 s apart with the caret at the start, the middle (the scroll bar's thumb dragged"
    echo "to the middle, then a click) or the end (Ctrl+End); a page of one long line takes one key."
    echo "\"A key\" is the mean of keys 2 to 10; the first key also moves the component's gap (its text"
    echo "buffer's hole) to the caret. Peak memory is VmHWM after the keys, then after the recovery copy"
    echo "that follows them a second later (its CPU in the next column). The first row is the"
    echo "reference: the same keys in a 1 MB page in the same run."
    echo
    echo "| Page, caret, screen reader | A key (CPU) | First key (CPU) | Quiet after the last key | Quiet after 20 keys in 1 s | Peak, recovery aside | Peak with the recovery copy | Recovery copy (CPU) | Idle CPU |"
    echo "|---|---|---|---|---|---|---|---|---|"
    local page place sr t
    for page in page-1.html:page1 page-100.html:page100 page-10.html:page10 oneline-10.html:oneline10 oneline-1.html:oneline1; do
        for place in start middle end; do
            for sr in off on; do
                t=${page#*:}_${place}_sr$sr
                [ -n "$(e2e "${t}_first_key_cpu_ms")" ] || continue
                echo "| ${page%%:*}, $place, screen reader $sr | $(with_unit "$(e2e "${t}_key_cpu_ms")" ms) |" \
                    "$(e2e "${t}_first_key_cpu_ms") ms | $(e2e "${t}_keys_quiet_ms") ms |" \
                    "$(with_unit "$(e2e "${t}_twenty_quiet_ms")" ms) |" \
                    "$(e2e "${t}_typing_peak_mib") MiB | $(e2e "${t}_recovery_peak_mib") MiB |" \
                    "$(e2e "${t}_recovery_cpu_ms") ms | $(with_unit "$(e2e "${t}_idle_cpu_ms_per_s")" ms/s) |"
            done
        done
    done
    echo "| **Target** | ≤ 2 ms (screen reader: ≤ 5 ms) | | ≤ 1000 ms for one long line | ≤ 200 ms | ≤ 2 × file | (recovery: issue 23) | | 0 |"
    echo
    if [ -s "$out/e2e-failures.log" ]; then
        echo "Starts that ended before showing a window, then tried again:" \
            "$(grep -c '^== ' "$out/e2e-failures.log") (their output: $out/e2e-failures.log)."
        echo
    fi
    echo "Screen reader runs heard: $(grep '_heard ' "$e2e_results" | awk '{print $2}' | sort | uniq -c | awk '{print $2 " (" $1 " runs)"}' | paste -sd ';' | sed 's/;/; /g')."
    echo
    echo "## Find, replace and the markup aids (in-process, the document window)"
    echo
    echo "Run by the commands themselves: Find Next through the find window from the start to a"
    echo "word placed at the end, Replace All of every \"section\" through the replace window, the"
    echo "first marking of the page's mistakes after a key (the pause before it included), the"
    echo "element at the caret 20 bytes before the end: once the page has rested (the window's"
    echo "finder reads ahead while idle), then after a key and after a new element near the start."
    echo
    echo "| Figure | page-1.html | page-100.html | Target (100 MB page) |"
    echo "|---|---|---|---|"
    aid_row "Find Next to the end, plain text (CPU)" find_plain_cpu_ms ms "≤ 300 ms"
    aid_row "Find Next to the end, whole word (CPU)" find_whole_word_cpu_ms ms "≤ 300 ms"
    aid_row "Find Next to the end, regular expression, case folded (CPU)" find_regex_nocase_cpu_ms ms "≤ 300 ms"
    aid_row "Replace All: matches replaced" replace_all_matches "" "about 100,000"
    aid_row "Replace All (CPU)" replace_all_cpu_ms ms "≤ 3000 ms"
    aid_row "Peak memory after all of the above" peak_MiB MiB "≤ 2.5 × file"
    aid_row "Mistakes marked, after the key" problems_after_key_ms ms "≤ 5000 ms (1 MB: ≤ 500 ms)"
    aid_row "Checking the whole page (CPU)" problems_check_cpu_ms ms ""
    aid_row "Longest stretch away from the event loop while checking" problems_longest_slice_ms ms "short enough for keys"
    aid_row "Mistakes found" problems_found "" ""
    aid_row "A key with checking on (CPU)" key_with_checking_cpu_ms ms "≤ 2 ms"
    aid_row "The element at the caret: reading ahead once the page rests (CPU, in idle slices)" element_path_read_ahead_cpu_ms ms ""
    aid_row "Reading ahead: longest stretch away from the event loop" element_path_read_ahead_longest_slice_ms ms "short enough for keys"
    aid_row "The element at the caret at the end, first find (CPU)" element_path_end_first_cpu_ms ms "≤ 50 ms"
    aid_row "The same after a key near the start (CPU)" element_path_end_after_key_cpu_ms ms "≤ 50 ms"
    aid_row "The same after a new element near the start (CPU)" element_path_end_after_new_element_cpu_ms ms ""
    echo
    if [ -s "$out/choices.md" ]; then
        echo "## Long lines: what each choice of the editor component does"
        echo
        cat "$out/choices.md"
    fi
}
