# Sourced, not run: start_xvfb WORKDIR [Xvfb options...] starts a virtual
# X display of its own (Xvfb picks a free number and writes it to a pipe in
# WORKDIR), waits until it answers, exports DISPLAY and sets xvfb to its
# process id. Returns 1, with Xvfb's output on stderr, when it does not
# start. The caller stops it (kill "$xvfb").
start_xvfb() {
    _dir=$1
    shift
    mkfifo "$_dir/display"
    Xvfb -displayfd 3 "$@" -screen 0 1024x768x24 -nolisten tcp 3>"$_dir/display" >"$_dir/xvfb.log" 2>&1 &
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
