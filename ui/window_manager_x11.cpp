// The requests of the Extended Window Manager Hints, sent straight to the
// X server: Qt has no portable call for either.
#include "window_manager.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

namespace croquel::ui {

namespace {

using namespace std::chrono_literals;

// How long a window manager that offers the frame estimate may take to give
// it; it answers within a round trip or two.
constexpr auto frameAnswerTimeout = 100ms;

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

xcb_connection_t* x11Connection()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

template <std::size_t N>
std::array<xcb_atom_t, N> internAtoms(xcb_connection_t* connection, const std::array<const char*, N>& names)
{
    std::array<xcb_intern_atom_cookie_t, N> cookies{};
    for (std::size_t i = 0; i < N; ++i) {
        cookies[i] = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(names[i])), names[i]);
    }
    std::array<xcb_atom_t, N> atoms{};
    for (std::size_t i = 0; i < N; ++i) {
        const ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookies[i], nullptr));
        atoms[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }
    return atoms;
}

// The values of a property of 32-bit items, empty when it is absent.
ReplyPtr<xcb_get_property_reply_t> property32(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name,
                                              xcb_atom_t type)
{
    ReplyPtr<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, name, type, 0, 1024), nullptr));
    if (reply && (reply->format != 32 || reply->type != type)) {
        reply.reset();
    }
    return reply;
}

bool contains(const xcb_get_property_reply_t* reply, std::uint32_t value)
{
    if (!reply) {
        return false;
    }
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
    return std::find(values, values + reply->value_len, value) != values + reply->value_len;
}

xcb_window_t rootOf(xcb_connection_t* connection, xcb_window_t window)
{
    const ReplyPtr<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
    return tree ? tree->root : xcb_window_t{XCB_WINDOW_NONE};
}

// A request about a window to the window manager, which listens on the root.
void askWindowManager(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t type,
                      const std::array<std::uint32_t, 5>& data)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = type;
    std::copy(data.begin(), data.end(), std::begin(message.data.data32));
    xcb_send_event(connection, 0, rootOf(connection, window),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

// Asks the window manager for the state while it holds the window, once
// each time the window is mapped: a withdrawn window's state is dropped.
class SkipTaskBarWhenMapped final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose) {
            auto* window = static_cast<QWindow*>(watched);
            if (window->isExposed() && !exposed_) {
                ask(static_cast<xcb_window_t>(window->winId()));
            }
            exposed_ = window->isExposed();
        }
        return false;
    }

private:
    static void ask(xcb_window_t id)
    {
        xcb_connection_t* connection = x11Connection();
        if (!connection) {
            return;
        }
        const auto [state, skipTaskbar] =
            internAtoms(connection, std::array{"_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR"});
        constexpr std::uint32_t add = 1;
        constexpr std::uint32_t fromApplication = 1;
        askWindowManager(connection, id, state, {add, skipTaskbar, 0, fromApplication, 0});
    }

    bool exposed_ = false;
};

}  // namespace

void keepOffTaskBar(QWidget& window)
{
    if (!x11Connection()) {
        return;
    }
    // Not written on the window before it is mapped: openbox gives no focus
    // to a new normal window that already skips the task bar, so the game
    // started from a terminal would leave the arrow keys to the terminal.
    // Asked for once mapped, the window is focused as any new window is.
    window.winId();
    QWindow* handle = window.windowHandle();
    handle->installEventFilter(new SkipTaskBarWhenMapped(handle));
}

QMargins expectedFrame(QWidget& window)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection) {
        return {};
    }
    const auto [supported, request, extents] =
        internAtoms(connection, std::array{"_NET_SUPPORTED", "_NET_REQUEST_FRAME_EXTENTS", "_NET_FRAME_EXTENTS"});
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_window_t root = rootOf(connection, id);
    if (root == XCB_WINDOW_NONE || !contains(property32(connection, root, supported, XCB_ATOM_ATOM).get(), request)) {
        return {};  // no window manager, or one that cannot tell in advance
    }

    askWindowManager(connection, id, request, {});

    // Qt's own event reader takes the property's change notice, so the
    // property itself is read until it appears.
    const auto deadline = std::chrono::steady_clock::now() + frameAnswerTimeout;
    do {
        if (const auto reply = property32(connection, id, extents, XCB_ATOM_CARDINAL); reply && reply->value_len == 4) {
            const auto* lrtb = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
            return {static_cast<int>(lrtb[0]), static_cast<int>(lrtb[2]), static_cast<int>(lrtb[1]),
                    static_cast<int>(lrtb[3])};
        }
        std::this_thread::sleep_for(1ms);
    } while (std::chrono::steady_clock::now() < deadline);
    return {};
}

void takeFocusBack(QWidget& window)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection) {
        return;
    }
    const auto [active] = internAtoms(connection, std::array{"_NET_ACTIVE_WINDOW"});
    // Dated "now", which the window manager reads as its own time: Qt does
    // not see the close box or key the window manager handled, and a request
    // dated before the window manager's own choice of focus would be
    // ignored by the X server.
    constexpr std::uint32_t fromApplication = 1;
    askWindowManager(connection, static_cast<xcb_window_t>(window.winId()), active, {fromApplication, 0, 0, 0, 0});
}

}  // namespace croquel::ui
