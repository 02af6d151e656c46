// first_window PROGRAM [ARGUMENT...]
//
// Starts PROGRAM on the X display $DISPLAY, waits until a top-level window is
// mapped there, and ends PROGRAM at once (SIGKILL). Prints the milliseconds from
// the start to that map and exits 0; exits 1 when the program ends, or 20 s
// pass, with no window mapped.
// Run under /usr/bin/time -f %M it gives the program's peak resident memory up
// to its first window: wait4 reports the largest of this watcher (about 2 MiB)
// and the program it reaped.
//
// Meant for a display of its own with no window manager (scripts/bench runs it
// under xvfb-run), where the only windows mapped are the program's, and a
// top-level window is one mapped straight on the root window.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

double milliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Waits for the first window mapped on the root that is not override-redirect
// (menus and tooltips are), for timeoutMs at most, and as long as the program
// runs. Returns false when none came.
bool waitForTopLevelMap(xcb_connection_t *x, xcb_window_t root, pid_t program, int timeoutMs)
{
    const double end = milliseconds() + timeoutMs;
    pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
    for (;;) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(x)) {
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
            const bool mapped =
                (event->response_type & 0x7f) == XCB_MAP_NOTIFY && map->event == root && !map->override_redirect;
            std::free(event);
            if (mapped) return true;
        }
        if (milliseconds() > end || xcb_connection_has_error(x) || waitpid(program, nullptr, WNOHANG) != 0)
            return false;
        poll(&fd, 1, 50);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: first_window PROGRAM [ARGUMENT...]\n");
        return 1;
    }
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "first_window: cannot open the display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    // Checked, so the server has the event mask before the program starts.
    if (xcb_generic_error_t *error =
            xcb_request_check(x, xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask))) {
        std::free(error);
        std::fprintf(stderr, "first_window: cannot watch the root window\n");
        return 1;
    }

    const double start = milliseconds();
    const pid_t program = fork();
    if (program == 0) {
        execvp(argv[1], argv + 1);
        std::perror(argv[1]);
        _exit(127);
    }
    const bool mapped = waitForTopLevelMap(x, root, program, 20000);
    const double took = milliseconds() - start;
    kill(program, SIGKILL);
    waitpid(program, nullptr, 0);
    if (!mapped) {
        std::fprintf(stderr, "first_window: %s mapped no window\n", argv[1]);
        return 1;
    }
    std::printf("%.1f\n", took);
    return 0;
}
