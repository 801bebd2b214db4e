#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that a desktop would find the
# program there: valid desktop entry and metainfo, icons of the right sizes, the
# program itself, and nothing else.
#   check-install.sh BUILD_DIR SOURCE_DIR VERSION
set -uo pipefail

if [ $# -ne 3 ]; then
    echo "usage: $0 BUILD_DIR SOURCE_DIR VERSION" >&2
    exit 2
fi
build=$1
source=$2
version=$3
# The application id is the name of the one desktop entry in packaging/.
entries=("$source"/packaging/*.desktop)
if [ ${#entries[@]} -ne 1 ] || [ ! -f "${entries[0]}" ]; then
    echo "FAIL: expected exactly one desktop entry in $source/packaging"
    exit 1
fi
id=$(basename "${entries[0]}" .desktop)

for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL: $tool is missing (scripts/setup.sh --with-tests installs it)"
        exit 1
    fi
done

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

passed=0
failed=0
pass() { passed=$((passed + 1)); echo "PASS: $1"; }
fail() { failed=$((failed + 1)); echo "FAIL: $1"; }
check() { # check DESCRIPTION COMMAND...
    local what=$1
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}

if ! cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
    cat "$prefix.log"
    rm -f "$prefix.log"
    echo "FAIL: cmake --install"
    exit 1
fi
rm -f "$prefix.log"

share=$prefix/share
desktop=$share/applications/$id.desktop
metainfo=$share/metainfo/$id.metainfo.xml

# PNG width and height are the big-endian words at bytes 16 and 20.
png_size() {
    local w h
    w=$(od -An -tu1 -j16 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
    h=$(od -An -tu1 -j20 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
    echo "${w}x${h}"
}

desktop_key() { # the untranslated value of KEY in the desktop entry
    sed -n "s/^$1=//p" "$desktop" | head -n1
}

check "program installed and executable" test -x "$prefix/bin/radixon"

if [ -f "$desktop" ]; then
    output=$(desktop-file-validate "$desktop" 2>&1)
    status=$?
    [ -n "$output" ] && echo "$output"
    # Hints are advice; errors and warnings are not.
    if [ $status -eq 0 ] && ! grep -qiE 'error|warning' <<<"$output"; then
        pass "desktop entry valid"
    else
        fail "desktop entry valid"
    fi
    check "desktop entry names the icon by the application id" test "$(desktop_key Icon)" = "$id"
    exec_command=$(desktop_key Exec | awk '{print $1}')
    check "desktop entry starts the installed program" test -x "$prefix/bin/$exec_command"
    check "desktop entry has a Greek comment" grep -q '^Comment\[el\]=' "$desktop"
else
    fail "desktop entry installed as share/applications/$id.desktop"
fi

if [ -f "$metainfo" ]; then
    # Strict: software centres skip components with what the validator only calls
    # infos, such as a missing content rating.
    check "metainfo valid" appstreamcli validate --no-net --strict "$metainfo"
    # The tree check finds the desktop entry that the metainfo launches.
    check "installed tree valid for AppStream" appstreamcli validate-tree --no-net --strict "$prefix"
    newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n1 | cut -d'"' -f2)
    check "newest release in the metainfo is version $version" test "$newest" = "$version"
else
    fail "metainfo installed as share/metainfo/$id.metainfo.xml"
fi

icons=$share/icons/hicolor
check "scalable icon installed" test -s "$icons/scalable/apps/$id.svg"
expected_files=(
    "bin/radixon"
    "share/applications/$id.desktop"
    "share/metainfo/$id.metainfo.xml"
    "share/icons/hicolor/scalable/apps/$id.svg"
    "share/doc/radixon/copyright"
)
shopt -s nullglob
renders=("$source"/resources/radixon-*.png)
check "icon renders found in the sources" test ${#renders[@]} -gt 0
for render in "${renders[@]}"; do
    n=${render##*/radixon-}
    n=${n%.png}
    icon=$icons/${n}x${n}/apps/$id.png
    expected_files+=("share/icons/hicolor/${n}x${n}/apps/$id.png")
    if [ -f "$icon" ]; then
        check "${n}x${n} icon is ${n} pixels square" test "$(png_size "$icon")" = "${n}x${n}"
    else
        fail "${n}x${n} icon installed"
    fi
done

# Tests, benchmarks and the static libraries stay in the build.
unexpected=$(cd "$prefix" && find . -type f -printf '%P\n' | sort |
    comm -23 - <(printf '%s\n' "${expected_files[@]}" | sort))
if [ -z "$unexpected" ]; then
    pass "nothing installed beyond the program and its desktop files"
else
    echo "$unexpected"
    fail "nothing installed beyond the program and its desktop files"
fi

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
