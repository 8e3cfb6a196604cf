#pragma once
// Scripted answers for dialogs, and a record of everything shown.
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ui.h"

namespace topband::testing {

struct ShownMessage {
    std::string title;
    std::string text;
    MessageButtons buttons;
    MessageIcon icon;
};

struct ShownInput {
    std::string title;
    std::string prompt;
    std::string proposal;
};

class FakeUi : public Ui {
public:
    // Answers are taken in order; a dialog without a scripted answer gets Ok/No, Cancel or nothing.
    std::deque<MessageAnswer> messageAnswers;
    std::deque<std::optional<std::string>> inputAnswers;
    std::deque<std::optional<std::string>> fileAnswers;
    std::deque<std::optional<std::int32_t>> colourAnswers;
    // Runs when a message box is shown, before it answers (a test can look at windows then).
    std::function<void(const ShownMessage&)> onMessage;

    std::vector<ShownMessage> messages;
    std::vector<ShownInput> inputs;
    std::vector<std::string> fileDialogTitles;
    std::string clipboard;
    int beeps = 0;

    MessageAnswer messageBox(const std::string& title, const std::string& text, MessageButtons buttons,
                             MessageIcon icon) override {
        messages.push_back({title, text, buttons, icon});
        if (onMessage) onMessage(messages.back());
        if (!messageAnswers.empty()) {
            const MessageAnswer answer = messageAnswers.front();
            messageAnswers.pop_front();
            return answer;
        }
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
    }
    std::optional<std::string> inputBox(const std::string& title, const std::string& prompt,
                                        const std::string& proposal) override {
        inputs.push_back({title, prompt, proposal});
        return next(inputAnswers);
    }
    std::optional<std::string> openFileDialog(const std::string& title, const std::string&,
                                              const std::string&) override {
        fileDialogTitles.push_back(title);
        return next(fileAnswers);
    }
    std::optional<std::string> saveFileDialog(const std::string& title, const std::string&,
                                              const std::string&) override {
        fileDialogTitles.push_back(title);
        return next(fileAnswers);
    }
    std::optional<std::int32_t> colourDialog(std::int32_t) override { return next(colourAnswers); }
    void setClipboardText(const std::string& text) override { clipboard = text; }
    void beep() override { ++beeps; }

    bool shownMessageTitled(const std::string& title) const {
        for (const auto& m : messages)
            if (m.title == title) return true;
        return false;
    }

private:
    template <typename T>
    static std::optional<T> next(std::deque<std::optional<T>>& answers) {
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace topband::testing
