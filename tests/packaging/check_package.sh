#!/bin/bash
# Checks the Debian package as a user gets it. One step per call, so CTest reports each apart:
#   build     make the .deb with cpack from the build tree (the others need it)
#   contents  the files, their modes and the control fields
#   metadata  the desktop entry and the metainfo pass their validators and agree with each other
#   icons     the packaged icons are the program's own pictures, pixel for pixel
#   lintian   lintian finds no error or warning; the changelog and the manual pages are current
#   run       install the package (as root; otherwise unpack it) and start it under Xvfb
set -euo pipefail

step=${1:?usage: check_package.sh build|contents|metadata|icons|lintian|run}
: "${BUILD_DIR:?}" "${DEB_DIR:?}" "${APP_ID:?}" "${VERSION:?}" "${ICON_SIZES:?}" "${MAN_LANGUAGES?}"

package=quantella
arch=$(dpkg --print-architecture)
# The Italian manual page is the plain man1 one; MAN_LANGUAGES are its translations, the folders
# of packaging/man.
man_languages=$MAN_LANGUAGES
deb="$DEB_DIR/${package}_${VERSION}_${arch}.deb"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

tmp=$(mktemp -d "${TMPDIR:-/tmp}/quantella-pkg.XXXXXX")
cleanup_steps=()
cleanup() {
    local status=$? i
    # Last registered, first undone.
    for ((i = ${#cleanup_steps[@]} - 1; i >= 0; i--)); do
        eval "${cleanup_steps[i]}" || status=1
    done
    rm -rf "$tmp"
    exit "$status"
}
trap cleanup EXIT

need_deb() {
    [ -f "$deb" ] || fail "no package at $deb (the packaging_deb test makes it)"
}

unpack() {
    need_deb
    mkdir -p "$tmp/root"
    dpkg-deb -x "$deb" "$tmp/root" || fail "dpkg-deb -x cannot unpack $deb"
}

step_build() {
    rm -rf "$DEB_DIR"
    mkdir -p "$DEB_DIR"
    # cpack first brings the build up to date (a no-op right after a build, a rebuild if sources
    # changed since); the outer make's job server is not ours to share.
    if ! (cd "$BUILD_DIR" && env -u MAKEFLAGS -u MFLAGS -u MAKELEVEL CMAKE_BUILD_PARALLEL_LEVEL="$(nproc)" \
            cpack --config "$BUILD_DIR/CPackConfig.cmake" -G DEB -B "$DEB_DIR") >"$tmp/cpack.log" 2>&1; then
        cat "$tmp/cpack.log" >&2
        fail "cpack could not build the package"
    fi
    if [ ! -f "$deb" ]; then
        cat "$tmp/cpack.log" >&2
        fail "cpack did not write $deb; it wrote: $(find "$DEB_DIR" -maxdepth 1 -name '*.deb' -printf '%f ')"
    fi
    echo "built $deb"
}

step_contents() {
    need_deb
    dpkg-deb -c "$deb" >"$tmp/list" || fail "dpkg-deb -c cannot list $deb"
    cat "$tmp/list"

    # Every regular file, and nothing else: a stray install rule shows up here.
    local expected=(
        "./usr/bin/quantella"
        "./usr/share/applications/$APP_ID.desktop"
        "./usr/share/metainfo/$APP_ID.metainfo.xml"
        "./usr/share/doc/$package/copyright"
        "./usr/share/doc/$package/changelog.gz"
        "./usr/share/man/man1/quantella.1.gz"
    )
    local size language
    for size in $ICON_SIZES; do
        expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png")
    done
    for language in $man_languages; do
        expected+=("./usr/share/man/$language/man1/quantella.1.gz")
    done
    awk '$1 ~ /^-/ { print $6 }' "$tmp/list" | sort >"$tmp/found"
    printf '%s\n' "${expected[@]}" | sort >"$tmp/wanted"
    local missing extra
    missing=$(comm -13 "$tmp/found" "$tmp/wanted")
    extra=$(comm -23 "$tmp/found" "$tmp/wanted")
    [ -z "$missing" ] || fail "missing from the package:"$'\n'"$missing"
    [ -z "$extra" ] || fail "unexpected files in the package (add them to the list here if they belong):"$'\n'"$extra"

    local wrong
    wrong=$(awk '$1 ~ /^[-d]/ && $2 != "root/root"' "$tmp/list")
    [ -z "$wrong" ] || fail "not owned by root/root:"$'\n'"$wrong"
    wrong=$(awk '$6 == "./usr/bin/quantella" && $1 != "-rwxr-xr-x"' "$tmp/list")
    [ -z "$wrong" ] || fail "the program is not installed with mode 0755:"$'\n'"$wrong"
    wrong=$(awk '$1 ~ /^-/ && $6 != "./usr/bin/quantella" && $1 != "-rw-r--r--"' "$tmp/list")
    [ -z "$wrong" ] || fail "data files not installed with mode 0644:"$'\n'"$wrong"

    field() { dpkg-deb -f "$deb" "$1"; }
    [ "$(field Package)" = "$package" ] || fail "Package is '$(field Package)', expected $package"
    [ "$(field Version)" = "$VERSION" ] || fail "Version is '$(field Version)', expected $VERSION"
    [ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)', expected $arch"
    [ "$(field Section)" = "education" ] || fail "Section is '$(field Section)', expected education"
    [[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] ||
        fail "Maintainer '$(field Maintainer)' is not 'Name <address>'"
    [ "$(field Description | wc -l)" -ge 2 ] || fail "Description has no long description"

    # What the program links comes from dpkg-shlibdeps: each library it needs is held, on the
    # release that built it, by a package that Depends names, whatever that release calls it
    # (libqt6core6 on Debian 12, libqt6core6t64 on Debian 13). What it loads at run time is
    # listed by hand, under names both releases share.
    local depends named soname holders dep
    depends=$(field Depends)
    echo "Depends: $depends"
    named=" $(tr ',|' '\n\n' <<<"$depends" | awk '{print $1}' | tr '\n' ' ') "
    for soname in $(readelf -d "$tmp/root/usr/bin/quantella" | sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1/p'); do
        holders=$(dpkg -S "*/$soname" 2>/dev/null | cut -d: -f1 | tr ',' '\n' | sort -u | tr -d ' ')
        [ -n "$holders" ] || fail "no installed package holds $soname, which the program needs"
        for dep in $holders; do
            [[ "$named" == *" $dep "* ]] && continue 2
        done
        fail "Depends names none of $(echo $holders), which hold $soname: $depends"
    done
    for dep in qt6-qpa-plugins fonts-liberation2 fonts-dejavu-core fonts-wqy-microhei; do
        [[ "$named" == *" $dep "* ]] || fail "Depends lacks $dep: $depends"
    done
    [ "$(field Recommends)" = "speech-dispatcher, speech-dispatcher-espeak-ng, qt6-wayland" ] ||
        fail "Recommends is '$(field Recommends)'"
}

# appstreamcli validate|validate-tree PATH, passing when it finds no error or warning but one:
# url-homepage-missing, which appstream 1.0 warns of (0.16 does not know it). Quantella has no
# public homepage, and an address made up to silence it would send families to a page not ours.
appstream_valid() {
    local out
    out=$(appstreamcli "$1" --no-net "$2" 2>&1) && return 0
    echo "$out"
    [ "$(awk '$1 ~ /^[EW]:$/ {print $3}' <<<"$out" | sort -u)" = "url-homepage-missing" ]
}

step_metadata() {
    unpack
    local desktop="$tmp/root/usr/share/applications/$APP_ID.desktop"
    local metainfo="$tmp/root/usr/share/metainfo/$APP_ID.metainfo.xml"

    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $APP_ID.desktop"
    appstream_valid validate "$metainfo" || fail "appstreamcli rejects $APP_ID.metainfo.xml"
    # The installed tree as a whole: the metainfo finds the desktop entry it launches.
    appstream_valid validate-tree "$tmp/root" || fail "appstreamcli rejects the installed tree"

    # A key of the main group, not of the actions after it.
    key() { sed -n "/^\[Desktop Entry\]/,/^\[Desktop Action/s/^$1=//p" "$desktop"; }
    [ "$(key Name)" = "Quantella" ] || fail "desktop Name is '$(key Name)'"
    [ "$(key Exec)" = "quantella" ] || fail "desktop Exec is '$(key Exec)', expected quantella"
    [ -x "$tmp/root/usr/bin/$(key Exec)" ] || fail "desktop Exec '$(key Exec)' is not in usr/bin"
    [ "$(key Icon)" = "$APP_ID" ] || fail "desktop Icon is '$(key Icon)', expected $APP_ID"
    [[ "$(key Comment)" == *contare* ]] || fail "desktop Comment is not the Italian one: '$(key Comment)'"
    [ "$(key StartupWMClass)" = "quantella" ] || fail "desktop StartupWMClass is '$(key StartupWMClass)'"
    # The second way in, for a quiet classroom.
    grep -qx 'Name=Quantella senza voce' "$desktop" && grep -qx 'Exec=quantella --senza-voce' "$desktop" ||
        fail "the desktop entry lacks the action 'Quantella senza voce'"
    local category
    for category in Education Math; do
        [[ ";$(key Categories)" == *";$category;"* ]] ||
            fail "desktop Categories '$(key Categories)' lack $category"
    done

    # Whitespace-insensitive, so the checks survive reformatting of the XML.
    local xml
    xml=$(tr -s ' \n\t' ' ' <"$metainfo")
    has() { [[ "$xml" == *"$1"* ]] || fail "metainfo lacks $1"; }
    local piece
    for piece in '<component type="desktop-application">' "<id>$APP_ID</id>" \
        "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" '<binary>quantella</binary>' \
        "<release version=\"$VERSION\"" \
        '<content_rating type="oars-' '<metadata_license>' '<project_license>'; do
        has "$piece"
    done
    # Italian, the program's own language, where the desktop's language has no text: as the
    # desktop entry's Comment above.
    [[ "$xml" == *"<summary>Impara a contare"* ]] || fail "the metainfo's untranslated summary is not the Italian one"
    [[ "$xml" == *"<p> Quantella aiuta"* ]] || fail "the metainfo's untranslated description is not the Italian one"
    # Each language has its action, for a class whose computer is set to another, and its texts,
    # for the language or for the one region they are written for (zh_CN).
    local code summary
    for code in it $LANGUAGES; do
        grep -qx "Exec=quantella --lingua $code" "$desktop" || fail "the desktop entry lacks an action for '$code'"
        [ "$code" = it ] || grep -qE "^Comment\[$code(_[A-Z]+)?\]=" "$desktop" || fail "the desktop entry has no Comment[$code]"
        summary="<summary xml:lang=\"$code(_[A-Z]+)?\">"
        [ "$code" = it ] || [[ "$xml" =~ $summary ]] || fail "metainfo lacks a summary in '$code'"
    done
    # Our Chinese is Simplified: a Traditional Chinese desktop (zh_TW) is not given it.
    ! grep -q "^Comment\[zh\]=" "$desktop" || fail "the desktop entry gives its Simplified Chinese to every Chinese desktop"
}

step_icons() {
    unpack
    : "${CHECK_ICONS:?}"
    # shellcheck disable=SC2086
    "$CHECK_ICONS" "$tmp/root/usr/share/icons/hicolor" "$APP_ID" $ICON_SIZES ||
        fail "the packaged icons are not the program's pictures (above)"
}

step_lintian() {
    unpack
    # lintian validates the metainfo too, and names no issue in its tag: the tag is let through
    # only when appstreamcli's one complaint is the missing homepage (appstream_valid). No other
    # tag is suppressed; should one ever need to be, write the reason next to it.
    local metainfo="$tmp/root/usr/share/metainfo/$APP_ID.metainfo.xml" suppress=()
    if ! appstreamcli validate --no-net "$metainfo" >/dev/null 2>&1 && appstream_valid validate "$metainfo" >/dev/null; then
        suppress=(--suppress-tags appstream-metadata-validation-failed)
    fi
    lintian --fail-on error,warning "${suppress[@]}" "$deb" || fail "lintian reports errors or warnings (above)"

    # A release bump that forgot the changelog: the package would say one version, its
    # changelog another.
    gzip -dc "$tmp/root/usr/share/doc/$package/changelog.gz" >"$tmp/changelog"
    local logged
    logged=$(dpkg-parsechangelog -l "$tmp/changelog" -S Version)
    [ "$logged" = "$VERSION" ] || fail "the changelog's latest entry is $logged, the package is $VERSION"

    # Each page renders without a groff warning, is for this version, and describes every option
    # the program's --help lists.
    local options page language warnings option
    options=$("$tmp/root/usr/bin/quantella" --help | grep -oE -- '(^| )--?[a-z][a-z-]*' | tr -d ' ')
    [ -n "$options" ] || fail "quantella --help lists no options"
    for language in "" $man_languages; do
        page="$tmp/root/usr/share/man/$language/man1/quantella.1.gz"
        warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >"$tmp/page.txt") ||
            fail "man cannot render $page: $warnings"
        [ -z "$warnings" ] || fail "groff warns about ${language:-it}/quantella.1:"$'\n'"$warnings"
        grep -q "Quantella $VERSION" "$tmp/page.txt" || fail "${language:-it}/quantella.1 is not for $VERSION"
        # An entry of the option list, not a mention in the synopsis or the text.
        for option in $options; do
            grep -qE -- "^ +(-[a-z], )?$option( [^ ]+|,.*)?\$" "$tmp/page.txt" ||
                fail "${language:-it}/quantella.1 does not describe $option"
        done
    done
    echo "lintian has nothing to say; the changelog and the manual pages are current"
}

# Starts an X server of our own on a free display and waits until it answers.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
    xvfb_pid=$!
    cleanup_steps+=("kill $xvfb_pid 2>/dev/null; wait $xvfb_pid 2>/dev/null || true")
    local i
    for ((i = 0; i < 100; i++)); do
        [ -s "$tmp/display" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || { cat "$tmp/xvfb.log" >&2; fail "Xvfb did not start"; }
        sleep 0.1
    done
    [ -s "$tmp/display" ] || fail "Xvfb gave no display within 10 s"
    display=":$(head -n1 "$tmp/display")"
}

step_run() {
    need_deb
    local program mode=unpacked
    if [ "$(id -u)" -eq 0 ]; then
        if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            echo "note: $package is already installed here; leaving it alone and running the unpacked package"
        elif [ -e /usr/bin/quantella ]; then
            echo "note: /usr/bin/quantella exists outside any package; leaving it alone and running the unpacked package"
        else
            mode=installed
        fi
    fi

    if [ "$mode" = installed ]; then
        # A copy the unprivileged apt downloader can read.
        chmod 755 "$tmp"
        cp "$deb" "$tmp/"
        chmod 644 "$tmp/$(basename "$deb")"
        local apt=(env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=120 -y)
        cleanup_steps+=("remove_package")
        if ! "${apt[@]}" install --no-install-recommends "$tmp/$(basename "$deb")" >"$tmp/apt.log" 2>&1; then
            cat "$tmp/apt.log" >&2
            fail "apt-get cannot install the package"
        fi
        grep -E '^(Setting up|The following NEW)' "$tmp/apt.log" || true
        [ "$(dpkg-query -S /usr/bin/quantella 2>/dev/null | cut -d: -f1)" = "$package" ] ||
            fail "/usr/bin/quantella does not belong to the installed package"
        [ -f "/usr/share/applications/$APP_ID.desktop" ] || fail "the desktop entry was not installed"
        program=/usr/bin/quantella
    else
        unpack
        program="$tmp/root/usr/bin/quantella"
    fi

    start_xvfb
    echo "starting $program ($mode) on display $display"
    DISPLAY=$display QT_QPA_PLATFORM=xcb "$program" >"$tmp/program.log" 2>&1 &
    local program_pid=$!
    cleanup_steps+=("kill $program_pid 2>/dev/null; wait $program_pid 2>/dev/null || true")
    if ! DISPLAY=$display timeout 20 xdotool search --sync --onlyvisible --name '^SERAVINO$' >/dev/null; then
        cat "$tmp/program.log" >&2
        kill -0 "$program_pid" 2>/dev/null || fail "the program ended without showing its window"
        fail "no window named SERAVINO appeared within 20 s"
    fi
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended right after showing its window"
    echo "window SERAVINO is mapped"
    # The window belongs to the desktop entry: its class is the entry's StartupWMClass.
    local class
    class=$(DISPLAY=$display xprop -id "$(DISPLAY=$display xdotool search --onlyvisible --name '^SERAVINO$' |
        head -n 1)" WM_CLASS)
    [ "$class" = 'WM_CLASS(STRING) = "quantella", "quantella"' ] || fail "the window's class is $class"
    kill "$program_pid"
    wait "$program_pid" 2>/dev/null || true

    if [ "$mode" = installed ]; then
        remove_package
        [ ! -e /usr/bin/quantella ] || fail "/usr/bin/quantella is still there after removal"
        echo "package removed again"
    fi
}

remove_package() {
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || return 0
    if ! env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=120 -y remove "$package" \
            >"$tmp/apt-remove.log" 2>&1; then
        cat "$tmp/apt-remove.log" >&2
        echo "FAIL: apt-get cannot remove $package" >&2
        return 1
    fi
}

case "$step" in
    build) step_build ;;
    contents) step_contents ;;
    metadata) step_metadata ;;
    icons) step_icons ;;
    lintian) step_lintian ;;
    run) step_run ;;
    *) fail "unknown step '$step'" ;;
esac
