#include "plot/editor/TiFontDialog.h"

#include "platform/widgets/FontChooser.h"
#include "platform/widgets/TWinControl.h"
#include "plot/editor/iDialogOwner.h"

bool TiFontDialog::Execute() {
  TWinControl& owner = WindowedOwner(parent());
  const FontChoice start = DescribeFont(m_font);
  const std::optional<FontChoice> chosen = FontChooser::Choose(&owner, start);
  if (!chosen) {
    return false;
  }
  m_font.SetColor(chosen->color);
  m_font.SetName(chosen->faceName);
  m_font.SetHeight(chosen->height);
  if (QString::compare(chosen->faceName, start.faceName, Qt::CaseInsensitive) != 0) {
    m_font.SetCharset(chosen->charset);
  }
  m_font.SetStyle(StyleOf(*chosen));
  return true;
}
