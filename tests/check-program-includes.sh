#!/bin/sh
# The program's own code (app/, calc/, utilities/, res/) reaches Qt, D-Bus
# and POSIX only through platform/. Fails, naming the lines, when a file
# there includes one of their headers; main.cpp is the one exception.
set -u
top=${1:?usage: check-program-includes.sh SOURCE_DIR}
cd "$top" || exit 2
pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Q[A-Za-z]|qt|dbus/|sys/|X11/|unistd\.h|fcntl\.h|dirent\.h|pthread\.h|pwd\.h|dlfcn\.h|locale\.h|langinfo\.h|signal\.h|poll\.h|spawn\.h|termios\.h)'
found=$(find app calc utilities res -name '*.cpp' -o -name '*.h' -o -name '*.c' 2>/dev/null \
        | grep -v -E '(^|/)main\.cpp$' | sort | xargs -r grep -n -E "$pattern")
if [ -n "$found" ]; then
    echo "These program files include Qt, D-Bus or POSIX headers; such calls belong in platform/:"
    echo "$found"
    exit 1
fi
echo "No program file outside platform/ includes a Qt, D-Bus or POSIX header."
