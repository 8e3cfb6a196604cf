#pragma once
// Routes the characters typed into a field to the field's KeyPress handler, in one place for
// every window. The handler receives the character code by reference: 0 drops the key,
// another code replaces it. Enter arrives as 13, Backspace as 8, Esc as 27.
#include <QObject>
#include <functional>
#include <map>

class QLineEdit;

namespace topband {

class KeyPressFilter final : public QObject {
    Q_OBJECT

public:
    using Handler = std::function<void(int& keyAscii)>;

    explicit KeyPressFilter(QObject* parent) : QObject(parent) {}
    void attach(QLineEdit& field, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::map<QObject*, Handler> handlers_;
};

}  // namespace topband
