#pragma once

#include <QWidget>

/// The editor's main window: the hub through which editors, dialogs and the
/// link layer reach the unit. One instance, `fmMain`, lives for the whole run.
/// GUI thread only.
class TfmMain : public QWidget {
public:
  explicit TfmMain(QWidget* parent = nullptr);
  ~TfmMain() override;

  static constexpr int DesignWidth = 1125;
  static constexpr int DesignHeight = 727;
};

/// The main window while it exists, else null.
extern TfmMain* fmMain;
