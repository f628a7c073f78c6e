#!/usr/bin/env bash
# The instructor station's page in headless Chromium: loopsim-run --serve plays the demo dive,
# and browser-test.mjs pairs, reads the live values, injects a failure and opens the classroom
# page; then the session log must hold the injection. Skipped (77) without Chromium, Node or
# puppeteer-core (scripts/setup.sh installs them).
#   browser-test.sh LOOPSIM_RUN WORK_FOLDER TEST_FOLDER [SCREENSHOT_FOLDER]
set -euo pipefail
runner=$(realpath "$1") work=$(realpath -m "$2") here=$(realpath "$3")
chromium=$(command -v chromium || true)
if [ -z "$chromium" ] || ! command -v node >/dev/null || [ ! -d "$work/node_modules/puppeteer-core" ]; then
    echo "skipped: needs chromium, node and puppeteer-core in $work (scripts/setup.sh)"
    exit 77
fi
run="$work/run"
rm -rf "$run" && mkdir -p "$run"
cd "$run"
"$runner" "$here/../../scenarios/demo.scenario" --serve --until 600 --log session.scenario \
    --drills "$here/../../drills" --out run.csv >served.txt 2>served.err &
served=$!
trap 'kill $served 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    grep -q "pairing code" served.txt 2>/dev/null && break
    sleep 0.1
done
address=$(grep -o 'http://127.0.0.1:[0-9]*/' served.txt)
code=$(grep -o 'pairing code [0-9]*' served.txt | cut -d' ' -f3)
NODE_PATH="$work/node_modules" node "$here/browser-test.mjs" "$chromium" "$address" "$code" \
    "$run" "${LOOPSIM_STATION_SCREENSHOTS:-}"
# The injection the page made is in the session log, as the options window would make it.
grep -q " check Options.Check4$" session.scenario
grep -A3 " check Options.Check4$" session.scenario | grep -q " tap Options.Command1$"
grep -q " note trainee noticed the drift$" session.scenario
grep -q " note drill handset-flood started$" session.scenario
echo "the session log holds the page's failure and note"
# A kill ends the served run as --until would: its files are written and its log closed.
kill -TERM $served
wait $served
trap - EXIT
test -s run.csv
[ "$(tail -n 1 session.scenario)" = "# The session ended." ]
tail -n 2 session.scenario | head -n 1 | grep -q " end$"
echo "a killed served run writes its recording and ends its log"
