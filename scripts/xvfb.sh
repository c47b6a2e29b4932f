# Sourced: starts Xvfb at 96 dpi and 24-bit colour on a free display and exports DISPLAY
# and XVFB_PID. Extra arguments go to Xvfb. When Xvfb has not come up within 10 seconds it
# says so on stderr and the sourcing returns 1. xvfb_beenden stops the server; it is also
# added in front of the caller's EXIT trap, which stays in force.
xvfb_beenden() {
    [[ -n "${XVFB_PID:-}" ]] && kill "$XVFB_PID" 2>/dev/null
    return 0
}

xvfb_starten() {
    local datei
    datei=$(mktemp)
    Xvfb -displayfd 3 -screen 0 2560x1600x24 -dpi 96 -nolisten tcp -noreset "$@" \
        3>"$datei" >/dev/null 2>&1 &
    XVFB_PID=$!
    local frist=$((SECONDS + 10))
    until [[ -s "$datei" ]]; do
        if ((SECONDS >= frist)) || ! kill -0 "$XVFB_PID" 2>/dev/null; then
            echo "scripts/xvfb.sh: Xvfb did not start within 10 s" >&2
            xvfb_beenden
            rm -f "$datei"
            unset XVFB_PID
            return 1
        fi
        sleep 0.05
    done
    export DISPLAY=":$(head -1 "$datei")"
    export XVFB_PID
    rm -f "$datei"

    # Chains onto an EXIT trap the caller may have set, instead of replacing it.
    local alt
    alt=$(trap -p EXIT)
    if [[ -n "$alt" ]]; then
        eval "set -- $alt"
        alt=$3
    fi
    # shellcheck disable=SC2064  # the old command is fixed now, on purpose
    trap "xvfb_beenden${alt:+; $alt}" EXIT
}

xvfb_starten "$@"
