# Sourced (with $here set to the sourcing script's folder) by the test
# scripts that run the program in a desktop session of
# their own (tests/xvfb/, tests/wayland/): the tools they need, and the
# throw-away directories the session lives in (private_dirs, from
# scripts/xvfb.sh).
. "$here/../../scripts/xvfb.sh"

# need TOOL...: skips the test (exit 77) when a tool is missing.
need() {
    for _tool in "$@"; do
        if ! command -v "$_tool" >/dev/null 2>&1; then
            echo "SKIP: $_tool is not installed (scripts/install-deps.sh installs it)"
            exit 77
        fi
    done
}

# need_pyatspi: skips the test when Debian's python3-pyatspi is missing.
need_pyatspi() {
    if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
        echo "SKIP: python3-pyatspi is not installed (scripts/install-deps.sh installs it)"
        exit 77
    fi
}
