// move_windows: moves X windows as fast as the X server takes it. Reads "WINDOW X Y" lines
// from standard input (window ids in decimal or 0x hexadecimal), sends every move in that
// order at once and returns once the server has carried them all out. The windows' programs
// then get the moves as fast as they can take them, as when a window manager re-tiles.
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main() {
    struct Move {
        xcb_window_t window;
        int32_t x;
        int32_t y;
    };
    std::vector<Move> moves;
    char window[64];
    int x = 0;
    int y = 0;
    while (std::scanf("%63s %d %d", window, &x, &y) == 3) {
        moves.push_back(
            {static_cast<xcb_window_t>(std::strtoul(window, nullptr, 0)), int32_t(x), int32_t(y)});
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        std::fprintf(stderr, "move_windows: no X display\n");
        return 1;
    }
    for (const Move& move : moves) {
        const uint32_t place[] = {static_cast<uint32_t>(move.x), static_cast<uint32_t>(move.y)};
        xcb_configure_window(connection, move.window, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y,
                             place);
    }
    // A round trip: the server has handled every request before it answers this one.
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    xcb_disconnect(connection);
    return 0;
}
