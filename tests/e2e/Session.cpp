#include "e2e/Session.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <vector>

#include "support/WindowSearch.h"
#include "support/Xdo.h"

namespace e2e {

namespace {

using testsupport::Xdo;

struct ButtonCentre {
    const char* name;
    int x, y;  // relative to the start window's top-left corner
};

// Where FormLogin.xml lays out the title-bar buttons of the 1130-pixel-wide start window.
const ButtonCentre kStartButtons[] = {
    {"officialbtn", 648, 20}, {"rechargebtn", 758, 20}, {"forumbtn", 868, 20},
    {"servicebtn", 978, 20},  {"minbtn", 1068, 20},     {"closebtn", 1106, 20},
};

const char kStartWindowName[] = "^Varnholt$";
const char kLoginWindowName[] = "^LoginBrowser$";

int FieldAfter(const std::string& text, const std::string& label)
{
    const auto at = text.find(label);
    return at == std::string::npos ? 0 : std::atoi(text.c_str() + at + label.size());
}

}  // namespace

Session::Session(const std::string& config, const std::string& executable)
{
    char pattern[] = "/tmp/tessvane-e2e-XXXXXX";
    scratch_ = mkdtemp(pattern);
    config_ = scratch_ + "/" + config;
    const std::map<std::string, std::string> environment = {
        {"XDG_CONFIG_HOME", config_},
        {"QTWEBENGINE_DISABLE_SANDBOX", "1"},
    };
    process_ = std::make_unique<TessvaneProcess>(executable, environment);
}

Session::~Session()
{
    process_.reset();
    std::filesystem::remove_all(scratch_);
}

unsigned long Session::FindWindow(const std::string& name) const
{
    const std::vector<unsigned long> found = testsupport::WindowSearch::Visible(name, process_->Pid());
    return found.empty() ? 0 : found.front();
}

bool Session::WaitForWindow(const std::string& name)
{
    return Eventually([&] { return FindWindow(name) != 0; }, kDeadline);
}

unsigned long Session::StartWindow() const
{
    return FindWindow(kStartWindowName);
}

unsigned long Session::LoginWindow() const
{
    return FindWindow(kLoginWindowName);
}

bool Session::WaitForStartWindow()
{
    return WaitForWindow(kStartWindowName);
}

bool Session::WaitForLoginWindow()
{
    return WaitForWindow(kLoginWindowName);
}

void Session::ClickStartButton(const std::string& name)
{
    Rect window;
    Eventually([&] { return (window = StartWindowRect()).width > 0; }, kDeadline);
    for (const ButtonCentre& button : kStartButtons) {
        if (name == button.name)
            Xdo::Click(window.x + button.x, window.y + button.y);
    }
}

void Session::ClickLoginPage(int x, int y)
{
    Rect window;
    Eventually([&] { return (window = LoginWindowRect()).width > 0; }, kDeadline);
    Xdo::Click(window.x + x, window.y + y);
}

Rect Session::WindowRect(unsigned long window)
{
    // xwininfo asks the user to pick a window when it is given none.
    if (window == 0)
        return Rect{};
    const std::string info = Xdo::Run({"xwininfo", "-id", std::to_string(window)});
    return Rect{FieldAfter(info, "Absolute upper-left X:"), FieldAfter(info, "Absolute upper-left Y:"),
                FieldAfter(info, "Width:"), FieldAfter(info, "Height:")};
}

std::optional<bool> Session::TaskbarListing(unsigned long window)
{
    const auto state = testsupport::WindowSearch::ManagedState(window);
    if (!state)
        return std::nullopt;
    return std::find(state->begin(), state->end(), "_NET_WM_STATE_SKIP_TASKBAR") == state->end();
}

std::optional<bool> Session::EventualTaskbarListing(const std::function<unsigned long()>& window)
{
    std::optional<bool> listed;
    Eventually([&] { return (listed = TaskbarListing(window())).has_value(); }, kDeadline);
    return listed;
}

}  // namespace e2e
