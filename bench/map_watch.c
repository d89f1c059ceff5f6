/* Measures how long a program takes from exec to its first top-level window
 * being mapped on an X display, and its resident memory one second later.
 *
 * Usage: map-watch PROGRAM [ARGS...]   (display from DISPLAY)
 * Prints: map_ms=<milliseconds> rss_kb=<VmRSS one second after the map>
 *
 * The watch on the root window is in place before the program starts, so
 * the MapNotify cannot be missed, and the wait is on the event itself, not a
 * poll. The program is ended with SIGTERM afterwards. */

#define _POSIX_C_SOURCE 200809L
#include <X11/Xlib.h>

#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

static long rss_kb(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f)
        return -1;
    char line[256];
    long kb = -1;
    while (fgets(line, sizeof line, f)) {
        if (strncmp(line, "VmRSS:", 6) == 0) {
            kb = strtol(line + 6, NULL, 10);
            break;
        }
    }
    fclose(f);
    return kb;
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "cannot open display\n");
        return 1;
    }
    Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = now_ms();
    pid_t child = fork();
    if (child < 0) {
        perror("fork");
        return 1;
    }
    if (child == 0) {
        execvp(argv[1], argv + 1);
        perror("exec");
        _exit(127);
    }

    double mapped = -1;
    while (mapped < 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect)
            mapped = now_ms();
    }
    sleep(1);
    const long kb = rss_kb(child);
    printf("map_ms=%.1f rss_kb=%ld\n", mapped - start, kb);
    fflush(stdout);

    kill(child, SIGTERM);
    waitpid(child, NULL, 0);
    XCloseDisplay(display);
    return 0;
}
