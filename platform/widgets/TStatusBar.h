#pragma once

#include <QString>

#include "platform/widgets/TGraphicControl.h"

/// A status bar of one simple panel: aligned to the bottom of its parent,
/// a sunken panel across the width with SimpleText at its left and a size
/// grip's raised top edge. Owned by its parent. GUI thread only.
class TStatusBar : public TGraphicControl {
public:
  explicit TStatusBar(QWidget* parent = nullptr);

  const QString& SimpleText() const { return m_simpleText; }
  void SetSimpleText(const QString& value);

protected:
  void Paint() override;

private:
  QString m_simpleText;
};
