// Every value box of the main window and of the dialogs shows its whole
// text at the widest values of its range, and no two captions of a page
// overlap, in both languages.
#include <functional>
#include <vector>

#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include "components/MainWindowState.h"
#include "components/peq/TMyPEQFir.h"
#include "dialogs/TfmNetworkSetup.h"
#include "components/peq/TMyPEQType10.h"
#include "firdesign/FirDesignForm.h"
#include "firdesign/TfmFirDesign.h"
#include "platform/widgets/TEdit.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TUpDown.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/link/support/FakeLinkTransport.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/panels/TRzGroupBox.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/smooth/TEmptyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace {

enum class Channels { Inputs, Outputs, All, MixInputs };

/// One family of boxes: the box and its holding control by name stem, and
/// the positions that give the family's widest texts.
struct BoxFamily {
  const char* box;
  const char* control;
  Channels channels;
  std::vector<int> positions;
};

const BoxFamily kFamilies[] = {
    {"cvdGain", "isGain", Channels::All, {-280, -275, -201, -199, 0, 120}},
    {"cvdGainBackup", "isGainBackup", Channels::All, {-280, -275, 0, 120}},
    {"cvdDelay", "isDelay", Channels::All, {0, 1, 65279, 65280}},
    {"cvdEqFreq", "isEqFreq", Channels::All, {0, 1, 99, 100, 200, 299, 300}},
    {"cvdEqBw", "isEqBw", Channels::All, {0, 1, 50, 99, 100}},
    {"cvdEqGain", "isEqGain", Channels::All, {0, 1, 119, 120, 239, 240}},
    {"cvdLowCutFreq", "isLowCutFreq", Channels::Outputs, {0, 99, 100, 299, 300}},
    {"cvdHighCutFreq", "isHighCutFreq", Channels::Outputs, {0, 99, 100, 299, 300}},
    {"cvdFirLowCut", "isFirLowCut", Channels::Outputs, {88, 99, 100, 298, 299}},
    {"cvdFirHighCut", "isFirHighCut", Channels::Outputs, {89, 100, 299, 300}},
    {"cvdCompThreshold", "isCompThreshold", Channels::Inputs, {-180, -179, -1, 0, 39, 40}},
    {"cvdCompAttack", "isCompAttack", Channels::Inputs, {0, 8, 98, 997, 998}},
    {"cvdCompRelease", "isCompRelease", Channels::Inputs, {9, 98, 998, 2998, 2999}},
    {"cvdCompRatio", "udCompRatio", Channels::Inputs, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
    {"cvdCompKnee", "udCompKnee", Channels::Inputs, {0, 9, 10, 11, 12}},
    {"cvdCompEqFreq", "isCompEqFreq", Channels::Inputs, {0, 1, 99, 100, 200, 299, 300}},
    {"cvdCompEqType", "isCompEqType", Channels::Inputs, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
    {"cvdGateThreshold", "isGateThreshold", Channels::Inputs, {-180, -179, -1, 0}},
    {"cvdGateAttack", "isGateAttack", Channels::Inputs, {0, 8, 98, 997, 998}},
    {"cvdGateRelease", "isGateRelease", Channels::Inputs, {9, 98, 998, 2998, 2999}},
    {"cvdGateRatio", "isGateRatio", Channels::Inputs, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
    {"cvdLimitThreshold", "isLimitThreshold", Channels::Outputs, {-180, -179, -1, 0, 19, 20, 39, 40}},
    {"cvdLimitAttack", "isLimitAttack", Channels::Outputs, {0, 8, 98, 997, 998}},
    {"cvdLimitRelease", "isLimitRelease", Channels::Outputs, {9, 98, 998, 2998, 2999}},
    {"cvdLimitKnee", "udLimitKnee", Channels::Outputs, {0, 9, 10, 11, 12}},
    {"cvdLimitRatio", "udLimitRatio", Channels::Outputs, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
    {"MatrixOut", "udMixGain", Channels::MixInputs, {-280, -275, -201, -199, -1, 0}},
};

/// The box and control names of a family, one pair per channel.
std::vector<std::pair<QString, QString>> Members(const BoxFamily& family) {
  std::vector<std::pair<QString, QString>> names;
  const QString box = QLatin1String(family.box);
  const QString control = QLatin1String(family.control);
  if (family.channels == Channels::MixInputs) {
    for (int input = 0; input < 3; ++input) {
      const QChar letter('A' + input);
      for (int output = 1; output <= 6; ++output) {
        names.emplace_back(QStringLiteral("cvd%1%2%3").arg(letter).arg(box).arg(output),
                           QStringLiteral("%1%2Out%3").arg(control).arg(letter).arg(output));
      }
    }
    return names;
  }
  const int first = family.channels == Channels::Outputs ? 3 : 0;
  const int last = family.channels == Channels::Inputs ? 2 : 8;
  for (int channel = first; channel <= last; ++channel) {
    names.emplace_back(box + ChannelSuffix(channel), control + ChannelSuffix(channel));
  }
  return names;
}

/// Where a line edit draws its text: inside its frame and text margins,
/// less the edit's own margin of 2 pixels at either side.
QRect TextArea(QLineEdit& edit) {
  QStyleOptionFrame option;
  option.initFrom(&edit);
  option.rect = edit.rect();
  option.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
  option.midLineWidth = 0;
  option.state |= QStyle::State_Sunken;
  const QRect contents = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
  return contents.marginsRemoved(edit.textMargins()).adjusted(2, 0, -2, 0);
}

/// The columns of the edit's text area that hold ink of its text colour.
std::pair<int, int> InkColumns(QLineEdit& edit, const QRect& area) {
  const QImage image = edit.grab().toImage();
  const QColor base = edit.palette().color(QPalette::Base);
  int left = image.width();
  int right = -1;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (std::abs(c.lightness() - base.lightness()) > 96) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
  }
  return {left, right};
}

/// The text is drawn whole: it fits the edit's text area at the edit's
/// font, and its ink starts after the area's left edge and ends before its
/// right edge (a scrolled text is cut at one of them).
void ExpectWhole(QLineEdit& edit, const QString& where) {
  const QString text = edit.text();
  ASSERT_FALSE(text.trimmed().isEmpty()) << where.toStdString();
  const QFontMetrics metrics(edit.font());
  const QRect area = TextArea(edit);
  EXPECT_LE(metrics.horizontalAdvance(text) + 1, area.width())
      << where.toStdString() << " \"" << text.toStdString() << "\" in an edit " << edit.width() << " wide";
  const auto [left, right] = InkColumns(edit, area);
  EXPECT_GT(left, area.left() - 2) << where.toStdString() << " \"" << text.toStdString() << "\"";
  EXPECT_LT(right, area.right() + 2) << where.toStdString() << " \"" << text.toStdString() << "\"";
}

/// Every visible box of a band panel shows its whole text with every band
/// at the lowest and at the highest values.
void ExpectBandPanelWhole(TMyPEQPanel& panel) {
  struct Band {
    double hertz;
    double qIndex;
    double gain;
  };
  const Band bands[] = {{19.7, 0, -12.0}, {20160.0, 100, 12.0}};
  for (const Band& band : bands) {
    for (int row = 0; row < panel.GetChannelNumber(); ++row) {
      panel.SetEqParamValue(row, band.hertz, band.qIndex, band.gain, 0, false);
    }
    for (TEmptyEdit* edit : panel.findChildren<TEmptyEdit*>()) {
      if (edit->isVisibleTo(&panel)) {
        ExpectWhole(*edit, panel.Name() + QStringLiteral(" at %1 Hz").arg(band.hertz));
      }
    }
  }
}

void MoveTo(TControl* control, int position) {
  if (auto* bar = dynamic_cast<TAdvTrackBar*>(control)) {
    bar->SetPosition(position);
  } else if (auto* upDown = dynamic_cast<TUpDown*>(control)) {
    upDown->SetPosition(position);
  }
}

/// The rectangle a caption's text covers, in the coordinates of `page`.
QRect DrawnText(TLabel& label, QWidget& page) {
  const QFontMetrics metrics(label.Font().ToQFont());
  const int width = metrics.horizontalAdvance(label.Caption());
  const QRect bounds(label.mapTo(&page, QPoint(0, 0)), label.size());
  int left = bounds.left();
  if (!label.AutoSize()) {
    if (label.Alignment() == TAlignment::taCenter) {
      left += (bounds.width() - width) / 2;
    } else if (label.Alignment() == TAlignment::taRightJustify) {
      left += bounds.width() - width;
    }
  }
  return QRect(left, bounds.top(), width, std::min(bounds.height(), metrics.height()));
}

/// The child of `page` that holds `widget` (the widget itself when it lies
/// on the page directly).
QWidget* HolderOn(QWidget* widget, QWidget& page) {
  while (widget->parentWidget() != &page) {
    widget = widget->parentWidget();
  }
  return widget;
}

/// Two captions in different groups that share a place are never seen
/// together: only the group in front shows.
bool SeenTogether(QWidget* a, QWidget* b, QWidget& page) {
  QWidget* holderA = HolderOn(a, page);
  QWidget* holderB = HolderOn(b, page);
  return holderA == holderB || holderA == a || holderB == b || !holderA->geometry().intersects(holderB->geometry());
}

}  // namespace

class WholeValues : public SharedMainWindow<FakeLinkTransportFactory>,
                    public ::testing::WithParamInterface<const char*> {
protected:
  void SetUp() override {
    const bool chinese = QLatin1String(GetParam()) == QLatin1String("zh");
    window.Controls().Find<TMenuItem>(chinese ? QStringLiteral("ChineseSimplified") : QStringLiteral("English"))
        ->Click();
  }
};

TEST_P(WholeValues, everyValueBoxShowsItsWholeTextAtTheEndsOfItsRange) {
  for (const BoxFamily& family : kFamilies) {
    for (const auto& [boxName, controlName] : Members(family)) {
      auto& box = Get<TCurvyEdit>(boxName);
      auto& control = Get<TControl>(controlName);
      for (int position : family.positions) {
        MoveTo(&control, position);
        ExpectWhole(*box.InnerEdit(), QStringLiteral("%1 at %2").arg(boxName).arg(position));
      }
    }
  }
}

TEST_P(WholeValues, everyBandPanelBoxShowsItsWholeText) {
  for (int channel = 0; channel < MainWindowState::kChannels; ++channel) {
    ExpectBandPanelWhole(Get<TMyPEQType10>(QStringLiteral("peqPeq") + ChannelSuffix(channel)));
  }
}

TEST_P(WholeValues, everyValueBoxOfTheFirDesignerShowsItsWholeText) {
  TfmFirDesign designer(window.FirDesigner());
  designer.SetDesignChannel(4);
  designer.Show();
  FirDesignForm& c = designer.Form();
  // The equaliser's boxes follow their track bars.
  const std::pair<const char*, TAdvTrackBar* FirDesignForm::*> followers[] = {
      {"cvdFirEqFreq", &FirDesignForm::isFirEqFreq},
      {"cvdFirEqBw", &FirDesignForm::isFirEqBw},
      {"cvdFirEqGain", &FirDesignForm::isFirEqGain}};
  for (const auto& [name, member] : followers) {
    auto* box = dynamic_cast<TCurvyEdit*>(designer.findChild<QWidget*>(QLatin1String(name)));
    ASSERT_NE(box, nullptr) << name;
    TAdvTrackBar& bar = *(c.*member);
    const int step = std::max(1, (bar.Max() - bar.Min()) / 25);
    for (int position = bar.Min(); position <= bar.Max(); position = position == bar.Max() ? position + 1
                                                                     : std::min(position + step, bar.Max())) {
      bar.SetPosition(position);
      ExpectWhole(*box->InnerEdit(), QStringLiteral("%1 at %2").arg(QLatin1String(name)).arg(position));
    }
  }
  // The other boxes show what their entry makes of a typed value when the
  // user leaves them: the ends of their ranges and values beyond them.
  struct Typed {
    TEdit* FirDesignForm::*edit;
    std::vector<const char*> texts;
  };
  const Typed typed[] = {
      {&FirDesignForm::edFirImportGain, {"-99", "99", "-10.5"}},
      {&FirDesignForm::edFirImportDelay, {"-99", "99", "-11.111"}},
      {&FirDesignForm::edFirMagMinFreq, {"1", "99999", "999.9", "1500"}},
      {&FirDesignForm::edFirMagMaxFreq, {"99999", "1", "999.9", "1500"}},
      {&FirDesignForm::edFirPhaseMinFreq, {"1", "99999", "999.9", "1500"}},
      {&FirDesignForm::edFirPhaseMaxFreq, {"99999", "1", "999.9", "1500"}},
      {&FirDesignForm::edFirOutSetTaps, {"1", "99999", "1000"}},
      {&FirDesignForm::edFirOutSetDelay, {"0", "99", "1.111"}},
  };
  for (const Typed& box : typed) {
    TEdit& edit = *(c.*box.edit);
    auto* line = edit.findChild<QLineEdit*>();
    ASSERT_NE(line, nullptr) << edit.Name().toStdString();
    for (const char* text : box.texts) {
      edit.SetText(QLatin1String(text));
      edit.OnExit(&edit);
      ExpectWhole(*line, QStringLiteral("%1 after \"%2\"").arg(edit.Name(), QLatin1String(text)));
    }
  }
  ExpectBandPanelWhole(*c.peqFirEq);
  designer.Hide();
}

TEST_P(WholeValues, everyValueBoxOfTheNetworkSetupShowsItsWholeText) {
  const std::uint32_t address = window.GetSelectedUnitAddress();
  const int id = window.GetUnitId();
  TfmNetworkSetup setup(window);
  for (const auto& [unitAddress, unitId] : {std::pair{0xFFFFFFFFu, TfmNetworkSetup::kMaxId},
                                            std::pair{0x00000000u, 1}, std::pair{0xC0A80164u, 100}}) {
    window.SetSelectedUnitAddress(unitAddress);
    window.SetUnitId(unitId);
    setup.Show();
    for (TEdit* field : {setup.edIp1, setup.edIp2, setup.edIp3, setup.edIp4, setup.edId}) {
      auto* line = field->findChild<QLineEdit*>();
      ASSERT_NE(line, nullptr) << field->Name().toStdString();
      ExpectWhole(*line, field->Name() + QStringLiteral(" of %1").arg(unitAddress, 8, 16, QLatin1Char('0')));
    }
    setup.Hide();
  }
  window.SetSelectedUnitAddress(address);
  window.SetUnitId(id);
}

TEST_P(WholeValues, noTwoCaptionsOfAPageOverlap) {
  for (int page = 0; page < TfmMainControls::kPages; ++page) {
    for (TRzGroupBox* group : {window.Form().UpperGroups[page], window.Form().LowerGroups[page]}) {
      std::vector<std::pair<TLabel*, QRect>> captions;
      for (QWidget* child : group->findChildren<QWidget*>()) {
        auto* label = dynamic_cast<TLabel*>(child);
        if (label != nullptr && label->isVisibleTo(group) && !label->Caption().trimmed().isEmpty()) {
          captions.emplace_back(label, DrawnText(*label, *group));
          EXPECT_LE(captions.back().second.width(), label->width())
              << label->Name().toStdString() << " \"" << label->Caption().toStdString() << "\" is cut";
        }
      }
      for (std::size_t i = 0; i < captions.size(); ++i) {
        for (std::size_t j = i + 1; j < captions.size(); ++j) {
          if (!SeenTogether(captions[i].first, captions[j].first, *group)) {
            continue;
          }
          EXPECT_FALSE(captions[i].second.intersects(captions[j].second))
              << captions[i].first->Name().toStdString() << " \"" << captions[i].first->Caption().toStdString()
              << "\" and " << captions[j].first->Name().toStdString() << " \""
              << captions[j].first->Caption().toStdString() << "\"";
        }
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, WholeValues, ::testing::Values("en", "zh"));
