#include "Keyboard.h"

#include <QGuiApplication>

#include <xcb/xcb.h>
// xkb.h names a struct member `explicit`; Qt includes it the same way.
#define explicit dont_use_cxx_explicit
#include <xcb/xkb.h>
#undef explicit

#include <algorithm>
#include <bitset>
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

// Qt's own connection to the X server; none on other platforms.
xcb_connection_t* x11Connection()
{
#if QT_CONFIG(xcb)
    const auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
#else
    return nullptr;
#endif
}

// The keys the X server has down now, by keycode; none known elsewhere.
std::bitset<256> keysHeldOnServer()
{
    std::bitset<256> held;
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return held;
    xcb_query_keymap_reply_t* reply = xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr);
    for (std::size_t code = 0; reply && code < held.size(); ++code)
        held[code] = reply->keys[code / 8] & (1u << (code % 8));
    std::free(reply);
    return held;
}

} // namespace

Keyboard::Keyboard()
{
    wait_.setSingleShot(true);
    wait_.setInterval(releaseWaitMs);
    QObject::connect(&wait_, &QTimer::timeout, [this] { flush(); });
}

Keyboard::Press Keyboard::press(const QObject& window, const QKeyEvent& event)
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

void Keyboard::release(const QObject& window, const QKeyEvent& event, std::function<void()> released)
{
    // Qt paired this release with the repeat press that follows it: the key is still held.
    if (event.isAutoRepeat())
        return;
    flush();
    pending_ = Release{identity(event), event.timestamp(), &window, std::move(released)};
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
    if (release.window && release.released)
        release.released();
}

void Keyboard::windowActivated(const QObject& window)
{
    const bool elsewhere =
        std::any_of(down_.begin(), down_.end(), [&](const auto& key) { return key.second != &window; });
    if (!elsewhere)
        return;
    const std::bitset<256> held = keysHeldOnServer();
    for (auto it = down_.begin(); it != down_.end();) {
        // Keys known by their keycode can be asked about; the others are taken as released.
        const bool stillHeld = it->first < held.size() && held.test(it->first);
        if (it->second != &window && !stillHeld)
            it = down_.erase(it);
        else
            ++it;
    }
}

bool Keyboard::enableDetectableAutoRepeat()
{
    xcb_connection_t* connection = x11Connection();
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
}

} // namespace tk
