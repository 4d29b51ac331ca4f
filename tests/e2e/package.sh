# End-to-end test of the Debian package, as a packager and a technician use
# it: scripts/package makes it, lintian, desktop-file-validate and appstreamcli
# find nothing wrong, apt-get installs it, the installed program answers
# --version and --help without a display and shows its window on the X
# server, and apt-get purge takes every file away again.
#
# Sourced by scripts/test after helpers.sh; uses its ROOT, SERVICE_LOG_DIR,
# wait_for and the X server it started. Installing needs root (sudo where the
# user is not root).

as_root() {
    if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi
}

package_apt() {
    as_root env DEBIAN_FRONTEND=noninteractive apt-get -q -y -o DPkg::Lock::Timeout=600 "$@" \
        >>"$SERVICE_LOG_DIR/package-apt.log" 2>&1 \
        || { sed 's/^/    | /' "$SERVICE_LOG_DIR/package-apt.log" >&2; e2e_fail "apt-get $1 failed"; }
}

# run_installed EXPECTED_STATUS OUT ERR ARGUMENTS...: runs the installed
# program with no display at all and checks its exit status.
run_installed() {
    local expected=$1 out=$2 err=$3 status=0
    shift 3
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 /usr/bin/lumetra "$@" >"$out" 2>"$err" \
        || status=$?
    ((status == expected)) \
        || { e2e_fail "lumetra $* exited with $status, not $expected: $(cat "$err")"; return 1; }
}

# The checks on the installed package; the caller removes it afterwards.
installed_package_checks() {
    local version=$1 out=$SERVICE_LOG_DIR/cli.out err=$SERVICE_LOG_DIR/cli.err metainfo
    # Hints only: Education and Science are both main categories, and the
    # entry is meant to be listed under both.
    desktop-file-validate --no-hints /usr/share/applications/lumetra.desktop >&2 \
        || { e2e_fail "desktop-file-validate found faults in the installed desktop entry"; return 1; }
    metainfo=$(dpkg -L lumetra | grep '^/usr/share/metainfo/.*\.metainfo\.xml$') \
        || { e2e_fail "the package has no AppStream metainfo file"; return 1; }
    # --no-net: the machine reaches no web address the entry names.
    appstreamcli validate --no-net "$metainfo" >"$out" 2>&1 \
        || { cat "$out" >&2; e2e_fail "appstreamcli found faults in $metainfo"; return 1; }
    grep -q "<release version=\"$version\"" "$metainfo" \
        || { e2e_fail "$metainfo has no release $version"; return 1; }

    run_installed 0 "$out" "$err" --version || return 1
    [[ $(cat "$out") == "lumetra $version" ]] \
        || { e2e_fail "lumetra --version printed '$(cat "$out")', the package is $version"; return 1; }
    run_installed 0 "$out" "$err" --help || return 1
    grep -q -- '--version' "$out" || { e2e_fail "lumetra --help does not list --version"; return 1; }
    run_installed 2 "$out" "$err" --no-such-option || return 1
    [[ ! -s $out && -s $err ]] \
        || { e2e_fail "an unknown option is not refused on standard error alone"; return 1; }

    E2E_PROGRAM=/usr/bin/lumetra start_program installed || return 1
    stop_program
}

e2e_package() {
    local deb version files status=0 file left=()
    deb=$ROOT/$("$ROOT/scripts/package" 2>"$SERVICE_LOG_DIR/package.log") \
        || { tail -n 40 "$SERVICE_LOG_DIR/package.log" >&2; e2e_fail "scripts/package failed"; return 1; }
    version=$(dpkg-deb -f "$deb" Version) || { e2e_fail "no package at $deb"; return 1; }
    [[ $(basename "$deb") == "lumetra_${version}_$(dpkg --print-architecture).deb" ]] \
        || { e2e_fail "the package is named $(basename "$deb")"; return 1; }

    lintian --fail-on error,warning "$deb" >"$SERVICE_LOG_DIR/lintian.log" 2>&1 \
        || { cat "$SERVICE_LOG_DIR/lintian.log" >&2; e2e_fail "lintian found errors or warnings"; return 1; }

    if dpkg-query -W -f='${Status}' lumetra 2>/dev/null | grep -q 'ok installed'; then
        printf 'e2e: lumetra %s was installed before; it is replaced and removed\n' \
            "$(dpkg-query -W -f='${Version}' lumetra)" >&2
    fi
    package_apt install "$deb" || return 1
    installed_package_checks "$version" || status=1

    files=$(dpkg -L lumetra)
    package_apt purge lumetra || return 1
    while IFS= read -r file; do
        [[ -e $file && ! -d $file ]] && left+=("$file")
    done <<<"$files"
    [[ -e /usr/share/doc/lumetra ]] && left+=(/usr/share/doc/lumetra)
    ((${#left[@]} == 0)) || { e2e_fail "left after apt-get purge: ${left[*]}"; return 1; }
    return "$status"
}
