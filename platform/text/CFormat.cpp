#include "platform/text/CFormat.h"

#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <locale.h>

#include <QByteArray>

namespace {

/// Switches the calling thread to the C locale for the scope.
class CLocaleScope {
public:
  CLocaleScope() : m_c(newlocale(LC_ALL_MASK, "C", nullptr)), m_previous(m_c ? uselocale(m_c) : nullptr) {}
  ~CLocaleScope() {
    if (m_c) {
      uselocale(m_previous);
      freelocale(m_c);
    }
  }
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
  locale_t m_c;
  locale_t m_previous;
};

}  // namespace

QString FormatC(const char* format, ...) {
  const CLocaleScope scope;
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int size = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  QByteArray text(size > 0 ? size : 0, '\0');
  if (size > 0) {
    std::vsnprintf(text.data(), static_cast<std::size_t>(size) + 1, format, args);
  }
  va_end(args);
  return QString::fromLatin1(text);
}
