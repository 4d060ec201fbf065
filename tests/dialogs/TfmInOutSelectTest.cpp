#include "dialogs/TfmInOutSelect.h"

#include <vector>

#include <QWidget>

#include <gtest/gtest.h>

#include "platform/widgets/TComboBox.h"
#include "platform/widgets/TLabel.h"
#include "protocol/CommandCodes.h"
#include "tests/dialogs/ComboPick.h"
#include "tests/dialogs/RecordingDialogHost.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/panels/TRzGroupBox.h"

namespace {

using Sent = RecordingDialogHost::Sent;

/// The main window's five type labels, shown with an old text.
class TypeLabels {
public:
  explicit TypeLabels(ControlRegistry& registry) {
    for (const char* name :
         {"lbSelDigitalIn1", "lbSelDigitalIn2", "lbSelDigitalOut1", "lbSelDigitalOut2", "lbSelDigitalOut3"}) {
      auto* label = new TLabel(&m_parent);
      label->SetCaption(QStringLiteral("old"));
      label->SetVisible(true);
      registry.Register(QLatin1String(name), label);
      m_labels.push_back(label);
    }
  }
  /// "caption" of a shown label, "-" for a hidden one, in registration order.
  QStringList States() const {
    QStringList states;
    for (const TLabel* label : m_labels) {
      states << (label->Visible() ? label->Caption() : QStringLiteral("-"));
    }
    return states;
  }

private:
  QWidget m_parent;
  std::vector<TLabel*> m_labels;
};

class TfmInOutSelectTest : public ::testing::Test {
protected:
  RecordingDialogHost host;
  TypeLabels labels{host.controls};
  TfmInOutSelect form{host};
};

TEST_F(TfmInOutSelectTest, Construction_filesEachListUnderItsGroupAndPair) {
  EXPECT_EQ(form.DanteAvailable, 1);
  const struct {
    TComboBox* list;
    int helpContext;
    int tag;
    int items;
  } lists[] = {{form.cbInABSel, 0, 0, 3},  {form.cbInCDSel, 0, 1, 3},    {form.cbOut12Sel, 1, 0, 2},
               {form.cbOut34Sel, 1, 1, 2}, {form.cbOut56Sel, 1, 2, 2},   {form.cbDanteOut12, 2, 0, 2},
               {form.cbDanteOut34, 2, 1, 2}};
  for (const auto& l : lists) {
    EXPECT_EQ(l.list->HelpContext(), l.helpContext) << l.list->Name().toStdString();
    EXPECT_EQ(l.list->Tag(), l.tag) << l.list->Name().toStdString();
    EXPECT_EQ(l.list->Count(), l.items) << l.list->Name().toStdString();
    EXPECT_EQ(l.list->ItemIndex(), 0) << l.list->Name().toStdString();
  }
  EXPECT_EQ(form.cbDanteOut34->Items(), (QStringList{"Output3/4", "Output7/8"}));
  EXPECT_EQ(form.lbInABSel->Caption(), QStringLiteral("InA/B  : "));
  EXPECT_EQ(form.gbOutSelect->Caption(), QStringLiteral(" Out Select  "));
}

TEST_F(TfmInOutSelectTest, Show_fitsTheFormToTheDanteOptionAndKeepsTheInputTypesItStillOffers) {
  // As the main window's refresh leaves them: InA/B AES/EBU, InC Dante.
  form.cbInABSel->SetItemIndex(1);
  form.cbInCDSel->SetItemIndex(2);
  for (const int dante : {0, 1}) {
    form.SetDanteAvailable(dante);
    form.Show();
    EXPECT_EQ(form.height() + TfmInOutSelect::kFrameHeight, dante ? 413 : 313) << dante;
    EXPECT_EQ(form.bnExit->Top(), dante ? 330 : 240) << dante;
    EXPECT_EQ(form.gbDanteOutSelect->Visible(), dante != 0);
    for (TComboBox* list : {form.cbInABSel, form.cbInCDSel}) {
      EXPECT_EQ(list->Count(), dante ? 3 : 2) << dante;
    }
    EXPECT_EQ(form.cbInABSel->ItemIndex(), 1) << dante;
    // Dante is not offered without the option: no type is shown then.
    EXPECT_EQ(form.cbInCDSel->ItemIndex(), -1) << dante;
    form.Close();
  }
  EXPECT_TRUE(host.sent.empty());
}

TEST_F(TfmInOutSelectTest, APickIsSentAndShownOnThePairsLabel) {
  form.Show();
  PickItem(*form.cbInCDSel, 2);
  PickItem(*form.cbOut56Sel, 0);
  PickItem(*form.cbDanteOut12, 1);
  PickItem(*form.cbInABSel, 1);
  form.Close();
  EXPECT_EQ(host.sent, (std::vector<Sent>{{CMD_SOURCE_TYPE, {0, 1, 2}, true},
                                          {CMD_SOURCE_TYPE, {1, 2, 0}, true},
                                          {CMD_SOURCE_TYPE, {2, 0, 1}, true},
                                          {CMD_SOURCE_TYPE, {0, 0, 1}, true}}));
  EXPECT_EQ(labels.States(), (QStringList{"AES/EBU", "Dante", "old", "old", "-"}));
}

TEST_F(TfmInOutSelectTest, ShowSourceTypeLabel_followsTheGroupAndValue) {
  const struct {
    int group;
    int pair;
    int value;
    QStringList states;
  } cases[] = {
      {0, 0, 1, {"AES/EBU", "old", "old", "old", "old"}}, {0, 1, 2, {"old", "Dante", "old", "old", "old"}},
      {0, 1, 7, {"old", "Dante", "old", "old", "old"}},   {0, 0, 0, {"-", "old", "old", "old", "old"}},
      {1, 0, 5, {"old", "old", "AES/EBU", "old", "old"}}, {1, 2, 0, {"old", "old", "old", "old", "-"}},
      {1, 3, 1, {"old", "old", "old", "old", "old"}},     {0, 2, 1, {"old", "old", "old", "old", "old"}},
      {2, 0, 1, {"old", "old", "old", "old", "old"}},
  };
  for (const auto& c : cases) {
    RecordingDialogHost freshHost;
    TypeLabels fresh(freshHost.controls);
    TfmInOutSelect::ShowSourceTypeLabelOn(freshHost.controls, c.group, c.pair, c.value);
    EXPECT_EQ(fresh.States(), c.states) << c.group << "/" << c.pair << "/" << c.value;
  }
  RecordingDialogHost empty;
  TfmInOutSelect::ShowSourceTypeLabelOn(empty.controls, 0, 0, 1);  // no labels: nothing to do
}

}  // namespace
