#pragma once

#include "components/peq/TMyPEQPanel.h"

/// A band editor with seven types (low cut and high cut among them) and
/// gains in 0.2 dB steps up to +-20 dB, written with the locale's decimal
/// separator; a band losing the highlight gets the colour row 0's
/// frequency box had at the last layout. Nothing in the editor creates one.
/// Owned by its Qt parent; GUI thread only.
class TMyPEQAllpass2Steps : public TMyPEQPanel {
public:
  explicit TMyPEQAllpass2Steps(QWidget* parent = nullptr);
};
