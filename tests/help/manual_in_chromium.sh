#!/usr/bin/env bash
# Renders the help manual in headless Chromium at a phone's and a full screen's width: every
# picture loads, every link inside the manual or to a local file resolves, and nothing is
# wider than the window.
# Usage: manual_in_chromium.sh MANUAL [SCREENSHOT_DIR]
set -euo pipefail
manual=$(realpath "$1")
shots=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
browser=$(command -v chromium || command -v chromium-browser || true)
[ -n "$browser" ] || { echo "FAIL: chromium is not installed" >&2; exit 1; }

# The manual runs in a frame of a checking page; file pages may read each other with
# --allow-file-access-from-files.
cat >"$work/check.html" <<HTML
<!DOCTYPE html>
<html><body style="margin:0">
<iframe id="f" src="file://$manual" style="border:0;display:block;width:100vw;height:100vh"></iframe>
<pre id="result">PENDING</pre>
<script>
const frame = document.getElementById('f');
frame.onload = () => {
  const doc = frame.contentDocument;
  const problems = [];
  if (!doc || doc.images.length === 0) problems.push('no manual or no pictures');
  for (const img of doc.images)
    if (!img.complete || img.naturalWidth === 0) problems.push('picture ' + img.getAttribute('src'));
  for (const a of doc.querySelectorAll('a[href]')) {
    const href = a.getAttribute('href');
    if (href.startsWith('#')) {
      if (!doc.getElementById(href.slice(1))) problems.push('link ' + href);
    } else if (!/^(https?|mailto):/.test(href)) {
      const request = new XMLHttpRequest();
      try {
        request.open('GET', new URL(href, doc.baseURI), false);
        request.send();
        if (!request.responseText) problems.push('link ' + href);
      } catch (e) { problems.push('link ' + href); }
    }
  }
  const wide = doc.documentElement.scrollWidth;
  if (wide > frame.clientWidth) problems.push('wider than the window: ' + wide + ' > ' + frame.clientWidth);
  document.getElementById('result').textContent =
      problems.length ? 'PROBLEMS ' + problems.join('; ') : 'OK ' + doc.images.length + ' pictures';
};
</script>
</body></html>
HTML

status=0
for size in 390,844 1600,1000; do
    flags=(--headless --no-sandbox --disable-gpu --allow-file-access-from-files
           --hide-scrollbars --window-size=$size --virtual-time-budget=10000
           --user-data-dir="$work/profile")
    result=$(timeout 60 "$browser" "${flags[@]}" --dump-dom "file://$work/check.html" 2>/dev/null \
             | sed -n 's:.*<pre id="result">\(.*\)</pre>.*:\1:p')
    echo "$size: $result"
    case $result in OK*) ;; *) status=1 ;; esac
    if [ -n "$shots" ]; then
        timeout 60 "$browser" "${flags[@]}" --screenshot="$shots/manual-${size/,/x}.png" \
            "file://$manual" >/dev/null 2>&1 || true
    fi
done
exit $status
