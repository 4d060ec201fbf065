#pragma once

#include <cstdint>

#include <QEvent>

/// WM_LINK_ERROR: a `LinkError` code, its argument (the unit id byte of the
/// frame being sent, or 0) and the generation of the transport that posted
/// it. Posted; the owner ignores an error whose generation is not that of
/// the transport in its slot.
class LinkErrorEvent : public QEvent {
public:
  LinkErrorEvent(int code, int argument, std::uint64_t generation);

  int Code() const { return m_code; }
  int Argument() const { return m_argument; }
  std::uint64_t Generation() const { return m_generation; }

private:
  int m_code;
  int m_argument;
  std::uint64_t m_generation;
};
