#!/usr/bin/env bash
# Fails when a text of the program has no finished translation in one of
# the languages: the sources are read afresh (so a text added without a
# translation counts), and lrelease reports what is unfinished or missing.
#   tests/check-translations.sh LUPDATE LRELEASE
set -euo pipefail
lupdate=$1
lrelease=$2
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for ts in "$root"/translations/scarabine_*.ts; do
  name=$(basename "$ts")
  cp "$ts" "$work/$name"
  # The same options the build's update_translations target uses.
  "$lupdate" -silent -no-obsolete -locations none -tr-function-alias QT_TRANSLATE_NOOP+=ENGINE_TEXT \
    "$root/src" -ts "$work/$name"
  report=$("$lrelease" "$work/$name" -qm "$work/${name%.ts}.qm" 2>&1)
  finished=$(sed -n 's/.*Generated \([0-9]*\) translation(s) (\([0-9]*\) finished and \([0-9]*\) unfinished).*/\1 \2 \3/p' <<<"$report")
  ignored=$(sed -n 's/.*Ignored \([0-9]*\) untranslated source text(s).*/\1/p' <<<"$report")
  read -r generated done unfinished <<<"${finished:-0 0 0}"
  if [ "$generated" -eq 0 ] || [ "$unfinished" -ne 0 ] || [ "${ignored:-0}" -ne 0 ]; then
    echo "$name: $unfinished unfinished, ${ignored:-0} untranslated of $((generated + ${ignored:-0})) texts:" >&2
    # Name each one, so the message says what to translate (a bare system
    # may lack python3: then the raw lines of the file say it).
    command -v python3 >/dev/null || grep -n -B3 -E 'type="unfinished"|<translation></translation>' "$work/$name" >&2
    command -v python3 >/dev/null && python3 - "$work/$name" >&2 <<'PY'
import sys, xml.etree.ElementTree as ET
for context in ET.parse(sys.argv[1]).getroot().iter('context'):
    for message in context.iter('message'):
        translation = message.find('translation')
        if translation is None or translation.get('type') == 'unfinished' or not (translation.text or '').strip():
            print('  %s: %s' % (context.findtext('name'), message.findtext('source')))
PY
    status=1
  else
    echo "$name: $done texts, all translated"
  fi
done
exit $status
