#pragma once

#include "platform/widgets/TGraphicControl.h"
#include "platform/widgets/TextPlacement.h"

/// A windowless text label: draws Caption in Font, on Color unless
/// Transparent, aligned by Alignment (and Layout in one line), in one line
/// or word-wrapped. With
/// AutoSize (the default) a changed caption or font resizes it to the text.
/// An '&' is shown as written (no accelerators). GUI thread only.
class TLabel : public TGraphicControl {
public:
  explicit TLabel(QWidget* parent = nullptr);

  TAlignment Alignment() const { return m_alignment; }
  void SetAlignment(TAlignment value);
  TTextLayout Layout() const { return m_layout; }
  void SetLayout(TTextLayout value);
  bool AutoSize() const { return m_autoSize; }
  void SetAutoSize(bool value);
  bool WordWrap() const { return m_wordWrap; }
  void SetWordWrap(bool value);
  bool Transparent() const override { return m_transparent; }
  void SetTransparent(bool value);

protected:
  void Paint() override;
  void TextChanged() override;
  void FontChanged() override;

private:
  unsigned TextFlags() const;
  void AdjustBounds();

  TAlignment m_alignment = TAlignment::taLeftJustify;
  TTextLayout m_layout = TTextLayout::tlTop;
  bool m_autoSize = true;
  bool m_wordWrap = false;
  bool m_transparent = false;
};
