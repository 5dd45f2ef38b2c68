#pragma once

#include <xcb/xcb.h>

#include <sys/types.h>

#include <chrono>
#include <optional>

struct MappedWindow {
    xcb_window_t window;
    std::chrono::steady_clock::time_point when;  // as the map event was read
};

// A connection to the X display that sees every top-level window being
// mapped, and tells them apart by the process that owns them.
class MapWatch {
public:
    MapWatch();
    ~MapWatch();
    MapWatch(const MapWatch&) = delete;
    MapWatch& operator=(const MapWatch&) = delete;

    bool Connected() const { return root_ != XCB_WINDOW_NONE; }

    // The first top-level window of the process to be mapped before the
    // deadline; maps of other windows are passed over.
    std::optional<MappedWindow> WaitForMapOf(pid_t pid, std::chrono::steady_clock::time_point deadline);

    // Sends the window the window manager's request to close it.
    void AskToClose(xcb_window_t window);

private:
    bool BelongsTo(xcb_window_t window, pid_t pid);
    xcb_atom_t Intern(const char* name);

    xcb_connection_t* connection_;
    xcb_window_t root_ = XCB_WINDOW_NONE;
    xcb_atom_t netWmPid_ = XCB_ATOM_NONE;
    xcb_atom_t wmProtocols_ = XCB_ATOM_NONE;
    xcb_atom_t wmDeleteWindow_ = XCB_ATOM_NONE;
};
