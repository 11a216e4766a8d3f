// Waiting on a condition in tests while the message loop keeps turning. Call on the GUI thread;
// posted messages found meanwhile are translated and dispatched, as the program's loop would.
//
//   EXPECT_TRUE(testsupport::WaitUntil([&] { return IsZoomed(hwnd); }));
#pragma once

#include <chrono>
#include <functional>

namespace testsupport {

constexpr std::chrono::milliseconds kDefaultDeadline{5000};

// True as soon as `condition` holds; false when `deadline` passes first.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds deadline = kDefaultDeadline);

// Keeps the loop turning for `duration` (to let things settle, never as a synchronisation).
void PumpFor(std::chrono::milliseconds duration);

}  // namespace testsupport
