#pragma once
// The one way a window routes events other than typed keys (focus, mouse) to its handlers:
// an EventHook hands the events of the objects it watches to a function, which returns true
// to consume them. A window owns its hooks and drops them before its controls go, so that no
// handler runs on a half-destroyed window.
#include <QEvent>
#include <QFocusEvent>
#include <QObject>
#include <functional>

namespace topband {

class EventHook final : public QObject {
    Q_OBJECT

public:
    explicit EventHook(std::function<bool(QObject*, QEvent*)> hook) : hook_(std::move(hook)) {}
    EventHook& watch(QObject& watched) {
        watched.installEventFilter(this);
        return *this;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override { return hook_(watched, event); }

private:
    std::function<bool(QObject*, QEvent*)> hook_;
};

// A control lost the focus to another control of its window: not to another window or a
// pop-up, which leaves the operator where they were.
inline bool focusMovedWithinWindow(const QEvent& event) {
    if (event.type() != QEvent::FocusOut) return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent&>(event).reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace topband
