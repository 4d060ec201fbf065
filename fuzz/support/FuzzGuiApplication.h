#pragma once

/// Makes sure a QApplication exists on the offscreen platform with the
/// program's fonts registered, for targets that draw or decode pictures.
/// The replay test's main has made one already; a libFuzzer executable gets
/// one at its first input, kept for the whole run. Call first in a target.
void EnsureFuzzGuiApplication();
