// app.h: starting the window program.
// SPDX-License-Identifier: MIT
#pragma once

namespace uslova {

/// Runs the window program: shows `Form1` and returns the exit status when it is closed.
/// Answers --version and --help without a window; without a display it says so and returns 1.
int RunApp(int argc, char** argv);

}  // namespace uslova
