#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "dialogs/PresetList.h"
#include "dialogs/TfmRecallPreset.h"
#include "dialogs/TfmStoreName.h"
#include "dialogs/TfmStorePreset.h"
#include "platform/text/AnsiCodePage.h"
#include "platform/widgets/TEdit.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TValueListEditor.h"
#include "tests/dialogs/RecordingDialogHost.h"
#include "widgets/buttons/TRzBmpButton.h"

namespace {

const QByteArray kAbcd = QByteArrayLiteral("ABCD          ");

TEST(PresetListTest, Rows_holdKeysAndDefaultNamesAsTheListText) {
  const PresetList recall(true, 30);
  ASSERT_EQ(recall.Count(), 31);
  EXPECT_EQ(recall.Line(0), QStringLiteral("     F00=  Default Preset"));
  EXPECT_EQ(recall.Line(30), QStringLiteral("     U30=  Default Preset"));
  const PresetList store(false, 30);
  ASSERT_EQ(store.Count(), 30);
  EXPECT_EQ(store.Line(0), QStringLiteral("     U01=  Default Preset"));
  EXPECT_EQ(store.Text().mid(27, 25), QStringLiteral("     U02=  Default Preset"));
}

TEST(PresetListTest, SetName_keepsEveryRowInPlaceWhateverTheBytes) {
  PresetList list(false, 30);
  list.SetName(2, QByteArrayLiteral("AB\r\nCD\0\0\0\0\0\0\0\0"));
  list.SetName(3, QByteArrayLiteral("XY"));
  list.SetName(30, kAbcd);  // outside: ignored
  const QStringList lines = list.Text().split(QStringLiteral("\r\n"));
  ASSERT_EQ(lines.size(), 30);
  EXPECT_EQ(lines[2], QStringLiteral("     U03=  AB  CD        "));
  EXPECT_EQ(lines[3], QStringLiteral("     U04=  XY            "));
  EXPECT_EQ(lines[4], QStringLiteral("     U05=  Default Preset"));
  EXPECT_EQ(list.Name(3), QByteArrayLiteral("XY            "));
}

TEST(PresetListTest, PaddedName_cutsAtACharacterBoundary) {
  struct Case {
    QString text;
    QByteArray bytes;
  };
  const Case cases[] = {
      {QStringLiteral("ABCD"), kAbcd},
      {QStringLiteral("ABCDEFGHIJKLMN"), QByteArrayLiteral("ABCDEFGHIJKLMN")},
      // 13 Latin bytes, then a two-byte character that does not fit.
      {QStringLiteral("ABCDEFGHIJKLM中"), QByteArrayLiteral("ABCDEFGHIJKLM ")},
      {QStringLiteral("A中文中文中文中"), QByteArrayLiteral("A") + WideToAnsi(QStringLiteral("中文中文中文")) + " "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PresetList::PaddedName(c.text), c.bytes) << c.text.toStdString();
    EXPECT_EQ(PresetList::PaddedName(c.text).size(), 14);
  }
}

/// The two lists and the name dialog over a recording host, as the program
/// creates them.
class PresetDialogsTest : public ::testing::Test {
protected:
  PresetDialogsTest() {
    host.englishTexts = {{QStringLiteral("SID_SAVE_PRESET"), QStringLiteral("Store Preset")},
                         {QStringLiteral("SID_RECALL_PRESET"), QStringLiteral("Recall Preset")},
                         {QStringLiteral("SID_PST_NUM"), QStringLiteral("Number")},
                         {QStringLiteral("SID_PST_NAME"), QStringLiteral("Name")},
                         {QStringLiteral("SID_EXIT_OK"), QStringLiteral("OK")}};
  }
  void PressKey(QWidget* target, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
  }
  QLineEdit* Line() const { return edit()->findChild<QLineEdit*>(); }
  TEdit* edit() const { return names.edName; }

  RecordingDialogHost host;
  TfmStorePreset store{host};
  TfmRecallPreset recall{host};
  TfmStoreName names{host};
};

TEST_F(PresetDialogsTest, FormShow_setsTheLanguageTexts) {
  store.Show();
  names.Show();
  EXPECT_EQ(store.Caption(), QStringLiteral("Store Preset"));
  EXPECT_EQ(store.lPresetSelect->Caption(), QStringLiteral("Store Preset"));
  EXPECT_EQ(store.vledPresetName->TitleCaptions(), (QStringList{"Number", "Name"}));
  EXPECT_EQ(names.lblPresetName->Caption(), QStringLiteral("Name"));
  EXPECT_EQ(names.btnOK->Caption(), QStringLiteral("OK"));
  EXPECT_EQ(store.width(), 260);
  EXPECT_EQ(store.height(), 319);
  EXPECT_EQ(recall.height(), 316);
  EXPECT_EQ(names.width(), 240);
  EXPECT_EQ(names.height(), 148);
  names.Close();
  store.Close();
}

TEST_F(PresetDialogsTest, PickingALine_titlesTheNameDialogAndSetsItsMode) {
  struct Case {
    PresetListForm* list;
    int line;
    const char* title;
    int index;
    bool editable;
  };
  const Case cases[] = {{&store, 3, "U03 : ", 2, true},
                        {&store, 30, "U30 : ", 29, true},
                        {&recall, 1, "F00 : ", 0, false},
                        {&recall, 31, "U30 : ", 30, false}};
  for (const Case& c : cases) {
    c.list->Show();
    c.list->vledPresetName->PickRow(c.line);
    EXPECT_TRUE(names.isVisible());
    EXPECT_EQ(names.parentWidget(), c.list);
    EXPECT_EQ(names.lTitle->Caption(), QLatin1String(c.title));
    EXPECT_EQ(names.PresetIndex, c.index);
    EXPECT_EQ(names.StoreMode, c.editable ? 1 : 0);
    EXPECT_EQ(names.edName->isEnabled(), c.editable);
    EXPECT_EQ(names.edName->Text(), QStringLiteral("Default Preset"));
    names.bnCancel->Click();
    EXPECT_FALSE(names.isVisible());
    EXPECT_TRUE(c.list->isVisible());  // Cancel leaves the list for another choice
    c.list->Close();
  }
}

TEST_F(PresetDialogsTest, SetNameText_showsTheNameWithoutTrailingBlanksAndBreaks) {
  struct Case {
    QString name;
    QString shown;
  };
  const Case cases[] = {{QStringLiteral("ABCD          "), QStringLiteral("ABCD")},
                        {QStringLiteral("ABCDEFGHIJKLMN"), QStringLiteral("ABCDEFGHIJKLMN")},
                        {QStringLiteral("AB\r \r"), QStringLiteral("AB")},
                        {QStringLiteral("ABCDEFGHIJKLMNOP"), QStringLiteral("ABCDEFGHIJKLMN")}};
  for (const Case& c : cases) {
    names.SetNameText(c.name);
    EXPECT_EQ(names.edName->Text(), c.shown);
  }
}

TEST_F(PresetDialogsTest, StoreOffline_updatesBothListsThroughTheHost) {
  store.Show();
  store.vledPresetName->PickRow(3);
  names.edName->SetText(QStringLiteral("ABCD"));
  PressKey(Line(), Qt::Key_Return);
  ASSERT_EQ(host.stores.size(), 1U);
  EXPECT_EQ(host.stores[0], std::make_pair(2, kAbcd));
  EXPECT_EQ(store.Rows().Line(2), QStringLiteral("     U03=  ABCD          "));
  EXPECT_EQ(recall.Rows().Line(3), QStringLiteral("     U03=  ABCD          "));
  EXPECT_EQ(store.vledPresetName->Value(2), QStringLiteral("  ABCD          "));
  EXPECT_FALSE(names.isVisible());
  EXPECT_FALSE(store.isVisible());
}

TEST_F(PresetDialogsTest, RecallOnline_recallsTheLineAsShown) {
  host.online = true;
  recall.SetPresetRow(30, QByteArrayLiteral("LAST\r\n        "));
  recall.Show();
  recall.vledPresetName->PickRow(31);
  EXPECT_EQ(names.edName->Text(), QStringLiteral("LAST"));
  names.btnOK->Click();
  EXPECT_EQ(host.recalls, std::vector<int>{30});
  EXPECT_TRUE(host.stores.empty());
  EXPECT_FALSE(recall.isVisible());
  EXPECT_EQ(recall.Rows().Line(29), QStringLiteral("     U29=  Default Preset"));
}

TEST_F(PresetDialogsTest, ListCancel_closesTheList) {
  store.Show();
  store.bnCancel->Click();
  EXPECT_FALSE(store.isVisible());
}

}  // namespace
