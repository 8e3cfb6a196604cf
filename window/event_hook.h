#pragma once
// Hands the events of the objects it watches to a function, which returns true to consume
// them. The main window owns its hooks and drops them first when it closes, so that no
// handler runs on a half-destroyed window while its controls go.
#include <QEvent>
#include <QObject>
#include <functional>

namespace topband {

class EventHook : public QObject {
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

}  // namespace topband
