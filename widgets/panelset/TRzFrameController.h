#pragma once

#include <stdexcept>

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/drawing/TColor.h"
#include "platform/core/TObject.h"
#include "widgets/panelset/FrameStyles.h"
#include "widgets/panelset/IFrameSettingsClient.h"

class TRzRegIniFile;

/// Raised by Load and Save without a settings store.
class ENoRegIniFile : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

/// One set of frame and colour settings pushed to every control registered
/// with it: a control that applies them itself (IFrameSettingsClient) is
/// told of every change, a control with same-named properties
/// (IFrameSettingsProperties) gets those its mask holds. Registrations are
/// weak on both sides: a control or a controller that goes first leaves
/// nothing dangling. Load and Save keep the settings in a TRzRegIniFile.
/// Owned by its form (Qt parent). GUI thread only.
class TRzFrameController : public QObject, public TObject {
public:
  explicit TRzFrameController(QObject* parent = nullptr);
  ~TRzFrameController() override;

  void Assign(const TRzFrameController& source);
  void BeginUpdate() { ++m_updateCount; }
  /// Lowers the update count; at 0 every control hears of every setting once.
  void EndUpdate();
  void UpdateControls() { NotifyControls(TRzFrameControllerProperty::fcpAll); }
  /// Registers a control once and gives it every setting.
  void AddControl(QWidget* control);
  void RemoveControl(QWidget* control);
  int ControlCount() const;
  /// Raise ENoRegIniFile without a store. Load takes a stored value that is
  /// not a valid style or preference as missing.
  void Load(const QString& section);
  void Save(const QString& section);

  TColor Color() const { return m_color; }
  void SetColor(TColor value);
  bool ParentColor() const { return m_parentColor; }
  void SetParentColor(bool value);
  TColor FlatButtonColor() const { return m_flatButtonColor; }
  void SetFlatButtonColor(TColor value) { Set(m_flatButtonColor, value, TRzFrameControllerProperty::fcpFlatButtonColor); }
  bool FlatButtons() const { return m_flatButtons; }
  void SetFlatButtons(bool value) { Set(m_flatButtons, value, TRzFrameControllerProperty::fcpFlatButtons); }
  TColor DisabledColor() const { return m_disabledColor; }
  void SetDisabledColor(TColor value) { Set(m_disabledColor, value, TRzFrameControllerProperty::fcpDisabledColor); }
  TColor ReadOnlyColor() const { return m_readOnlyColor; }
  void SetReadOnlyColor(TColor value) { Set(m_readOnlyColor, value, TRzFrameControllerProperty::fcpReadOnlyColor); }
  bool ReadOnlyColorOnFocus() const { return m_readOnlyColorOnFocus; }
  void SetReadOnlyColorOnFocus(bool value) {
    Set(m_readOnlyColorOnFocus, value, TRzFrameControllerProperty::fcpReadOnlyColorOnFocus);
  }
  TColor FocusColor() const { return m_focusColor; }
  void SetFocusColor(TColor value) { Set(m_focusColor, value, TRzFrameControllerProperty::fcpFocusColor); }
  TColor FrameColor() const { return m_frameColor; }
  void SetFrameColor(TColor value) { Set(m_frameColor, value, TRzFrameControllerProperty::fcpFrameColor); }
  TColor FrameHotColor() const { return m_frameHotColor; }
  void SetFrameHotColor(TColor value) { Set(m_frameHotColor, value, TRzFrameControllerProperty::fcpFrameHotColor); }
  bool FrameHotTrack() const { return m_frameHotTrack; }
  void SetFrameHotTrack(bool value);
  Rz::TFrameStyleEx FrameHotStyle() const { return m_frameHotStyle; }
  void SetFrameHotStyle(Rz::TFrameStyleEx value) {
    Set(m_frameHotStyle, value, TRzFrameControllerProperty::fcpFrameHotStyle);
  }
  Rz::TSides FrameSides() const { return m_frameSides; }
  void SetFrameSides(Rz::TSides value) { Set(m_frameSides, value, TRzFrameControllerProperty::fcpFrameSides); }
  Rz::TFrameStyleEx FrameStyle() const { return m_frameStyle; }
  void SetFrameStyle(Rz::TFrameStyleEx value) { Set(m_frameStyle, value, TRzFrameControllerProperty::fcpFrameStyle); }
  bool FrameVisible() const { return m_frameVisible; }
  void SetFrameVisible(bool value) { Set(m_frameVisible, value, TRzFrameControllerProperty::fcpFrameVisible); }
  TFramingPreference FramingPreference() const { return m_framingPreference; }
  void SetFramingPreference(TFramingPreference value) {
    Set(m_framingPreference, value, TRzFrameControllerProperty::fcpFramingPreference);
  }
  TRzRegIniFile* RegIniFile() const { return m_regIniFile; }
  /// Not owned; the caller keeps it alive while it is set.
  void SetRegIniFile(TRzRegIniFile* value) { m_regIniFile = value; }

  /// Tells one control of one setting (see the class comment).
  void NotifyControl(QWidget* control, TRzFrameControllerProperty property);
  /// Tells every control, in registration order, unless an update runs.
  void NotifyControls(TRzFrameControllerProperty property);

private:
  template <typename T>
  void Set(T& field, const T& value, TRzFrameControllerProperty property) {
    if (StoreIfChanged(field, value)) {
      NotifyControls(property);
    }
  }

  TColor m_color = clWindow;
  bool m_parentColor = false;
  QList<QPointer<QWidget>> m_frameList;
  TColor m_flatButtonColor = clBtnFace;
  bool m_flatButtons = true;
  TColor m_disabledColor = clBtnFace;
  TColor m_readOnlyColor = clInfoBk;
  bool m_readOnlyColorOnFocus = false;
  TColor m_focusColor = clWindow;
  TColor m_frameColor = clBtnShadow;
  TColor m_frameHotColor = clBtnShadow;
  bool m_frameHotTrack = false;
  Rz::TFrameStyleEx m_frameHotStyle = Rz::TFrameStyleEx::fsFlatBold;
  Rz::TSides m_frameSides = Rz::AllSides;
  Rz::TFrameStyleEx m_frameStyle = Rz::TFrameStyleEx::fsFlat;
  bool m_frameVisible = false;
  TFramingPreference m_framingPreference = TFramingPreference::fpXPThemes;
  int m_updateCount = 0;
  TRzRegIniFile* m_regIniFile = nullptr;
};
