#!/usr/bin/env bash
# The CSS texts against programs nobody here wrote: colorjs.io (from npm) for the numbers,
# headless Chromium (Debian's) for the paint. Needs the native build (css_sample_texts).
set -euo pipefail
source "$(dirname "$0")/../../tools/lib.sh"

work="$BUILD_ROOT/browser-test"
mkdir -p "$work"
# colorjs.io once, into the build folder: nothing of it is committed.
if [ ! -d "$work/node_modules/colorjs.io" ]; then
    (cd "$work" && npm install --silent --no-audit --no-fund --no-package-lock colorjs.io@0.5 >/dev/null)
fi
cp "$REPO_ROOT/tests/browser/css_colour_check.mjs" "$work/"
tool="$BUILD_ROOT/native/bin/css_sample_texts"
"$tool" >"$work/sample.txt"
"$tool" names >"$work/names.txt"
"$tool" decimals >"$work/decimals.txt"
rm -rf "$work/profile"
node "$work/css_colour_check.mjs" "$work/sample.txt" "$work/names.txt" "$work/decimals.txt" "$work"
