#include "platform/Taskbarentry.h"

#include <QGuiApplication>
#include <QWindow>

#if defined(OMBRIX_WITH_XCB) && QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>
#include <xcb/xcb.h>

namespace {

// The _NET_WM_STATE client message's actions and its source indication (a normal program).
constexpr uint32_t kStateRemove = 0;
constexpr uint32_t kStateAdd = 1;
constexpr uint32_t kSourceApplication = 1;
constexpr uint32_t kMaxStateAtoms = 1024;

template <typename T>
using TReply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name)
{
    const TReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection,
                              xcb_intern_atom(connection, 0,
                                              static_cast<uint16_t>(std::strlen(name)), name),
                              nullptr),
        &std::free);
    return reply != nullptr ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The window named by the property on window, when it holds exactly one.
xcb_window_t windowProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property)
{
    const TReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, window, property, XCB_ATOM_WINDOW, 0,
                                                1),
                               nullptr),
        &std::free);
    if (reply == nullptr || reply->format != 32 || reply->value_len != 1)
        return XCB_WINDOW_NONE;
    return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
}

// A window manager that follows the desktop conventions names its check window on the root
// window and on that window itself; a stale name left by one that has gone is not enough.
bool windowManagerRunning(xcb_connection_t* connection, xcb_window_t root)
{
    const xcb_atom_t check = internAtom(connection, "_NET_SUPPORTING_WM_CHECK");
    if (check == XCB_ATOM_NONE)
        return false;
    const xcb_window_t child = windowProperty(connection, root, check);
    return child != XCB_WINDOW_NONE && windowProperty(connection, child, check) == child;
}

xcb_window_t rootOf(xcb_connection_t* connection, xcb_window_t window)
{
    const TReply<xcb_query_tree_reply_t> reply(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr), &std::free);
    return reply != nullptr ? reply->root : xcb_window_t(XCB_WINDOW_NONE);
}

// Before the window is mapped, or with nobody to ask, the window's own property is the state.
// Other states in it (the toolkit's own) are kept.
void writeState(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t state,
                xcb_atom_t skip, bool skipped)
{
    std::vector<xcb_atom_t> atoms;
    const TReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, window, state, XCB_ATOM_ATOM, 0,
                                                kMaxStateAtoms),
                               nullptr),
        &std::free);
    if (reply != nullptr && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto* held = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
        for (uint32_t i = 0; i < reply->value_len; ++i) {
            if (held[i] != skip)
                atoms.push_back(held[i]);
        }
    }
    if (skipped)
        atoms.push_back(skip);
    if (atoms.empty())
        xcb_delete_property(connection, window, state);
    else
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, state, XCB_ATOM_ATOM, 32,
                            static_cast<uint32_t>(atoms.size()), atoms.data());
}

// A mapped window's state belongs to the window manager: it is asked.
void askWindowManager(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window,
                      xcb_atom_t state, xcb_atom_t skip, bool skipped)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = state;
    message.data.data32[0] = skipped ? kStateAdd : kStateRemove;
    message.data.data32[1] = skip;
    message.data.data32[2] = XCB_ATOM_NONE;
    message.data.data32[3] = kSourceApplication;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
}

} // namespace

void setTaskBarEntrySkipped(QWindow* window, bool skip)
{
    if (window == nullptr || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr)
        return;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_window_t root = rootOf(connection, id);
    const xcb_atom_t state = internAtom(connection, "_NET_WM_STATE");
    const xcb_atom_t skipAtom = internAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (root == XCB_WINDOW_NONE || state == XCB_ATOM_NONE || skipAtom == XCB_ATOM_NONE)
        return;
    if (window->isVisible() && windowManagerRunning(connection, root))
        askWindowManager(connection, root, id, state, skipAtom, skip);
    else
        writeState(connection, id, state, skipAtom, skip);
    xcb_flush(connection);
}

#else

void setTaskBarEntrySkipped(QWindow*, bool) { }

#endif
