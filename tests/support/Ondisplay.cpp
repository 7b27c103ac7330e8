#include "tests/support/Ondisplay.h"

#include <QGuiApplication>
#include <QTest>
#include <QtGui/qguiapplication_platform.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// Every request made so far on the connection has been carried out by the display.
void roundTrip(xcb_connection_t* c)
{
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

} // namespace

xcb_connection_t* displayConnection()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

QStringList netWmStates(WId window)
{
    xcb_connection_t* c = displayConnection();
    const char name[] = "_NET_WM_STATE";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, std::strlen(name), name), nullptr);
    if (atom == nullptr)
        return {};
    xcb_get_property_reply_t* property =
        xcb_get_property_reply(c,
                               xcb_get_property(c, 0, static_cast<xcb_window_t>(window), atom->atom,
                                                XCB_ATOM_ATOM, 0, 1024),
                               nullptr);
    std::free(atom);
    QStringList names;
    if (property != nullptr && property->format == 32) {
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(property));
        for (uint32_t i = 0; i < property->value_len; ++i) {
            xcb_get_atom_name_reply_t* reply =
                xcb_get_atom_name_reply(c, xcb_get_atom_name(c, atoms[i]), nullptr);
            if (reply == nullptr)
                continue;
            names << QString::fromLatin1(xcb_get_atom_name_name(reply),
                                         xcb_get_atom_name_name_length(reply));
            std::free(reply);
        }
    }
    std::free(property);
    return names;
}

::testing::AssertionResult exposedOnDisplay(QWidget& window)
{
    if (QTest::qWaitForWindowExposed(&window, kDisplayPatienceMs))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "the display did not show the window within " << kDisplayPatienceMs / 1000 << " s";
}

std::string mappedAndStateWritten(WId window, const std::function<void()>& act)
{
    xcb_connection_t* manager = xcb_connect(nullptr, nullptr);
    const auto id = static_cast<xcb_window_t>(window);
    const char name[] = "_NET_WM_STATE";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> state(
        xcb_intern_atom_reply(manager, xcb_intern_atom(manager, 0, std::strlen(name), name),
                              nullptr),
        &std::free);
    const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(manager, id, XCB_CW_EVENT_MASK, &mask);
    xcb_delete_property(manager, id, state->atom);
    roundTrip(manager);
    act();
    roundTrip(displayConnection());
    roundTrip(manager);
    std::string happened;
    while (xcb_generic_event_t* event = xcb_poll_for_event(manager)) {
        // Without the bit that marks an event sent by a client.
        const uint8_t type = event->response_type & 0x7f;
        const auto* property = reinterpret_cast<xcb_property_notify_event_t*>(event);
        if (type == XCB_MAP_NOTIFY)
            happened += "map ";
        else if (type == XCB_PROPERTY_NOTIFY && property->atom == state->atom
                 && property->state == XCB_PROPERTY_NEW_VALUE)
            happened += "state ";
        std::free(event);
    }
    xcb_disconnect(manager);
    return happened;
}

void COnDisplayTest::SetUp()
{
    CWindowTest::SetUp();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || displayConnection() == nullptr)
        GTEST_FAIL() << "runs on an X display (tests/framework/ondisplay.sh)";
}

void COnDisplayTest::applyTrayOptions(CTestMainWindow& window, bool tray, bool taskBarIcon)
{
    window.formMain().ShowSystemTrayIcon = tray;
    window.formMain().ShowTaskBarIcon = taskBarIcon;
    window.applyTrayOptions();
}
