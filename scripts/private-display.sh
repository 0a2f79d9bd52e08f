# Sourced by ./kova: a private Xvfb, and a Wine server of its own, for one run that
# has no display. Both end with the run, however it ends (also when ./kova is killed),
# so none is left behind and the run's windows cannot outlive it.
#   kova_display_start [run]  starts the Xvfb and sets DISPLAY; on failure returns 1
#                             and leaves the reason in KOVA_DISPLAY_WHY. With "run",
#                             the Xvfb ends by itself when its last client leaves,
#                             which suits one program's run (not a test suite's, whose
#                             display is idle between tests)
#   kova_display_stop         stops it
#   kova_display_prefix       (after wine-env.sh) moves WINEPREFIX to a prefix of the
#                             run's own that shares the project prefix's files, and
#                             sees to it that the run's Wine server and Xvfb end
#                             with ./kova
#   kova_display_run cmd ...  runs the command and exits with its exit code
#
# Why a server of its own: Wine's desktop process belongs to the server, on the
# display of the program that first needed it. Once that display is gone, no program
# of the server opens a window until the desktop process is replaced; with two runs at
# once on two displays, the first to end would take the other's windows with it.

kova_display_start() {
    if ! command -v Xvfb >/dev/null 2>&1; then
        KOVA_DISPLAY_WHY="Xvfb, which would give it one, is not installed"
        return 1
    fi
    # Xvfb picks a free display number itself and writes it once it accepts clients,
    # so two runs at once get two displays and nobody waits longer than needed. In a
    # session of its own, a Ctrl+C at the terminal does not end it under the program.
    local terminate=
    [ "${1:-}" != run ] || terminate=-terminate
    coproc KOVA_XVFB { exec setsid Xvfb -displayfd 1 $terminate -screen 0 1024x768x24 -nolisten tcp 2>/dev/null; }
    local number= in=${KOVA_XVFB[0]} out=${KOVA_XVFB[1]}
    read -r -t 20 number <&"$in" || true
    exec {in}<&- {out}>&-
    if [[ ! $number =~ ^[0-9]+$ ]]; then
        kill "$KOVA_XVFB_PID" 2>/dev/null || true
        KOVA_DISPLAY_WHY="Xvfb, which would give it one, did not start"
        return 1
    fi
    export DISPLAY=":$number"
}

# Wine's last connections close a moment after the program ends; a run's Xvfb ends
# when they have. Ended before, it would leave Wine writing "X connection broken" to
# the script's standard error.
kova_display_stop() {
    local _
    for _ in $(seq 60); do kill -0 "$KOVA_XVFB_PID" 2>/dev/null || break; sleep 0.05; done
    kill "$KOVA_XVFB_PID" 2>/dev/null || return 0
    wait "$KOVA_XVFB_PID" 2>/dev/null || true
}

# The run's prefix links the project prefix's drive and devices and starts from a copy
# of its registry (and of its set-up marks); what the run writes to the registry stays
# in the copy.
kova_display_prefix() {
    local shared=$WINEPREFIX f
    # The project prefix is made once, by the first run, whatever its display.
    if [ ! -f "$shared/.kova-ready-2" ] || [ ! -f "$shared/.kova-fonts-2" ] ||
        { [ ! -f "$shared/drive_c/windows/syswow64/kernel32.dll" ] && kova_i386_runs; }; then
        kova_wine_ready || return 1
    fi
    KOVA_RUN_PREFIX="$(mktemp -d "${TMPDIR:-/tmp}/kova-wine.XXXXXX")" || return 1
    # From here on, the run's end (or a signal) cleans up; a watcher does it when
    # ./kova is killed outright.
    trap kova_display_end EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM HUP
    (
        tail -s 0.2 --pid=$$ -f /dev/null
        kova_display_end
    ) </dev/null >/dev/null 2>&1 &
    KOVA_WATCHER=$!
    ln -s "$shared/drive_c" "$KOVA_RUN_PREFIX/drive_c"
    ln -s "$shared/dosdevices" "$KOVA_RUN_PREFIX/dosdevices"
    for f in "$shared"/*.reg "$shared"/.update-timestamp "$shared"/.kova-*; do
        [ -e "$f" ] && cp -p "$f" "$KOVA_RUN_PREFIX/"
    done
    export WINEPREFIX=$KOVA_RUN_PREFIX
}

# Ends whatever the run left in its server (the program, programs it started, Wine's
# services) and the desktop processes on its display, removes its prefix and stops
# the Xvfb.
kova_display_end() {
    local p id
    if [ -n "${KOVA_RUN_PREFIX:-}" ]; then
        id="$(stat -c '%D %i' "$KOVA_RUN_PREFIX" 2>/dev/null)" && printf -v id 'server-%s-%x' "${id% *}" "${id#* }"
        WINEPREFIX=$KOVA_RUN_PREFIX "$KOVA_WINESERVER" -k 2>/dev/null
        WINEPREFIX=$KOVA_RUN_PREFIX "$KOVA_WINESERVER" -w 2>/dev/null
        # The server's socket folder, which Wine keeps after the server.
        for p in "${TMPDIR:-/tmp}"/wine-*/"$id" /tmp/wine-*/"$id" "/tmp/.wine-$EUID/$id"; do
            [ -n "$id" ] && [ -d "$p" ] || continue
            rm -rf "$p"
            rmdir "${p%/*}" 2>/dev/null
        done
        rm -rf "$KOVA_RUN_PREFIX" "$KOVA_RUN_PREFIX.lock"
    fi
    for p in $(pgrep -f 'explorer.exe /desktop'); do
        grep -qxF "DISPLAY=$DISPLAY" < <(tr '\0' '\n' 2>/dev/null <"/proc/$p/environ") && kill "$p" 2>/dev/null
    done
    kova_display_stop
    if [ -n "${KOVA_WATCHER:-}" ]; then
        pkill -P "$KOVA_WATCHER" 2>/dev/null
        kill "$KOVA_WATCHER" 2>/dev/null
    fi
}

kova_display_run() {
    # The program runs as a child, and ./kova waits for it: so ./kova returns only when
    # the cleanup is done. An explicit redirection keeps standard input, which a
    # background command would otherwise lose.
    "$@" <&0 &
    local child=$! status
    # Signals to ./kova go to the program, whose exit code is the one that counts.
    trap 'kill -INT "$child" 2>/dev/null' INT
    trap 'kill -TERM "$child" 2>/dev/null' TERM HUP
    # wait returns early when a trapped signal arrives.
    while :; do
        wait "$child"
        status=$?
        kill -0 "$child" 2>/dev/null || break
    done
    exit "$status"
}
