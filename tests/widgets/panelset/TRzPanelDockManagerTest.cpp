#include <memory>

#include <QApplication>
#include <QImage>

#include "platform/widgets/TEdit.h"
#include "platform/widgets/TForm.h"
#include "tests/support/ProcessEventsUntil.h"
#include "widgets/panels/TRzPanel.h"
#include "widgets/panelset/TRzPanelDockManager.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb kDockActiveCaption = 0x99B4D1;    // clActiveCaption
constexpr QRgb kDockInactiveCaption = 0xBFCDDB;  // clInactiveCaption
constexpr QRgb kDock3DLight = 0xE3E3E3;         // cl3DLight
constexpr QRgb kDockDarkShadow = 0x696969;       // cl3DDkShadow
constexpr QRgb kDockButtonHighlight = 0xFFFFFF;  // clBtnHighlight

QRgb DockPixel(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

struct DockSiteFixture : ::testing::Test {
  std::unique_ptr<TForm> form = std::make_unique<TForm>();
  TRzPanel* site = nullptr;

  void SetUp() override {
    form->SetBounds(0, 0, 300, 200);
    site = new TRzPanel(form.get());
    site->SetBorderOuter(Rz::TFrameStyleEx::fsNone);
    site->SetColor(clWhite);
    site->SetBounds(0, 0, 300, 200);
    site->SetDockSite(true);
  }

  TEdit* Dock(const QString& caption, const TRect& zone) {
    auto* client = new TEdit(site);
    client->SetCaption(caption);
    site->DockManager()->InsertControl(client, zone);
    return client;
  }

  void ShowActive() {
    form->show();
    form->activateWindow();
    ProcessEventsUntil([this] { return form->isActiveWindow(); });
  }
};

}  // namespace

TEST_F(DockSiteFixture, Manager_existsOnlyForADockSiteThatUsesOne) {
  ASSERT_NE(site->DockManager(), nullptr);
  site->SetUseDockManager(false);
  EXPECT_EQ(site->DockManager(), nullptr);
  site->SetUseDockManager(true);
  ASSERT_NE(site->DockManager(), nullptr);
  site->SetDockSite(false);
  EXPECT_EQ(site->DockManager(), nullptr);
}

TEST_F(DockSiteFixture, ClientArea_ofADockSiteIsTheWholePanel_childrenStillInsideTheFrame) {
  site->SetBorderOuter(Rz::TFrameStyleEx::fsRaised);
  site->SetBorderWidth(3);
  EXPECT_EQ(site->ClientRect(), Rect(0, 0, 300, 200));
  auto* child = new TRzPanel(site);
  child->SetAlign(TAlign::alClient);
  EXPECT_EQ(child->BoundsRect(), Rect(5, 5, 295, 195));
  site->SetDockSite(false);
  EXPECT_EQ(site->ClientRect(), Rect(2, 2, 298, 198));
  EXPECT_EQ(child->BoundsRect(), Rect(5, 5, 295, 195));
}

TEST_F(DockSiteFixture, Grabber_liesLeftOnlyOnASiteAlignedTopOrBottom) {
  struct Case {
    TAlign align;
    TRect client;
    TRect grabber;
  };
  const Case cases[] = {
      {TAlign::alNone, Rect(10, 24, 110, 60), Rect(10, 10, 110, 24)},
      {TAlign::alTop, Rect(24, 10, 110, 60), Rect(10, 10, 24, 60)},
      {TAlign::alBottom, Rect(24, 10, 110, 60), Rect(10, 10, 24, 60)},
      {TAlign::alLeft, Rect(10, 24, 110, 60), Rect(10, 10, 110, 24)},
      {TAlign::alClient, Rect(10, 24, 110, 60), Rect(10, 10, 110, 24)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.align));
    site->SetAlign(c.align);
    TEdit* client = Dock(QStringLiteral("Client"), Rect(10, 10, 110, 60));
    EXPECT_EQ(client->BoundsRect(), c.client);
    EXPECT_EQ(site->DockManager()->GrabberRect(*client), c.grabber);
    site->DockManager()->RemoveControl(client);
    delete client;
  }
}

TEST_F(DockSiteFixture, DockClients_dropsAClientThatIsDestroyedAndDocksEachOnce) {
  TEdit* first = Dock(QStringLiteral("One"), Rect(0, 0, 100, 50));
  TEdit* second = Dock(QStringLiteral("Two"), Rect(100, 0, 200, 50));
  site->DockManager()->InsertControl(first, Rect(0, 60, 100, 110));
  EXPECT_EQ(site->DockManager()->DockClients(), (QList<TControl*>{first, second}));
  EXPECT_EQ(first->BoundsRect(), Rect(0, 74, 100, 110));
  delete first;
  EXPECT_EQ(site->DockManager()->DockClients(), (QList<TControl*>{second}));
  const QImage painted = site->grab().toImage();
  EXPECT_EQ(DockPixel(painted, 50, 65), 0xFFFFFFu);  // the gone client's grabber is not painted
}

TEST_F(DockSiteFixture, TopGrabber_followsTheFocusOfItsClient) {
  TEdit* client = Dock(QStringLiteral("Levels"), Rect(20, 20, 220, 80));
  auto* other = new TEdit(form.get());
  other->SetBounds(0, 180, 50, 20);
  ShowActive();
  other->SetFocus();
  ProcessEventsUntil([other] { return other->hasFocus(); });
  // Right of the caption, left of the close glyph.
  const QImage inactive = site->grab().toImage();
  EXPECT_EQ(DockPixel(inactive, 180, 22), kDockInactiveCaption);
  EXPECT_EQ(DockPixel(inactive, 20, 20), kDockInactiveCaption);
  EXPECT_EQ(DockPixel(inactive, 219, 33), kDockInactiveCaption);
  EXPECT_EQ(DockPixel(inactive, 100, 19), 0xFFFFFFu);  // above the grabber
  client->SetFocus();
  ProcessEventsUntil([client] { return client->hasFocus(); });
  const QImage active = site->grab().toImage();
  EXPECT_EQ(DockPixel(active, 180, 22), kDockActiveCaption);
}

TEST_F(DockSiteFixture, LeftGrabber_isFilledAndKeepsItsCaptionInside) {
  site->SetAlign(TAlign::alTop);
  site->SetBounds(0, 0, 300, 200);
  Dock(QStringLiteral("Outputs"), Rect(20, 20, 220, 120));
  const QImage painted = site->grab().toImage();
  // Not focused: inactive colours; the grabber is 14 pixels wide.
  EXPECT_EQ(DockPixel(painted, 20, 119), kDockInactiveCaption);
  EXPECT_EQ(DockPixel(painted, 33, 21), kDockInactiveCaption);
  EXPECT_EQ(DockPixel(painted, 19, 60), 0xFFFFFFu);
  int dark = 0;
  for (int y = 20; y < 120; ++y) {
    for (int x = 20; x < 34; ++x) {
      dark += qGray(painted.pixel(x, y)) < 100 ? 1 : 0;
    }
  }
  EXPECT_GT(dark, 0) << "the turned caption is drawn in the grabber";
}

TEST_F(DockSiteFixture, WithoutCaptions_thePlainFrameShowsAButtonAndBars) {
  site->SetShowDockClientCaptions(false);
  Dock(QStringLiteral("Hidden caption"), Rect(20, 20, 220, 80));
  const QImage painted = site->grab().toImage();
  // Close button (Right - 12, Top + 1, Right - 1, Top + 12) with a raised
  // edge, then a raised bar from (Left + 2, Top + 3) to (Right - 15, Top + 6).
  EXPECT_EQ(DockPixel(painted, 208, 21), kDockButtonHighlight);
  EXPECT_EQ(DockPixel(painted, 100, 23), kDock3DLight);
  EXPECT_EQ(DockPixel(painted, 100, 25), kDockDarkShadow);
  EXPECT_EQ(DockPixel(painted, 100, 22), 0xFFFFFFu);
  EXPECT_NE(DockPixel(painted, 180, 22), kDockActiveCaption);
  EXPECT_NE(DockPixel(painted, 180, 22), kDockInactiveCaption);
}

TEST_F(DockSiteFixture, AlignmentChangedLater_movesTheGrabberFromTopToLeft) {
  site->SetAlign(TAlign::alNone);
  TEdit* client = Dock(QStringLiteral("Client"), Rect(10, 10, 110, 60));
  ASSERT_EQ(site->DockManager()->GrabberRect(*client), Rect(10, 10, 110, 24));
  site->SetAlign(TAlign::alTop);
  EXPECT_EQ(client->BoundsRect(), Rect(24, 10, 110, 60));
  EXPECT_EQ(site->DockManager()->GrabberRect(*client), Rect(10, 10, 24, 60));
  site->SetAlign(TAlign::alClient);
  EXPECT_EQ(client->BoundsRect(), Rect(10, 24, 110, 60));
  EXPECT_EQ(site->DockManager()->GrabberRect(*client), Rect(10, 10, 110, 24));
}
