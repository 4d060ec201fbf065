#pragma once

#include "platform/text/TFont.h"
#include "widgets/panels/TRzCustomPanel.h"

enum class TRzGroupBoxStyle : unsigned char { gsStandard, gsCustom, gsTopLine, gsFlat, gsBanner, gsUnderline };

/// A group box: a framed panel whose caption sits in its top edge, as a
/// top line, a banner or an underlined heading. gsCustom paints exactly as
/// the panel. The caption has a font of its own that follows Font until it
/// is set by itself. The band editor panels derive from it. Owned by its Qt
/// parent; GUI thread.
class TRzGroupBox : public TRzCustomPanel {
public:
  explicit TRzGroupBox(QWidget* parent = nullptr);
  ~TRzGroupBox() override;

  TRzGroupBoxStyle GroupStyle() const { return m_groupStyle; }
  void SetGroupStyle(TRzGroupBoxStyle value);
  int BannerHeight() const { return m_bannerHeight; }
  void SetBannerHeight(int value);
  TFont& CaptionFont() { return m_captionFont; }
  /// Copies the font into the caption font, which then no longer follows Font.
  void SetCaptionFont(const TFont& font) { m_captionFont.Assign(font); }

  void AdjustClientRect(TRect& rect) const override;
  /// Where the caption is drawn (empty without a caption or in gsCustom).
  TRect CaptionRect() const;

  void WndProc(TMessage& message) override;
  /// Only a gsCustom group box takes the frame controller's settings.
  void ApplyFrameSettings(const TRzFrameController& controller, TRzFrameControllerProperty property) override;

protected:
  void Paint() override;
  void FontChanged() override;

private:
  void PaintFrame(const TRect& caption);
  void PaintCaption(TRect caption);
  int FontHeight(const TFont& font) const;

  TRzGroupBoxStyle m_groupStyle = TRzGroupBoxStyle::gsFlat;
  int m_bannerHeight = 0;
  TFont m_captionFont;
  bool m_captionFontChanged = false;
  bool m_followingFont = false;
};
