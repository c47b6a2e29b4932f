# Sourced: starts Xvfb at 96 dpi and 24-bit colour on a free display, exports DISPLAY and
# XVFB_PID, and stops it when the sourcing shell exits. Extra arguments go to Xvfb.
xvfb_datei=$(mktemp)
Xvfb -displayfd 3 -screen 0 2560x1600x24 -dpi 96 -nolisten tcp -noreset "$@" 3>"$xvfb_datei" >/dev/null 2>&1 &
XVFB_PID=$!
for _ in $(seq 200); do [[ -s "$xvfb_datei" ]] && break; sleep 0.05; done
export DISPLAY=":$(head -1 "$xvfb_datei")"
rm -f "$xvfb_datei"
export XVFB_PID
trap 'kill $XVFB_PID 2>/dev/null || true' EXIT
