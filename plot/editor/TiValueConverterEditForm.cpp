#include "plot/editor/TiValueConverterEditForm.h"

#include <cmath>

#include <QDateEdit>
#include <QLabel>
#include <QSignalBlocker>
#include <QTimeEdit>

#include "plot/editor/TiUpDown.h"
#include "plot/editor/iEditorDateTime.h"
#include "plot/editor/iHandlerError.h"

namespace {

constexpr double kDateLimit = 1e14;
constexpr int kLabelWidth = 58;
constexpr int kEditWidth = 50;
constexpr int kRowHeight = 28;

QLabel* AddLabel(QWidget* page, const QString& caption, int left, int top) {
  auto* label = new QLabel(caption, page);
  label->setGeometry(left, top + 3, kLabelWidth, 17);
  return label;
}

double Frac(double x) { return x - std::trunc(x); }

}  // namespace

TiValueConverterEditForm::TiValueConverterEditForm(QWidget* parent)
    : TiCustomEditorForm(parent),
      m_valueEdit(new TiComponentEditorEdit(this)),
      m_pageControl(new TiComponentEditorPageControl(this)) {
  SetCaption(QStringLiteral("Value Converter"));
  SetBounds(0, 0, 300, 262);
  // A dialog frame keeps the size the form has when the frame is set.
  SetBorderStyle(TFormBorderStyle::bsDialog);
  SetPosition(TPosition::poScreenCenter);
  AddLabel(this, QStringLiteral("Value"), 8, 8);
  m_valueEdit->SetName(QStringLiteral("ValueEdit"));
  m_valueEdit->SetBounds(60, 8, 232, 21);
  m_pageControl->SetName(QStringLiteral("PageControl"));
  m_pageControl->SetBounds(8, 38, 284, 174);
  BuildIntervalPage(m_pageControl->AddPage(QStringLiteral("Interval")));
  BuildDateTimePage(m_pageControl->AddPage(QStringLiteral("Date/Time")));
  BuildPricePage(m_pageControl->AddPage(QStringLiteral("Price 32nds")));
  BuildButtons();
  setTabOrder(m_valueEdit, m_pageControl);
}

TiComponentEditorEdit* TiValueConverterEditForm::AddSpinEdit(QWidget* page, const QString& name,
                                                             const QString& caption, int left, int top, int min,
                                                             int max, int increment) {
  AddLabel(page, caption, left, top);
  auto* edit = new TiComponentEditorEdit(page);
  edit->SetName(name);
  edit->SetNumeric(true);
  edit->SetBounds(left + kLabelWidth, top, kEditWidth, 21);
  auto* spin = new TiUpDown(page);
  spin->SetMin(std::int16_t(min));
  spin->SetMax(std::int16_t(max));
  spin->SetIncrement(increment);
  spin->SetAssociate(edit);
  return edit;
}

void TiValueConverterEditForm::BuildIntervalPage(QWidget* page) {
  m_hoursEdit = AddSpinEdit(page, QStringLiteral("HoursEdit"), QStringLiteral("Hours"), 8, 8, 0, 23, 1);
  m_minutesEdit = AddSpinEdit(page, QStringLiteral("MinutesEdit"), QStringLiteral("Minutes"), 8, 8 + kRowHeight, 0,
                              59, 1);
  m_secondsEdit = AddSpinEdit(page, QStringLiteral("SecondsEdit"), QStringLiteral("Seconds"), 8,
                              8 + 2 * kRowHeight, 0, 59, 1);
  m_milliSecondsEdit = AddSpinEdit(page, QStringLiteral("MilliSecondsEdit"), QStringLiteral("mSec"), 8,
                                   8 + 3 * kRowHeight, 0, 999, 100);
  m_daysEdit = AddSpinEdit(page, QStringLiteral("DaysEdit"), QStringLiteral("Days"), 140, 8, 0, 0, 1);
  m_weeksEdit = AddSpinEdit(page, QStringLiteral("WeeksEdit"), QStringLiteral("Weeks"), 140, 8 + kRowHeight, 0, 0, 1);
  for (TiComponentEditorEdit* edit : {m_hoursEdit, m_minutesEdit, m_secondsEdit, m_milliSecondsEdit, m_daysEdit})
    edit->OnUpdate = [this](TObject*) { TimeChange(); };
  m_weeksEdit->OnUpdate = [this](TObject*) { WeeksChange(); };
  auto* zero = new TiComponentEditorButton(page);
  zero->SetName(QStringLiteral("iComponentEditorButton1"));
  zero->SetCaption(QStringLiteral("Set All To 0"));
  zero->SetBounds(140, 8 + 3 * kRowHeight, 123, 25);
  zero->OnClick = [this](TObject*) { SetAllToZeroClick(); };
}

void TiValueConverterEditForm::BuildDateTimePage(QWidget* page) {
  const QLabel* dateLabel = AddLabel(page, QStringLiteral("Date"), 8, 11);
  const QLabel* timeLabel = AddLabel(page, QStringLiteral("Time"), 8, 11 + kRowHeight + 4);
  m_datePicker = new QDateEdit(page);
  m_datePicker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
  m_datePicker->setCalendarPopup(true);
  m_timePicker = new QTimeEdit(page);
  m_timePicker->setDisplayFormat(QStringLiteral("HH:mm:ss"));
  for (auto [picker, label] : {std::pair<QDateTimeEdit*, const QLabel*>{m_datePicker, dateLabel},
                               std::pair<QDateTimeEdit*, const QLabel*>{m_timePicker, timeLabel}}) {
    picker->setGeometry(label->x() + label->width() + 5, label->y() - 3, 137, 21);
    connect(picker, &QDateTimeEdit::dateTimeChanged, this,
            [this] { RunShowingErrors(this, [this] { DateTimePickerChange(); }); });
  }
  auto* now = new TiComponentEditorButton(page);
  now->SetName(QStringLiteral("SetNowButton"));
  now->SetCaption(QStringLiteral("Now"));
  now->SetBounds(220, 8, 56, 25);
  now->OnClick = [this](TObject*) { SetNowButtonClick(); };
}

void TiValueConverterEditForm::BuildPricePage(QWidget* page) {
  m_price32ndsEdit = AddSpinEdit(page, QStringLiteral("Price32ndsEdit"), QStringLiteral("32nds"), 8, 8, 0, 31, 1);
  m_price256thsEdit =
      AddSpinEdit(page, QStringLiteral("Price256thsEdit"), QStringLiteral("256ths"), 8, 8 + kRowHeight, 0, 7, 1);
  m_priceIntegerEdit = AddSpinEdit(page, QStringLiteral("PriceIntegerEdit"), QStringLiteral("Integer"), 8,
                                   8 + 2 * kRowHeight, 0, 10000, 1);
  for (TiComponentEditorEdit* edit : {m_price32ndsEdit, m_price256thsEdit, m_priceIntegerEdit})
    edit->OnUpdate = [this](TObject*) { Price32Change(); };
}

void TiValueConverterEditForm::BuildButtons() {
  auto* ok = new TiComponentEditorButton(this);
  ok->SetName(QStringLiteral("OkButton"));
  ok->SetCaption(QStringLiteral("OK"));
  ok->SetBounds(136, 224, 75, 25);
  ok->OnClick = [this](TObject*) { SetModalResult(mrOk); };
  auto* cancel = new TiComponentEditorButton(this);
  cancel->SetName(QStringLiteral("CancelButton"));
  cancel->SetCaption(QStringLiteral("Cancel"));
  cancel->SetBounds(217, 224, 75, 25);
  cancel->OnClick = [this](TObject*) { SetModalResult(mrCancel); };
}

void TiValueConverterEditForm::SetValue(double x) {
  const double d = x <= kDateLimit ? x : Frac(x);
  m_valueEdit->SetAsFloat(x);
  const QDateTime at = QDateTimeOf(d);
  {
    const QSignalBlocker quietDate(m_datePicker);
    const QSignalBlocker quietTime(m_timePicker);
    m_datePicker->setDate(at.date());
    m_timePicker->setTime(at.time());
  }
  const double days = std::trunc(d);
  m_daysEdit->SetAsString(QString::number(days, 'f', 0));
  m_weeksEdit->SetAsString(QString::number(std::trunc(days / 7), 'f', 0));
  const TDecodedTime time = DecodeTime(d);
  m_hoursEdit->SetAsInteger(time.hour);
  m_minutesEdit->SetAsInteger(time.minute);
  m_secondsEdit->SetAsInteger(time.second);
  m_milliSecondsEdit->SetAsInteger(time.msec);
  m_priceIntegerEdit->SetAsString(QString::number(std::trunc(x), 'f', 0));
  m_price32ndsEdit->SetAsInteger(int(std::trunc(Frac(x) / 0.03125)));
  m_price256thsEdit->SetAsInteger(int(std::trunc((Frac(x) - m_price32ndsEdit->AsInteger() / 32.0) / 0.00390625)));
}

void TiValueConverterEditForm::Apply(double value) {
  m_valueEdit->SetAsFloat(value);
  SetValue(m_valueEdit->AsFloat());
}

double TiValueConverterEditForm::IntervalTime() const {
  return EncodeTime(m_hoursEdit->AsInteger(), m_minutesEdit->AsInteger(), m_secondsEdit->AsInteger(),
                    m_milliSecondsEdit->AsInteger());
}

void TiValueConverterEditForm::TimeChange() { Apply(m_daysEdit->AsFloat() + IntervalTime()); }

void TiValueConverterEditForm::WeeksChange() { Apply(m_weeksEdit->AsFloat() * 7 + IntervalTime()); }

void TiValueConverterEditForm::Price32Change() {
  m_valueEdit->SetAsFloat(m_priceIntegerEdit->AsFloat() + m_price32ndsEdit->AsInteger() / 32.0 +
                          m_price256thsEdit->AsInteger() / 256.0);
}

void TiValueConverterEditForm::DateTimePickerChange() {
  const double date = std::trunc(DateTimeOf(QDateTime(m_datePicker->date(), QTime(0, 0))));
  const double time = m_timePicker->time().msecsSinceStartOfDay() / 86400000.0;
  Apply(date + time);
}

void TiValueConverterEditForm::SetNowButtonClick() { Apply(DateTimeOf(QDateTime::currentDateTime())); }

void TiValueConverterEditForm::SetAllToZeroClick() { Apply(0); }
