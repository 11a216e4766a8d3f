// What every engine test executable shares: the helper-process entry, the
// virtual display, deadlines that suit a starting engine, host windows.
// Main thread only; the harness owns the virtual display it starts.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>

#include "include/cef_app.h"

namespace cefharness {

using namespace std::chrono_literals;

// Runs main's helper role; returns the exit code of a helper process, or -1
// in the test process itself (which then has a virtual display).
int EnterProcess(int argc, char** argv);

// Ends the test process: the window layer shuts down before the display goes.
int LeaveProcess(int result);

// The whole main of an engine test executable: the helper role first, then every test with
// `environment` (owned by GoogleTest), if any.
int RunAllTests(int argc, char** argv, ::testing::Environment* environment = nullptr);

// testsupport::WaitUntil with a deadline that leaves room for helper processes to start.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = 20s);

// Keeps the loop turning, for checks that something does NOT happen.
void Settle(std::chrono::milliseconds span);

// A visible top-level window whose window procedure counts WM_CLOSE and destroys itself on it.
HWND CreateHostWindow();
int WmCloseCount();

// Initializes the engine with default settings plus `configure`.
bool StartEngine(const std::function<void(CefSettings&)>& configure = {});

// A fresh temporary folder, removed by the caller.
std::string MakeTempFolder();
void WriteFile(const std::string& path, const std::string& text);

}  // namespace cefharness
