/* Measures how long a program takes from exec to its first top-level window
 * being mapped on an X display, and its resident memory one second later.
 *
 * Usage: map-watch PROGRAM [ARGS...]   (display from DISPLAY)
 * Prints: map_ms=<milliseconds> cpu_ms=<CPU time of all its threads at the
 *         map> rss_kb=<VmRSS one second after the map> anon_kb=<RssAnon
 *         then>
 *
 * The watch on the root window is in place before the program starts, so
 * the MapNotify cannot be missed, and the wait is on the event itself, not a
 * poll. The program is ended with SIGTERM afterwards. */

#define _POSIX_C_SOURCE 200809L
#include <X11/Xlib.h>

#include <dirent.h>
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

static long status_kb(pid_t pid, const char* field)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f)
        return -1;
    char line[256];
    long kb = -1;
    const size_t length = strlen(field);
    while (fgets(line, sizeof line, f)) {
        if (strncmp(line, field, length) == 0 && line[length] == ':') {
            kb = strtol(line + length + 1, NULL, 10);
            break;
        }
    }
    fclose(f);
    return kb;
}

/* The run time so far of every thread the program has, in nanoseconds
 * (the first field of each /proc/PID/task/TID/schedstat): the CPU it spent
 * before its window was mapped, at a finer grain than clock ticks. */
static double cpu_ms(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/task", (int)pid);
    DIR* tasks = opendir(path);
    if (!tasks)
        return -1;
    double total = 0;
    struct dirent* entry;
    while ((entry = readdir(tasks)) != NULL) {
        if (entry->d_name[0] == '.')
            continue;
        char file[128];
        snprintf(file, sizeof file, "%s/%s/schedstat", path, entry->d_name);
        FILE* f = fopen(file, "r");
        if (!f)
            continue;
        unsigned long long ns = 0;
        if (fscanf(f, "%llu", &ns) == 1)
            total += ns / 1e6;
        fclose(f);
    }
    closedir(tasks);
    return total;
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
    const double cpu = cpu_ms(child);
    sleep(1);
    const long kb = status_kb(child, "VmRSS");
    const long anon = status_kb(child, "RssAnon");
    printf("map_ms=%.1f cpu_ms=%.1f rss_kb=%ld anon_kb=%ld\n", mapped - start, cpu, kb, anon);
    fflush(stdout);

    kill(child, SIGTERM);
    waitpid(child, NULL, 0);
    XCloseDisplay(display);
    return 0;
}
