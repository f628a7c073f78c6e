// The modal text prompt, the names of the open dialogs, and how the run is to end. These
// are the parts of the window's dialogs that the simulation itself decides; the window
// draws them, the runner answers them from scenario lines.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace loopsim {

struct TextPrompt {
    std::string prompt;
    std::string title;
    std::string defaultText;
    // Called with the typed text, or with nothing when the prompt is cancelled.
    std::function<void(std::optional<std::string>)> onClose;
    // The unit and the values taken, for the person typing ("750 to 1050 millibars").
    std::string range;
};

enum class Ending {
    Running,
    ExitPath,       // the main window's exit: settings and recording are written
    WithoutSaving,  // ended at once, nothing written
};

class Dialogs {
  public:
    void openPrompt(TextPrompt prompt) { prompt_ = std::move(prompt); }
    const std::optional<TextPrompt>& prompt() const { return prompt_; }
    // False when no prompt is open.
    bool answerPrompt(const std::string& text) { return closePrompt(text); }
    bool cancelPrompt() { return closePrompt(std::nullopt); }

    void open(const std::string& name);
    void close(const std::string& name);
    bool isOpen(const std::string& name) const;
    const std::vector<std::string>& openDialogs() const { return open_; }

    Ending ending() const { return ending_; }
    void requestExitPath() {
        if (ending_ == Ending::Running)
            ending_ = Ending::ExitPath;
    }
    void endWithoutSaving() { ending_ = Ending::WithoutSaving; }

  private:
    bool closePrompt(std::optional<std::string> answer);

    std::optional<TextPrompt> prompt_;
    std::vector<std::string> open_;
    Ending ending_ = Ending::Running;
};

}  // namespace loopsim
