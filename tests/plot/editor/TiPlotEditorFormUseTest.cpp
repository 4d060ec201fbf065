#include <gtest/gtest.h>

#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include "platform/widgets/ColorChooser.h"
#include "platform/widgets/FileChooser.h"
#include "platform/widgets/FontChooser.h"
#include "platform/widgets/TPopupMenu.h"
#include "plot/channels/TiPlotChannel.h"
#include "plot/core/TiPlot.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotLayoutObject.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiPlotTranslationManager.h"
#include "plot/editor/TiComponentEditorButton.h"
#include "plot/editor/TiComponentEditorCheckBox.h"
#include "plot/editor/TiComponentEditorColorPicker.h"
#include "plot/editor/TiComponentEditorRadioGroup.h"
#include "plot/editor/TiComponentEditorComboBox.h"
#include "plot/editor/TiComponentEditorEdit.h"
#include "plot/editor/TiComponentEditorFontPicker.h"
#include "plot/editor/TiComponentEditorListBox.h"
#include "plot/editor/TiComponentEditorOpenPicker.h"
#include "plot/editor/TiComponentEditorPageControl.h"
#include "plot/editor/TiComponentEditorSavePicker.h"
#include "plot/editor/TiPlotEditorForm.h"
#include "plot/editor/TiPlotLayoutViewer.h"
#include "plot/editor/iPlotEditorPages.h"
#include "plot/objects/TiPlotLabel.h"
#include "plot/objects/TiPlotTable.h"
#include "plot/objects/TiPlotToolBar.h"
#include "plot/objects/TiPlotXAxis.h"
#include "tests/support/ModalDialogCloser.h"
#include "tests/support/ProcessEventsUntil.h"

namespace {

/// A plot whose editor stays on top, opened as the Properties button opens it.
class PlotEditorUse : public ::testing::Test {
protected:
  void SetUp() override {
    plot.SetBounds(0, 0, 400, 300);
    plot.StoredSettings().EditorFormStyle = TiPlotFormStyle::ipfsStayOnTop;
  }
  void TearDown() override {
    FileChooser::SetFilesHook({});
    FileChooser::SetHook({});
  }
  TiPlotEditorForm& Open() {
    plot.Master().EditProperties();
    return *plot.Master().EditorForm();
  }
  template <class T>
  T& Get(const char* name) {
    T* control = plot.Master().EditorForm()->Control<T>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return *control;
  }
  /// Types text over the edit's text and presses Return, as a user does.
  static void TypeAndReturn(TiComponentEditorEdit& edit, const QString& text) {
    edit.selectAll();
    QTest::keyClicks(&edit, text);
    QTest::keyClick(&edit, Qt::Key_Return);
  }
  static void ClickBox(TiComponentEditorCheckBox& box) { QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(6, 8)); }

  TiPlot plot;
};

}  // namespace

TEST_F(PlotEditorUse, TablesPage_isDisabledWithoutTableUntilAddThenEditsReachTheTable) {
  TiPlotEditorForm& form = Open();
  EXPECT_FALSE(form.TableListBox().isEnabled());
  EXPECT_FALSE(Get<TiComponentEditorEdit>("TableNameEdit").isEnabled());
  EXPECT_TRUE(Get<TiComponentEditorButton>("iTableAddButton").isEnabled());
  form.iTableAddButtonClick();
  ASSERT_EQ(plot.Master().TableManager().Count(), 1);
  EXPECT_EQ(form.TableListBox().Count(), 1);
  EXPECT_EQ(form.TableListBox().ItemIndex(), 0);
  EXPECT_TRUE(Get<TiComponentEditorEdit>("TableNameEdit").isEnabled());
  EXPECT_EQ(Get<TiComponentEditorEdit>("TableNameEdit").AsString(), QStringLiteral("Table 1"));
  auto& table = *plot.Master().TableManager().ItemAs<TiPlotTable>(0);
  TypeAndReturn(Get<TiComponentEditorEdit>("TableRowsMaxEdit"), QStringLiteral("7"));
  EXPECT_EQ(table.RowsMax(), 7);
  ClickBox(Get<TiComponentEditorCheckBox>("TableGridLinesShowCheckBox"));
  EXPECT_EQ(table.GridLinesShow(), Get<TiComponentEditorCheckBox>("TableGridLinesShowCheckBox").AsBoolean());
  // Escape puts the shown value back and writes nothing.
  auto& name = Get<TiComponentEditorEdit>("TableNameEdit");
  name.selectAll();
  QTest::keyClicks(&name, QStringLiteral("Other"));
  QTest::keyClick(&name, Qt::Key_Escape);
  EXPECT_EQ(name.AsString(), QStringLiteral("Table 1"));
  EXPECT_EQ(table.Name(), QStringLiteral("Table 1"));
  form.TableRemoveButtonClick();
  EXPECT_EQ(plot.Master().TableManager().Count(), 0);
  EXPECT_FALSE(Get<TiComponentEditorEdit>("TableNameEdit").isEnabled());
}

TEST_F(PlotEditorUse, LabelsPage_titleStaysAndIsSynchronisedWithTheTitleSubPage) {
  TiPlotEditorForm& form = Open();
  EXPECT_FALSE(Get<TiComponentEditorButton>("LabelRemoveButton").isEnabled());
  TypeAndReturn(Get<TiComponentEditorEdit>("LabelCaptionEdit"), QStringLiteral("Response"));
  EXPECT_EQ(plot.TitleText(), QStringLiteral("Response"));
  EXPECT_EQ(Get<TiComponentEditorEdit>("TitleTextEdit").AsString(), QStringLiteral("Response"));
  TypeAndReturn(Get<TiComponentEditorEdit>("TitleTextEdit"), QStringLiteral("Levels"));
  EXPECT_EQ(plot.TitleText(), QStringLiteral("Levels"));
  EXPECT_EQ(Get<TiComponentEditorEdit>("LabelCaptionEdit").AsString(), QStringLiteral("Levels"));
  ClickBox(Get<TiComponentEditorCheckBox>("TitleVisibleCheckBox"));
  EXPECT_FALSE(plot.TitleVisible());
  EXPECT_FALSE(Get<TiComponentEditorCheckBox>("LabelVisibleCheckBox").AsBoolean());
  form.iLabelAddButtonClick();
  EXPECT_EQ(form.LabelListBox().ItemIndex(), 1);
  EXPECT_TRUE(Get<TiComponentEditorButton>("LabelRemoveButton").isEnabled());
}

TEST_F(PlotEditorUse, ControlPage_writesThePlotAndItsPicture) {
  Open();
  TypeAndReturn(Get<TiComponentEditorEdit>("OuterMarginLeftEdit"), QStringLiteral("20"));
  EXPECT_EQ(plot.OuterMarginLeft(), 20);
  ClickBox(Get<TiComponentEditorCheckBox>("BackGroundGradientEnabledCheckBox"));
  EXPECT_TRUE(plot.BackGroundGradientEnabled());
  auto& direction = Get<TiComponentEditorComboBox>("BackGroundGradientDirectionComboBox");
  QTest::keyClick(&direction, Qt::Key_Down);
  QTest::keyClick(&direction, Qt::Key_Down);
  EXPECT_EQ(plot.BackGroundGradientDirection(), TiFillDirection::ifdLeftRight);
  TypeAndReturn(Get<TiComponentEditorEdit>("PrintDocumentNameEdit"), QStringLiteral("Bands"));
  EXPECT_EQ(plot.StoredSettings().PrintDocumentName, QStringLiteral("Bands"));
}

TEST_F(PlotEditorUse, ControlPage_dataLoadOfABadFileKeepsThePoints) {
  Open();
  auto* channel = plot.Channel(0);
  channel->AddXY(0, 1);
  channel->AddXY(1, 2);
  QTemporaryDir dir;
  const QString bad = dir.filePath(QStringLiteral("bad.dat"));
  QFile file(bad);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("Channel 1(X)\tChannel 1(Y)\r\n0\tnot a number\r\n");
  file.close();
  FileChooser::SetFilesHook([bad](const FileDialogChoice&) { return FileAnswer{{bad}, 1}; });
  ModalDialogCloser closer;
  Get<TiComponentEditorOpenPicker>("ControlDataOpenPicker").Click();
  EXPECT_EQ(closer.Texts().size(), 1);
  EXPECT_EQ(channel->Count(), 2);
  // A good file replaces the points.
  const QString good = dir.filePath(QStringLiteral("good.dat"));
  plot.SaveDataToFile(good);
  channel->AddXY(2, 3);
  FileChooser::SetFilesHook([good](const FileDialogChoice&) { return FileAnswer{{good}, 1}; });
  Get<TiComponentEditorOpenPicker>("ControlDataOpenPicker").Click();
  EXPECT_EQ(channel->Count(), 2);
}

TEST_F(PlotEditorUse, StayOnTop_listsFollowTheObjectsCodeAddsAndRemoves) {
  TiPlotEditorForm& form = Open();
  const int channels = form.ChannelListBox().Count();
  plot.Master().AddChannel();
  EXPECT_EQ(form.ChannelListBox().Count(), channels + 1);
  EXPECT_EQ(form.ChannelListBox().ItemIndex(), channels);
  plot.AddXAxis();
  ASSERT_EQ(form.XAxisListBox().Count(), 2);
  plot.DeleteXAxis(1);
  EXPECT_EQ(form.XAxisListBox().Count(), 1);
  // The plot changed while the editor was inactive: activating shows it.
  plot.SetTitleText(QStringLiteral("Changed"));
  EXPECT_NE(Get<TiComponentEditorEdit>("LabelCaptionEdit").AsString(), QStringLiteral("Changed"));
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(&form, &activate);
  EXPECT_EQ(Get<TiComponentEditorEdit>("LabelCaptionEdit").AsString(), QStringLiteral("Changed"));
}

TEST_F(PlotEditorUse, LayoutMenu_offersWhatTheObjectUnderThePointerAllows) {
  TiPlotEditorForm& form = Open();
  TPopupMenu& menu = form.LayoutPopupMenu();
  const auto enabled = [&menu](const char* name) {
    for (int i = 0; i < menu.Count(); ++i) {
      if (menu.Item(i).Name == QLatin1String(name)) return menu.Item(i).Enabled;
    }
    return false;
  };
  form.LayoutPopupMenuPopup();
  EXPECT_FALSE(enabled("DeleteMenuItem"));
  EXPECT_FALSE(enabled("VisibleMenuItem"));
  EXPECT_TRUE(enabled("AddXAxisMenuItem"));
  TiPlotLayoutViewer& viewer = form.LayoutViewer();
  viewer.SetBounds(0, 0, 560, 230);
  QImage picture(560, 230, QImage::Format_RGB32);
  viewer.render(&picture);
  const auto pressOn = [&](TiPlotObject* target) {
    for (int y = 0; y < viewer.height(); y += 3) {
      for (int x = 0; x < viewer.width(); x += 3) {
        if (viewer.GetMouseOverBlock(x, y) == target) {
          form.iPlotLayoutViewerMouseDown(x, y);
          return true;
        }
      }
    }
    return false;
  };
  ASSERT_TRUE(pressOn(plot.Master().LabelManager().Items(0)));
  // A right click over the title opens the menu on it.
  form.PageControl().setCurrentIndex(1);
  QPoint titleAt;
  for (int y = 0; y < viewer.height() && titleAt.isNull(); y += 3) {
    for (int x = 0; x < viewer.width() && titleAt.isNull(); x += 3) {
      if (viewer.GetMouseOverBlock(x, y) == plot.Master().LabelManager().Items(0)) titleAt = QPoint(x, y);
    }
  }
  form.iPlotLayoutViewerMouseDown(0, 0);
  QTest::mouseClick(&viewer, Qt::RightButton, {}, titleAt);
  EXPECT_EQ(form.RightClickObject(), plot.Master().LabelManager().Items(0));
  EXPECT_TRUE(menu.IsShowing());
  menu.CloseUp();
  EXPECT_FALSE(enabled("DeleteMenuItem"));
  EXPECT_TRUE(enabled("VisibleMenuItem"));
  ASSERT_TRUE(pressOn(plot.XAxis(0)));
  form.LayoutPopupMenuPopup();
  EXPECT_TRUE(enabled("DeleteMenuItem"));
  form.EditMenuItemClick();
  EXPECT_EQ(form.PageControl().currentWidget(), form.PageOfKind(TiPlotObjectKind::XAxis));
  EXPECT_EQ(form.XAxisListBox().ItemIndex(), 0);
}

TEST_F(PlotEditorUse, EditObject_opensTheTablesPageOnTheTableAndStaysForALabel) {
  plot.Master().AddTable();
  plot.Master().AddTable();
  TiPlotObject* table = plot.Master().TableManager().Items(1);
  table->DoEditMenuItemClick();
  TiPlotEditorForm& form = *plot.Master().EditorForm();
  EXPECT_EQ(form.PageControl().currentWidget(), form.PageOfKind(TiPlotObjectKind::Table));
  EXPECT_EQ(form.TableListBox().ItemIndex(), 1);
  EXPECT_EQ(Get<TiComponentEditorEdit>("TableNameEdit").AsString(), table->Name());
  plot.Master().LabelManager().Items(0)->DoEditMenuItemClick();
  EXPECT_EQ(form.PageControl().currentWidget(), form.PageOfKind(TiPlotObjectKind::Table));
}

TEST(PlotEditorModal, EachOpeningBuildsAnEditorThatReopensOnTheLastPages) {
  TiPlot plot;
  QPointer<TiPlotEditorForm> last;
  std::vector<int> pagesShown;
  int opened = 0;
  plot.OnAfterOpenEditor = [&](TObject*) { ++opened; };
  ModalDialogCloser closer([&](QWidget* dialog) {
    auto* form = dynamic_cast<TiPlotEditorForm*>(dialog);
    ASSERT_NE(form, nullptr);
    // A closed modal form stays shown until its handler returned.
    if (last == form) return;
    last = form;
    pagesShown.push_back(form->PageControl().currentIndex());
    form->PageControl().setCurrentIndex(9);
    form->Close();
  });
  plot.Master().EditProperties();
  EXPECT_EQ(plot.Master().EditorForm(), nullptr);
  plot.Master().EditProperties();
  EXPECT_EQ(opened, 2);
  ASSERT_EQ(pagesShown.size(), 2u);
  EXPECT_EQ(pagesShown[0], 0);
  EXPECT_EQ(pagesShown[1], 9);
}

TEST(PlotEditorTranslation, AnEntryForControlShowsItsReplacementAndAnEmptyTableNothing) {
  TiPlot plot;
  plot.StoredSettings().EditorFormStyle = TiPlotFormStyle::ipfsStayOnTop;
  plot.Master().EditProperties();
  EXPECT_EQ(plot.Master().EditorForm()->PageControl().tabText(0), QStringLiteral("Control"));
  plot.Master().EditorForm()->Close();
  TiPlotTranslationManager& table = plot.Master().TranslationManager();
  TiPlotTranslationObject& entry = table.CreateObject();
  entry.OriginalString = QStringLiteral("Control");
  entry.ReplacementString = QStringLiteral("Steuerung");
  plot.Master().EditProperties();
  EXPECT_EQ(plot.Master().EditorForm()->PageControl().tabText(0), QStringLiteral("Steuerung"));
}

TEST_F(PlotEditorUse, ControlPage_propertiesSaveAndLoadAndTheLogButtonsSwitchLogging) {
  TiPlotEditorForm& form = Open();
  QTemporaryDir dir;
  const QString config = dir.filePath(QStringLiteral("plot.cfg"));
  FileChooser::SetFilesHook([config](const FileDialogChoice&) { return FileAnswer{{config}, 1}; });
  TypeAndReturn(Get<TiComponentEditorEdit>("OuterMarginRightEdit"), QStringLiteral("17"));
  Get<TiComponentEditorSavePicker>("ControlPropertiesSavePicker").Click();
  ASSERT_TRUE(QFile::exists(config));
  TypeAndReturn(Get<TiComponentEditorEdit>("OuterMarginRightEdit"), QStringLiteral("3"));
  EXPECT_EQ(plot.OuterMarginRight(), 3);
  Get<TiComponentEditorOpenPicker>("ControlPropertiesOpenPicker").Click();
  EXPECT_EQ(plot.OuterMarginRight(), 17);

  const QString log = dir.filePath(QStringLiteral("run.log"));
  FileChooser::SetFilesHook([log](const FileDialogChoice&) { return FileAnswer{{log}, 1}; });
  Get<TiComponentEditorSavePicker>("ControlLogFileNamePicker").Click();
  EXPECT_EQ(plot.LogFileName(), log);
  EXPECT_EQ(Get<TiComponentEditorEdit>("ControlLogFileNameEdit").AsString(), log);
  form.ControlLogActivateButtonClick();
  EXPECT_TRUE(plot.LoggingActive());
  EXPECT_FALSE(Get<TiComponentEditorButton>("ControlLogActivateButton").isEnabled());
  EXPECT_TRUE(Get<TiComponentEditorButton>("ControlLogDeactivateButton").isEnabled());
  EXPECT_FALSE(Get<TiComponentEditorEdit>("ControlLogFileNameEdit").isEnabled());
  // The plot refuses another name while logging: shown, and the page shows its name again.
  ModalDialogCloser closer;
  Get<TiComponentEditorEdit>("ControlLogFileNameEdit").SetStringWithEvent(dir.filePath(QStringLiteral("x.log")));
  EXPECT_EQ(closer.Texts().size(), 1);
  EXPECT_EQ(Get<TiComponentEditorEdit>("ControlLogFileNameEdit").AsString(), log);
  form.ControlLogDeactivateButtonClick();
  EXPECT_FALSE(plot.LoggingActive());
  EXPECT_TRUE(Get<TiComponentEditorButton>("ControlLogActivateButton").isEnabled());
  EXPECT_FALSE(Get<TiComponentEditorButton>("ControlLogDeactivateButton").isEnabled());
}

TEST(PlotEditorPropertiesButton, AClickOpensTheEditorOnThePagesLastShown) {
  TiPlot plot;
  plot.SetBounds(0, 0, 500, 350);
  plot.show();
  plot.grab();
  auto& bar = *plot.Master().ToolBarManager().ItemAs<TiPlotToolBar>(0);
  const TRect r = bar.Button(TiPlotToolBarButtonType::iptbbtEdit).DrawRect();
  const QPoint centre((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  QPointer<TiPlotEditorForm> last;
  std::vector<int> pagesShown;
  ModalDialogCloser closer([&](QWidget* dialog) {
    auto* form = dynamic_cast<TiPlotEditorForm*>(dialog);
    if (form == nullptr || last == form) return;
    last = form;
    pagesShown.push_back(form->PageControl().currentIndex());
    form->PageControl().setCurrentIndex(5);
    form->Close();
  });
  QTest::mouseClick(&plot, Qt::LeftButton, {}, centre);
  QTest::mouseClick(&plot, Qt::LeftButton, {}, centre);
  EXPECT_EQ(pagesShown, (std::vector<int>{0, 5}));
}

TEST_F(PlotEditorUse, ControlPage_showsThePlotAndAColourDialogWritesOnlyWithOk) {
  plot.SetBackGroundColor(clRed);
  plot.SetBorderStyle(TiBevelStyle::ibsRaised);
  Open();
  auto& picker = Get<TiComponentEditorColorPicker>("BackGroundColorPicker");
  EXPECT_EQ(picker.Color(), clRed);
  EXPECT_EQ(Get<TiComponentEditorRadioGroup>("BorderStyleRadioGroup").AsInteger(), 1);
  ColorChooser::SetHook([](const ColorChoice&) { return std::optional<TColor>(); });
  picker.ShowColorDialog();
  EXPECT_EQ(plot.BackGroundColor(), clRed);
  ColorChooser::SetHook([](const ColorChoice&) { return std::optional<TColor>(clBlue); });
  picker.ShowColorDialog();
  ColorChooser::SetHook({});
  EXPECT_EQ(plot.BackGroundColor(), clBlue);
  EXPECT_EQ(plot.BorderStyle(), TiBevelStyle::ibsRaised);
}

namespace {

/// The text of a row's property (a font's by its size).
QString EditorUseValueOf(const TiEditorBinding& row, TObject& object, const TiPropertyTable& properties) {
  const TiPlotProperty* p = TiPlotPropertyRegistry::Find(properties, row.Property);
  if (p->Kind != TiPropertyKind::tkClass) return p->Get(object);
  TObject* font = p->SubObject(object);
  return TiPlotPropertyRegistry::Find(TiPlotPropertyRegistry::FontProperties(), QStringLiteral("Size"))->Get(*font);
}

/// Changes a row's control as a user does: typing and Return, a click, a
/// key in a list, a dialog closed with OK.
void EditorUseChange(QWidget* control, const TiEditorBinding& row, const QString& value) {
  switch (row.Widget) {
    case TiEditorWidget::Edit:
    case TiEditorWidget::SpinEdit: {
      auto* edit = static_cast<TiComponentEditorEdit*>(control);
      bool number = false;
      const double x = value.toDouble(&number);
      edit->selectAll();
      QTest::keyClicks(edit, number ? QString::number(x >= 50 ? x - 1 : x + 1) : value + QStringLiteral("X"));
      QTest::keyClick(edit, Qt::Key_Return);
      break;
    }
    case TiEditorWidget::CheckBox:
      QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, 8));
      break;
    case TiEditorWidget::ComboBox:
    case TiEditorWidget::NameComboBox: {
      auto* combo = static_cast<TiComponentEditorComboBox*>(control);
      QTest::keyClick(combo, combo->AsInteger() + 1 < combo->count() ? Qt::Key_Down : Qt::Key_Up);
      break;
    }
    case TiEditorWidget::RadioGroup: {
      auto* radio = static_cast<TiComponentEditorRadioGroup*>(control);
      radio->grab();
      const int target = radio->AsInteger() == 0 ? 1 : 0;
      for (int y = 0; y < radio->height(); ++y) {
        if (radio->HitIndex(radio->width() / 3, y) == target) {
          QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(radio->width() / 3, y));
          break;
        }
      }
      break;
    }
    case TiEditorWidget::ColorPicker: {
      auto* picker = static_cast<TiComponentEditorColorPicker*>(control);
      const TColor other = picker->Color() ^ 0x00FF00;
      ColorChooser::SetHook([other](const ColorChoice&) { return std::optional<TColor>(other); });
      picker->ShowColorDialog();
      ColorChooser::SetHook({});
      break;
    }
    case TiEditorWidget::FontPicker: {
      FontChooser::SetHook([](const FontChoice& choice) {
        FontChoice bigger = choice;
        bigger.height = choice.height < 0 ? choice.height - 3 : choice.height + 3;
        return std::optional<FontChoice>(bigger);
      });
      static_cast<TiComponentEditorFontPicker*>(control)->Click();
      FontChooser::SetHook({});
      break;
    }
  }
}

}  // namespace

TEST_F(PlotEditorUse, EveryControlLabelsAndTablesBinding_reachesItsObjectThroughItsWidget) {
  plot.Master().AddTable();
  plot.Master().AddLabel();
  TiPlotEditorForm& form = Open();
  form.LabelListBox().SetItemIndex(1);
  form.UpdateLabelEdit();
  struct Case {
    const TiEditorPageTable* table;
    TObject* object;
  };
  const Case cases[] = {{&ControlPageTable(), &plot},
                        {&TitlePageTable(), plot.Master().LabelManager().Items(0)},
                        {&LabelPageTable(), plot.Master().LabelManager().Items(1)},
                        {&TablePageTable(), plot.Master().TableManager().Items(0)}};
  for (const Case& c : cases) {
    const TiPropertyTable& properties = PagePropertyTable(*c.table);
    for (const TiEditorBinding& row : c.table->Rows) {
      QWidget* control = dynamic_cast<QWidget*>(form.Controls().FindObject(BindingControlName(*c.table, row)));
      ASSERT_NE(control, nullptr) << row.Property.toStdString();
      const QString before = EditorUseValueOf(row, *c.object, properties);
      EditorUseChange(control, row, before);
      EXPECT_NE(EditorUseValueOf(row, *c.object, properties), before)
          << c.table->Prefix.toStdString() << " " << row.Property.toStdString();
    }
  }
}
