#pragma once

#include <QChar>

#include "platform/drawing/TBrush.h"
#include "platform/drawing/TColor.h"
#include "platform/drawing/TPen.h"
#include "plot/channels/TiPlotChannelTypes.h"

/// The channel-wide appearance a point list keeps for its channel; list
/// kinds that do not store an attribute per point answer these.
struct TiPlotStoredAppearance {
  TColor TraceLineColor = 0;
  int TraceLineWidth = 0;
  TiPlotLineStyle TraceLineStyle = TiPlotLineStyle::iplsSolid;
  bool MarkerVisible = false;
  int MarkerSize = 0;
  TiPlotMarkerStyle MarkerStyle = TiPlotMarkerStyle::ipmsCircle;
  TColor MarkerPenColor = 0;
  int MarkerPenWidth = 0;
  TPenStyle MarkerPenStyle = TPenStyle::psSolid;
  TColor MarkerBrushColor = 0;
  TBrushStyle MarkerBrushStyle = TBrushStyle::bsSolid;
  QChar MarkerCharacter;
  bool BarVisible = true;
  double BarReference = 0;
  double BarWidth = 0;
  TColor BarPenColor = 0;
  int BarPenWidth = 0;
  TPenStyle BarPenStyle = TPenStyle::psSolid;
  TColor BarBrushColor = 0;
  TBrushStyle BarBrushStyle = TBrushStyle::bsSolid;
};

/// Count, extremes and sums of X and Y over the valid points of a list
/// (neither null nor empty), as a full scan of the channel's statistics
/// needs them.
struct TiPlotValidTotals {
  int Count = 0;
  double XMin = 1e300;
  double XMax = -1e300;
  double YMin = 1e300;
  double YMax = -1e300;
  long double XTotal = 0;
  long double YTotal = 0;
};

/// The point store of one channel: points in insertion order addressed by
/// logical index (0 the oldest held), growing on demand or working as a
/// ring buffer of fixed size that overwrites its oldest point, plus the
/// channel's stored appearance. Failures throw EPlotError ("Index out of
/// Bounds", "Exceed Maximum List Size", "Delete size out of Range") and
/// leave the list as it was. The concrete lists (standard, compact,
/// compact-interval, full-feature) build on TiPlotDataRecordList. Owned by its channel; GUI thread only.
class TiPlotDataCustomList {
public:
  explicit TiPlotDataCustomList(int dataPointSize);
  virtual ~TiPlotDataCustomList() = default;
  TiPlotDataCustomList(const TiPlotDataCustomList&) = delete;
  TiPlotDataCustomList& operator=(const TiPlotDataCustomList&) = delete;

  int Count() const { return m_count; }
  int Capacity() const { return m_capacity; }
  int DataPointSize() const { return m_dataPointSize; }
  int MaxDataPoints() const { return m_maxDataPoints; }
  long long MemoryUsed() const { return static_cast<long long>(m_dataPointSize) * m_capacity; }
  int RingBufferSize() const { return m_ringBufferEnabled ? m_capacity : 0; }
  /// How many points have left the front of the list (overwritten by a
  /// full ring, deleted as the oldest, cleared): logical index i holds the
  /// point added as number Removed() + i, a number it keeps while held.
  long long Removed() const { return m_removed; }
  /// 0 switches ring mode off (a wrapped ring is cleared); a positive size
  /// switches it on with that capacity, keeping the newest points.
  void SetRingBufferSize(int value);

  TiPlotStoredAppearance& Stored() { return m_stored; }
  const TiPlotStoredAppearance& Stored() const { return m_stored; }

  virtual double GetX(int index) const = 0;
  virtual double GetY(int index) const = 0;
  virtual bool GetEmpty(int) const { return false; }
  virtual bool GetNull(int) const { return false; }
  virtual double GetHigh(int) const { return 0; }
  virtual double GetLow(int) const { return 0; }
  virtual double GetOpen(int) const { return 0; }
  virtual double GetClose(int) const { return 0; }
  virtual void SetX(int index, double value) = 0;
  virtual void SetY(int index, double value) = 0;
  virtual void SetEmpty(int, bool) {}
  virtual void SetNull(int, bool) {}
  virtual void SetHigh(int, double) {}
  virtual void SetLow(int, double) {}
  virtual void SetOpen(int, double) {}
  virtual void SetClose(int, double) {}
  virtual void GetXYEmptyNull(int index, double& x, double& y, bool& empty, bool& null) const = 0;
  /// Folds every valid point, oldest first, into totals in one pass over
  /// the storage.
  virtual void FoldValid(TiPlotValidTotals& totals) const = 0;

  // Per-point appearance; the base answers the stored channel-wide value.
  virtual TColor GetTraceLineColor(int) const { return m_stored.TraceLineColor; }
  virtual int GetTraceLineWidth(int) const { return m_stored.TraceLineWidth; }
  virtual TiPlotLineStyle GetTraceLineStyle(int) const { return m_stored.TraceLineStyle; }
  virtual bool GetMarkerVisible(int) const { return m_stored.MarkerVisible; }
  virtual int GetMarkerSize(int) const { return m_stored.MarkerSize; }
  virtual TiPlotMarkerStyle GetMarkerStyle(int) const { return m_stored.MarkerStyle; }
  virtual TColor GetMarkerPenColor(int) const { return m_stored.MarkerPenColor; }
  virtual int GetMarkerPenWidth(int) const { return m_stored.MarkerPenWidth; }
  virtual TPenStyle GetMarkerPenStyle(int) const { return m_stored.MarkerPenStyle; }
  virtual TColor GetMarkerBrushColor(int) const { return m_stored.MarkerBrushColor; }
  virtual TBrushStyle GetMarkerBrushStyle(int) const { return m_stored.MarkerBrushStyle; }
  virtual QChar GetMarkerCharacter(int) const { return m_stored.MarkerCharacter; }
  virtual bool GetBarVisible(int) const { return m_stored.BarVisible; }
  virtual double GetBarReference(int) const { return m_stored.BarReference; }
  virtual double GetBarWidth(int) const { return m_stored.BarWidth; }
  virtual TColor GetBarPenColor(int) const { return m_stored.BarPenColor; }
  virtual int GetBarPenWidth(int) const { return m_stored.BarPenWidth; }
  virtual TPenStyle GetBarPenStyle(int) const { return m_stored.BarPenStyle; }
  virtual TColor GetBarBrushColor(int) const { return m_stored.BarBrushColor; }
  virtual TBrushStyle GetBarBrushStyle(int) const { return m_stored.BarBrushStyle; }
  // Per-point appearance setters; no effect where a list keeps none.
  virtual void SetTraceLineColor(int, TColor) {}
  virtual void SetTraceLineWidth(int, int) {}
  virtual void SetTraceLineStyle(int, TiPlotLineStyle) {}
  virtual void SetMarkerVisible(int, bool) {}
  virtual void SetMarkerSize(int, int) {}
  virtual void SetMarkerStyle(int, TiPlotMarkerStyle) {}
  virtual void SetMarkerPenColor(int, TColor) {}
  virtual void SetMarkerPenWidth(int, int) {}
  virtual void SetMarkerPenStyle(int, TPenStyle) {}
  virtual void SetMarkerBrushColor(int, TColor) {}
  virtual void SetMarkerBrushStyle(int, TBrushStyle) {}
  virtual void SetMarkerCharacter(int, QChar) {}
  virtual void SetBarVisible(int, bool) {}
  virtual void SetBarReference(int, double) {}
  virtual void SetBarWidth(int, double) {}
  virtual void SetBarPenColor(int, TColor) {}
  virtual void SetBarPenWidth(int, int) {}
  virtual void SetBarPenStyle(int, TPenStyle) {}
  virtual void SetBarBrushColor(int, TColor) {}
  virtual void SetBarBrushStyle(int, TBrushStyle) {}

  /// Appends a point (note: Null before Empty) and answers its logical
  /// index, Count - 1 afterwards.
  virtual int Add(double x, double y, bool null, bool empty) = 0;
  /// Count and tail 0; a growing list also releases its storage.
  virtual void Clear();
  /// Records allocated; points beyond a smaller capacity are dropped.
  virtual void SetCapacity(int newCapacity) = 0;
  /// Removes the oldest size points; 0 <= size < Count.
  virtual void DeletePoints(int size) = 0;

protected:
  /// Storage position of a logical index.
  int GetListIndex(int index) const;
  /// Raises the capacity by the growth rule (4, 8, 12, 28, 44, ... 25 %).
  void Grow();
  /// The storage position the next Add writes, advancing count or tail.
  int NextAddPosition();
  void CheckCapacity(int newCapacity) const;
  void StoreCapacity(int newCapacity);
  void CheckDeleteSize(int size) const;
  void DropOldest(int size) {
    m_count -= size;
    m_removed += size;
  }
  int Tail() const { return m_tail; }
  void ResetTail() { m_tail = 0; }

private:
  int m_count = 0;
  int m_capacity = 0;
  int m_tail = 0;
  long long m_removed = 0;
  bool m_ringBufferEnabled = false;
  int m_dataPointSize;
  int m_maxDataPoints;
  TiPlotStoredAppearance m_stored;
};
