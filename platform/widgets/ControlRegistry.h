#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include "platform/core/TObject.h"

/// The suffix that names a channel's controls: "InA".."InC" for channels
/// 0-2, "Out1".."Out6" for 3-8; empty for any other number.
QString ChannelSuffix(int channel);

/// The named objects of a form (controls, menu items, timers), found by
/// their exact names. A name is registered once: a second registration of
/// it is refused. The registry does not own the objects; they must outlive
/// it or be unregistered first. GUI thread only.
class ControlRegistry {
public:
  /// Registers object under name; false (and nothing changes) when the
  /// name is empty or already taken.
  bool Register(const QString& name, TObject* object);
  /// The object of that exact name, or nullptr.
  TObject* FindObject(const QString& name) const { return m_objects.value(name, nullptr); }
  /// The object of that name when it is a T, else nullptr.
  template <class T>
  T* Find(const QString& name) const {
    return dynamic_cast<T*>(FindObject(name));
  }
  /// The control of a channel: stem + ChannelSuffix(channel), e.g.
  /// ("rzbMute", 4) finds "rzbMuteOut2".
  template <class T>
  T* Find(const QString& stem, int channel) const {
    return Find<T>(stem + ChannelSuffix(channel));
  }
  bool Contains(const QString& name) const { return m_objects.contains(name); }
  int Count() const { return int(m_objects.size()); }
  QStringList Names() const { return m_objects.keys(); }

private:
  QHash<QString, TObject*> m_objects;
};
