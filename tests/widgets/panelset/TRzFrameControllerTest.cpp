#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QWidget>

#include "platform/files/TRzRegIniFile.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/labels/TRzLabel.h"
#include "widgets/panels/TRzGroupBox.h"
#include "widgets/panels/TRzPanel.h"
#include "widgets/panelset/TRzFrameController.h"

namespace {

using P = TRzFrameControllerProperty;

// A control with same-named properties: records what it is given.
class PropertyControl : public QWidget, public IFrameSettingsProperties {
public:
  TRzFrameControllerNotifications FrameControllerNotifications() const override { return mask; }
  void SetFrameProperty(const TRzFrameController& c, TRzFrameControllerProperty p) override {
    written.append(p);
    if (p == P::fcpColor) {
      color = c.Color();
    }
  }
  TRzFrameControllerNotifications mask = AllFrameControllerNotifications();
  QList<P> written;
  TColor color = clNone;
};

// A control that applies the settings itself.
class ClientControl : public QWidget, public IFrameSettingsClient {
public:
  void ApplyFrameSettings(const TRzFrameController&, TRzFrameControllerProperty p) override { notices.append(p); }
  QList<P> notices;
};

}  // namespace

TEST(TRzFrameController, AddControl_registersOnceAndHandsOverEverySetting) {
  TRzFrameController controller;
  ClientControl client;
  PropertyControl control;
  controller.AddControl(&client);
  controller.AddControl(&client);
  controller.AddControl(&control);
  EXPECT_EQ(controller.ControlCount(), 2);
  EXPECT_EQ(client.notices, QList<P>{P::fcpAll});
  // fcpAll: ParentColor, Color (ParentColor is off), then the rest in order.
  const QList<P> all{P::fcpParentColor,     P::fcpColor,         P::fcpDisabledColor, P::fcpReadOnlyColor,
                     P::fcpReadOnlyColorOnFocus, P::fcpFocusColor, P::fcpFlatButtonColor, P::fcpFlatButtons,
                     P::fcpFrameColor,      P::fcpFrameHotColor, P::fcpFrameHotTrack, P::fcpFrameHotStyle,
                     P::fcpFrameSides,      P::fcpFrameStyle,    P::fcpFrameVisible,  P::fcpFramingPreference};
  EXPECT_EQ(control.written, all);
}

TEST(TRzFrameController, Update_bracketNotifiesEachControlOnceAtTheEnd) {
  TRzFrameController controller;
  ClientControl a;
  ClientControl b;
  controller.AddControl(&a);
  controller.AddControl(&b);
  a.notices.clear();
  b.notices.clear();
  controller.BeginUpdate();
  controller.SetFrameColor(clRed);
  controller.SetFrameStyle(Rz::TFrameStyleEx::fsGroove);
  EXPECT_TRUE(a.notices.isEmpty());
  controller.EndUpdate();
  EXPECT_EQ(a.notices, QList<P>{P::fcpAll});
  EXPECT_EQ(b.notices, QList<P>{P::fcpAll});
}

TEST(TRzFrameController, Mask_withoutColorKeepsTheControlsOwnColour) {
  TRzFrameController controller;
  PropertyControl control;
  control.mask = AllFrameControllerNotifications() - TRzFrameControllerNotifications{P::fcpColor};
  control.color = clYellow;
  controller.AddControl(&control);
  controller.SetColor(clRed);
  EXPECT_EQ(control.color, clYellow);
  EXPECT_FALSE(control.written.contains(P::fcpColor));
  EXPECT_TRUE(control.written.contains(P::fcpFocusColor));  // the focus colour followed the colour
}

TEST(TRzFrameController, EitherSideMayGoFirst) {
  auto* control = new ClientControl;
  {
    TRzFrameController controller;
    controller.AddControl(control);
    delete control;
    EXPECT_EQ(controller.ControlCount(), 0);
    controller.SetColor(clRed);  // nobody left to tell
    control = new ClientControl;
    controller.AddControl(control);
  }
  delete control;
}

TEST(TRzFrameController, LoadSave_roundTripAndTakeBadOrdinalsAsMissing) {
  TRzFrameController controller;
  EXPECT_THROW(controller.Load(QStringLiteral("Frames")), ENoRegIniFile);
  try {
    controller.Save(QStringLiteral("Frames"));
  } catch (const ENoRegIniFile& error) {
    EXPECT_STREQ(error.what(), "Cannot save Custom Framing settings--No TRzRegIniFile component specified");
  }
  QTemporaryDir dir;
  TRzRegIniFile store;
  store.SetPath(dir.filePath(QStringLiteral("frames.ini")));
  controller.SetRegIniFile(&store);
  controller.SetColor(RGB(1, 2, 3));
  controller.SetFrameStyle(Rz::TFrameStyleEx::fsGroove);
  controller.SetFrameSides({Rz::TSide::sdTop});
  controller.SetFramingPreference(TFramingPreference::fpCustomFraming);
  controller.Save(QStringLiteral("Frames"));

  TRzFrameController loaded;
  loaded.SetRegIniFile(&store);
  ClientControl client;
  loaded.AddControl(&client);
  client.notices.clear();
  loaded.Load(QStringLiteral("Frames"));
  EXPECT_EQ(client.notices, QList<P>{P::fcpAll});
  EXPECT_EQ(loaded.Color(), RGB(1, 2, 3));
  EXPECT_EQ(loaded.FrameStyle(), Rz::TFrameStyleEx::fsGroove);
  EXPECT_EQ(loaded.FrameSides(), Rz::TSides{Rz::TSide::sdTop});
  EXPECT_EQ(loaded.FramingPreference(), TFramingPreference::fpCustomFraming);
  EXPECT_EQ(loaded.DisabledColor(), clBtnFace);
  loaded.Load(QStringLiteral("Nothing"));
  EXPECT_EQ(loaded.DisabledColor(), clWindow);  // Load's default for a missing key

  for (const int bad : {-1, 12, 255, 1000000}) {
    store.WriteInteger(QStringLiteral("Frames"), QStringLiteral("FrameStyle"), bad);
    store.WriteInteger(QStringLiteral("Frames"), QStringLiteral("FrameHotStyle"), bad);
    store.WriteInteger(QStringLiteral("Frames"), QStringLiteral("FramingPreference"), bad);
    loaded.Load(QStringLiteral("Frames"));
    EXPECT_EQ(loaded.FrameStyle(), Rz::TFrameStyleEx::fsFlat) << bad;
    EXPECT_EQ(loaded.FrameHotStyle(), Rz::TFrameStyleEx::fsFlatBold) << bad;
    EXPECT_EQ(loaded.FramingPreference(), TFramingPreference::fpXPThemes) << bad;
  }
}

TEST(TRzFrameController, FramedControls_takeTheSettingsTheirMaskAndStyleAllow) {
  TRzFrameController controller;
  controller.SetFrameVisible(true);
  controller.SetFrameStyle(Rz::TFrameStyleEx::fsGroove);
  controller.SetFrameColor(clRed);
  TRzPanel panel;
  TRzGroupBox standard;
  TRzGroupBox custom;
  custom.SetGroupStyle(TRzGroupBoxStyle::gsCustom);
  TRzLabel label;
  label.SetFrameControllerNotifications(AllFrameControllerNotifications() -
                                        TRzFrameControllerNotifications{P::fcpFrameStyle});
  TRzComboBox combo;
  combo.SetFrameControllerNotifications(TRzFrameControllerNotifications{P::fcpFrameColor});
  const Rz::TFrameStyleEx labelBefore = label.BorderOuter();
  const Rz::TFrameStyleEx standardBefore = standard.BorderOuter();
  const Rz::TFrameStyleEx comboBefore = combo.FrameStyle();
  panel.SetFrameController(&controller);
  standard.SetFrameController(&controller);
  custom.SetFrameController(&controller);
  label.SetFrameController(&controller);
  combo.SetFrameController(&controller);
  EXPECT_EQ(controller.ControlCount(), 5);
  EXPECT_EQ(panel.BorderOuter(), Rz::TFrameStyleEx::fsGroove);
  EXPECT_EQ(panel.FlatColor(), clRed);
  EXPECT_EQ(custom.BorderOuter(), Rz::TFrameStyleEx::fsGroove);
  EXPECT_EQ(standard.BorderOuter(), standardBefore);
  EXPECT_EQ(label.BorderOuter(), labelBefore);
  EXPECT_EQ(label.FlatColor(), clRed);
  EXPECT_EQ(combo.FrameColor(), clRed);
  EXPECT_EQ(combo.FrameStyle(), comboBefore);
  controller.SetFrameColor(clBlue);
  EXPECT_EQ(combo.FrameColor(), clBlue);
  EXPECT_EQ(panel.FlatColor(), clBlue);
  label.SetFrameController(nullptr);
  EXPECT_EQ(controller.ControlCount(), 4);
}
