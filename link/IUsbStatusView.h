#pragma once

class QString;

/// What the HID glue needs of the main window besides ILinkWindow: the
/// status label `lbStatus`, whether the window is shown, and the
/// information message box. The main window implements it; tests record
/// the calls. GUI thread only.
class IUsbStatusView {
public:
  virtual ~IUsbStatusView() = default;

  virtual QString StatusText() const = 0;
  virtual void SetStatusText(const QString& text) = 0;
  virtual bool IsMainWindowVisible() const = 0;
  /// An information message box with an OK button, shown modally.
  virtual void ShowReadError(const QString& text) = 0;

protected:
  IUsbStatusView() = default;
  IUsbStatusView(const IUsbStatusView&) = default;
  IUsbStatusView& operator=(const IUsbStatusView&) = default;
};
