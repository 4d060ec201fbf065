#pragma once

#include "plot/core/TiPlotManagerObject.h"

/// A plot object that the layout manager places on one side of the data
/// view: orientation (Horizontal: above or below; else left or right), a
/// Z-order (its band, counted outward from the data view's marker), the
/// share of its side (StartPercent..StopPercent) and the rectangles the
/// layout computes. Owned by the manager of its kind; GUI thread only.
class TiPlotLayoutObject : public TiPlotManagerObject {
public:
  TiPlotLayoutObject(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                     TNotifyEvent onRename);

  /// The inherited announcement, then OnLayoutChange (no DoChange).
  void DoInsert() override;
  /// True when the point lies in DrawRect (right and bottom edges excluded).
  bool MouseHitTest(const TiPlotMouseData& mouseData) const override;

  bool Horizontal() const { return m_horizontal; }
  void SetHorizontal(bool value);
  virtual bool IsHorz() const { return m_horizontal; }
  virtual bool IsVert() const { return !m_horizontal; }
  int ZOrder() const { return m_zOrder; }
  void SetZOrder(int value);
  double StartPercent() const { return m_startPercent; }
  double StopPercent() const { return m_stopPercent; }
  /// Clamped to 0..100; keeps StartPercent + 1 <= StopPercent by moving
  /// the other end (stored directly) or this value.
  void SetStartPercent(double value);
  void SetStopPercent(double value);
  /// Stores both unchanged, without clamping, then DoChange.
  void SetStartStopPercent(double start, double stop);
  bool ForceStacking() const { return m_forceStacking; }
  void SetForceStacking(bool value);

  /// Set by the layout manager: the object lies after the data view in Z
  /// order (top for horizontal objects, right for vertical ones).
  bool ReverseSide() const { return m_reverseSide; }
  void SetReverseSide(bool value);
  bool StartStacked() const { return m_startStacked; }
  void SetStartStacked(bool value) { m_startStacked = value; }
  bool StopStacked() const { return m_stopStacked; }
  void SetStopStacked(bool value) { m_stopStacked = value; }

  TRect DrawRect() const { return {m_left, m_top, m_right, m_bottom}; }
  void SetDrawRect(const TRect& r);
  void SetDrawLeft(int value) { m_left = value; }
  void SetDrawTop(int value) { m_top = value; }
  void SetDrawRight(int value) { m_right = value; }
  void SetDrawBottom(int value) { m_bottom = value; }
  int Width() const { return m_right - m_left; }
  int Height() const { return m_bottom - m_top; }
  TRect LayoutRect() const { return m_layoutRect; }
  void SetLayoutRect(const TRect& r) { m_layoutRect = r; }

  /// Thickness across its side that the object needs (0 here).
  virtual int GetRequiredWidth(TCanvas& canvas);
  /// How far the object overhangs its ends (0 here).
  virtual int GetRequiredEndMargin(TCanvas& canvas);

  /// ZOrder as text padded with "0" to 3 characters.
  QString GetZOrderSortKey() const;
  /// StartPercent rounded (halves to even) as text padded to 3 characters.
  QString GetStartPercentSortKey() const;

protected:
  /// The pop-up menu of a layout object opens at the centre of DrawRect.
  bool KeyPopupPoint(TPoint& point) const override;

private:
  double m_stopPercent = 100;
  double m_startPercent = 0;
  int m_zOrder = 0;
  bool m_horizontal = false;
  bool m_reverseSide = false;
  int m_bottom = 0;
  int m_left = 0;
  int m_top = 0;
  int m_right = 0;
  bool m_startStacked = false;
  bool m_stopStacked = false;
  TRect m_layoutRect;
  bool m_forceStacking = false;
};
