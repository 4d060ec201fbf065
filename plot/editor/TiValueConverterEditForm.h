#pragma once

#include "plot/editor/TiComponentEditorButton.h"
#include "plot/editor/TiComponentEditorEdit.h"
#include "plot/editor/TiComponentEditorPageControl.h"
#include "plot/editor/TiCustomEditorForm.h"

class QDateEdit;
class QTimeEdit;

/// "Value Converter": one value entered as an interval (days, hours,
/// minutes, seconds, milliseconds or weeks), as a date and time, or as a
/// price in 32nds and 256ths. Writing Value spreads it over all three
/// pages (of a value above 1e14 only the time of day reaches the interval
/// and date pages); an edit on a page computes the value from that page.
/// Value reads ValueEdit, so a number typed there is returned as it
/// stands. A bad time part raises EPlotError and changes nothing. Closed
/// with OK (mrOk) or Cancel (mrCancel). GUI thread only.
class TiValueConverterEditForm : public TiCustomEditorForm {
public:
  explicit TiValueConverterEditForm(QWidget* parent = nullptr);

  double Value() const { return m_valueEdit->AsFloat(); }
  void SetValue(double value);

  TiComponentEditorPageControl& PageControl() { return *m_pageControl; }
  TiComponentEditorEdit& ValueEdit() { return *m_valueEdit; }
  QDateEdit& DatePicker() { return *m_datePicker; }
  QTimeEdit& TimePicker() { return *m_timePicker; }

  void TimeChange();
  void WeeksChange();
  void Price32Change();
  void DateTimePickerChange();
  void SetNowButtonClick();
  void SetAllToZeroClick();

private:
  void BuildIntervalPage(QWidget* page);
  void BuildDateTimePage(QWidget* page);
  void BuildPricePage(QWidget* page);
  void BuildButtons();
  /// A labelled edit with spin buttons at (left, top) of page.
  TiComponentEditorEdit* AddSpinEdit(QWidget* page, const QString& name, const QString& caption, int left,
                                     int top, int min, int max, int increment);
  /// ValueEdit takes value, then every page is set from it.
  void Apply(double value);
  double IntervalTime() const;

  TiComponentEditorEdit* m_valueEdit;
  TiComponentEditorPageControl* m_pageControl;
  TiComponentEditorEdit* m_hoursEdit = nullptr;
  TiComponentEditorEdit* m_minutesEdit = nullptr;
  TiComponentEditorEdit* m_secondsEdit = nullptr;
  TiComponentEditorEdit* m_milliSecondsEdit = nullptr;
  TiComponentEditorEdit* m_daysEdit = nullptr;
  TiComponentEditorEdit* m_weeksEdit = nullptr;
  TiComponentEditorEdit* m_price32ndsEdit = nullptr;
  TiComponentEditorEdit* m_price256thsEdit = nullptr;
  TiComponentEditorEdit* m_priceIntegerEdit = nullptr;
  QDateEdit* m_datePicker = nullptr;
  QTimeEdit* m_timePicker = nullptr;
};
