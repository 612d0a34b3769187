// Notices the main window being destroyed from outside the program.
#pragma once

#include <QAbstractNativeEventFilter>

#include <functional>

class QWidget;

namespace spinzaro {

// An X client may destroy another's window (xdotool windowclose does); Qt
// carries on without it, so the game would run on with nothing to show. The
// watch calls back when that happens to the window; while it lives, it
// watches the application's native events.
class DestroyedWindowWatch : public QAbstractNativeEventFilter {
public:
    DestroyedWindowWatch(const QWidget& window, std::function<void()> destroyed);
    ~DestroyedWindowWatch() override;
    DestroyedWindowWatch(const DestroyedWindowWatch&) = delete;
    DestroyedWindowWatch& operator=(const DestroyedWindowWatch&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    const QWidget& window_;
    std::function<void()> destroyed_;
};

}  // namespace spinzaro
