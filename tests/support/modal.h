#pragma once
// Answers the next modal dialog from inside its own event loop, as an operator would.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace topband::testing {

// Runs `answer` on the next modal window that opens (polling briefly, never sleeping).
inline void whenModalOpens(std::function<void(QWidget&)> answer) {
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [poll, answer = std::move(answer)] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            answer(*modal);
            *poll = nullptr;  // break the self-reference
            return;
        }
        QTimer::singleShot(1, [poll] {
            if (*poll) (*poll)();
        });
    };
    QTimer::singleShot(0, [poll] { (*poll)(); });
}

}  // namespace topband::testing
