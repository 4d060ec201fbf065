#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

class QWidget;

/// Plays a list of steps on the editor it was loaded into, one after the
/// other, each as soon as what it needs is on screen:
///   link        click the main window's link button (a search follows)
///   wait:PATH   go on once the file PATH exists
///   close       close the main window as its frame's close button does
///   ok          click OK in the visible quit confirmation
///   menu:NAME   trigger the main menu's entry NAME
///   windows     list the visible windows (the active and the modal one marked)
/// Each step done is written to the standard error as "driver: STEP".
class EditorDriver : public QObject {
public:
  explicit EditorDriver(const QString& steps);

private:
  void Poll();
  /// True when the step could be done now.
  bool TryStep(const QString& step);

  QStringList m_steps;
  QTimer m_timer;
};
