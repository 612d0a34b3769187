// Notices the main window being destroyed from outside, through X's own event.
#include "window_watch.h"

#include <QCoreApplication>
#include <QWidget>

#include <xcb/xcb.h>

namespace spinzaro {

DestroyedWindowWatch::DestroyedWindowWatch(const QWidget& window, std::function<void()> destroyed)
    : window_(window), destroyed_(std::move(destroyed))
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

DestroyedWindowWatch::~DestroyedWindowWatch()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool DestroyedWindowWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_DESTROY_NOTIFY)
        return false;
    const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
    if (window_.internalWinId() != 0 && destroyed->window == window_.internalWinId())
        destroyed_();
    return false;
}

}  // namespace spinzaro
