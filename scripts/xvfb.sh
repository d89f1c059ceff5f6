# Sourced, not run: start_xvfb WORKDIR [Xvfb options...] starts a virtual
# X display of its own (Xvfb picks a free number and writes it to a pipe in
# WORKDIR), waits until it answers, exports DISPLAY and sets xvfb to its
# process id. Returns 1, with Xvfb's output on stderr, when it does not
# start. The caller stops it (kill "$xvfb"). The server keeps its state when
# its last client leaves (-noreset), as a desktop's X server does: otherwise
# the check that it answers ends by making it reset, just as the first real
# client connects (under load, that client was once refused).
start_xvfb() {
    _dir=$1
    shift
    mkfifo "$_dir/display"
    Xvfb -displayfd 3 -noreset "$@" -screen 0 1024x768x24 -nolisten tcp 3>"$_dir/display" >"$_dir/xvfb.log" 2>&1 &
    xvfb=$!
    _number=""
    read -r _number <"$_dir/display"
    if [ -z "$_number" ]; then
        cat "$_dir/xvfb.log" >&2
        return 1
    fi
    export DISPLAY=":$_number"
    _tries=0
    until xdpyinfo >/dev/null 2>&1; do
        _tries=$((_tries + 1))
        if [ $_tries -gt 100 ]; then
            cat "$_dir/xvfb.log" >&2
            return 1
        fi
        sleep 0.1
    done
}

# isolate_program WORKDIR: the program started from here on runs on the real
# X platform (the display start_xvfb made), with no session bus (an address
# where none listens: unset, libdbus would autolaunch one through the X
# display and leave it running) and throwaway data, configuration and
# runtime directories in WORKDIR, so that the per-user activation file a run
# writes stays out of the caller's home; WORKDIR/cwd is an empty directory
# to start it in.
isolate_program() {
    export QT_QPA_PLATFORM=xcb
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$1/no-bus"
    private_dirs "$1"
}

# private_dirs WORKDIR: throw-away data, configuration and runtime
# directories in WORKDIR (the per-user activation file, the sockets of Qt,
# a compositor and the accessibility bus; the runtime directory the user's
# alone), and an empty directory WORKDIR/cwd to start the program in.
private_dirs() {
    export XDG_DATA_HOME="$1/data" XDG_CONFIG_HOME="$1/config" XDG_RUNTIME_DIR="$1/runtime"
    mkdir -p "$1/cwd" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
}
