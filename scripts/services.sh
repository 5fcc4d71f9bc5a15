# Services the tests need, started before the tests and stopped after them by test.sh.
# Sourced, not run. Each service adds its start to vindoro_services_start and its stop to
# vindoro_services_stop; both must be safe to call when the service is absent or already down.

# --- A private CUPS scheduler with one PDF queue (cups-pdf), for the printing tests.
# Everything lives under one temporary folder: configuration, spool, state, logs, the socket and
# the PDFs the queue writes. The tests find it through the exported variables:
#   CUPS_SERVER            the scheduler's socket (libcups and the lp tools use it)
#   VINDORO_CUPS_PDF_DIR   where the queue writes its PDFs
#   VINDORO_CUPS_QUEUE     the queue's name (also the scheduler's default destination); unique
#                          per run, because cups-pdf reads its queue's settings from one shared folder
#   VINDORO_CUPS_FAILED    set (with the reason) when the scheduler could not be started; the
#                          printing tests then fail instead of skipping.
vindoro_cups_fail() {
  echo "services: CUPS: $*" >&2
  export VINDORO_CUPS_FAILED="$*"
  vindoro_cups_stop
}

vindoro_cups_start() {
  unset VINDORO_CUPS_FAILED VINDORO_CUPS_PDF_DIR
  local cupsd_bin
  cupsd_bin="$(command -v cupsd || true)"
  [ -n "$cupsd_bin" ] || cupsd_bin=/usr/sbin/cupsd
  if [ ! -x "$cupsd_bin" ] || [ ! -x /usr/lib/cups/backend/cups-pdf ]; then
    vindoro_cups_fail "cupsd or the cups-pdf backend is not installed"
    return 0
  fi
  if [ "$(id -u)" != 0 ]; then
    vindoro_cups_fail "the private scheduler needs root (the cups-pdf backend runs as root)"
    return 0
  fi

  VINDORO_CUPS_DIR="$(mktemp -d /tmp/vindoro-cups.XXXXXX)"
  local d="$VINDORO_CUPS_DIR"
  VINDORO_CUPS_QUEUE_NAME="VindoroPDF_${d##*.}"
  mkdir -p "$d/conf/ppd" "$d/spool/tmp" "$d/cache" "$d/state/certs" "$d/log" "$d/run" "$d/out" "$d/pdfspool"
  # Filters run as the scheduler's unprivileged user: it must reach the spool and the output.
  chmod 0755 "$d" "$d/conf" "$d/spool" "$d/cache" "$d/state" "$d/log" "$d/run"
  chmod 1777 "$d/spool/tmp" "$d/out" "$d/pdfspool"

  cat > "$d/conf/cupsd.conf" <<EOF
Listen $d/run/cups.sock
LogLevel warn
MaxLogSize 0
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
  cat > "$d/conf/cups-files.conf" <<EOF
ServerRoot $d/conf
RequestRoot $d/spool
CacheDir $d/cache
StateDir $d/state
TempDir $d/spool/tmp
AccessLog $d/log/access_log
ErrorLog $d/log/error_log
PageLog $d/log/page_log
SystemGroup root
FileDevice No
EOF

  "$cupsd_bin" -f -c "$d/conf/cupsd.conf" -s "$d/conf/cups-files.conf" >"$d/log/cupsd.out" 2>&1 &
  VINDORO_CUPS_PID=$!
  export CUPS_SERVER="$d/run/cups.sock"

  local i
  for i in $(seq 1 100); do
    [ -S "$d/run/cups.sock" ] && lpstat -r >/dev/null 2>&1 && break
    if ! kill -0 "$VINDORO_CUPS_PID" 2>/dev/null; then
      vindoro_cups_fail "cupsd ended at start: $(cat "$d/log/cupsd.out" "$d/log/error_log" 2>/dev/null | tail -5)"
      return 0
    fi
    sleep 0.1
  done
  if ! lpstat -r >/dev/null 2>&1; then
    vindoro_cups_fail "cupsd does not answer on $CUPS_SERVER"
    return 0
  fi

  # cups-pdf reads a configuration of the queue's own name; it sends the PDFs to our folder.
  VINDORO_CUPS_PDF_CONF="/etc/cups/cups-pdf-$VINDORO_CUPS_QUEUE_NAME.conf"
  cat > "$VINDORO_CUPS_PDF_CONF" <<EOF
Out $d/out
AnonDirName $d/out
Spool $d/pdfspool
Log $d/log
EOF

  local ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
  [ -f "$ppd" ] || ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd
  if ! lpadmin -p "$VINDORO_CUPS_QUEUE_NAME" -E -v "cups-pdf:/$VINDORO_CUPS_QUEUE_NAME" -P "$ppd" >"$d/log/lpadmin.out" 2>&1 \
     || ! lpadmin -d "$VINDORO_CUPS_QUEUE_NAME" >>"$d/log/lpadmin.out" 2>&1; then
    vindoro_cups_fail "lpadmin could not add the PDF queue: $(cat "$d/log/lpadmin.out")"
    return 0
  fi
  export VINDORO_CUPS_PDF_DIR="$d/out"
  export VINDORO_CUPS_QUEUE="$VINDORO_CUPS_QUEUE_NAME"
  echo "services: CUPS scheduler $VINDORO_CUPS_PID on $CUPS_SERVER, queue $VINDORO_CUPS_QUEUE -> $VINDORO_CUPS_PDF_DIR"
}

vindoro_cups_stop() {
  if [ -n "${VINDORO_CUPS_PID:-}" ]; then
    kill "$VINDORO_CUPS_PID" 2>/dev/null || true
    wait "$VINDORO_CUPS_PID" 2>/dev/null || true
    unset VINDORO_CUPS_PID
  fi
  if [ -n "${VINDORO_CUPS_PDF_CONF:-}" ]; then
    rm -f "$VINDORO_CUPS_PDF_CONF"
    unset VINDORO_CUPS_PDF_CONF
  fi
  if [ -n "${VINDORO_CUPS_DIR:-}" ] && [ -d "$VINDORO_CUPS_DIR" ]; then
    rm -rf "$VINDORO_CUPS_DIR"
    unset VINDORO_CUPS_DIR
  fi
}

vindoro_services_start() { vindoro_cups_start; }
vindoro_services_stop() { vindoro_cups_stop; }
