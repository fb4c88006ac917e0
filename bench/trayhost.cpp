// A stand-in system tray for the start-up benchmark: it owns the tray selection of the
// default screen, so that a program started with "-h" finds a tray and really starts hidden.
// It docks nothing. Prints "ready" once it owns the selection, then waits until killed.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main()
{
    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "trayhost: no X display\n");
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    xcb_screen_t *screen = screens.data;

    const xcb_window_t window = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, screen->root_visual, 0, nullptr);

    const std::string name = "_NET_SYSTEM_TRAY_S" + std::to_string(screenNumber);
    xcb_intern_atom_reply_t *selection =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(name.size()), name.c_str()), nullptr);
    xcb_intern_atom_reply_t *manager =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, 7, "MANAGER"), nullptr);
    if (!selection || !manager)
        return 1;
    xcb_set_selection_owner(connection, window, selection->atom, XCB_CURRENT_TIME);

    // Clients already running learn about the new tray from this message.
    xcb_client_message_event_t announce;
    std::memset(&announce, 0, sizeof announce);
    announce.response_type = XCB_CLIENT_MESSAGE;
    announce.format = 32;
    announce.window = screen->root;
    announce.type = manager->atom;
    announce.data.data32[0] = XCB_CURRENT_TIME;
    announce.data.data32[1] = selection->atom;
    announce.data.data32[2] = window;
    xcb_send_event(connection, 0, screen->root, XCB_EVENT_MASK_STRUCTURE_NOTIFY, reinterpret_cast<const char *>(&announce));

    xcb_get_selection_owner_reply_t *owner =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection->atom), nullptr);
    const bool owned = owner && owner->owner == window;
    std::free(owner);
    std::free(selection);
    std::free(manager);
    if (!owned) {
        std::fprintf(stderr, "trayhost: another tray owns the selection\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    while (xcb_generic_event_t *event = xcb_wait_for_event(connection))
        std::free(event);
    xcb_disconnect(connection);
    return 0;
}
