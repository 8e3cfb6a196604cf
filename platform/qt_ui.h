#pragma once
// The real dialogs, clipboard and beep of Qt Widgets.
#include "platform/ui.h"

class QWidget;

namespace topband {

class QtUi : public Ui {
public:
    MessageAnswer messageBox(const std::string& title, const std::string& text, MessageButtons buttons,
                             MessageIcon icon) override;
    std::optional<std::string> inputBox(const std::string& title, const std::string& prompt,
                                        const std::string& proposal) override;
    std::optional<std::string> openFileDialog(const std::string& title, const std::string& folder,
                                              const std::string& filter) override;
    std::optional<std::string> saveFileDialog(const std::string& title, const std::string& proposedPath,
                                              const std::string& filter) override;
    std::optional<std::int32_t> colourDialog(std::int32_t initial) override;
    void setClipboardText(const std::string& text) override;
    void beep() override;
};

}  // namespace topband
