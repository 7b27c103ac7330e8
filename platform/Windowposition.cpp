#include "platform/Windowposition.h"

#include <QGuiApplication>
#include <QWindow>

#if defined(OMBRIX_WITH_XCB) && QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>

#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace {

template <typename T>
using TReply = std::unique_ptr<T, decltype(&std::free)>;

} // namespace

std::optional<QPoint> nativeClientPosition(const QWindow* window)
{
    // Asking for the id of a window that has no native one would create it.
    if (window == nullptr || window->handle() == nullptr || window->devicePixelRatio() != 1.0
        || QGuiApplication::platformName() != QLatin1String("xcb"))
        return std::nullopt;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr)
        return std::nullopt;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const TReply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr), &std::free);
    if (geometry == nullptr)
        return std::nullopt;
    const TReply<xcb_translate_coordinates_reply_t> origin(
        xcb_translate_coordinates_reply(
            connection, xcb_translate_coordinates(connection, id, geometry->root, 0, 0), nullptr),
        &std::free);
    if (origin == nullptr || origin->same_screen == 0)
        return std::nullopt;
    return QPoint(origin->dst_x, origin->dst_y);
}

#else

std::optional<QPoint> nativeClientPosition(const QWindow*)
{
    return std::nullopt;
}

#endif
