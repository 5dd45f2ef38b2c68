#include "map_watch.h"

#include <poll.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> Own(T* reply)
{
    return Reply<T>(reply, &std::free);
}

}  // namespace

MapWatch::MapWatch() : connection_(xcb_connect(nullptr, nullptr))
{
    if (xcb_connection_has_error(connection_))
        return;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    const Reply<xcb_generic_error_t> error = Own(
        xcb_request_check(connection_, xcb_change_window_attributes_checked(connection_, root, XCB_CW_EVENT_MASK, &mask)));
    if (error)
        return;
    netWmPid_ = Intern("_NET_WM_PID");
    wmProtocols_ = Intern("WM_PROTOCOLS");
    wmDeleteWindow_ = Intern("WM_DELETE_WINDOW");
    root_ = root;
}

MapWatch::~MapWatch()
{
    xcb_disconnect(connection_);
}

std::optional<MappedWindow> MapWatch::WaitForMapOf(pid_t pid, std::chrono::steady_clock::time_point deadline)
{
    pollfd descriptor{xcb_get_file_descriptor(connection_), POLLIN, 0};
    for (;;) {
        while (xcb_generic_event_t* raw = xcb_poll_for_event(connection_)) {
            const auto when = std::chrono::steady_clock::now();
            const Reply<xcb_generic_event_t> event = Own(raw);
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
                continue;
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
            if (map->event == root_ && !map->override_redirect && BelongsTo(map->window, pid))
                return MappedWindow{map->window, when};
        }
        if (xcb_connection_has_error(connection_))
            return std::nullopt;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return std::nullopt;
        poll(&descriptor, 1, static_cast<int>(left.count()));
    }
}

void MapWatch::AskToClose(xcb_window_t window)
{
    xcb_client_message_event_t message;
    std::memset(&message, 0, sizeof message);
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = wmProtocols_;
    message.data.data32[0] = wmDeleteWindow_;
    message.data.data32[1] = XCB_CURRENT_TIME;
    // With no event mask the event goes to the client that made the window.
    xcb_send_event(connection_, false, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    xcb_flush(connection_);
}

bool MapWatch::BelongsTo(xcb_window_t window, pid_t pid)
{
    const Reply<xcb_get_property_reply_t> reply = Own(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, false, window, netWmPid_, XCB_ATOM_CARDINAL, 0, 1), nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 4)
        return false;
    uint32_t owner = 0;
    std::memcpy(&owner, xcb_get_property_value(reply.get()), sizeof owner);
    return owner == static_cast<uint32_t>(pid);
}

xcb_atom_t MapWatch::Intern(const char* name)
{
    const Reply<xcb_intern_atom_reply_t> reply = Own(xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, false, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}
