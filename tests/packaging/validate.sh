#!/usr/bin/env bash
# The generated launcher and software-centre entry pass the freedesktop
# validators, and carry the project version, which is written nowhere else.
# Usage: validate.sh DESKTOP_FILE METAINFO_FILE
source "$(dirname "$0")/lib.sh"
desktop=$1 metainfo=$2

# Warnings count as failures too: desktop-file-validate only fails on errors.
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate: $out"
appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli rejects the metainfo"

grep -Eq "<release version=\"${SCARABINE_VERSION//./\\.}\" date=\"[0-9]{4}-[0-9]{2}-[0-9]{2}\"" "$metainfo" \
  || fail "metainfo has no release entry for $SCARABINE_VERSION"
grep -q "<id>$SCARABINE_APP_ID</id>" "$metainfo" || fail "metainfo id is not $SCARABINE_APP_ID"
grep -q "<launchable type=\"desktop-id\">$SCARABINE_APP_ID.desktop</launchable>" "$metainfo" \
  || fail "metainfo does not name the launcher"
# An empty rating claims that none of OARS' categories applies, which is untrue.
grep -q '<content_attribute id=' "$metainfo" || fail "metainfo rates no content"

# The launcher and the software centre file the program in the same
# categories; the toolkit category (Qt) is the launcher's alone.
desktop_categories=$(sed -n 's/^Categories=//p' "$desktop" | tr ';' '\n' | sed '/^$/d;/^Qt$/d' | sort)
metainfo_categories=$(sed -n 's:.*<category>\(.*\)</category>.*:\1:p' "$metainfo" | sort)
[ "$desktop_categories" = "$metainfo_categories" ] || fail "categories differ between launcher and metainfo"

# The version is typed once, in debian/changelog; everything else is generated from it.
pattern="(^|[^0-9.])${SCARABINE_VERSION//./\\.}([^0-9]|$)"
cd "$SCARABINE_SOURCE_DIR"
if copies=$(grep -rnE "$pattern" CMakeLists.txt src packaging cmake); then
  fail "version written out by hand instead of taken from debian/changelog:"$'\n'"$copies"
fi

# debian/copyright holds LICENSE in Debian's form: the notice after
# "Copyright:", the text indented by one space, "." for an empty line.
notice=$(sed -n 's/^Copyright (c) //p' LICENSE)
[ -n "$notice" ] && grep -qxF "Copyright: $notice" debian/copyright || fail "debian/copyright lacks \"Copyright: $notice\""
diff -u <(sed '1,/^Copyright (c) /d' LICENSE | sed '1{/^$/d}') \
        <(sed '1,/^License: Expat$/d' debian/copyright | sed -e 's/^ //' -e 's/^\.$//') \
  || fail "the licence text in debian/copyright differs from LICENSE (-LICENSE +debian/copyright)"
echo "launcher and metainfo valid for version $SCARABINE_VERSION"
