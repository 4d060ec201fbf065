#include <gtest/gtest.h>

#include <chrono>

#include <QElapsedTimer>
#include <QTest>

#include "platform/widgets/ColorChooser.h"
#include "platform/widgets/FileChooser.h"
#include "platform/widgets/FontChooser.h"
#include "plot/channels/TiPlotChannel.h"
#include "plot/core/TiPlot.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/editor/TiComponentEditorCheckBox.h"
#include "plot/editor/TiComponentEditorColorPicker.h"
#include "plot/editor/TiComponentEditorComboBox.h"
#include "plot/editor/TiComponentEditorFontPicker.h"
#include "plot/editor/TiComponentEditorListBox.h"
#include "plot/editor/TiComponentEditorOpenPicker.h"
#include "plot/editor/TiComponentEditorPageControl.h"
#include "plot/editor/TiComponentEditorRadioGroup.h"
#include "plot/editor/TiComponentEditorSavePicker.h"
#include "plot/editor/TiUpDown.h"
#include "tests/plot/editor/EditorControlInput.h"
#include "tests/plot/editor/EditorWidgetFixture.h"

using namespace std::chrono_literals;

namespace {

/// An edit with spin buttons on a shown editor form.
struct SpinForm : ::testing::Test {
  SpinForm() {
    edit->SetBounds(10, 10, 50, 21);
    spin->SetAssociate(edit);
    edit->OnUpdate = updates.Handler();
    form.ShowNow();
  }
  void PressUp() { EditorControlInput::Press(spin, 5, 3); }
  void PressDown() { EditorControlInput::Press(spin, 5, 18); }
  void ReleaseSpin() { EditorControlInput::Release(spin, 5, 3); }
  CountingEditorForm form;
  TiComponentEditorEdit* edit = new TiComponentEditorEdit(&form);
  TiUpDown* spin = new TiUpDown(&form);
  EventCount updates;
};

}  // namespace

TEST_F(SpinForm, SitsAgainstItsEditAndStepsAsAUserEditWithinItsLimits) {
  EXPECT_EQ(spin->Left(), 60);
  EXPECT_EQ(spin->Top(), 10);
  EXPECT_EQ(spin->Height(), 21);

  spin->SetMin(0);
  spin->SetMax(0);
  edit->SetAsInteger(0);
  PressDown();
  ReleaseSpin();
  EXPECT_EQ(edit->AsInteger(), -1);
  EXPECT_EQ(updates.count, 1);
  EXPECT_GE(form.userChanges, 1);

  spin->SetMax(59);
  spin->SetAsInteger(59);
  const int before = updates.count;
  PressUp();
  ReleaseSpin();
  EXPECT_EQ(edit->AsInteger(), 59);
  EXPECT_EQ(updates.count, before);
  spin->SetAsInteger(80);
  EXPECT_EQ(edit->AsInteger(), 59);
}

TEST_F(SpinForm, AHeldButtonStepsOnceWaitsThenRepeats) {
  spin->SetMax(0);
  edit->SetAsInteger(0);
  QElapsedTimer clock;
  clock.start();
  PressUp();
  EXPECT_EQ(edit->AsInteger(), 1);
  ASSERT_TRUE(ProcessEventsUntil([this] { return edit->AsInteger() >= 2; }, 3000ms));
  EXPECT_GE(clock.elapsed(), 400);
  const int atRepeat = edit->AsInteger();
  clock.restart();
  ProcessEventsUntil([&] { return clock.elapsed() >= 500; }, 2000ms);
  ReleaseSpin();
  const int repeats = edit->AsInteger() - atRepeat;
  EXPECT_GE(repeats, 3);
  EXPECT_LE(repeats, 12);
  const int atRelease = edit->AsInteger();
  clock.restart();
  ProcessEventsUntil([&] { return clock.elapsed() >= 200; }, 1000ms);
  EXPECT_EQ(edit->AsInteger(), atRelease);
}

TEST(EditorWidgets, ChoicesReachTheFormOnlyFromTheUser) {
  CountingEditorForm form;
  auto* check = new TiComponentEditorCheckBox(&form);
  check->SetBounds(10, 10, 120, 17);
  EventCount checkClicks;
  bool checkedAtClick = false;
  check->OnClick = [&](TObject*) {
    ++checkClicks.count;
    checkedAtClick = check->Checked();
  };
  check->SetAsBoolean(true);
  EXPECT_EQ(checkClicks.count, 0);
  EditorControlInput::Click(check, 5, 8);
  EXPECT_EQ(checkClicks.count, 1);
  EXPECT_FALSE(checkedAtClick);
  EXPECT_EQ(form.userChanges, 1);
  check->Disable();
  EXPECT_FALSE(check->Checked());
  EXPECT_EQ(checkClicks.count, 1);

  auto* group = new TiComponentEditorRadioGroup(&form);
  group->SetItems({QStringLiteral("One"), QStringLiteral("Two")});
  group->SetBounds(10, 40, 120, 60);
  EventCount groupClicks;
  group->OnClick = groupClicks.Handler();
  form.userChanges = 0;
  group->SetAsInteger(1);
  EXPECT_EQ(groupClicks.count, 0);
  group->setFocus();
  QTest::keyClick(group, Qt::Key_Up);
  EXPECT_EQ(group->AsInteger(), 0);
  EXPECT_EQ(groupClicks.count, 1);
  EXPECT_EQ(form.userChanges, 1);
  group->Disable();
  EXPECT_EQ(group->ItemIndex(), -1);
  EXPECT_EQ(groupClicks.count, 1);

  auto* combo = new TiComponentEditorComboBox(&form);
  combo->SetItems({QStringLiteral("Left"), QStringLiteral("Right")});
  combo->SetBounds(10, 110, 120, 21);
  form.ShowNow();
  EventCount comboChanges;
  EventCount comboClicks;
  combo->OnChange = comboChanges.Handler();
  form.userChanges = 0;
  combo->SetAsInteger(1);
  combo->SetAsString(QStringLiteral("Left"));
  EXPECT_EQ(combo->AsInteger(), 0);
  EXPECT_EQ(comboChanges.count, 0);
  combo->setFocus();
  QTest::keyClick(combo, Qt::Key_Down);
  EXPECT_EQ(combo->AsString(), "Right");
  EXPECT_EQ(comboChanges.count, 1);
  EXPECT_EQ(form.userChanges, 1);
  combo->Disable();
  EXPECT_EQ(combo->AsInteger(), -1);
  EXPECT_EQ(combo->Color(), clBtnFace);
  EXPECT_EQ(comboChanges.count, 1);
}

TEST(TiComponentEditorPageControl, AStoredTabIndexSwitchesNothing) {
  TiComponentEditorPageControl pages;
  pages.AddPage(QStringLiteral("One"));
  QWidget* two = pages.AddPage(QStringLiteral("Two"));
  pages.SetActivePage(two);
  pages.SetTabIndex(0);
  EXPECT_EQ(pages.ActivePage(), two);
  EXPECT_EQ(pages.TabIndex(), 0);
}

namespace {

/// A plot with three channels listed in an object list whose objects are
/// freed through the plot.
struct ChannelList : ::testing::Test {
  ChannelList() {
    plot.AddChannel();
    plot.AddChannel();
    list->SetBounds(10, 10, 150, 100);
    for (int i = 0; i < plot.ChannelCount(); ++i) list->AddObject(plot.Channel(i)->Name(), plot.Channel(i));
    list->FreeObject = [this](TObject* object) {
      TiPlotKindManager& channels = plot.Master().ChannelManager();
      const int index = channels.GetIndex(dynamic_cast<TiPlotObject*>(object));
      if (index >= 0) plot.DeleteObject(channels, index);
    };
    list->OnItemMove = moves.Handler();
    form.ShowNow();
  }
  TiPlot plot;
  CountingEditorForm form;
  TiComponentEditorListBox* list = new TiComponentEditorListBox(&form);
  EventCount moves;
};

}  // namespace

TEST_F(ChannelList, DeletingTheSelectedObjectFreesItThroughThePlot) {
  TObject* third = list->Object(2);
  TObject* second = list->Object(1);
  list->SelectLast();
  list->DeleteSelectedObject();
  EXPECT_EQ(list->Count(), 2);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(plot.ChannelCount(), 2);
  EXPECT_EQ(list->Object(1), second);
  EXPECT_NE(static_cast<TObject*>(plot.Channel(1)), third);

  list->DeleteObjectIndex(third);
  EXPECT_EQ(list->Count(), 2);
  list->SetItemIndex(1);
  list->DeleteObjectIndex(list->Object(0));
  EXPECT_EQ(list->Count(), 1);
  EXPECT_EQ(list->ItemIndex(), 0);
  EXPECT_EQ(plot.ChannelCount(), 2);

  TiComponentEditorListBox empty;
  empty.DeleteSelectedObject();
  EXPECT_EQ(empty.Count(), 0);
}

TEST_F(ChannelList, ADropBelowTheLastItemMovesItToTheEnd) {
  TObject* first = list->Object(0);
  list->SetItemIndex(0);
  list->DragDrop(list, 5, 1000);
  EXPECT_EQ(list->Object(2), first);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(moves.count, 1);
  list->DragDrop(list, 5, 1000);
  EXPECT_EQ(moves.count, 1);
  list->DragDrop(&form, 5, 0);
  EXPECT_EQ(list->Object(2), first);
}

TEST_F(ChannelList, OnlyAUsersSelectionClicks) {
  EventCount clicks;
  list->OnClick = clicks.Handler();
  list->SetItemIndex(0);
  EXPECT_EQ(clicks.count, 0);
  const int h = list->ItemHeight();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 2 * h + h / 2));
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(clicks.count, 1);
  QTest::keyClick(list, Qt::Key_Up);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(clicks.count, 2);
}

TEST_F(ChannelList, ItemsShowColourBoxesAndTheSelectionInTeal) {
  list->OnGetData = [](int index, bool& drawColorBox, TColor& color, QString&) {
    drawColorBox = index != 1;
    if (index == 2) color = clBlue;
  };
  list->SetItemIndex(2);
  const QImage image = list->viewport()->grab().toImage();
  const int h = list->ItemHeight();
  const auto at = [&](int x, int row) { return image.pixelColor(x, row * h + h / 2); };
  EXPECT_EQ(at(10, 0), ToQColor(clRed));
  EXPECT_EQ(at(2, 0), ToQColor(clBlack));
  EXPECT_EQ(at(10, 1), ToQColor(clWindow));
  EXPECT_EQ(at(10, 2), ToQColor(clBlue));
  EXPECT_EQ(at(19, 2), ToQColor(clTeal));
}

TEST(TiComponentEditorColorPicker, OkReportsAndFiresCancelChangesNothing) {
  CountingEditorForm form;
  auto* picker = new TiComponentEditorColorPicker(&form);
  EXPECT_EQ(picker->Width(), 47);
  EXPECT_EQ(picker->Button().width(), 21);
  EXPECT_EQ(picker->Button().x(), 26);
  EventCount changes;
  picker->OnChange = changes.Handler();
  ColorChooser::SetHook([](const ColorChoice&) { return std::optional<TColor>(); });
  picker->Button().click();
  EXPECT_EQ(picker->Color(), clRed);
  EXPECT_EQ(changes.count, 0);
  ColorChooser::SetHook([](const ColorChoice& choice) { return std::optional<TColor>(choice.color ^ 0xFFFF00); });
  picker->Button().click();
  ColorChooser::SetHook({});
  EXPECT_EQ(picker->Color(), TColor(0xFFFFFF));
  EXPECT_EQ(changes.count, 1);
  EXPECT_EQ(form.userChanges, 1);

  picker->SetColor(clLime);
  const auto swatch = [&] { return picker->grab().toImage().pixelColor(10, 10); };
  EXPECT_EQ(swatch(), ToQColor(clLime));
  picker->Disable();
  EXPECT_EQ(swatch(), ToQColor(clBtnFace));
  EXPECT_FALSE(picker->Button().isEnabled());
  picker->Enable();
  EXPECT_EQ(swatch(), ToQColor(clLime));
}

TEST(EditorFilePickers, StartFromTheNameAndTheDefaultFolderOnlyOnce) {
  CountingEditorForm form;
  std::vector<FileDialogChoice> asked;
  std::optional<FileAnswer> answer;
  FileChooser::SetFilesHook([&](const FileDialogChoice& choice) {
    asked.push_back(choice);
    return answer;
  });
  auto* open = new TiComponentEditorOpenPicker(&form);
  open->SetFileName(QStringLiteral("/tmp/plots/"));
  open->SetDefaultDir(QStringLiteral("/tmp/first"));
  EventCount changes;
  open->OnChange = changes.Handler();
  open->click();
  answer = FileAnswer{{QStringLiteral("/tmp/plots/a.dat"), QStringLiteral("/tmp/plots/b.dat")}, 1};
  open->SetAllowMultiSelect(true);
  open->click();
  auto* save = new TiComponentEditorSavePicker(&form);
  save->SetFilter(QStringLiteral("Data (*.dat)|*.dat"));
  answer = FileAnswer{{QStringLiteral("/tmp/out.dat")}, 1};
  EXPECT_TRUE(save->Execute());
  FileChooser::SetFilesHook({});

  ASSERT_EQ(asked.size(), 3u);
  EXPECT_TRUE(asked[0].initialPath.endsWith(QStringLiteral("Untitled"))) << asked[0].initialPath.toStdString();
  EXPECT_EQ(asked[0].directory, "/tmp/first");
  EXPECT_NE(asked[1].directory, "/tmp/first");
  EXPECT_TRUE(asked[2].initialPath.isEmpty());
  EXPECT_EQ(open->FileName(), "/tmp/plots/a.dat");
  EXPECT_EQ(open->Files().size(), 2);
  EXPECT_EQ(changes.count, 1);
  EXPECT_EQ(save->FileName(), "/tmp/out.dat");
  EXPECT_EQ(form.userChanges, 2);
}

TEST(TiComponentEditorFontPicker, OkAssignsTheChosenFontCancelKeepsIt) {
  CountingEditorForm form;
  auto* picker = new TiComponentEditorFontPicker(&form);
  picker->Font().SetSize(10);
  EventCount changes;
  picker->OnChange = changes.Handler();
  FontChooser::SetHook([](const FontChoice&) { return std::optional<FontChoice>(); });
  picker->click();
  EXPECT_EQ(picker->Font().Size(), 10);
  EXPECT_EQ(changes.count, 0);
  FontChooser::SetHook([](const FontChoice& choice) {
    FontChoice bold = choice;
    bold.weight = 700;
    return std::optional<FontChoice>(bold);
  });
  picker->click();
  FontChooser::SetHook({});
  EXPECT_TRUE(picker->Font().Style().Contains(TFontStyle::fsBold));
  EXPECT_EQ(picker->Font().Size(), 10);
  EXPECT_EQ(changes.count, 1);
  EXPECT_EQ(form.userChanges, 1);
}
