// The application object: its switches and its reference counting.
#include <gtest/gtest.h>

#include "app/SimpleApp.h"
#include "include/cef_command_line.h"

namespace {

TEST(SimpleApp, AppendsTheThreeSwitchesWithoutValuesForEveryProcessType)
{
    for (const char* process_type : {"", "renderer", "gpu-process", "utility"}) {
        CefRefPtr<SimpleApp> app(new SimpleApp);
        CefRefPtr<CefCommandLine> command_line = CefCommandLine::CreateCommandLine();
        app->OnBeforeCommandLineProcessing(process_type, command_line);

        for (const char* name : {"disable-web-security", "enable-system-flash", "enable-npapi"}) {
            EXPECT_TRUE(command_line->HasSwitch(name)) << process_type << ": " << name;
            EXPECT_TRUE(command_line->GetSwitchValue(name).empty()) << name;
        }
    }
}

TEST(SimpleApp, IsItsOwnBrowserProcessHandlerAndNothingElse)
{
    CefRefPtr<SimpleApp> app(new SimpleApp);
    EXPECT_EQ(static_cast<CefBrowserProcessHandler*>(app.get()), app->GetBrowserProcessHandler().get());
    EXPECT_EQ(nullptr, app->GetRenderProcessHandler().get());
    EXPECT_EQ(nullptr, app->GetResourceBundleHandler().get());
}

class CountedApp : public SimpleApp {
public:
    explicit CountedApp(int* deletions) : deletions_(deletions) {}
    ~CountedApp() override { ++*deletions_; }

private:
    int* deletions_;
};

TEST(SimpleApp, LastReleaseDeletesExactlyOnce)
{
    int deletions = 0;
    SimpleApp* app = new CountedApp(&deletions);

    struct Step {
        const char* what;
        bool (*act)(SimpleApp*);
        bool result;
        bool has_one_ref;
    };
    const Step steps[] = {
        {"first reference", [](SimpleApp* a) { a->AddRef(); return true; }, true, true},
        {"second reference", [](SimpleApp* a) { a->AddRef(); return true; }, true, false},
        {"release to one", [](SimpleApp* a) { return a->Release(); }, false, true},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(step.result, step.act(app)) << step.what;
        EXPECT_EQ(step.has_one_ref, app->HasOneRef()) << step.what;
        EXPECT_EQ(0, deletions) << step.what;
    }
    EXPECT_TRUE(app->Release());
    EXPECT_EQ(1, deletions);
}

}  // namespace
