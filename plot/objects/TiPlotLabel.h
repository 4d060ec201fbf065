#pragma once

#include <QString>

#include "platform/text/TFont.h"
#include "plot/base/TiOwnedPicture.h"
#include "plot/base/iPlotTypes.h"
#include "plot/core/TiPlotLayoutObject.h"

/// A caption, or a picture instead, in a band beside the data view, placed by the layout
/// manager; label 0 is the plot's title. Margins are in "0" widths (along
/// the band) and heights (across it). Owned by the plot's label manager;
/// GUI thread only.
class TiPlotLabel : public TiPlotLayoutObject {
public:
  TiPlotLabel(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
              TNotifyEvent onRename);
  ~TiPlotLabel() override;
  TiPlotObjectKind Kind() const override { return TiPlotObjectKind::Label; }

  QString Caption() const { return m_caption; }
  void SetCaption(const QString& value) { StoreAndChange(value, m_caption); }
  TFont& Font() { return m_font; }
  TiAlignmentHorizontal Alignment() const { return m_alignment; }
  void SetAlignment(TiAlignmentHorizontal value) { StoreAndChange(value, m_alignment); }
  double MarginLeft() const { return m_marginLeft; }
  void SetMarginLeft(double value) { StoreAndChange(value, m_marginLeft); }
  double MarginRight() const { return m_marginRight; }
  void SetMarginRight(double value) { StoreAndChange(value, m_marginRight); }
  double MarginTop() const { return m_marginTop; }
  void SetMarginTop(double value) { StoreAndChange(value, m_marginTop); }
  double MarginBottom() const { return m_marginBottom; }
  void SetMarginBottom(double value) { StoreAndChange(value, m_marginBottom); }
  int ImageListIndex() const { return m_imageListIndex; }
  void SetImageListIndex(int value) { StoreAndChange(value, m_imageListIndex); }
  int ImageIndex() const { return m_imageIndex; }
  void SetImageIndex(int value) { StoreAndChange(value, m_imageIndex); }

  /// The picture shown instead of the caption, nullptr when none.
  TBitmap* Image() const { return m_image.Get(); }
  /// nullptr frees the picture; otherwise it is copied in. Signals a change.
  void SetImage(const TBitmap* value);
  /// Frees the picture and signals a change; nothing when there is none.
  void ImageClear();
  /// Loads a bitmap file as the picture; throws EPlotError with the load
  /// error, leaving the picture as it was.
  void ImageLoadFromFile(const QString& fileName);

  /// The caption's height (all lines) plus the top and bottom margins.
  int GetRequiredWidth(TCanvas& canvas) override;
  void Draw(TCanvas& canvas, TColor backGroundColor) override;

private:
  void Measure(TCanvas& canvas);
  /// Left edge of a picture of width, placed after Alignment.
  int ImageLeft(int width) const;

  QString m_caption;
  TFont m_font;
  TiAlignmentHorizontal m_alignment = TiAlignmentHorizontal::iahCenter;
  double m_marginLeft = 0;
  double m_marginRight = 0;
  double m_marginTop = 0;
  double m_marginBottom = 0;
  int m_imageListIndex = -1;
  int m_imageIndex = 0;
  TiOwnedPicture m_image;
  int m_requiredWidth = 0;
  int m_marginTopPixels = 0;
  int m_marginBottomPixels = 0;
  int m_marginLeftPixels = 0;
  int m_marginRightPixels = 0;
};
