#include <gtest/gtest.h>

#include <map>

#include "plot/channels/TiPlotChannelCustom.h"
#include "plot/editor/TiComponentEditorButton.h"
#include "plot/editor/TiComponentEditorValueConverterPicker.h"
#include "plot/editor/TiUpDown.h"
#include "plot/editor/TiValueConverterEditForm.h"
#include "plot/editor/iPlotEditorAxisPage.h"
#include "plot/editor/iPlotEditorPages.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"
#include "tests/plot/editor/PlotEditorPageFixture.h"
#include "tests/support/ModalDialogCloser.h"

namespace {

struct AxesPageCase {
  TiEditorAxisPage Page;
  const TiEditorPageTable& (*Table)();
  TiPlotObjectKind Kind;
};

const AxesPageCase kAxesPageCases[] = {{TiEditorAxisPage::X, &XAxisPageTable, TiPlotObjectKind::XAxis},
                                       {TiEditorAxisPage::Y, &YAxisPageTable, TiPlotObjectKind::YAxis}};

TiPlotAxis& EditedAxis(const PlotEditorPageFixture& f, TiEditorAxisPage page, int index = 0) {
  TiPlotMasterManager& m = f.plot->Master();
  auto& manager = page == TiEditorAxisPage::X ? m.XAxisManager() : m.YAxisManager();
  return *dynamic_cast<TiPlotAxis*>(manager.Items(index));
}

QWidget* AxesPageControl(const PlotEditorPageFixture& f, const TiEditorPageTable& table, const QString& property) {
  for (const TiEditorBinding& row : table.Rows) {
    if (row.Property == property) {
      return dynamic_cast<QWidget*>(f.form->Controls().FindObject(BindingControlName(table, row)));
    }
  }
  return nullptr;
}

/// Records which properties of an axis changed, in order, by comparing all
/// its stored values at every change it signals.
class AxisWriteRecorder {
public:
  explicit AxisWriteRecorder(TiPlotAxis& axis) : m_axis(axis), m_last(Snapshot()) {
    axis.OnChange = [this](TObject*) {
      const std::map<QString, QString> now = Snapshot();
      for (const auto& [name, value] : now) {
        if (m_last[name] != value) {
          Written << name;
          if (AfterWrite) AfterWrite(name);
        }
      }
      m_last = now;
    };
  }
  QStringList Written;
  std::function<void(const QString& property)> AfterWrite;

private:
  std::map<QString, QString> Snapshot() const {
    std::map<QString, QString> values;
    for (const TiPlotProperty& p : TiPlotPropertyRegistry::PropertiesOf(m_axis)) {
      if (p.Get) values[p.Name] = p.Get(m_axis);
    }
    return values;
  }
  TiPlotAxis& m_axis;
  std::map<QString, QString> m_last;
};

}  // namespace

TEST(PlotEditorAxesPages, EveryBindingChangedThroughItsWidgetReachesTheAxis) {
  for (const AxesPageCase& c : kAxesPageCases) {
    SCOPED_TRACE(AxisPagePrefix(c.Page).toStdString());
    PlotEditorPageFixture f;
    TiPlotAxis& axis = EditedAxis(f, c.Page);
    QStringList done;
    for (const TiEditorBinding& row : c.Table().Rows) {
      if (done.contains(row.Property)) continue;  // the Y page writes one edit twice
      done << row.Property;
      SCOPED_TRACE(row.Property.toStdString());
      QWidget* control = AxesPageControl(f, c.Table(), row.Property);
      const TiPlotProperty* p = TiPlotPropertyRegistry::Find(axis, row.Property);
      ASSERT_NE(control, nullptr);
      ASSERT_NE(p, nullptr);
      const BindingChange change = ChangeBindingAsUser(control, row, axis, *p);
      EXPECT_EQ(change.Actual, change.Expected);
    }
  }
}

TEST(PlotEditorAxesPages, ApplyWritesInEachPagesOrder) {
  for (const AxesPageCase& c : kAxesPageCases) {
    SCOPED_TRACE(AxisPagePrefix(c.Page).toStdString());
    PlotEditorPageFixture f;
    const QString prefix = AxisPagePrefix(c.Page);
    TiPlotAxis& axis = EditedAxis(f, c.Page);
    f.Get<TiComponentEditorEdit>(prefix + "MinEdit").SetAsFloat(5);
    f.Get<TiComponentEditorEdit>(prefix + "DesiredStartEdit").SetAsFloat(2);
    f.Get<TiComponentEditorEdit>(prefix + "DesiredIncrementEdit").SetAsFloat(4);
    f.Get<TiComponentEditorComboBox>(prefix + "LabelsFormatStyleComboBox").SetAsInteger(1);
    f.Get<TiComponentEditorComboBox>(prefix + "LabelsRotationComboBox").SetAsInteger(2);
    f.Get<TiComponentEditorEdit>(prefix + "CursorPrecisionEdit").SetAsInteger(6);
    f.Get<TiComponentEditorRadioGroup>(prefix + "ScaleTypeRadioGroup").SetAsInteger(1);
    f.Get<TiComponentEditorEdit>(prefix + "CursorScalerEdit").SetAsFloat(3);
    AxisWriteRecorder recorder(axis);
    // Between the two writes of the cursor precision its edit changes, so
    // that the second write shows.
    recorder.AfterWrite = [&](const QString& property) {
      if (property == "ScaleType") f.Get<TiComponentEditorEdit>(prefix + "CursorPrecisionEdit").SetAsInteger(9);
    };
    if (c.Page == TiEditorAxisPage::X) {
      f.form->XAxisChange();
      EXPECT_EQ(recorder.Written, (QStringList{"Min", "DesiredStart", "DesiredIncrement", "LabelsFormatStyle",
                                               "LabelsRotation", "CursorPrecision", "ScaleType", "CursorScaler"}));
    } else {
      f.form->YAxisChange();
      EXPECT_EQ(recorder.Written,
                (QStringList{"Min", "DesiredIncrement", "DesiredStart", "LabelsRotation", "LabelsFormatStyle",
                             "CursorPrecision", "ScaleType", "CursorPrecision", "CursorScaler"}));
    }
  }
}

TEST(PlotEditorAxesPages, LookBindingsChangeThePlotsPicture) {
  const std::pair<const char*, const char*> edits[] = {
      {"XAxisMinEdit", "-50"}, {"XAxisSpanEdit", "20"}, {"YAxisTitleEdit", "Level"}};
  PlotEditorPageFixture f;
  EditorControlInput::Click(&f.Get<TiComponentEditorCheckBox>(QStringLiteral("YAxisTitleShowCheckBox")), 5, 8);
  ASSERT_TRUE(EditedAxis(f, TiEditorAxisPage::Y).TitleShow());
  for (const auto& [name, text] : edits) {
    SCOPED_TRACE(name);
    const QImage before = f.Picture();
    PlotEditorPageFixture::Type(f.Get<TiComponentEditorEdit>(QString::fromLatin1(name)), QString::fromLatin1(text));
    EXPECT_NE(f.Picture(), before);
  }
  QImage before = f.Picture();
  auto& scale = f.Get<TiComponentEditorRadioGroup>(QStringLiteral("YAxisScaleTypeRadioGroup"));
  scale.setFocus();
  QTest::keyClick(&scale, Qt::Key_Down);
  EXPECT_EQ(EditedAxis(f, TiEditorAxisPage::Y).ScaleType(), TiPlotScaleType::ipstLog10);
  EXPECT_NE(f.Picture(), before);
  before = f.Picture();
  auto& rotation = f.Get<TiComponentEditorComboBox>(QStringLiteral("XAxisLabelsRotationComboBox"));
  rotation.setFocus();
  QTest::keyClick(&rotation, Qt::Key_Down);
  EXPECT_EQ(EditedAxis(f, TiEditorAxisPage::X).LabelsRotation(), TiRotationAngle::ira090);
  EXPECT_NE(f.Picture(), before);
}

TEST(PlotEditorAxesPages, AddedXAxisIsListedLastSelectedAndOfferedToChannels) {
  PlotEditorPageFixture f;
  f.Get<TiComponentEditorButton>(QStringLiteral("XAxesAddButton")).click();
  auto& list = f.form->XAxisListBox();
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.ItemIndex(), 1);
  EXPECT_EQ(f.Get<TiComponentEditorEdit>(QStringLiteral("XAxisNameEdit")).text(), "X-Axis 2");
  // The channel's X axis list offers it when it drops down.
  auto& channelXAxis = f.Get<TiComponentEditorComboBox>(QStringLiteral("ChannelXAxisNameComboBox"));
  channelXAxis.showPopup();
  channelXAxis.hidePopup();
  EXPECT_EQ(channelXAxis.Items(), (QStringList{"<None>", "X-Axis 1", "X-Axis 2"}));
  EXPECT_EQ(channelXAxis.currentText(), "X-Axis 1");
}

TEST(PlotEditorAxesPages, TheYPagesChildReferenceListIsRefreshedByTheFillOnly) {
  PlotEditorPageFixture f;
  auto& xChild = f.Get<TiComponentEditorComboBox>(QStringLiteral("XAxisCartesianChildRefAxisNameComboBox"));
  auto& yChild = f.Get<TiComponentEditorComboBox>(QStringLiteral("YAxisCartesianChildRefAxisNameComboBox"));
  auto& yAlign = f.Get<TiComponentEditorComboBox>(QStringLiteral("YAxisAlignRefAxisNameComboBox"));
  EXPECT_EQ(xChild.Items(), (QStringList{"<None>", "Y-Axis 1"}));
  EXPECT_EQ(yChild.Items(), (QStringList{"<None>", "X-Axis 1"}));
  EXPECT_EQ(yAlign.Items(), (QStringList{"<None>", "Y-Axis 1"}));
  // New axes made behind the editor's back: a drop-down refreshes the
  // X page's list and the Y page's align list, not the Y page's child list.
  f.plot->Master().XAxisManager().Items(0)->SetName(QStringLiteral("Time"));
  f.plot->Master().YAxisManager().Items(0)->SetName(QStringLiteral("Level"));
  for (TiComponentEditorComboBox* combo : {&xChild, &yChild, &yAlign}) {
    combo->showPopup();
    combo->hidePopup();
  }
  EXPECT_EQ(xChild.Items(), (QStringList{"<None>", "Level"}));
  EXPECT_EQ(yAlign.Items(), (QStringList{"<None>", "Level"}));
  EXPECT_EQ(yChild.Items(), (QStringList{"<None>", "X-Axis 1"}));
  f.form->UpdateYAxesEdit();
  EXPECT_EQ(yChild.Items(), (QStringList{"<None>", "Time"}));
}

TEST(PlotEditorAxesPages, CopyDefaultGivesTheCursorFormatTheDefaultSettings) {
  for (const AxesPageCase& c : kAxesPageCases) {
    SCOPED_TRACE(AxisPagePrefix(c.Page).toStdString());
    PlotEditorPageFixture f;
    const QString prefix = AxisPagePrefix(c.Page);
    TiPlotAxis& axis = EditedAxis(f, c.Page);
    axis.SetLabelsFormatStyle(TiPlotTextFormat::iptfDateTime);
    axis.SetDateTimeFormat(QStringLiteral("hh:nn"));
    axis.SetLabelsPrecisionStyle(TiPrecisionStyle::ipsFixedDecimalPoints);
    axis.SetLabelsPrecision(7);
    axis.SetLabelsMinLength(9.5);
    axis.SetLabelsMinLengthAutoAdjust(true);
    f.form->UpdateAll();
    f.Get<TiComponentEditorButton>(prefix + "CursorCopyDefaultButton").click();
    EXPECT_EQ(axis.CursorFormatStyle(), TiPlotTextFormat::iptfDateTime);
    EXPECT_EQ(axis.CursorDateTimeFormat(), "hh:nn");
    EXPECT_EQ(axis.CursorPrecisionStyle(), TiPrecisionStyle::ipsFixedDecimalPoints);
    EXPECT_EQ(axis.CursorPrecision(), 7);
    EXPECT_EQ(axis.CursorMinLength(), 9.5);
    EXPECT_TRUE(axis.CursorMinLengthAutoAdjust());
    EXPECT_EQ(axis.LegendFormatStyle(), TiPlotTextFormat::iptfValue);
    f.Get<TiComponentEditorButton>(prefix + "LegendCopyDefaultButton").click();
    EXPECT_EQ(axis.LegendDateTimeFormat(), "hh:nn");
  }
}

TEST(PlotEditorAxesPages, ATypedDateTimeFormatApplies) {
  PlotEditorPageFixture f;
  auto& format = f.Get<TiComponentEditorComboBox>(QStringLiteral("YAxisDateTimeFormatComboBox"));
  ASSERT_TRUE(format.isEditable());
  EXPECT_EQ(format.Items(), AxisDateTimeFormats());
  format.setFocus();
  format.lineEdit()->selectAll();
  QTest::keyClicks(format.lineEdit(), QStringLiteral("yyyy"));
  EXPECT_EQ(EditedAxis(f, TiEditorAxisPage::Y).DateTimeFormat(), "yyyy");
  f.form->UpdateAll();
  EXPECT_EQ(format.currentText(), "yyyy");
}

TEST(PlotEditorAxesPages, InnerMarginStepsStopAtTheRangeLayerStepsDoNot) {
  PlotEditorPageFixture f;
  auto step = [&](const QString& name, bool up) {
    auto& spin = f.Get<TiUpDown>(name);
    EditorControlInput::Press(&spin, spin.width() / 2, up ? 2 : spin.height() - 2);
    EditorControlInput::Release(&spin, spin.width() / 2, up ? 2 : spin.height() - 2);
  };
  TiPlotAxis& axis = EditedAxis(f, TiEditorAxisPage::X);
  PlotEditorPageFixture::Type(f.Get<TiComponentEditorEdit>(QStringLiteral("XAxisInnerMarginEdit")), "999");
  step(QStringLiteral("XAxisInnerMarginUpDown"), true);
  step(QStringLiteral("XAxisInnerMarginUpDown"), true);
  EXPECT_EQ(axis.InnerMargin(), 1000);
  PlotEditorPageFixture::Type(f.Get<TiComponentEditorEdit>(QStringLiteral("XAxisInnerMarginEdit")), "-999");
  step(QStringLiteral("XAxisInnerMarginUpDown"), false);
  step(QStringLiteral("XAxisInnerMarginUpDown"), false);
  EXPECT_EQ(axis.InnerMargin(), -1000);
  PlotEditorPageFixture::Type(f.Get<TiComponentEditorEdit>(QStringLiteral("XAxisInnerMarginEdit")), "1500");
  EXPECT_EQ(axis.InnerMargin(), 1500) << "a typed number is not clamped";
  PlotEditorPageFixture::Type(f.Get<TiComponentEditorEdit>(QStringLiteral("XAxisLayerEdit")), "5000");
  step(QStringLiteral("XAxisLayerUpDown"), true);
  EXPECT_EQ(axis.Layer(), 5001);
}

TEST(PlotEditorAxesPages, ValueConverterWritesADateIntoMin) {
  PlotEditorPageFixture f;
  auto& picker =
      f.Get<TiComponentEditorValueConverterPicker>(QStringLiteral("iComponentEditorValueConverterPickerXAxisMin"));
  EXPECT_EQ(picker.toolTip(), "Date/Time Editor");
  ModalDialogCloser closer([](QWidget* dialog) {
    auto* converter = dynamic_cast<TiValueConverterEditForm*>(dialog);
    if (converter == nullptr) return;
    converter->SetValue(45000.25);
    dialog->findChild<QAbstractButton*>(QStringLiteral("OkButton"))->click();
    dialog->hide();
  });
  picker.click();
  EXPECT_EQ(EditedAxis(f, TiEditorAxisPage::X).Min(), 45000.25);
}
