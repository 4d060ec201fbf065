#include "plot/editor/TiRadioGroup.h"

#include <gtest/gtest.h>

#include "platform/core/Rounding.h"
#include "platform/pictures/TBitmap.h"
#include "tests/plot/editor/EditorControlInput.h"

using namespace EditorControlInput;

namespace {

/// A radio group on a shown form that counts its events.
struct RadioGroupFixture : ShownForm {
  RadioGroupFixture(int width, int height, int items, int columns = 1) {
    group = new TiRadioGroup(&form);
    group->SetBounds(10, 10, width, height);
    QStringList names;
    for (int i = 0; i < items; ++i) {
      names << QStringLiteral("Item %1").arg(i);
    }
    group->SetItems(names);
    group->SetColumns(columns);
    group->OnChange = [this](TObject*) { ++changes; };
    group->OnChangeUser = [this](TObject*) { ++userChanges; };
    Paint();
  }

  /// Paints the group (the hit test uses the geometry of the last paint).
  TBitmap& Paint() {
    picture.SetSize(group->Width(), group->Height());
    group->iPaintTo(picture.Canvas());
    return picture;
  }

  /// Centre of item i as the layout rules place it: rows of
  /// (Height - th - th div 4) div rows pixels below th, columns of
  /// (Width - 14) div Columns pixels from 14, filled column by column.
  TPoint Centre(int i) const {
    const int th = TextSizeIn(group->Font(), QStringLiteral("ABC")).cy;
    const int count = int(group->Items().size());
    const int columns = group->Columns();
    const int rows = (count + columns - 1) / columns;
    const int rowSpacing = (group->Height() - th - th / 4) / rows;
    const int colSpacing = (group->Width() - 14) / columns;
    return {14 + (i / rows) * colSpacing, Round(th + rowSpacing / 2.0) + (i % rows) * rowSpacing};
  }

  TiRadioGroup* group = nullptr;
  TBitmap picture{1, 1};
  int changes = 0;
  int userChanges = 0;
};

}  // namespace

TEST(TiRadioGroup, StartsAsTheFormsDefault) {
  TiRadioGroup group;
  EXPECT_EQ(group.Caption(), QStringLiteral("Radio Group"));
  EXPECT_EQ(group.Width(), 97);
  EXPECT_EQ(group.Height(), 17);
  EXPECT_EQ(group.ItemIndex(), 0);
  EXPECT_EQ(group.Columns(), 1);
  EXPECT_TRUE(group.TabStop());
}

TEST(TiRadioGroup, FiveItemsInTwoColumnsFillThreeRowsColumnByColumn) {
  RadioGroupFixture f(200, 100, 5, 2);
  EXPECT_EQ(f.Centre(2).X, f.Centre(0).X);
  EXPECT_EQ(f.Centre(3).Y, f.Centre(0).Y);
  for (int i = 0; i < 5; ++i) {
    const TPoint c = f.Centre(i);
    Click(f.group, c.X, c.Y);
    EXPECT_EQ(f.group->ItemIndex(), i);
    TBitmap& picture = f.Paint();
    // The selected dot at the mark's centre, the white inside elsewhere.
    for (int j = 0; j < 5; ++j) {
      const TPoint m = f.Centre(j);
      EXPECT_EQ(picture.Canvas().Pixel(m.X + 1, m.Y), j == i ? clBlack : clWhite) << i << " " << j;
    }
  }
  EXPECT_EQ(f.changes, 4);
  EXPECT_EQ(f.userChanges, 4);
}

TEST(TiRadioGroup, ItemIndexIsClampedAndFollowsTheItemsSilently) {
  RadioGroupFixture f(100, 80, 3);
  QStringList changed;
  f.group->OnChangeProtected = [&](TObject*, const QString& name) { changed << name; };
  f.group->SetItemIndex(10);
  EXPECT_EQ(f.group->ItemIndex(), 2);
  EXPECT_EQ(f.changes, 1);
  EXPECT_EQ(changed, QStringList{QStringLiteral("ItemIndex")});
  f.group->SetItems({QStringLiteral("only")});
  EXPECT_EQ(f.group->ItemIndex(), 0);
  f.group->SetItems({});
  EXPECT_EQ(f.group->ItemIndex(), -1);
  EXPECT_EQ(f.changes, 1);
  f.group->SetItemIndex(-5);
  EXPECT_EQ(f.group->ItemIndex(), -1);
  f.group->SetColumns(0);
  EXPECT_EQ(f.group->Columns(), 1);
}

TEST(TiRadioGroup, PressOnOneItemAndReleaseOnAnotherSelectsNothing) {
  RadioGroupFixture f(120, 100, 3);
  const TPoint first = f.Centre(1);
  const TPoint second = f.Centre(2);
  Press(f.group, first.X, first.Y);
  Move(f.group, second.X, second.Y);
  Release(f.group, second.X, second.Y);
  EXPECT_EQ(f.group->ItemIndex(), 0);
  // Back on the pressed item before the release selects it.
  Press(f.group, first.X, first.Y);
  Move(f.group, second.X, second.Y);
  Move(f.group, first.X, first.Y);
  Release(f.group, first.X, first.Y);
  EXPECT_EQ(f.group->ItemIndex(), 1);
  EXPECT_EQ(f.changes, 1);
}

TEST(TiRadioGroup, ArrowKeysWrapAndAreNoUserChange) {
  RadioGroupFixture f(120, 100, 3);
  f.group->SetFocus();
  EXPECT_EQ(f.group->Perform(CM_WANTSPECIALKEY, VK_UP), 1);
  EXPECT_EQ(f.group->Perform(CM_WANTSPECIALKEY, VK_RETURN), 0);
  Tap(f.group, Qt::Key_Up);
  EXPECT_EQ(f.group->ItemIndex(), 2);
  Tap(f.group, Qt::Key_Down);
  EXPECT_EQ(f.group->ItemIndex(), 0);
  Tap(f.group, Qt::Key_Right);
  EXPECT_EQ(f.group->ItemIndex(), 1);
  Tap(f.group, Qt::Key_Left);
  EXPECT_EQ(f.group->ItemIndex(), 0);
  EXPECT_EQ(f.changes, 4);
  EXPECT_EQ(f.userChanges, 0);
  f.group->SetItemIndex(-1);
  Tap(f.group, Qt::Key_Up);
  EXPECT_EQ(f.group->ItemIndex(), -1);
}

TEST(TiRadioGroup, ASmallGroupWithManyItemsHitsNoItemAndStillPaints) {
  struct Shape {
    int width, height, columns;
  };
  // Row spacing negative, row spacing 0, column spacing 0. A click
  // anywhere chooses nothing; the selection stays on item 3.
  for (const Shape s : {Shape{30, 10, 3}, Shape{30, 10, 1}, Shape{20, 200, 8}}) {
    const int columns = s.columns;
    RadioGroupFixture f(s.width, s.height, 8, columns);
    f.group->SetItemIndex(3);
    f.changes = 0;
    for (int y = -2; y < s.height + 2; y += 2) {
      for (int x = -2; x < s.width + 2; x += 3) {
        Click(f.group, x, y);
        ASSERT_EQ(f.group->ItemIndex(), 3) << columns << " columns, click at " << x << "," << y;
      }
    }
    EXPECT_EQ(f.changes, 0) << columns;
    EXPECT_EQ(f.group->HitIndex(5, 5), -1);
  }
}
