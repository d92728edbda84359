#!/usr/bin/env bash
# Regenerates po/orv-admin-date-plugin.pot from the C++, QML and JavaScript sources (the
# module's, the preview's and the control module's), then merges it into every catalogue
# under po/<language>/. Needs gettext.
# Catalogues: ar cs de es fr he it ja nl pl pt_BR ru sv tr uk zh_CN. A new language: make
# po/<language>/ with msginit from the template, translate every message (the month and
# weekday names as doc/translations.md says), name it here; the tests
# tst_localenames and catalogue-<language> check it without further setup.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
domain=orv-admin-date-plugin
template=po/$domain.pot
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

common=(--from-code=UTF-8 --no-location --sort-output --package-name="$domain"
        --msgid-bugs-address="the project's issue tracker" --add-comments=i18n)

# The control module's and the preview's C++ as well: a text they show goes through the same domain.
find services plugin kcm preview -name '*.cpp' -o -name '*.h' | sort > "$work/cpp"
xgettext "${common[@]}" -C --kde -ci18n \
    -kki18nd:2 -kki18ndc:2c,3 -ki18nd:2 -ki18ndc:2c,3 -ki18n:1 -ki18nc:1c,2 -ki18np:1,2 -ki18ncp:1c,2,3 \
    -f "$work/cpp" -o "$work/cpp.pot"

# The page of the control module and the preview shares the domain, so its texts translate from the same catalogues.
# Read as C++, as KDE's own extraction reads QML: the JavaScript reader cannot mark the texts
# kde-format, and without the mark msgfmt --check lets a translation lose a %1.
find qml preview kcm -name '*.qml' -o -name '*.js' | sort > "$work/qml"
xgettext "${common[@]}" -C --kde -ci18n \
    -ki18n:1 -ki18nc:1c,2 -ki18np:1,2 -ki18ncp:1c,2,3 \
    -f "$work/qml" -o "$work/qml.pot"

inputs=("$work/cpp.pot")
[ -s "$work/qml.pot" ] && inputs+=("$work/qml.pot")
msgcat --sort-output "${inputs[@]}" -o "$template"
sed -i 's/charset=CHARSET/charset=UTF-8/' "$template"

shopt -s nullglob
for catalogue in po/*/"$domain".po; do
    msgmerge --quiet --update --backup=none --no-fuzzy-matching "$catalogue" "$template"
done
echo "wrote $template"
