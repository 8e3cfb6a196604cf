#pragma once
// User-interface services that stop and ask: message boxes, input boxes, dialogs, clipboard, beep.
#include <cstdint>
#include <optional>
#include <string>

namespace topband {

enum class MessageIcon { None, Information, Warning, Critical, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class Ui {
public:
    virtual ~Ui() = default;
    virtual MessageAnswer messageBox(const std::string& title, const std::string& text,
                                     MessageButtons buttons = MessageButtons::Ok,
                                     MessageIcon icon = MessageIcon::None) = 0;
    // The typed answer, or nothing when the operator cancelled.
    virtual std::optional<std::string> inputBox(const std::string& title, const std::string& prompt,
                                                const std::string& proposal = {}) = 0;
    virtual std::optional<std::string> openFileDialog(const std::string& title, const std::string& folder,
                                                      const std::string& filter) = 0;
    virtual std::optional<std::string> saveFileDialog(const std::string& title, const std::string& proposedPath,
                                                      const std::string& filter) = 0;
    // Colours are 0x00BBGGRR.
    virtual std::optional<std::int32_t> colourDialog(std::int32_t initial) = 0;
    virtual void setClipboardText(const std::string& text) = 0;
    virtual void beep() = 0;
};

}  // namespace topband
