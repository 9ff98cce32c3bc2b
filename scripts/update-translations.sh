#!/usr/bin/env bash
# Brings resources/translations/*.ts up to date with the texts in src/
# (lupdate reads localizedString("...") and L10N_NOOP("...") as ids, the id
# being the English text). lupdate 6.4 writes ids into the XML attribute
# unescaped, so that texts with &, <, quotes or line breaks would not read
# back: they are escaped afterwards.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
cd "$root"
for ts in resources/translations/playerlink_*.ts; do
  lang=${ts##*_}; lang=${lang%.ts}
  "$lupdate" -silent -locations none -no-obsolete -tr-function-alias qtTrId+=localizedString,QT_TRID_NOOP+=L10N_NOOP \
    -extensions cpp,h,qml src -target-language "$lang" -ts "$ts" 2>/dev/null
  python3 - "$ts" <<'PY'
import re, sys
path = sys.argv[1]
text = open(path, encoding="utf-8").read()
def escape(m):
    value = (m.group(1).replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
             .replace('"', "&quot;").replace("\n", "&#10;").replace("\t", "&#9;"))
    return '<message id="' + value + '">' + m.group(2)
text = re.sub(r'<message id="(.*?)">(\s*<source>)', escape, text, flags=re.S)
open(path, "w", encoding="utf-8").write(text)
PY
done
