#pragma once

#include <tuple>
#include <utility>

/// What every event-free setter of the editor widgets runs in: the bound
/// handlers are detached and the blocking flag set for the scope; both are
/// put back on every exit, exceptions included.
template <class... Handlers>
class TiBlockingScope {
public:
  explicit TiBlockingScope(bool& flag, Handlers&... handlers)
      : m_flag(flag), m_handlers(handlers...), m_saved(std::exchange(handlers, nullptr)...) {
    m_flag = true;
  }
  ~TiBlockingScope() {
    m_flag = false;
    [this]<std::size_t... I>(std::index_sequence<I...>) {
      ((std::get<I>(m_handlers) = std::move(std::get<I>(m_saved))), ...);
    }(std::index_sequence_for<Handlers...>{});
  }
  TiBlockingScope(const TiBlockingScope&) = delete;
  TiBlockingScope& operator=(const TiBlockingScope&) = delete;

private:
  bool& m_flag;
  std::tuple<Handlers&...> m_handlers;
  std::tuple<Handlers...> m_saved;
};
