// Start-up as the user sees it: starts a program and waits, as a bare X client,
// for a mapped top-level window whose title holds a given text; prints the
// milliseconds from just before the start, then asks the window to close
// (WM_DELETE_WINDOW, as a close box would) and waits for the program to end.
// Not a Qt program, so that the yardstick costs both programs alike.
//
//   wait_window TEXT PROGRAM [ARGUMENT...]
//
// Exit status 0 when the window came within 20 s, else 1.

#include <xcb/xcb.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr auto GiveUpAfter = std::chrono::seconds(20);
constexpr auto CloseWithin = std::chrono::seconds(10);

template <typename T> using TReply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* x, const char* name)
{
    TReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, std::strlen(name), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

struct TX
{
    xcb_connection_t* Connection = nullptr;
    xcb_window_t Root = 0;
    xcb_atom_t NetWmName = XCB_ATOM_NONE;
    xcb_atom_t Protocols = XCB_ATOM_NONE;
    xcb_atom_t DeleteWindow = XCB_ATOM_NONE;
};

// The UTF-8 title (_NET_WM_NAME), else the plain one (WM_NAME).
std::string TitleOf(const TX& x, xcb_window_t window)
{
    for (const xcb_atom_t property : {x.NetWmName, xcb_atom_t(XCB_ATOM_WM_NAME)}) {
        TReply<xcb_get_property_reply_t> reply(
            xcb_get_property_reply(x.Connection,
                                   xcb_get_property(x.Connection, 0, window, property,
                                                    XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
                                   nullptr),
            &std::free);
        if (reply && xcb_get_property_value_length(reply.get()) > 0)
            return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                               std::size_t(xcb_get_property_value_length(reply.get())));
    }
    return {};
}

void AskToClose(const TX& x, xcb_window_t window)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = x.Protocols;
    message.data.data32[0] = x.DeleteWindow;
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(x.Connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(x.Connection);
}

// Waits for the program to end; kills it when it does not end in time.
void Reap(pid_t child)
{
    const auto until = std::chrono::steady_clock::now() + CloseWithin;
    while (waitpid(child, nullptr, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > until) {
            std::fprintf(stderr, "wait_window: the program did not close; killed\n");
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            return;
        }
        usleep(5000);
    }
}

struct TWindowState
{
    bool Mapped = false;
    bool Titled = false;
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: wait_window TEXT PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    const std::string text = argv[1];
    TX x;
    x.Connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x.Connection)) {
        std::fprintf(stderr, "wait_window: no X display\n");
        return 1;
    }
    x.Root = xcb_setup_roots_iterator(xcb_get_setup(x.Connection)).data->root;
    x.NetWmName = Atom(x.Connection, "_NET_WM_NAME");
    x.Protocols = Atom(x.Connection, "WM_PROTOCOLS");
    x.DeleteWindow = Atom(x.Connection, "WM_DELETE_WINDOW");
    const std::uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    // Checked, so that the mask is in force before the program starts.
    if (TReply<xcb_generic_error_t> error(
            xcb_request_check(x.Connection,
                              xcb_change_window_attributes_checked(x.Connection, x.Root,
                                                                   XCB_CW_EVENT_MASK, &rootMask)),
            &std::free);
        error) {
        std::fprintf(stderr, "wait_window: cannot watch the root window\n");
        return 1;
    }

    const auto t0 = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::perror("wait_window: exec");
        _exit(127);
    }
    if (child < 0) {
        std::perror("wait_window: fork");
        return 1;
    }

    std::map<xcb_window_t, TWindowState> windows;
    const int fd = xcb_get_file_descriptor(x.Connection);
    // The title may be set before or after the window is mapped.
    const auto found = [&](xcb_window_t window) {
        const TWindowState& state = windows[window];
        return state.Mapped && state.Titled;
    };
    const auto readTitle = [&](xcb_window_t window) {
        windows[window].Titled = TitleOf(x, window).find(text) != std::string::npos;
    };
    while (std::chrono::steady_clock::now() - t0 < GiveUpAfter) {
        xcb_generic_event_t* raw = xcb_poll_for_event(x.Connection);
        if (raw == nullptr) {
            if (xcb_connection_has_error(x.Connection))
                break;
            fd_set read;
            FD_ZERO(&read);
            FD_SET(fd, &read);
            timeval tick{0, 100000};
            select(fd + 1, &read, nullptr, nullptr, &tick);
            if (waitpid(child, nullptr, WNOHANG) == child) {
                std::fprintf(stderr, "wait_window: the program ended without the window\n");
                return 1;
            }
            continue;
        }
        const auto received = std::chrono::steady_clock::now();
        TReply<xcb_generic_event_t> event(raw, &std::free);
        xcb_window_t window = XCB_WINDOW_NONE;
        switch (event->response_type & 0x7f) {
        case XCB_CREATE_NOTIFY: {
            window = reinterpret_cast<xcb_create_notify_event_t*>(raw)->window;
            const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
            xcb_change_window_attributes(x.Connection, window, XCB_CW_EVENT_MASK, &mask);
            readTitle(window); // set before the mask took effect
            break;
        }
        case XCB_MAP_NOTIFY:
            window = reinterpret_cast<xcb_map_notify_event_t*>(raw)->window;
            windows[window].Mapped = true;
            break;
        case XCB_UNMAP_NOTIFY:
            window = reinterpret_cast<xcb_unmap_notify_event_t*>(raw)->window;
            windows[window].Mapped = false;
            break;
        case XCB_PROPERTY_NOTIFY: {
            const auto* change = reinterpret_cast<xcb_property_notify_event_t*>(raw);
            window = change->window;
            if (change->atom == x.NetWmName || change->atom == XCB_ATOM_WM_NAME)
                readTitle(window);
            break;
        }
        default:
            break;
        }
        if (window != XCB_WINDOW_NONE && found(window)) {
            const std::chrono::duration<double, std::milli> elapsed = received - t0;
            std::printf("%.1f\n", elapsed.count());
            std::fflush(stdout);
            AskToClose(x, window);
            Reap(child);
            xcb_disconnect(x.Connection);
            return 0;
        }
    }
    std::fprintf(stderr, "wait_window: no mapped window titled \"%s\"\n", text.c_str());
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    xcb_disconnect(x.Connection);
    return 1;
}
