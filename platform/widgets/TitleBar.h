#pragma once

#include <QFont>
#include <QString>

/// The title bar a desktop's window manager draws over a form: the title in
/// the desktop's title face, bold, at no less than 11 points (what the common
/// Linux desktops use), between an icon or button at each end. A form whose
/// title is wider than that room shows it cut ("UnLo…etting"). GUI thread.
namespace TitleBar {

/// The face the title is drawn in.
QFont Font();
/// The width of `title` in that face.
int TextWidth(const QString& title);
/// The width left for the title by the title bar of a window `frameWidth`
/// wide.
int Room(int frameWidth);

}  // namespace TitleBar
