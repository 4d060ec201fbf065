#pragma once

#include <QString>
#include <QWidget>

#include "platform/drawing/TColor.h"
#include "platform/core/TRect.h"

/// The small window that shows a track bar's value while its thumb is
/// dragged: the text centred on the hint colour, in a two-colour frame,
/// placed at a screen point and kept 2 pixels inside the monitor. Shown
/// without taking the focus. Owned by its track bar. GUI thread only.
class TTrackHintWindow : public QWidget {
public:
  explicit TTrackHintWindow(QWidget* owner);

  void SetColor(TColor color);
  /// Sizes the window to the text (16 wider, 4 higher), keeps it on the
  /// monitor of rect's top-left and shows it there.
  void ActivateHint(const TRect& rect, const QString& text);
  /// The size of the current text: (0, 0, width, height).
  TRect CalcHintRect() const;
  QString Text() const { return m_text; }
  int TextWidth() const { return m_textWidth; }
  int TextHeight() const { return m_textHeight; }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QString m_text;
  TColor m_color = clInfoBk;
  int m_textHeight = 0;
  int m_textWidth = 0;
};
