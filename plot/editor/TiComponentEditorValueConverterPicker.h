#pragma once

#include <functional>

#include <QPointer>

#include "plot/editor/TiComponentEditorButton.h"
#include "plot/editor/TiComponentEditorEdit.h"

class TForm;

/// The page the value converter opens on.
enum class TiValueConverterPageType { ivcptInterval, ivcptDateTime, ivcptPrice32nd };

/// Translates a form's words.
using TFormTranslationMethod = std::function<void(TForm* AForm)>;

/// A "..." button beside an edit box (its Associate, against whose right
/// edge it sits) that opens the value converter on the edit's value (or on
/// DateTime without an edit). OK stores the value in DateTime, gives it to
/// the edit as a user's edit (SetDoubleWithEvent) and raises OnChange;
/// Cancel changes nothing. 21 x 21 when new. GUI thread only.
class TiComponentEditorValueConverterPicker : public TiComponentEditorButton {
public:
  explicit TiComponentEditorValueConverterPicker(QWidget* parent = nullptr);

  TiComponentEditorEdit* Associate() const { return m_associate; }
  void SetAssociate(TiComponentEditorEdit* edit);
  double DateTime() const { return m_dateTime; }
  void SetDateTime(double value) { m_dateTime = value; }
  TiValueConverterPageType DefaultPage() const { return m_defaultPage; }
  void SetDefaultPage(TiValueConverterPageType value) { m_defaultPage = value; }
  void Disable() { SetEnabled(false); }
  void Enable() { SetEnabled(true); }

  void Click() override;

  TFormTranslationMethod TranslationMethod;
  TNotifyEvent OnChange;

private:
  double m_dateTime = 0;
  QPointer<TiComponentEditorEdit> m_associate;
  TiValueConverterPageType m_defaultPage = TiValueConverterPageType::ivcptInterval;
};
