#pragma once

#include <map>
#include <vector>

#include <QString>
#include <QStringList>

#include "firdesign/IFirDesignHost.h"
#include "tests/firdesign/FirDesignFakes.h"

/// The main window as the designer sees it: texts from a small table (a
/// missing key reads as itself), and every message, confirmation and design
/// recorded. A confirmation runs `onConfirm` when set, as its OK would.
class RecordingFirDesignHost : public IFirDesignHost {
public:
  QString LookUpText(const QString& key) const override {
    const auto it = texts.find(key);
    return it != texts.end() ? it->second : key;
  }
  void ShowInformation(const QString& text) override { messages << text; }
  void ConfirmEqReset(int channel) override {
    resets.push_back(channel);
    if (onConfirm) onConfirm();
  }
  void ConfirmFirDownload() override {
    ++downloads;
    if (onConfirm) onConfirm();
  }
  DesignedFirReceiver& FirReceiver() override { return receiver; }

  std::map<QString, QString> texts;
  QStringList messages;
  std::vector<int> resets;
  int downloads = 0;
  std::function<void()> onConfirm;
  RecordingFirReceiver receiver;
};
