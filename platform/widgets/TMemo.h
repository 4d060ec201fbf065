#pragma once

#include <QString>
#include <QStringList>

#include "platform/widgets/TWinControl.h"

class QPlainTextEdit;

/// Which scroll bars a multi-line box shows.
enum class TScrollStyle : unsigned char { ssNone, ssHorizontal, ssVertical, ssBoth };

/// A multi-line text box with a sunken white face: its text as lines, word
/// wrapped unless a horizontal scroll bar is asked for. Writing the text
/// raises nothing. Owned by its parent. GUI thread only.
class TMemo : public TWinControl {
public:
  explicit TMemo(QWidget* parent = nullptr);

  QStringList Lines() const;
  void SetLines(const QStringList& lines);
  /// Appends one line.
  void Add(const QString& line);
  /// Empties the box.
  void Clear();
  TScrollStyle ScrollBars() const { return m_scrollBars; }
  void SetScrollBars(TScrollStyle value);
  void SetEnabled(bool value) override;

protected:
  void resizeEvent(QResizeEvent* event) override;
  void FontChanged() override;

private:
  QPlainTextEdit* m_text = nullptr;
  TScrollStyle m_scrollBars = TScrollStyle::ssNone;
};
