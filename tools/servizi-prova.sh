# Da includere con "source": Xvfb e PulseAudio con un'uscita nulla per le prove.
# Usa una cartella propria, cosi' non tocca i server di chi sta lavorando.

avvia_servizi_prova() {
  # esportati: chi avvia da un'altra shell (tools/mutanti) li passa a ferma_servizi_prova
  PROVA_DIR=$(mktemp -d /tmp/gorbio-prove.XXXXXX)
  export PROVA_DIR
  export XDG_RUNTIME_DIR="$PROVA_DIR/run"
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  export HOME_PROVE="$PROVA_DIR"

  # primo display libero da :90 in su
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  # -noreset: senza, quando l'ultimo cliente se ne va il server si azzera e chi
  # si collega in quel momento viene rifiutato (un gioco appena ucciso e il
  # successivo che parte bastano a farlo succedere)
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >"$PROVA_DIR/xvfb.log" 2>&1 &
  export PROVA_XVFB_PID=$!
  export GORBIO_DISPLAY=":$n"

  export PULSE_RUNTIME_PATH="$XDG_RUNTIME_DIR/pulse"
  export PULSE_STATE_PATH="$PROVA_DIR/pulse-state"
  pulseaudio -D --exit-idle-time=-1 -n --disallow-exit --use-pid-file=yes \
    --load=module-null-sink --load=module-native-protocol-unix \
    --log-target=file:"$PROVA_DIR/pulse.log" >/dev/null 2>&1 || true
  export PULSE_SERVER="unix:$PULSE_RUNTIME_PATH/native"

  # aspetta che il display risponda
  for _ in $(seq 1 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.1
  done
  for _ in $(seq 1 50); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
  done
}

ferma_servizi_prova() {
  pactl exit >/dev/null 2>&1 || pulseaudio --kill >/dev/null 2>&1 || true
  [ -n "${PROVA_XVFB_PID:-}" ] && kill "$PROVA_XVFB_PID" 2>/dev/null || true
  [ -n "${PROVA_DIR:-}" ] && rm -rf "$PROVA_DIR"
}
