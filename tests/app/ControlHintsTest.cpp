#include <QApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QToolTip>

#include <gtest/gtest.h>

#include "link/LinkTransportFactory.h"
#include "platform/widgets/TLabel.h"
#include "tests/app/MainWindowFixture.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace {

/// The pointer rests over `widget`: the tooltip Qt then shows, empty for none.
QString ToolTipOver(QWidget& widget) {
  QToolTip::hideText();
  const QPoint at(widget.width() / 2, widget.height() / 2);
  QHelpEvent event(QEvent::ToolTip, at, widget.mapToGlobal(at));
  QApplication::sendEvent(&widget, &event);
  return QToolTip::isVisible() ? QToolTip::text() : QString();
}

class ControlHints : public SharedMainWindow<LinkTransportFactory> {
protected:
  void SetUp() override { window.show(); }
  void TearDown() override { QToolTip::hideText(); }
};

TEST_F(ControlHints, controlsWithoutAHintShowNoneNotTheWindows) {
  ASSERT_EQ(window.Hint(), QStringLiteral("KRV-71 FIR DSP Processor Editor"));
  auto& gainBox = Get<TCurvyEdit>(QStringLiteral("cvdGainInA"));
  QWidget* inner = gainBox.findChild<QLineEdit*>();
  ASSERT_NE(inner, nullptr);
  QWidget* const hintless[] = {&gainBox, inner, &Get<TAdvTrackBar>(QStringLiteral("isGainInA")),
                               &Get<TLabel>(QStringLiteral("lbEqParamOut1")),
                               &Get<TRzBmpButton>(QStringLiteral("rzbMenuGain"))};
  for (QWidget* widget : hintless) {
    EXPECT_EQ(ToolTipOver(*widget), QString()) << widget->objectName().toStdString();
  }
}

TEST_F(ControlHints, thePageButtonsShowTheirChannelsNames) {
  for (const char* name : {"rzbMenuInA", "rzbMenuOut6"}) {
    auto& button = Get<TRzBmpButton>(QLatin1String(name));
    ASSERT_FALSE(button.Hint().isEmpty()) << name;
    EXPECT_EQ(ToolTipOver(button), button.Hint()) << name;
  }
}

}  // namespace
