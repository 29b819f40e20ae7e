/* SPDX-FileCopyrightText: 2026 The Keldary developers
 * SPDX-License-Identifier: GPL-3.0-or-later */

/* Starts a program on $DISPLAY and waits until its first top-level window is
 * mapped and viewable, then kills it and reaps it.
 *
 *   mapwatch [-n WM_NAME] [-t SECONDS] [-p PROPERTY]... [-c] -- PROGRAM [ARGS...]
 *
 * Prints one line: "<milliseconds from fork to viewable> <peak RSS in KiB>".
 * The peak RSS is the child's ru_maxrss from wait4(), i.e. the high-water mark
 * up to the moment it was killed, which is the same cut-off for every program.
 *
 * -p prints the window's text property PROPERTY as it was when the window
 * mapped, one line "PROPERTY value" each before the line above (several
 * values separated by commas).
 * -c closes the window instead of killing the program, the way a window
 * manager's close button does (a WM_DELETE_WINDOW message), and waits for the
 * program to end: mapwatch then succeeds only if the program exits with 0.
 *
 * The root window is watched before the program is started, so a map that
 * happens quickly cannot be missed. Without a window manager a top-level
 * window stays a direct child of the root, so SubstructureNotify on the root
 * sees its MapNotify. Override-redirect windows (menus, tooltips) are ignored.
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double nowMs(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

static int nameMatches(Display *display, Window window, const char *wanted)
{
    if (!wanted)
        return 1;
    char *name = NULL;
    int match = XFetchName(display, window, &name) && name && strcmp(name, wanted) == 0;
    if (name)
        XFree(name);
    return match;
}

static int isViewableTopLevel(Display *display, Window window, const char *wanted)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        return 0; /* already gone again */
    return attributes.map_state == IsViewable && !attributes.override_redirect
        && nameMatches(display, window, wanted);
}

static void printProperty(Display *display, Window window, const char *name)
{
    Atom property = XInternAtom(display, name, False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char *value = NULL;
    printf("%s", name);
    if (XGetWindowProperty(display, window, property, 0, 1024, False, AnyPropertyType, &type, &format, &count,
                           &after, &value) == Success && value && format == 8) {
        /* A list of texts (WM_CLASS) is NUL-separated. */
        for (unsigned long i = 0; i + 1 < count; ++i)
            if (value[i] == '\0')
                value[i] = ',';
        printf(" %.*s", (int)count, (const char *)value);
    }
    putchar('\n');
    if (value)
        XFree(value);
}

/* Asks the window to close, as a window manager does for its close button.
 * Returns 0 if the window does not take the request. */
static int askToClose(Display *display, Window window)
{
    Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    Atom *protocols = NULL;
    int count = 0, takesIt = 0;
    if (XGetWMProtocols(display, window, &protocols, &count)) {
        for (int i = 0; i < count; ++i)
            takesIt |= protocols[i] == deleteWindow;
        XFree(protocols);
    }
    if (!takesIt)
        return 0;
    XEvent event;
    memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)deleteWindow;
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
    return 1;
}

static void usage(void)
{
    fputs("usage: mapwatch [-n WM_NAME] [-t SECONDS] [-p PROPERTY]... [-c] -- PROGRAM [ARGS...]\n", stderr);
    exit(2);
}

int main(int argc, char **argv)
{
    const char *wantedName = NULL;
    double timeoutMs = 30000;
    const char *properties[16];
    int propertyCount = 0;
    int closeWindow = 0;
    int opt;
    while ((opt = getopt(argc, argv, "+n:t:p:c")) != -1) {
        switch (opt) {
        case 'n': wantedName = optarg; break;
        case 't': timeoutMs = atof(optarg) * 1000; break;
        case 'p':
            if (propertyCount == 16)
                usage();
            properties[propertyCount++] = optarg;
            break;
        case 'c': closeWindow = 1; break;
        default: usage();
        }
    }
    if (optind >= argc)
        usage();

    Display *display = XOpenDisplay(NULL);
    if (!display) {
        fputs("mapwatch: cannot open display\n", stderr);
        return 2;
    }
    Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    double started = nowMs();
    pid_t child = fork();
    if (child < 0) {
        perror("mapwatch: fork");
        return 2;
    }
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[optind], argv + optind);
        fprintf(stderr, "mapwatch: cannot run %s: %s\n", argv[optind], strerror(errno));
        _exit(127);
    }

    double mappedAt = -1;
    Window mapped = None;
    int childGone = 0;
    int status = 0;
    struct rusage usage;
    memset(&usage, 0, sizeof usage);
    struct pollfd pfd = { ConnectionNumber(display), POLLIN, 0 };
    while (mappedAt < 0) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == root
                && isViewableTopLevel(display, event.xmap.window, wantedName)) {
                mappedAt = nowMs();
                mapped = event.xmap.window;
                break;
            }
        }
        if (mappedAt >= 0)
            break;
        if (wait4(child, &status, WNOHANG, &usage) == child) {
            childGone = 1;
            break;
        }
        double left = started + timeoutMs - nowMs();
        if (left <= 0)
            break;
        poll(&pfd, 1, left < 50 ? (int)left + 1 : 50);
    }

    for (int i = 0; mappedAt >= 0 && i < propertyCount; ++i)
        printProperty(display, mapped, properties[i]);

    int closed = 0;
    if (mappedAt >= 0 && closeWindow && !childGone) {
        if (!askToClose(display, mapped)) {
            fputs("mapwatch: the window does not take WM_DELETE_WINDOW\n", stderr);
        } else {
            while (!(childGone = wait4(child, &status, WNOHANG, &usage) == child) && nowMs() < started + timeoutMs)
                poll(NULL, 0, 10);
            if (!childGone)
                fprintf(stderr, "mapwatch: %s still runs after its window was closed\n", argv[optind]);
            closed = childGone;
        }
    }

    if (!childGone) {
        kill(child, SIGKILL);
        wait4(child, &status, 0, &usage);
    }
    XCloseDisplay(display);

    if (mappedAt >= 0 && closeWindow) {
        printf("%.3f %ld\n", mappedAt - started, usage.ru_maxrss);
        if (!closed)
            return 1;
        if (WIFSIGNALED(status)) {
            fprintf(stderr, "mapwatch: %s ended through signal %d\n", argv[optind], WTERMSIG(status));
            return 1;
        }
        if (WEXITSTATUS(status) != 0) {
            fprintf(stderr, "mapwatch: %s exited with %d\n", argv[optind], WEXITSTATUS(status));
            return 1;
        }
        return 0;
    }

    if (mappedAt < 0) {
        if (childGone)
            fprintf(stderr, "mapwatch: %s ended before mapping a window (status %d)\n",
                    argv[optind], status);
        else
            fprintf(stderr, "mapwatch: no window mapped within %.0f s\n", timeoutMs / 1000);
        return 1;
    }
    printf("%.3f %ld\n", mappedAt - started, usage.ru_maxrss);
    return 0;
}
