#pragma once

/// Sets a "controls are being moved by program code" flag for its lifetime
/// and clears it however the scope ends, an exception included.
class RefreshingScope {
public:
  explicit RefreshingScope(bool& flag) : m_flag(flag) { m_flag = true; }
  ~RefreshingScope() { m_flag = false; }
  RefreshingScope(const RefreshingScope&) = delete;
  RefreshingScope& operator=(const RefreshingScope&) = delete;

private:
  bool& m_flag;
};
