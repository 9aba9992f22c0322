// SPDX-License-Identifier: MIT
// Time limits of the tests. They only catch a hang, never slowness: each is
// at least ten times what its step takes in a sanitizer build on a loaded
// two-core machine. How fast Kolvent is for a user is printed by the tests and
// by scripts/benchmark_*.sh, never asserted.
#pragma once

namespace HangGuard {

// A step inside the test's own process: reading a file, a thumbnail, the
// creation of a window, a modal dialog appearing.
constexpr int StepMs = 20000;
// Starting the program or a tool and waiting for it to finish.
constexpr int ProcessMs = 60000;
// The same under strace, which slows every system call.
constexpr int TracedMs = 180000;

} // namespace HangGuard
