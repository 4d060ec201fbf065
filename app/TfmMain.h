#pragma once

#include <QString>
#include <QWidget>

#include "resources/LanguageTable.h"

/// The editor's main window: the hub through which editors, dialogs and the
/// link layer reach the unit. One instance, `fmMain`, lives for the whole run.
/// GUI thread only.
class TfmMain : public QWidget {
public:
  explicit TfmMain(QWidget* parent = nullptr);
  ~TfmMain() override;

  static constexpr int DesignWidth = 1125;
  static constexpr int DesignHeight = 727;

  /// The values of LanguageName.
  static constexpr char LanguageEnglish[] = "English";
  static constexpr char LanguageChineseGB[] = "ChineseGB";

  /// The text of a key ("SID_...") in the current language: the table is
  /// moSimplified when LanguageName is "ChineseGB", else moEnglish. A missing
  /// key yields the table's first line.
  QString LookUpText(const QString& key) const;

  /// The current language, LanguageEnglish or LanguageChineseGB.
  QString LanguageName;
  /// The text tables, loaded from the program's resources at construction.
  LanguageTable moEnglish;
  LanguageTable moSimplified;
};

/// The main window while it exists, else null.
extern TfmMain* fmMain;
