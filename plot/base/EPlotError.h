#pragma once

#include <stdexcept>

#include <QString>

/// The error the plot library raises where an operation fails with a fixed
/// English message (bad arguments to a constructor, a log-scale tick at 0,
/// a file that cannot be read ...). Message() is the exact text. Painting
/// and input handling never let it out of the control. Any thread.
class EPlotError : public std::runtime_error {
public:
  explicit EPlotError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
  const QString& Message() const { return m_message; }

private:
  QString m_message;
};

/// The error of an index outside a list: "List index out of bounds (i)".
[[noreturn]] inline void ThrowListIndexError(int index) {
  throw EPlotError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

/// Runs f; an EPlotError it throws is thrown again with prefix before its
/// message ("Error Saving Data - " + the reason).
template <typename F>
void WithErrorPrefix(const char* prefix, F&& f) {
  try {
    f();
  } catch (const EPlotError& e) {
    throw EPlotError(QString::fromLatin1(prefix) + e.Message());
  }
}
