#pragma once

#include <vector>

#include <QString>

#include "platform/drawing/TBrush.h"
#include "platform/text/TFont.h"
#include "platform/drawing/TPen.h"
#include "plot/base/TiOwnedPicture.h"
#include "plot/base/iPlotTypes.h"
#include "plot/core/TiPlotObject.h"

class TiPlotChannelCustom;
class TiPlotDataView;

enum class TiPlotAnnotationStyle {
  ipasText = 0,
  ipasLine = 1,
  ipasRectangle = 2,
  ipasLineX = 3,
  ipasLineY = 4,
  ipasImage = 5,
  ipasTextRectangle = 6,
  ipasEllipse = 7,
  ipasTextBox = 8,
  ipasEllipse2 = 9,
  ipasPolygon = 10,
  ipasRectangle2 = 11,
};
enum class TiPlotReferenceType { iprtDataView = 0, iprtChannel = 1, iprtXChannelYDataView = 2, iprtXDataViewYChannel = 3 };
enum class TiPlotReferenceIndividual { ipriDataView = 0, ipriChannel = 1, ipriAuto = 2 };
enum class TiPlotAnnotationSelectStyle {
  ipassNone = 0,
  ipassMove = 1,
  ipassSizeTopLeft = 2,
  ipassSizeTopRight = 3,
  ipassSizeBottomLeft = 4,
  ipassSizeBottomRight = 5,
};

/// What a plot's AddAnnotation gives every annotation it creates (the
/// font apart, which the plot keeps as AnnotationDefaultFont).
struct TiPlotAnnotationDefaults {
  TBrushStyle BrushStyle = TBrushStyle::bsSolid;
  TColor BrushColor = clWhite;
  TPenStyle PenStyle = TPenStyle::psSolid;
  TColor PenColor = clWhite;
  int PenWidth = 1;
  TiPlotReferenceType Reference = TiPlotReferenceType::iprtDataView;
  TiPlotReferenceIndividual ReferencePositionX = TiPlotReferenceIndividual::ipriAuto;
  TiPlotReferenceIndividual ReferencePositionY = TiPlotReferenceIndividual::ipriAuto;
  TiPlotReferenceIndividual ReferenceSizeX = TiPlotReferenceIndividual::ipriAuto;
  TiPlotReferenceIndividual ReferenceSizeY = TiPlotReferenceIndividual::ipriAuto;
};

/// A free graphic over the data view (text, line, rectangle, ellipse,
/// framed text, polygon), positioned and sized in percent of the data
/// view or in the units of a channel's axes, chosen per quantity. Movable
/// and resizable with the mouse in the toolbar's select mode. Pictures
/// (the image style) are not drawn. Owned by the plot's annotation
/// manager; GUI thread only.
class TiPlotAnnotation : public TiPlotObject {
public:
  TiPlotAnnotation(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                   TNotifyEvent onRename);
  ~TiPlotAnnotation() override;
  TiPlotObjectKind Kind() const override { return TiPlotObjectKind::Annotation; }

  TiPlotAnnotationStyle Style() const { return m_style; }
  void SetStyle(TiPlotAnnotationStyle value) { StoreAndChange(value, m_style); }
  TiPlotReferenceType Reference() const { return m_reference; }
  void SetReference(TiPlotReferenceType value) { StoreAndChange(value, m_reference); }
  TiPlotReferenceIndividual ReferencePositionX() const { return m_refPosX; }
  void SetReferencePositionX(TiPlotReferenceIndividual value) { StoreAndChange(value, m_refPosX); }
  TiPlotReferenceIndividual ReferencePositionY() const { return m_refPosY; }
  void SetReferencePositionY(TiPlotReferenceIndividual value) { StoreAndChange(value, m_refPosY); }
  TiPlotReferenceIndividual ReferenceSizeX() const { return m_refSizeX; }
  void SetReferenceSizeX(TiPlotReferenceIndividual value) { StoreAndChange(value, m_refSizeX); }
  TiPlotReferenceIndividual ReferenceSizeY() const { return m_refSizeY; }
  void SetReferenceSizeY(TiPlotReferenceIndividual value) { StoreAndChange(value, m_refSizeY); }
  // The geometry setters fire OnAnnotationCoordinatesChange on a change.
  double X() const { return m_x; }
  void SetX(double value) { SetCoordinate(value, m_x); }
  double Y() const { return m_y; }
  void SetY(double value) { SetCoordinate(value, m_y); }
  double X2() const { return m_x2; }
  void SetX2(double value) { SetCoordinate(value, m_x2); }
  double Y2() const { return m_y2; }
  void SetY2(double value) { SetCoordinate(value, m_y2); }
  double Width() const { return m_width; }
  void SetWidth(double value) { SetCoordinate(value, m_width); }
  double Height() const { return m_height; }
  void SetHeight(double value) { SetCoordinate(value, m_height); }
  TColor PenColor() const { return m_penColor; }
  void SetPenColor(TColor value) { StoreAndChange(value, m_penColor); }
  TPenStyle PenStyle() const { return m_penStyle; }
  void SetPenStyle(TPenStyle value) { StoreAndChange(value, m_penStyle); }
  int PenWidth() const { return m_penWidth; }
  void SetPenWidth(int value) { StoreAndChange(value, m_penWidth); }
  TColor BrushColor() const { return m_brushColor; }
  void SetBrushColor(TColor value) { StoreAndChange(value, m_brushColor); }
  TBrushStyle BrushStyle() const { return m_brushStyle; }
  void SetBrushStyle(TBrushStyle value) { StoreAndChange(value, m_brushStyle); }
  QString Text() const { return m_text; }
  void SetText(const QString& value) { StoreAndChange(value, m_text); }
  TiRotationAngle TextRotation() const { return m_textRotation; }
  void SetTextRotation(TiRotationAngle value) { StoreAndChange(value, m_textRotation); }
  TiAlignmentHorizontal TextHorzAlignment() const { return m_textHorzAlignment; }
  void SetTextHorzAlignment(TiAlignmentHorizontal value) { StoreAndChange(value, m_textHorzAlignment); }
  TiAlignmentVertical TextVertAlignment() const { return m_textVertAlignment; }
  void SetTextVertAlignment(TiAlignmentVertical value) { StoreAndChange(value, m_textVertAlignment); }
  /// How the lines of a multi-line text align among themselves.
  TiAlignmentHorizontal TextLineAlignment() const { return m_textLineAlignment; }
  void SetTextLineAlignment(TiAlignmentHorizontal value) { StoreAndChange(value, m_textLineAlignment); }
  double TextHorzMargin() const { return m_textHorzMargin; }
  void SetTextHorzMargin(double value) { StoreAndChange(value, m_textHorzMargin); }
  double TextVertMargin() const { return m_textVertMargin; }
  void SetTextVertMargin(double value) { StoreAndChange(value, m_textVertMargin); }
  TFont& Font() { return m_font; }
  int OuterMargin() const { return m_outerMargin; }
  void SetOuterMargin(int value) { StoreAndChange(value, m_outerMargin); }
  QString ChannelName() const { return m_channelName; }
  void SetChannelName(const QString& value);
  bool UserCanMove() const { return m_userCanMove; }
  void SetUserCanMove(bool value) { StoreAndChange(value, m_userCanMove); }
  bool UserCanSize() const { return m_userCanSize; }
  void SetUserCanSize(bool value) { StoreAndChange(value, m_userCanSize); }
  bool SelectModeOnlyInteraction() const { return m_selectModeOnlyInteraction; }
  void SetSelectModeOnlyInteraction(bool value) { StoreAndChange(value, m_selectModeOnlyInteraction); }
  bool ClipToAxes() const { return m_clipToAxes; }
  void SetClipToAxes(bool value) { StoreAndChange(value, m_clipToAxes); }
  bool ShowFocusRect() const { return m_showFocusRect; }
  void SetShowFocusRect(bool value) { StoreAndChange(value, m_showFocusRect); }
  int ImageListIndex() const { return m_imageListIndex; }
  void SetImageListIndex(int value) { StoreAndChange(value, m_imageListIndex); }
  int ImageIndex() const { return m_imageIndex; }
  void SetImageIndex(int value) { StoreAndChange(value, m_imageIndex); }

  /// The owned picture of the image style, nullptr when none.
  TBitmap* Image() const { return m_image.Get(); }
  /// nullptr frees the picture; otherwise it is copied in. Signals a change.
  void SetImage(const TBitmap* value);
  /// Frees the picture and signals a change; nothing when there is none.
  void ImageClear();
  /// Loads a bitmap file as the picture; throws EPlotError with the load
  /// error, leaving the picture as it was.
  void ImageLoadFromFile(const QString& fileName);

  int PolyPointAdd(double x, double y);
  void PolyPointsClear() { m_polyPoints.clear(); }
  int PolyPointsCount() const { return int(m_polyPoints.size()); }
  TRect ClickRect() const { return m_clickRect; }
  bool Showing() const { return m_showing; }
  void SetDataView(TiPlotDataView* view) { m_dataView = view; }
  TiPlotChannelCustom* ResolveChannel();

  int PositionXToPixels(double value);
  int PositionYToPixels(double value);
  double PixelsXToPosition(int value);
  double PixelsYToPosition(int value);

  void NotificationRemove(TObject* sender) override;
  void NotificationRename(TObject* sender) override;
  void NotificationSetFocus(TObject* sender) override;
  void Draw(TCanvas& canvas, TColor backGroundColor) override;
  bool MouseHitTest(const TiPlotMouseData& mouseData) const override;
  void DoMouseLeft(const TiPlotMouseData& mouseData) override;
  void DoMouseMove(const TiPlotMouseData& mouseData) override;
  void DoMouseUp(const TiPlotMouseData& mouseData) override;
  TCursor GetMouseCursor(TPoint point) override;

private:
  struct Point {
    double X;
    double Y;
  };
  void SetCoordinate(double value, double& field);
  bool InChannelFrame(TiPlotReferenceIndividual individual, bool horizontal) const;
  bool FramesResolve();
  int ToPixels(double value, bool horizontal, bool channel);
  double ToPosition(int pixels, bool horizontal, bool channel);
  int SizeToPixels(double value, bool horizontal);
  double SizePixelsToPosition(int pixels, bool horizontal);
  bool CanSize() const;
  bool IsCornerStyle() const;
  void ShowBox(TCanvas& canvas, const TRect& box, bool handles);
  TRect TextBox(TCanvas& canvas, int xp, int yp, int extra);
  void DrawTextInto(TCanvas& canvas, const TRect& box);
  void SetFromPixelRect(int left, int top, int right, int bottom);

  TiPlotAnnotationStyle m_style = TiPlotAnnotationStyle::ipasText;
  TiPlotReferenceType m_reference = TiPlotReferenceType::iprtDataView;
  TiPlotReferenceIndividual m_refPosX = TiPlotReferenceIndividual::ipriAuto;
  TiPlotReferenceIndividual m_refPosY = TiPlotReferenceIndividual::ipriAuto;
  TiPlotReferenceIndividual m_refSizeX = TiPlotReferenceIndividual::ipriAuto;
  TiPlotReferenceIndividual m_refSizeY = TiPlotReferenceIndividual::ipriAuto;
  TiPlotAnnotationSelectStyle m_selectStyle = TiPlotAnnotationSelectStyle::ipassNone;
  TRect m_sizeRects[4];
  std::vector<Point> m_polyPoints;
  double m_x = 0;
  double m_y = 0;
  double m_y2 = 0;
  double m_x2 = 0;
  double m_width = 0;
  double m_height = 0;
  TColor m_penColor = clWhite;
  int m_penWidth = 0;
  TPenStyle m_penStyle = TPenStyle::psSolid;
  TColor m_brushColor = clWhite;
  TBrushStyle m_brushStyle = TBrushStyle::bsSolid;
  QString m_text;
  TFont m_font;
  QString m_channelName;
  TiPlotDataView* m_dataView = nullptr;
  TiPlotChannelCustom* m_channel = nullptr;
  TiRotationAngle m_textRotation = TiRotationAngle::ira000;
  bool m_showing = false;
  TRect m_drawRect;
  TRect m_clickRect;
  bool m_rectChange = false;
  bool m_userCanMove = false;
  bool m_userCanSize = false;
  bool m_selectModeOnlyInteraction = true;
  bool m_clipToAxes = false;
  bool m_dragging = false;
  int m_mouseDownX = 0;
  int m_mouseDownY = 0;
  TPoint m_mouseDownAnchor;
  TRect m_mouseDownRect;
  TiAlignmentHorizontal m_textHorzAlignment = TiAlignmentHorizontal::iahCenter;
  TiAlignmentVertical m_textVertAlignment = TiAlignmentVertical::iavCenter;
  TiAlignmentHorizontal m_textLineAlignment = TiAlignmentHorizontal::iahCenter;
  double m_textHorzMargin = 1;
  double m_textVertMargin = 1;
  bool m_showFocusRect = true;
  double m_mouseDownXValue = 0;
  double m_mouseDownYValue = 0;
  double m_mouseDownX2Value = 0;
  double m_mouseDownY2Value = 0;
  int m_outerMargin = 0;
  TiOwnedPicture m_image;
  int m_imageListIndex = 0;
  int m_imageIndex = 0;
};
