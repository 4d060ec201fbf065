#pragma once

#include <QString>

#include "platform/core/TObject.h"

class TiComponent;

/// What the editor's own check box and radio group share about changes:
/// a flag that tells a user's change from one made by code, and the order
/// in which a change is announced. GUI thread.

/// Sets a control's user flag for the handling of one user action and
/// clears it on every exit, exceptions included.
class TiUserActionScope {
public:
  explicit TiUserActionScope(bool& flag) : m_flag(flag) { m_flag = true; }
  ~TiUserActionScope() { m_flag = false; }
  TiUserActionScope(const TiUserActionScope&) = delete;
  TiUserActionScope& operator=(const TiUserActionScope&) = delete;

private:
  bool& m_flag;
};

/// Announces a changed property of sender: nothing while it loads; else
/// OnChangeProtected(propName), onChange and, for a user's change only,
/// onChangeUser.
void AnnounceChange(TiComponent& sender, const QString& propName, const TNotifyEvent& onChange,
                    const TNotifyEvent& onChangeUser, bool userChange);
