#pragma once

#include <functional>

#include <QImage>
#include <QString>
#include <QWidget>

#include "platform/drawing/TCanvas.h"
#include "platform/drawing/TColor.h"
#include "platform/text/TFont.h"
#include "platform/core/TObject.h"
#include "platform/core/TRect.h"
#include "platform/widgets/ControlMessages.h"
#include "platform/widgets/InputTypes.h"

class TWinControl;

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

/// Mouse cursors, with the platform's numbers.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crNo = -18;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

/// Where a control sits in its parent: alNone keeps its bounds; the others
/// are laid out by the parent (TWinControl::AlignControls) in the order
/// top, bottom, left, right, client, each taking its strip of what is left.
enum class TAlign : unsigned char { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

/// Behaviour flags of a control. Without csClickEvents a mouse release runs
/// no Click; without csDoubleClicks a double click arrives as a second
/// press (so it clicks twice). The other flags are stored for the widgets.
enum class TControlStyleItem {
  csAcceptsControls,
  csCaptureMouse,
  csClickEvents,
  csOpaque,
  csDoubleClicks,
  csReplicatable,
  csParentBackground,
};
using TControlStyle = TSet<TControlStyleItem>;

/// Base of every control of the forms, over a QWidget; owned by its Qt
/// parent. Holds what all controls share: Name (the object name), Tag,
/// Hint, Cursor, Enabled, Visible, bounds, Caption, Color, Font, the
/// mouse events and the notifications (Perform/WndProc with the CM_
/// messages), and a canvas that is bound to an off-screen image of the
/// control while Paint runs (outside Paint it draws nothing but still
/// measures text). The image starts transparent, so unpainted pixels show
/// the parent. Writing a property raises no event; a changed Enabled,
/// Caption, Color or Font is notified with CM_ENABLEDCHANGED,
/// CM_TEXTCHANGED, CM_COLORCHANGED or CM_FONTCHANGED through WndProc,
/// whose default handlers repaint. Exceptions thrown by handlers are
/// caught and logged at the event loop. GUI thread only.
class TControl : public QWidget, public TObject {
public:
  explicit TControl(QWidget* parent = nullptr);
  ~TControl() override;

  QString Name() const { return objectName(); }
  void SetName(const QString& name) { setObjectName(name); }
  int Tag() const { return m_tag; }
  void SetTag(int tag) { m_tag = tag; }
  QString Hint() const { return m_hint; }
  /// The control's own tooltip while ShowHint is on. A control without one
  /// shows none: the pointer over it never brings up a parent's hint.
  void SetHint(const QString& hint);
  bool ShowHint() const { return m_showHint; }
  void SetShowHint(bool value);
  TCursor Cursor() const { return m_cursor; }
  void SetCursor(TCursor cursor);

  /// The control's own Enabled (a disabled parent blocks input but does not
  /// change it).
  bool Enabled() const { return m_enabled; }
  virtual void SetEnabled(bool value);
  bool Visible() const { return m_visible; }
  virtual void SetVisible(bool value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }

  /// Left and Top are in the parent's client coordinates (see
  /// TWinControl::ChildOrigin).
  int Left() const { return x() - ParentOrigin().x(); }
  int Top() const { return y() - ParentOrigin().y(); }
  int Width() const { return width(); }
  int Height() const { return height(); }
  void SetLeft(int value) { SetBounds(value, Top(), Width(), Height()); }
  void SetTop(int value) { SetBounds(Left(), value, Width(), Height()); }
  void SetWidth(int value) { SetBounds(Left(), Top(), value, Height()); }
  void SetHeight(int value) { SetBounds(Left(), Top(), Width(), value); }
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return Bounds(Left(), Top(), Width(), Height()); }
  virtual TRect ClientRect() const { return Rect(0, 0, Width(), Height()); }
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }

  TAlign Align() const { return m_align; }
  /// Stores the alignment and has the parent lay its controls out again.
  void SetAlign(TAlign value);
  TControlStyle ControlStyle() const { return m_controlStyle; }
  void SetControlStyle(TControlStyle value) { m_controlStyle = value; }

  QString Caption() const { return m_caption; }
  void SetCaption(const QString& value);
  TColor Color() const { return m_color; }
  void SetColor(TColor value);
  bool ParentColor() const { return m_parentColor; }
  void SetParentColor(bool value);
  TFont& Font() { return m_font; }
  const TFont& Font() const { return m_font; }
  void SetFont(const TFont& font) { m_font.Assign(font); }
  bool ParentFont() const { return m_parentFont; }
  void SetParentFont(bool value);

  /// The parent when it is one of our windowed controls, else nullptr.
  TWinControl* Parent() const;
  void SetParent(QWidget* parent);
  virtual void BringToFront();
  virtual void SendToBack();
  void Invalidate() { update(); }
  void Repaint() { repaint(); }
  void Refresh() { repaint(); }

  /// The canvas Paint draws on (a foreign one while PaintBackgroundTo or
  /// PaintClientTo runs).
  TCanvas& Canvas() { return *m_activeCanvas; }
  /// Runs PaintBackground (what erasing the background draws) on another
  /// canvas, with its origin and clip, brush Color and font Font; the
  /// canvas's device state is restored afterwards.
  void PaintBackgroundTo(TCanvas& canvas);
  /// Runs Paint on another canvas, the same way.
  void PaintClientTo(TCanvas& canvas);
  /// Controls with a Transparent property override this to report it.
  virtual bool Transparent() const { return false; }

  /// Sends a message to this control and returns its Result.
  std::intptr_t Perform(unsigned msg, std::intptr_t wParam = 0, std::intptr_t lParam = 0);
  /// Message dispatch; derived classes handle their own messages and pass
  /// the rest on to the base.
  virtual void WndProc(TMessage& message);
  /// What the class library runs after the form's properties are set:
  /// forms built in code call it once on each control after building.
  virtual void Loaded() {}

  /// Runs the click action: OnClick.
  virtual void Click();

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnResize;

protected:
  /// Draws the control on Canvas(); called with the canvas bound to a fresh
  /// transparent image of the control's size, pen default, brush Color and
  /// font Font.
  virtual void Paint() {}
  /// Runs before Paint on the same canvas (windowed controls erase here).
  virtual void PaintBackground() {}

  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void DblClick();
  virtual void Resize();
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void EnabledChanged() { Invalidate(); }
  /// Align was written with a new value (before the parent lays out again).
  virtual void AlignChanged() {}
  virtual void TextChanged() { Invalidate(); }
  virtual void ColorChanged();
  virtual void FontChanged();
  virtual void ParentColorChanged();
  virtual void ParentFontChanged();

  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

  /// Runs draw with Canvas() bound to canvas (an item drawn outside Paint).
  void DrawOnCanvas(TCanvas& canvas, const std::function<void()>& draw);

private:
  QPoint ParentOrigin() const;
  void NotifyChildControls(unsigned msg);
  void ApplyHint();
  void RealignParent();
  void PrepareCanvas(TCanvas& canvas) const;
  void PaintOn(TCanvas& canvas, bool background);

  int m_tag = 0;
  QString m_hint;
  bool m_showHint = false;
  TCursor m_cursor = crDefault;
  bool m_enabled = true;
  bool m_visible = true;
  QString m_caption;
  TColor m_color = clBtnFace;
  bool m_parentColor = false;
  TFont m_font;
  bool m_parentFont = false;
  bool m_clicked = false;
  TAlign m_align = TAlign::alNone;
  TControlStyle m_controlStyle{TControlStyleItem::csCaptureMouse, TControlStyleItem::csClickEvents,
                               TControlStyleItem::csDoubleClicks};
  QImage m_frame;
  TCanvas m_canvas;
  TCanvas* m_activeCanvas = &m_canvas;
};
