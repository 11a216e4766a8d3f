// One run of tessvane for an end-to-end test: a private application-data folder, the process,
// and what the player sees of it on the test's display. Main thread of the test only; the
// destructor stops the program and removes the folder.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "e2e/TessvaneProcess.h"

namespace e2e {

constexpr std::chrono::milliseconds kDeadline{20000};

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
};

class Session {
public:
    // `config` is the application-data folder below the session's scratch folder; it need not exist.
    explicit Session(const std::string& config = "config", const std::string& executable = TESSVANE_EXECUTABLE);
    ~Session();

    bool WaitForStartWindow();
    bool WaitForLoginWindow();
    // Looked up afresh each time: Qt gives a window a new native window when, for example, a
    // browser view arrives in it.
    unsigned long StartWindow() const;
    unsigned long LoginWindow() const;
    Rect StartWindowRect() const { return WindowRect(StartWindow()); }
    Rect LoginWindowRect() const { return WindowRect(LoginWindow()); }

    // Clicks a title-bar button of the start window, as laid out by the shipped skin.
    void ClickStartButton(const std::string& name);
    // Clicks at a point of the login page (page coordinates).
    void ClickLoginPage(int x, int y);

    static Rect WindowRect(unsigned long window);
    // Whether the window manager lists the window in the taskbar; nothing while it does not
    // manage the window (not yet, or the window is gone).
    static std::optional<bool> TaskbarListing(unsigned long window);
    // The listing of the window `window` names, looked up afresh until the manager has it.
    static std::optional<bool> EventualTaskbarListing(const std::function<unsigned long()>& window);

    TessvaneProcess& Process() { return *process_; }
    std::string ConfigFolder() const { return config_; }
    std::string Log() const { return process_->Log(); }

private:
    bool WaitForWindow(const std::string& name);
    unsigned long FindWindow(const std::string& name) const;

    std::string scratch_;
    std::string config_;
    std::unique_ptr<TessvaneProcess> process_;
};

}  // namespace e2e
