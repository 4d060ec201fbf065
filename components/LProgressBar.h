#pragma once

#include <vector>

#include "platform/drawing/TColor.h"
#include "platform/widgets/TCustomControl.h"

class TShape;

/// The segmented level meter: a narrow black panel with lowered bevels
/// filled by a column of segment shapes named "shape1" (top) to "shapeN"
/// (bottom), in three zones (top, middle, bottom) of FirstNum, SecondNum
/// and ThirdNum segments. Each zone has a dark and a lit colour; Position
/// lights that many Max-scaled segments from the bottom up and darkens the
/// others, reading each segment's zone from its present colour. Segments
/// overlap by about two pixels so that their outlines form the gaps. A
/// new meter is 14 x 132 with zones 1, 1, 3 and Max 100. Owned by its Qt
/// parent; GUI thread only.
class LProgressBar : public TCustomControl {
public:
  explicit LProgressBar(QWidget* parent = nullptr);

  TColor FirstColor() const { return m_firstColor; }
  TColor SecondColor() const { return m_secondColor; }
  TColor ThirdColor() const { return m_thirdColor; }
  /// The zone's dark colour; every segment of the zone takes it, lit or not.
  void SetFirstColor(TColor value);
  void SetSecondColor(TColor value);
  void SetThirdColor(TColor value);
  TColor LFirstColor() const { return m_lFirstColor; }
  TColor LSecondColor() const { return m_lSecondColor; }
  TColor LThirdColor() const { return m_lThirdColor; }
  /// The zone's lit colour; the zone's lit segments take it.
  void SetLFirstColor(TColor value);
  void SetLSecondColor(TColor value);
  void SetLThirdColor(TColor value);

  int FirstNum() const { return m_firstNum; }
  int SecondNum() const { return m_secondNum; }
  int ThirdNum() const { return m_thirdNum; }
  /// Changes the zone's segment count (negative counts as 0): segments are
  /// added or removed at the bottom of the zone, renumbered, laid out and
  /// all darkened; Position keeps its value.
  void SetFirstNum(int value);
  void SetSecondNum(int value);
  void SetThirdNum(int value);
  int SegmentCount() const { return int(m_segments.size()); }

  int Max() const { return m_max; }
  int Min() const { return m_min; }
  void SetMax(int value) { m_max = value; }
  void SetMin(int value) { m_min = value; }
  int Position() const { return m_position; }
  /// Stores the value held within Min..Max and lights trunc(Position /
  /// (Max / N)) segments from the bottom (the step in single precision,
  /// the scale starting at 0), one more when the value asked reaches Max.
  /// Nothing happens for the stored value, or while Max <= 0 or there are
  /// no segments.
  void SetPosition(int value);

  void SetBounds(int left, int top, int width, int height) override;

protected:
  void Paint() override;
  void Resize() override;

private:
  enum Zone { TopZone = 0, MiddleZone = 1, BottomZone = 2 };

  void SetZoneCount(Zone zone, int value);
  void SetDarkColor(Zone zone, TColor& field, TColor value);
  void SetLitColor(Zone zone, TColor& field, TColor value);
  Zone ZoneOf(int segment) const;
  TColor DarkColor(Zone zone) const;
  /// Segment "shape" + number (1..N); m_segments holds them in name order.
  TShape* Segment(int number) const;
  static void Recolour(TShape& segment, const TColor (&from)[3], const TColor (&to)[3]);
  void LayOut();
  void Rename();
  /// Every segment takes the dark colour of its zone.
  void Darken();

  TColor m_firstColor = 128;
  TColor m_secondColor = 32896;
  TColor m_thirdColor = 32768;
  int m_firstNum = 1;
  int m_secondNum = 1;
  int m_thirdNum = 3;
  int m_position = 0;
  TColor m_lFirstColor = 255;
  TColor m_lSecondColor = 65535;
  TColor m_lThirdColor = 65280;
  int m_max = 100;
  int m_min = 0;
  int m_laidOutWidth = 14;
  int m_laidOutHeight = 132;
  /// Segment shapes from top to bottom; children of the meter.
  std::vector<TShape*> m_segments;
};
