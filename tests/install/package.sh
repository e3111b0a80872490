#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks what apt will see in it.
# Usage: package.sh BUILD_FOLDER VERSION. Exits 77 (skipped) without Debian's packaging tools.
set -euo pipefail
build=$1
version=$2
for tool in dpkg-deb dpkg-shlibdeps cpack; do
    command -v "$tool" >/dev/null || { echo "no $tool"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/log" || { cat "$work/log"; fail "cpack"; }
deb="$work/zeto_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $deb: $(ls "$work")"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# Linked libraries (found by dpkg-shlibdeps) and what Qt loads at run time (listed by hand).
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 libqt6svg6 \
               libqt6printsupport6 libc6 qt6-qpa-plugins qt6-translations-l10n fonts-noto-cjk; do
    [[ ", $depends," =~ [\ \|]$package[\ ,] ]] || fail "Depends lacks $package"
done

dpkg-deb -c "$deb" >"$work/contents"
for entry in '^l.* \./usr/bin/zeto -> \.\./lib/zeto/zeto$' '^-rwxr-xr-x .* \./usr/lib/zeto/zeto$' \
             '^-rwxr-xr-x .* \./usr/lib/zeto/data/calc\.kvt$' ' \./usr/lib/zeto/help/index\.htm$' \
             ' \./usr/share/applications/zeto\.desktop$' \
             ' \./usr/share/icons/hicolor/256x256/apps/zeto\.png$'; do
    grep -q "$entry" "$work/contents" || fail "package lacks $entry"
done
echo "package is complete"
