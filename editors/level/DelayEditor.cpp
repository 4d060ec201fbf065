#include "editors/level/DelayEditor.h"

#include <algorithm>
#include <cstdlib>

#include "components/MainWindowState.h"
#include "editors/IEditorWindow.h"
#include "editors/LinkGroupMembers.h"
#include "editors/RefreshingControlsGuard.h"
#include "editors/level/TypedEntryBox.h"
#include "platform/threads/TTimer.h"
#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TImage.h"
#include "platform/widgets/TLabel.h"
#include "protocol/LUnitControl.h"
#include "protocol/ParameterScales.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace {

const QString kBar = QStringLiteral("isDelay");
const QString kBox = QStringLiteral("cvdDelay");
const QString kPicture = QStringLiteral("imDelay");
const QString kLine = QStringLiteral("lbDelayLine");
const QString kTime = QStringLiteral("lbFftDelayTime");
const QString kSlider = QStringLiteral("tmSlider");

constexpr int kLineStart = 40;  // a picture's Left at 0 samples
constexpr int kDashWidth = 6;

/// The controls of one channel's delay.
struct DelayRow {
  TAdvTrackBar* bar = nullptr;
  TCurvyEdit* box = nullptr;
  TImage* picture = nullptr;
  TLabel* line = nullptr;
  TLabel* time = nullptr;

  DelayRow(const ControlRegistry& controls, int channel)
      : bar(controls.Find<TAdvTrackBar>(kBar, channel)),
        box(controls.Find<TCurvyEdit>(kBox, channel)),
        picture(controls.Find<TImage>(kPicture, channel)),
        line(controls.Find<TLabel>(kLine, channel)),
        time(controls.Find<TLabel>(kTime, channel)) {}
  bool Complete() const {
    return bar != nullptr && box != nullptr && picture != nullptr && line != nullptr && time != nullptr;
  }
};

}  // namespace

QString DelayEditor::DashesBefore(int pictureLeft) {
  return QString(std::max(0, (pictureLeft - kLineStart) / kDashWidth), QLatin1Char('-'));
}

void DelayEditor::Bind() {
  ControlRegistry& controls = m_window.Controls();
  for (int c = 0; c < 9; ++c) {
    const DelayRow row(controls, c);
    if (!row.Complete()) {
      continue;
    }
    row.bar->OnChange = [this](TObject* sender) { isDelayInAChange(sender); };
    row.bar->OnEnter = [this](TObject* sender) { isDelayInAEnter(sender); };
    row.box->OnKeyDown = [this](TObject* sender, WORD& key, TShiftState shift) {
      cvdDelayInBKeyDown(sender, key, shift);
    };
    row.box->OnExit = [this](TObject* sender) { cvdDelayInAExit(sender); };
    row.line->OnMouseDown = [this](TObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
      lbDelayLineInAMouseDown(sender, button, shift, x, y);
    };
    row.line->OnMouseMove = [this](TObject* sender, TShiftState shift, int x, int y) {
      lbDelayLineInAMouseMove(sender, shift, x, y);
    };
    row.line->OnMouseUp = [this](TObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
      lbDelayLineInAMouseUp(sender, button, shift, x, y);
    };
  }
  for (int unit = 0; unit < 3; ++unit) {
    if (auto* button = controls.Find<TRzBmpButton>(QStringLiteral("rzbUnit%1").arg(unit))) {
      button->OnClick = [this](TObject* sender) { rzbUnit0Click(sender); };
    }
  }
  if (auto* slider = controls.Find<TTimer>(kSlider)) {
    slider->OnTimer = [this](TObject* sender) { tmSliderTimer(sender); };
  }
}

void DelayEditor::isDelayInAChange(TObject* Sender) {
  auto* bar = dynamic_cast<TAdvTrackBar*>(Sender);
  if (bar == nullptr || m_window.State().RefreshingControls) {
    return;
  }
  const int c = bar->Tag();
  const DelayRow row(m_window.Controls(), c);
  if (!row.Complete() || bar->Max() <= 0) {
    return;
  }
  // For a moment after the bar takes the focus, whatever moved it is undone.
  auto* slider = m_window.Controls().Find<TTimer>(kSlider);
  if (slider != nullptr && slider->Enabled()) {
    bar->SetPosition(m_window.UnitControl().GetDelay(c));
  }
  const int samples = bar->Position();
  const int pictureLeft = samples * (row.line->Width() - 90) / bar->Max() + kLineStart;
  row.time->SetLeft(pictureLeft + row.picture->Width());
  row.time->SetTop(row.picture->Top() + row.picture->Height() / 4);
  const QString text = DelayText(samples, m_window.UnitControl().GetDelayUnit());
  row.box->SetText(text);
  row.time->SetCaption(text);
  m_window.UnitControl().SetDelay(c, samples);
  SyncDelayDisplay(c, samples, pictureLeft);
}

void DelayEditor::SyncDelayDisplay(int channel, int samples, int pictureLeft) {
  RefreshingControlsGuard refreshing(m_window.State());
  const QString text = DelayText(samples, m_window.UnitControl().GetDelayUnit());
  for (int member : LinkGroupMembers(m_window.UnitControl(), channel)) {
    const DelayRow row(m_window.Controls(), member);
    if (!row.Complete()) {
      continue;
    }
    row.picture->SetLeft(pictureLeft);
    row.time->SetLeft(pictureLeft + row.picture->Width());
    row.line->SetCaption(DashesBefore(pictureLeft));
    row.box->SetText(text);
    row.time->SetCaption(text);
    row.bar->SetPosition(samples);
  }
}

void DelayEditor::UpdateDelayLine(int channel) {
  const DelayRow row(m_window.Controls(), channel);
  if (!row.Complete()) {
    return;
  }
  row.time->SetLeft(row.picture->Left() + row.picture->Width());
  row.time->SetTop(row.picture->Height() / 4 + row.picture->Top());
  row.line->SetCaption(DashesBefore(row.picture->Left()));
}

void DelayEditor::rzbUnit0Click(TObject* Sender) {
  auto* button = dynamic_cast<TRzBmpButton*>(Sender);
  if (button == nullptr) {
    return;
  }
  const int unit = button->Tag();
  for (int c = 0; c < 9; ++c) {
    const DelayRow row(m_window.Controls(), c);
    if (!row.Complete()) {
      return;
    }
    const QString text = DelayText(row.bar->Position(), unit);
    row.box->SetText(text);
    row.time->SetCaption(text);
  }
  if (!m_window.State().RefreshingControls) {
    m_window.UnitControl().SetDelayUnit(unit);
  }
}

// The hit box is in the line label's coordinates; the label of an output
// row starts 6 pixels right of its picture's start.
bool DelayEditor::OverPicture(int channel, int x, int y) const {
  const DelayRow row(m_window.Controls(), channel);
  return row.Complete() && std::abs(x - row.picture->Left() + 25) < 15 && std::abs(y - row.line->Height() / 2) < 15;
}

void DelayEditor::lbDelayLineInAMouseDown(TObject* Sender, TMouseButton, TShiftState, int X, int Y) {
  auto* line = dynamic_cast<TLabel*>(Sender);
  if (line != nullptr && OverPicture(line->Tag(), X, Y)) {
    DelayLineDragging = 1;
  }
}

void DelayEditor::lbDelayLineInAMouseMove(TObject* Sender, TShiftState, int X, int Y) {
  auto* line = dynamic_cast<TLabel*>(Sender);
  if (line == nullptr) {
    return;
  }
  const int c = line->Tag();
  if (DelayLineDragging != 1) {
    line->SetCursor(OverPicture(c, X, Y) ? crHandPoint : crDefault);
    return;
  }
  auto* bar = m_window.Controls().Find<TAdvTrackBar>(kBar, c);
  const int span = line->Width() - 90;
  if (bar == nullptr || span <= 0) {
    return;
  }
  const int x = std::min(X, line->Width() - 75) - 15;
  bar->SetPosition(TruncToInt(double(x) * bar->Max() / span));
  line->SetCaption(DashesBefore(x + kLineStart));
}

void DelayEditor::lbDelayLineInAMouseUp(TObject*, TMouseButton, TShiftState, int, int) { DelayLineDragging = 0; }

void DelayEditor::isDelayInAEnter(TObject*) {
  if (auto* slider = m_window.Controls().Find<TTimer>(kSlider)) {
    slider->SetEnabled(true);
  }
}

void DelayEditor::tmSliderTimer(TObject*) {
  if (auto* slider = m_window.Controls().Find<TTimer>(kSlider)) {
    slider->SetEnabled(false);
  }
}

void DelayEditor::cvdDelayInBKeyDown(TObject* Sender, WORD& Key, TShiftState) {
  if (IsEntryKey(Key)) {
    cvdDelayInAExit(Sender);
  }
}

void DelayEditor::cvdDelayInAExit(TObject* Sender) {
  RunChannelEntry(m_window.Controls(), Sender, kBar, TypedEntryKind::Delay, m_window.UnitControl().GetDelayUnit(),
                  true);
}
