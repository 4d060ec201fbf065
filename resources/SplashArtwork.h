#pragma once

#include <QByteArray>

/// The start-up splash's picture: 620 x 350 pixels, dark enough for white
/// text, drawn in code (a loudspeaker, response curves over a grid; no
/// lettering) and encoded as PNG. The same bytes on every run. Any thread.
QByteArray SplashArtworkPng();
