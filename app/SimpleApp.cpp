#include "app/SimpleApp.h"

namespace {

// The same switches go to the browser process and every sub-process; the last two
// are obsolete in today's engine and are passed on all the same.
const char* const kSwitches[] = {
    "--disable-web-security",
    "--enable-system-flash",
    "--enable-npapi",
};

}  // namespace

void SimpleApp::OnBeforeCommandLineProcessing(const CefString& /*process_type*/,
                                              CefRefPtr<CefCommandLine> command_line)
{
    for (const char* name : kSwitches)
        command_line->AppendSwitch(CefString(name));
}

CefRefPtr<CefBrowserProcessHandler> SimpleApp::GetBrowserProcessHandler()
{
    return this;
}
