#include "Keyboard.h"

#include "Window.h"

#include <QGuiApplication>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
// xkb.h names a struct member `explicit`; Qt includes it the same way.
#define explicit dont_use_cxx_explicit
#include <xcb/xkb.h>
#undef explicit
#endif

#include <cstdlib>

namespace tk {

namespace {

// Long enough for the press of an auto-repeat pair to come through on a busy machine, short
// enough that a release is never felt late.
constexpr int releaseWaitMs = 30;

// The physical key: its scan code where the platform gives one (so Shift or a layout change
// during a hold does not make it another key), else Qt's key code.
quint32 identity(const QKeyEvent& event)
{
    if (event.nativeScanCode() != 0)
        return event.nativeScanCode();
    return 0x80000000u | static_cast<quint32>(event.key());
}

} // namespace

Keyboard::Keyboard()
{
    wait_.setSingleShot(true);
    wait_.setInterval(releaseWaitMs);
    QObject::connect(&wait_, &QTimer::timeout, [this] { flush(); });
}

Keyboard::Press Keyboard::press(Window& window, const QKeyEvent& event)
{
    const quint32 key = identity(event);
    if (pending_ && pending_->key == key && pending_->time == event.timestamp()) {
        // The held-back release and this press are one auto-repeat: the key never went up.
        pending_.reset();
        wait_.stop();
    } else {
        flush();
    }
    if (const auto held = down_.find(key); held != down_.end())
        return held->second == &window ? Press::Repeat : Press::Dropped;
    // A repeat of a key this program never saw pressed: it went down in another program.
    if (event.isAutoRepeat())
        return Press::Dropped;
    down_.emplace(key, &window);
    return Press::First;
}

void Keyboard::release(Window& window, const QKeyEvent& event)
{
    // Qt paired this release with the repeat press that follows it: the key is still held.
    if (event.isAutoRepeat())
        return;
    flush();
    pending_ = Release{identity(event), event.timestamp(), &window};
    wait_.start();
}

void Keyboard::flush()
{
    if (!pending_)
        return;
    const Release release = *pending_;
    pending_.reset();
    wait_.stop();
    down_.erase(release.key);
    if (release.window)
        release.window->keyReleased();
}

void Keyboard::windowActivated(const Window& window)
{
    for (auto it = down_.begin(); it != down_.end();) {
        const bool identified = (it->first & 0x80000000u) == 0;  // by its keycode, which X can be asked about
        if (it->second != &window && !(identified && heldOnServer(it->first)))
            it = down_.erase(it);
        else
            ++it;
    }
}

bool Keyboard::enableDetectableAutoRepeat()
{
#if QT_CONFIG(xcb)
    const auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    constexpr uint32_t flag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    const auto cookie = xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD, flag, flag, 0, 0, 0);
    xcb_generic_error_t* error = nullptr;
    xcb_xkb_per_client_flags_reply_t* reply = xcb_xkb_per_client_flags_reply(connection, cookie, &error);
    const bool enabled = reply && (reply->value & flag);
    std::free(reply);
    std::free(error);
    return enabled;
#else
    return false;
#endif
}

bool Keyboard::heldOnServer(quint32 keycode)
{
#if QT_CONFIG(xcb)
    const auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection || keycode > 255)
        return false;
    xcb_query_keymap_reply_t* reply = xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr);
    const bool held = reply && (reply->keys[keycode / 8] & (1u << (keycode % 8)));
    std::free(reply);
    return held;
#else
    Q_UNUSED(keycode);
    return false;
#endif
}

} // namespace tk
