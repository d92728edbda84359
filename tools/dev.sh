#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine:
#   tools/dev.sh preview   install what is missing, build, show the preview page
#                          (or, without a display, write a screenshot of it)
#   tools/dev.sh test      install what is missing, build into build/, and again with clang,
#                          AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/;
#                          then run every test in build/ (the plain pass), and every test
#                          and the fuzzers in build-asan/ (the sanitizer pass)
#   tools/dev.sh test plain [CTEST ARGUMENT...]
#   tools/dev.sh test sanitizer [CTEST ARGUMENT...]
#                          one pass alone, building only its tree; the arguments go to
#                          ctest, e.g. -L panel (one suite) or -R Sao_Paulo (one zone)
# Each pass says how long it took and how loaded the machine was.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build"
sanitized="$top/build-asan"
cd "$top"

# Tests run side by side: each X server picks its own display and each D-Bus test
# starts its own bus, so none waits for another. ORV_TEST_JOBS overrides how many.
jobs=${ORV_TEST_JOBS:-$(nproc)}

run_as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
    local missing=()
    while read -r package; do
        case "$package" in ''|'#'*) continue ;; esac
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done < tools/packages.txt
    if [ ${#missing[@]} -gt 0 ]; then
        echo "installing: ${missing[*]}"
        run_as_root apt-get update -qq
        run_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

configure_and_build() {
    cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
    cmake --build "$build" --parallel "$(nproc)"
}

configure_and_build_sanitized() {
    CC=clang CXX=clang++ cmake -S "$top" -B "$sanitized" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
        -DECM_ENABLE_SANITIZERS='address;undefined'
    cmake --build "$sanitized" --parallel "$(nproc)"
}

# run_pass NAME TREE [CTEST ARGUMENT...]: the tests of one tree, and how long they took.
run_pass() {
    local name=$1 tree=$2 started status=0
    shift 2
    echo "== $name pass in ${tree#"$top"/}: ctest --parallel $jobs $*; load average $(cut -d' ' -f1-3 /proc/loadavg)"
    started=$(date +%s)
    (cd "$tree" && ctest --output-on-failure --parallel "$jobs" "$@") || status=1
    timings+=("$name pass: $(($(date +%s) - started)) s (load average at its end: $(cut -d' ' -f1-3 /proc/loadavg))")
    return $status
}

timings=()
print_timings() {
    printf '%s\n' "${timings[@]}"
}

case "${1:-}" in
preview)
    install_missing
    configure_and_build
    shift
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        exec "$build/bin/orv-admin-date-preview" "$@"
    fi
    xvfb-run -a "$build/bin/orv-admin-date-preview" --screenshot "$build/preview.png" "$@"
    echo "no display: wrote a screenshot of the preview page to $build/preview.png"
    ;;
test)
    pass=${2:-both}
    case "$pass" in plain|sanitizer|both) ;; *) echo "usage: $0 test [plain|sanitizer] [CTEST ARGUMENT...]" >&2; exit 2 ;; esac
    shift $(($# < 2 ? $# : 2))
    install_missing
    # Both trees are built before either pass runs, so that no pass waits for a build.
    [ "$pass" = sanitizer ] || configure_and_build
    [ "$pass" = plain ] || configure_and_build_sanitized
    status=0
    trap print_timings EXIT
    if [ "$pass" != sanitizer ]; then
        run_pass plain "$build" --timeout 600 "$@" || status=1
    fi
    # The "tooling" tests check files, not behaviour, and qmlplugindump, which is not
    # instrumented, cannot load an instrumented plugin: they run in the plain pass only.
    if [ "$pass" != plain ]; then
        run_pass sanitizer "$sanitized" --timeout 1200 --label-exclude tooling "$@" || status=1
    fi
    exit $status
    ;;
*)
    echo "usage: $0 preview | test [plain|sanitizer] [CTEST ARGUMENT...]" >&2
    exit 2
    ;;
esac
