#!/usr/bin/env bash
# webalert-bench.sh BUILD_DIR
# A check of 499 pages on the loopback peer, each answering after 100 ms: urlwatch (ten worker
# threads) over the same pages, the check engine natively, and the real program under Wine.
# Called by scripts/bench.sh after it built BUILD_DIR.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1
work=$(mktemp -d /tmp/qvwabench.XXXXXX)
python3 "$root/tests/support/http_peer.py" --port-file "$work/port" &
peer=$!
trap 'kill $peer 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/port" ] && break; sleep 0.1; done
export QV_HTTP_PEER=127.0.0.1:$(cat "$work/port")

if command -v urlwatch >/dev/null; then
  for i in $(seq 1 499); do
    printf -- '---\nname: Page %s\nurl: http://%s/delay/100/p%s\n' "$i" "$QV_HTTP_PEER" "$i"
  done > "$work/urls.yaml"
  printf 'report:\n  text:\n    details: false\n  stdout:\n    enabled: false\n' > "$work/config.yaml"
  start=$(date +%s.%N)
  urlwatch --urls "$work/urls.yaml" --config "$work/config.yaml" --cache "$work/cache.db" >/dev/null 2>&1
  end=$(date +%s.%N)
  echo "urlwatch, 499 pages of 100 ms: $(echo "$end - $start" | bc) s"
else
  echo "urlwatch is not installed (Debian package urlwatch)"
fi

"$build/bin/webalert_run_bench"

bin=$build/win32/bin
[ "$("$root/tests/support/wine-arch.sh")" = x86_64 ] && bin=$build/win64/bin
if [ -x "$bin/webalert_check_bench.exe" ] && [ -d "$build/wineprefix-template" ]; then
  "$root/tests/support/wine-run.sh" "$build/wineprefix-template" "$bin" webalert_check_bench.exe ||
    echo "webalert check under Wine: did not run"
fi
