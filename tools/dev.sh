#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine:
#   tools/dev.sh preview   install what is missing, build, show the preview page
#                          (or, without a display, write a screenshot of it)
#   tools/dev.sh test      install what is missing, build, run every test; then build
#                          again with clang, AddressSanitizer and UndefinedBehaviorSanitizer
#                          into build-asan and run every test and the fuzzers there
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build"
sanitized="$top/build-asan"
cd "$top"

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
    install_missing
    configure_and_build
    configure_and_build_sanitized
    status=0
    (cd "$build" && ctest --output-on-failure --parallel "$(nproc)" --timeout 600) || status=1
    # The "tooling" tests check files, not behaviour, and qmlplugindump, which is not
    # instrumented, cannot load an instrumented plugin: they run in the first pass only.
    (cd "$sanitized" && ctest --output-on-failure --parallel "$(nproc)" --timeout 1200 --label-exclude tooling) || status=1
    exit $status
    ;;
*)
    echo "usage: $0 preview|test" >&2
    exit 2
    ;;
esac
