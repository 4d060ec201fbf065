#pragma once

/// The program entry: initialises the application, creates the main window,
/// runs the event loop until the main window closes and returns the exit code.
int RunProgram(int argc, char** argv);

/// True when the GUI can start: a display is set or Qt was told which
/// platform to use (e.g. offscreen).
bool HasDisplay();
