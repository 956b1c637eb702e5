#!/usr/bin/env bash
# Runs both fuzzers for a bounded time each, starting from real data files.
# Usage: fuzz/run.sh BUILD_DIR SECONDS
set -euo pipefail
build=$1
seconds=${2:-30}
work=$(mktemp -d)
trap 'rm -rf "$work" /tmp/kz-fuzz-* /dev/shm/kz-fuzz-*' EXIT
cmake --build "$build" --target kervazyl-cli >/dev/null
cli="$build/src/cli/kervazyl-cli"
mkdir -p "$work/plain" "$work/enciphered" "$work/json"
"$cli" new "$work/plain/new.kv7"
cat > "$work/doc.json" <<'JSON'
{"name": "Анна", "sostkol": 2, "clientkol": 1,
 "sosts": [{"sostname": "Касса", "bal": 1234.5, "dohod": ["5000\t05.10.2002\tЗарплата"],
            "vydol": ["1000\t05.10.2002\tИван\t3\t0\t05.11.2002\t"]},
           {"sostname": "Банк", "bal": -7, "ienum": 2}],
 "clients": [{"clientname": "Пётр", "reput": -2, "clinfo": "строка 1\r\nстрока 2",
              "clondolkm": ["ежемесячно\t10\t1000"]}],
 "phones": ["Мама\t123"], "notes": "заметка"}
JSON
"$cli" write "$work/doc.json" "$work/plain/rich.kv7"
"$cli" write "$work/doc.json" "$work/enciphered/rich.kv7" --password pw
cp "$work/doc.json" "$work/json/"
"$cli" dump "$work/plain/rich.kv7" > "$work/json/dump.json"
for target in fuzz_read_data:plain fuzz_decipher_read:enciphered fuzz_json:json; do
  name=${target%%:*}
  corpus=$work/${target##*:}
  echo "fuzz: $name for ${seconds}s"
  "$build/fuzz/$name" -max_total_time="$seconds" -rss_limit_mb=4096 -max_len=200000 \
    -timeout=10 -print_final_stats=1 "$corpus" 2>"$work/$name.log" || {
      tail -n 60 "$work/$name.log"; exit 1; }
  grep -E 'stat::number_of_executed_runs|Done' "$work/$name.log" | head -3 || true
done
