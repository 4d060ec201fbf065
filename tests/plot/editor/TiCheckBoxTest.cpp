#include "plot/editor/TiCheckBox.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/plot/editor/EditorControlInput.h"

using namespace EditorControlInput;

namespace {

/// A check box on a shown form that counts its events.
struct CheckBoxFixture : ShownForm {
  CheckBoxFixture() {
    box = new TiCheckBox(&form);
    box->SetBounds(20, 20, 97, 17);
    box->OnChange = [this](TObject*) { ++changes; };
    box->OnChangeUser = [this](TObject*) { ++userChanges; };
    box->OnChangeProtected = [this](TObject*, const QString& name) { protectedNames << name; };
  }
  TiCheckBox* box = nullptr;
  int changes = 0;
  int userChanges = 0;
  QStringList protectedNames;
};

TColor PixelAt(TiCheckBox& box, int x, int y) {
  TBitmap bitmap(box.Width(), box.Height());
  box.iPaintTo(bitmap.Canvas());
  return bitmap.Canvas().Pixel(x, y);
}

}  // namespace

TEST(TiCheckBox, StartsAsTheFormsDefault) {
  TiCheckBox box;
  EXPECT_EQ(box.Caption(), QStringLiteral("Caption"));
  EXPECT_EQ(box.Width(), 97);
  EXPECT_EQ(box.Height(), 17);
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(box.Alignment(), TLeftRight::taRightJustify);
  EXPECT_TRUE(box.AutoSize());
  EXPECT_TRUE(box.TabStop());
}

TEST(TiCheckBox, ClickTogglesButAPressReleasedOutsideChangesNothing) {
  CheckBoxFixture f;
  Press(f.box, 5, 8);
  Release(f.box, 5, 40);
  EXPECT_FALSE(f.box->Checked());
  EXPECT_EQ(f.changes, 0);
  Press(f.box, 5, 8);
  Release(f.box, 96, 16);
  EXPECT_TRUE(f.box->Checked());
  EXPECT_EQ(f.changes, 1);
  EXPECT_EQ(f.userChanges, 1);
  EXPECT_TRUE(f.box->Focused());
}

TEST(TiCheckBox, SpacePressedAndReleasedTogglesAsTheUsersChange) {
  CheckBoxFixture f;
  f.box->SetFocus();
  Key(f.box, QEvent::KeyPress, Qt::Key_Space, QStringLiteral(" "));
  EXPECT_FALSE(f.box->Checked());
  Key(f.box, QEvent::KeyRelease, Qt::Key_Space, QStringLiteral(" "));
  EXPECT_TRUE(f.box->Checked());
  EXPECT_EQ(f.changes, 1);
  EXPECT_EQ(f.userChanges, 1);
  EXPECT_EQ(f.protectedNames, QStringList{QStringLiteral("Checked")});
  // A release without its press (the press went to another control) is no toggle.
  Key(f.box, QEvent::KeyRelease, Qt::Key_Space, QStringLiteral(" "));
  EXPECT_TRUE(f.box->Checked());
}

TEST(TiCheckBox, CheckedSetByCodeFiresOnlyOnChangeAndOnChangeProtected) {
  CheckBoxFixture f;
  f.box->SetChecked(true);
  f.box->SetChecked(true);
  EXPECT_EQ(f.changes, 1);
  EXPECT_EQ(f.userChanges, 0);
  EXPECT_EQ(f.protectedNames, QStringList{QStringLiteral("Checked")});
}

TEST(TiCheckBox, NothingFiresWhileLoading) {
  CheckBoxFixture f;
  f.box->SetLoading(true);
  f.box->SetChecked(true);
  Click(f.box, 5, 8);
  EXPECT_FALSE(f.box->Checked());
  EXPECT_EQ(f.changes + f.userChanges + f.protectedNames.size(), 0);
}

TEST(TiCheckBox, AChangeGoesToOpcItemsAfterItsEvents) {
  class Bound : public TiCheckBox {
  public:
    using TiCheckBox::TiCheckBox;
    bool OPCOutputData(const QString& name, const QVariant& value) override {
      sent << name + QLatin1Char('=') + value.toString();
      return true;
    }
    QStringList sent;
  };
  Bound box;
  box.OnChange = [&](TObject*) { box.sent << QStringLiteral("OnChange"); };
  box.SetChecked(true);
  box.OnRequestEdit = [](TObject*, const QString&, bool& canEdit) { canEdit = false; };
  box.SetChecked(false);
  EXPECT_EQ(box.sent, (QStringList{QStringLiteral("OnChange"), QStringLiteral("Checked=true")}));
}

TEST(TiCheckBox, AVetoKeepsTheStateAndFiresNothing) {
  CheckBoxFixture f;
  QStringList asked;
  f.box->OnRequestEdit = [&](TObject*, const QString& name, bool& canEdit) {
    asked << name;
    canEdit = false;
  };
  f.box->SetChecked(true);
  Click(f.box, 5, 8);
  EXPECT_FALSE(f.box->Checked());
  EXPECT_EQ(asked, (QStringList{QStringLiteral("Checked"), QStringLiteral("Checked")}));
  EXPECT_EQ(f.changes + f.userChanges + f.protectedNames.size(), 0);
}

TEST(TiCheckBox, TheUserFlagEndsWithTheClickEvenWhenAHandlerFails) {
  CheckBoxFixture f;
  f.box->OnChangeUser = [&](TObject*) {
    ++f.userChanges;
    throw std::runtime_error("handler failed");
  };
  Click(f.box, 5, 8);
  EXPECT_TRUE(f.box->Checked());
  f.box->SetChecked(false);
  EXPECT_EQ(f.changes, 2);
  EXPECT_EQ(f.userChanges, 1);
}

TEST(TiCheckBox, AutoSizeFollowsTheCaptionAndKeepsTheBoxSideEdge) {
  TiCheckBox left;
  left.SetBounds(100, 10, 97, 17);
  left.SetAlignment(TLeftRight::taLeftJustify);
  left.SetCaption(QStringLiteral("A much longer caption"));
  const TSize text = TextSizeIn(left.Font(), left.Caption());
  const int textWidth = text.cx;
  EXPECT_EQ(left.Width(), textWidth + 20);
  EXPECT_EQ(left.Left() + left.Width(), 197);
  EXPECT_EQ(left.Height(), text.cy + 4);

  TiCheckBox right;
  right.SetBounds(100, 10, 97, 17);
  right.SetCaption(QStringLiteral("A much longer caption"));
  EXPECT_EQ(right.Left(), 100);
  EXPECT_EQ(right.Width(), textWidth + 20);

  right.SetAutoSize(false);
  right.SetCaption(QStringLiteral("x"));
  EXPECT_EQ(right.Width(), textWidth + 20);
}

TEST(TiCheckBox, PaintsTheBoxOnTheAlignedSideWithAThreePixelTick) {
  TiCheckBox box;
  box.SetAutoSize(false);
  box.SetBounds(0, 0, 97, 17);
  // m = 8: the box spans rows 1 to 13, its white inside x 2 to 10, y 3 to 11.
  EXPECT_EQ(PixelAt(box, 5, 11), clWhite);
  EXPECT_EQ(PixelAt(box, 5, 10), clWhite);
  box.SetChecked(true);
  for (const int y : {8, 9, 10}) {
    EXPECT_EQ(PixelAt(box, 5, y), clBlack) << y;
  }
  EXPECT_EQ(PixelAt(box, 5, 11), clWhite);
  EXPECT_EQ(PixelAt(box, 9, 6), clBlack);
  box.SetEnabled(false);
  EXPECT_EQ(PixelAt(box, 5, 11), ColorToRGB(clBtnFace));
  box.SetEnabled(true);
  Key(&box, QEvent::KeyPress, Qt::Key_Space, QStringLiteral(" "));
  EXPECT_EQ(PixelAt(box, 5, 11), ColorToRGB(clBtnFace));
  Key(&box, QEvent::KeyRelease, Qt::Key_Space, QStringLiteral(" "));
  EXPECT_EQ(PixelAt(box, 5, 11), clWhite);
  EXPECT_FALSE(box.Checked());
  box.SetChecked(true);
  box.SetAlignment(TLeftRight::taLeftJustify);
  EXPECT_EQ(PixelAt(box, 97 - 13 + 5, 10), clBlack);
  EXPECT_EQ(PixelAt(box, 5, 10), ColorToRGB(clBtnFace));
}
