#include <gtest/gtest.h>

#include "app/TfmMain.h"
#include "link/LinkTransportFactory.h"

TEST(TfmMain, startsWithTitleAndDesignSize) {
  {
    LinkTransportFactory factory;
    TfmMain window(factory, nullptr);
    EXPECT_EQ(fmMain, &window);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("KRV-71 FIR DSP Processor Editor V1.0"));
    EXPECT_EQ(window.toolTip(), QStringLiteral("KRV-71 FIR DSP Processor Editor"));
    EXPECT_EQ(QSize(window.OuterWidth(), window.OuterHeight()), QSize(1125, 727));
  }
  EXPECT_EQ(fmMain, nullptr);
}
