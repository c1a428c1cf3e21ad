#!/usr/bin/env bash
# Installs what is needed, builds, lays out a demo program folder with three scales on
# loopback addresses (two simulated scales answer, the third is switched off), and
# starts Morvanta on it. With a display the window opens; without one the program makes
# one unattended run (import, then load every scale) and prints what it loaded.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
./scripts/install-deps.sh
./scripts/build.sh

demo="${MORVANTA_DEMO_DIR:-$root/demo}"
bin="$root/build/bin"
"$bin/morvanta-setup" --demo --scales 127.0.0.2,127.0.0.3,127.0.0.4 "$demo"
mkdir -p "$demo/scales"
[ -f "$demo/system.cfg" ] || printf 'Port=5500\r\nConnectTimeoutMs=2000\r\nReplyTimeoutMs=5000\r\n' > "$demo/system.cfg"

sims=()
stop_sims() { [ ${#sims[@]} -eq 0 ] || kill "${sims[@]}" 2>/dev/null || true; }
trap stop_sims EXIT
for ip in 127.0.0.2 127.0.0.4; do
  "$bin/morvanta-scale-sim" --listen "$ip" --port 5500 --state "$demo/scales/$ip.json" &
  sims+=($!)
done
sleep 0.5

if [ -n "${DISPLAY:-}" ]; then
  "$bin/morvanta" --dir "$demo"
else
  echo "Ekran yok: tek seferlik otomatik yükleme (--auto-once) çalıştırılıyor."
  status=0
  "$bin/morvanta" --dir "$demo" --auto-once || status=$?
  for f in "$demo"/scales/*.json; do
    echo "== $(basename "$f" .json): $(grep -c '"code"' "$f") ürün"
  done
  exit $status
fi
