#include "widgets/panelset/TRzFrameController.h"

#include <algorithm>

#include "platform/files/TRzRegIniFile.h"

namespace {

using P = TRzFrameControllerProperty;

// The order fcpAll hands the settings on in, after ParentColor and Color.
constexpr P kAllOrder[] = {P::fcpDisabledColor, P::fcpReadOnlyColor,   P::fcpReadOnlyColorOnFocus,
                           P::fcpFocusColor,    P::fcpFlatButtonColor, P::fcpFlatButtons,
                           P::fcpFrameColor,    P::fcpFrameHotColor,   P::fcpFrameHotTrack,
                           P::fcpFrameHotStyle, P::fcpFrameSides,      P::fcpFrameStyle,
                           P::fcpFrameVisible,  P::fcpFramingPreference};

constexpr int kFrameStyles = int(Rz::TFrameStyleEx::fsFlatRounded) + 1;
constexpr int kPreferences = int(TFramingPreference::fpXPThemes) + 1;

}  // namespace

TRzFrameControllerNotifications AllFrameControllerNotifications() {
  return TRzFrameControllerNotifications::FromBits(0xFFFFu);
}

TRzFrameController::TRzFrameController(QObject* parent) : QObject(parent) {}

TRzFrameController::~TRzFrameController() = default;

int TRzFrameController::ControlCount() const {
  return int(std::count_if(m_frameList.begin(), m_frameList.end(), [](const QPointer<QWidget>& w) { return !w.isNull(); }));
}

void TRzFrameController::Assign(const TRzFrameController& source) {
  if (&source == this) {
    return;
  }
  BeginUpdate();
  SetColor(source.m_color);
  SetParentColor(source.m_parentColor);
  SetFlatButtonColor(source.m_flatButtonColor);
  SetFlatButtons(source.m_flatButtons);
  SetDisabledColor(source.m_disabledColor);
  SetReadOnlyColor(source.m_readOnlyColor);
  SetReadOnlyColorOnFocus(source.m_readOnlyColorOnFocus);
  SetFocusColor(source.m_focusColor);
  SetFrameColor(source.m_frameColor);
  SetFrameHotColor(source.m_frameHotColor);
  SetFrameHotTrack(source.m_frameHotTrack);
  SetFrameHotStyle(source.m_frameHotStyle);
  SetFrameSides(source.m_frameSides);
  SetFrameStyle(source.m_frameStyle);
  SetFrameVisible(source.m_frameVisible);
  SetFramingPreference(source.m_framingPreference);
  EndUpdate();
}

void TRzFrameController::EndUpdate() {
  --m_updateCount;
  if (m_updateCount <= 0) {
    m_updateCount = 0;
    NotifyControls(P::fcpAll);
  }
}

void TRzFrameController::AddControl(QWidget* control) {
  if (control == nullptr) {
    return;
  }
  m_frameList.removeAll(QPointer<QWidget>());
  if (m_frameList.contains(control)) {
    return;
  }
  m_frameList.append(control);
  NotifyControl(control, P::fcpAll);
}

void TRzFrameController::RemoveControl(QWidget* control) {
  m_frameList.removeAll(QPointer<QWidget>(control));
  m_frameList.removeAll(QPointer<QWidget>());
}

void TRzFrameController::NotifyControl(QWidget* control, TRzFrameControllerProperty property) {
  if (control == nullptr) {
    return;
  }
  if (auto* client = dynamic_cast<IFrameSettingsClient*>(control)) {
    client->ApplyFrameSettings(*this, property);
    return;
  }
  auto* properties = dynamic_cast<IFrameSettingsProperties*>(control);
  if (properties == nullptr) {
    return;
  }
  const TRzFrameControllerNotifications mask = properties->FrameControllerNotifications();
  auto write = [&](P p) {
    if (mask.Contains(p)) {
      properties->SetFrameProperty(*this, p);
    }
  };
  if (property != P::fcpAll) {
    write(property);
    return;
  }
  write(P::fcpParentColor);
  if (!m_parentColor) {
    write(P::fcpColor);
  }
  for (const P p : kAllOrder) {
    write(p);
  }
}

void TRzFrameController::NotifyControls(TRzFrameControllerProperty property) {
  if (m_updateCount > 0) {
    return;
  }
  // A copy: a control may unregister while it is told.
  const QList<QPointer<QWidget>> controls = m_frameList;
  for (const QPointer<QWidget>& control : controls) {
    NotifyControl(control, property);
  }
}

void TRzFrameController::SetColor(TColor value) {
  if (value == m_color) {
    return;
  }
  if (m_color == m_focusColor) {
    m_focusColor = value;
    NotifyControls(P::fcpFocusColor);
  }
  m_color = value;
  m_parentColor = false;
  NotifyControls(P::fcpColor);
}

void TRzFrameController::SetParentColor(bool value) {
  if (!StoreIfChanged(m_parentColor, value)) {
    return;
  }
  NotifyControls(P::fcpParentColor);
  if (!m_parentColor) {
    NotifyControls(P::fcpColor);
  }
}

void TRzFrameController::SetFrameHotTrack(bool value) {
  if (!StoreIfChanged(m_frameHotTrack, value)) {
    return;
  }
  if (m_frameHotTrack) {
    SetFrameVisible(true);
    SetFrameSides(Rz::AllSides);
  }
  NotifyControls(P::fcpFrameHotTrack);
}

void TRzFrameController::Load(const QString& section) {
  if (m_regIniFile == nullptr) {
    throw ENoRegIniFile("Cannot load Custom Framing settings--No TRzRegIniFile component specified");
  }
  TRzRegIniFile& s = *m_regIniFile;
  auto ordinal = [&](const char* key, int defaultValue, int count) {
    const int value = s.ReadInteger(section, QLatin1String(key), defaultValue);
    return value >= 0 && value < count ? value : defaultValue;
  };
  auto color = [&](const char* key, TColor defaultValue) {
    return TColor(s.ReadInteger(section, QLatin1String(key), int(defaultValue)));
  };
  auto flag = [&](const char* key, bool defaultValue) { return s.ReadBool(section, QLatin1String(key), defaultValue); };
  BeginUpdate();
  SetColor(color("Color", clWindow));
  SetFlatButtonColor(color("FlatButtonColor", clBtnFace));
  SetFlatButtons(flag("FlatButtons", true));
  SetDisabledColor(color("DisabledColor", clWindow));
  SetReadOnlyColor(color("ReadOnlyColor", clInfoBk));
  SetReadOnlyColorOnFocus(flag("ReadOnlyColorOnFocus", false));
  SetFocusColor(color("FocusColor", clWindow));
  SetFrameColor(color("FrameColor", clBtnShadow));
  SetFrameHotColor(color("FrameHotColor", clBtnShadow));
  SetFrameHotStyle(Rz::TFrameStyleEx(ordinal("FrameHotStyle", 10, kFrameStyles)));
  SetFrameHotTrack(flag("FrameHotTrack", false));
  Rz::TSides sides;
  const std::pair<const char*, Rz::TSide> sideKeys[] = {{"FrameSides_Left", Rz::TSide::sdLeft},
                                                        {"FrameSides_Top", Rz::TSide::sdTop},
                                                        {"FrameSides_Right", Rz::TSide::sdRight},
                                                        {"FrameSides_Bottom", Rz::TSide::sdBottom}};
  for (const auto& [key, side] : sideKeys) {
    if (flag(key, true)) {
      sides.Include(side);
    }
  }
  SetFrameSides(sides);
  SetFrameStyle(Rz::TFrameStyleEx(ordinal("FrameStyle", 1, kFrameStyles)));
  SetFrameVisible(flag("FrameVisible", false));
  SetFramingPreference(TFramingPreference(ordinal("FramingPreference", 1, kPreferences)));
  EndUpdate();
}

void TRzFrameController::Save(const QString& section) {
  if (m_regIniFile == nullptr) {
    throw ENoRegIniFile("Cannot save Custom Framing settings--No TRzRegIniFile component specified");
  }
  TRzRegIniFile& s = *m_regIniFile;
  auto integer = [&](const char* key, int value) { s.WriteInteger(section, QLatin1String(key), value); };
  auto flag = [&](const char* key, bool value) { s.WriteBool(section, QLatin1String(key), value); };
  integer("Color", int(m_color));
  integer("FlatButtonColor", int(m_flatButtonColor));
  flag("FlatButtons", m_flatButtons);
  integer("DisabledColor", int(m_disabledColor));
  integer("ReadOnlyColor", int(m_readOnlyColor));
  flag("ReadOnlyColorOnFocus", m_readOnlyColorOnFocus);
  integer("FocusColor", int(m_focusColor));
  integer("FrameColor", int(m_frameColor));
  integer("FrameHotColor", int(m_frameHotColor));
  integer("FrameHotStyle", int(m_frameHotStyle));
  flag("FrameHotTrack", m_frameHotTrack);
  flag("FrameSides_Left", m_frameSides.Contains(Rz::TSide::sdLeft));
  flag("FrameSides_Top", m_frameSides.Contains(Rz::TSide::sdTop));
  flag("FrameSides_Right", m_frameSides.Contains(Rz::TSide::sdRight));
  flag("FrameSides_Bottom", m_frameSides.Contains(Rz::TSide::sdBottom));
  integer("FrameStyle", int(m_frameStyle));
  flag("FrameVisible", m_frameVisible);
  integer("FramingPreference", int(m_framingPreference));
}
