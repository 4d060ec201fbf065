#include "plot/base/TiThemeCategoryList.h"

#include <cstddef>

#include "plot/base/EPlotError.h"
#include "plot/base/TiXMLMemoryStream.h"

namespace {

[[noreturn]] void Malformed() { throw EPlotError(QStringLiteral("Error Loading Scheme. XML File Malformed")); }


/// The next tag ("/" + name for a closing one); blank text between tags
/// is passed over, other text is no part of the shape.
QString NextTag(TiXMLMemoryStream& stream) {
  for (;;) {
    const QByteArray& data = stream.Data();
    qint64 i = stream.Position();
    while (i < data.size() && (data[i] == '\r' || data[i] == '\n')) {
      ++i;
    }
    const bool tag = i < data.size() && data[i] == '<';
    const QString piece = stream.GetNextPiece();
    if (tag) {
      return piece;
    }
    if (!piece.trimmed().isEmpty()) {
      Malformed();
    }
  }
}

QString PeekTag(TiXMLMemoryStream& stream) {
  const qint64 saved = stream.Position();
  const QString tag = NextTag(stream);
  stream.SetPosition(saved);
  return tag;
}

void Expect(TiXMLMemoryStream& stream, const char* tag) {
  if (NextTag(stream) != QLatin1String(tag)) {
    Malformed();
  }
}

}  // namespace

const TiThemeCategory& TiThemeCategoryList::Category(int index) const {
  if (index < 0 || index >= Count()) {
    ThrowListIndexError(index);
  }
  return m_categories[std::size_t(index)];
}

const TiThemeScheme& TiThemeCategoryList::Scheme(int categoryIndex, int schemeIndex) const {
  const TiThemeCategory& category = Category(categoryIndex);
  if (schemeIndex < 0 || schemeIndex >= int(category.Schemes.size())) {
    ThrowListIndexError(schemeIndex);
  }
  return category.Schemes[std::size_t(schemeIndex)];
}

TiThemeCategory& TiThemeCategoryList::FindOrAdd(const QString& name) {
  for (TiThemeCategory& category : m_categories) {
    if (category.Name.compare(name, Qt::CaseInsensitive) == 0) {
      return category;
    }
  }
  m_categories.push_back(TiThemeCategory{name, {}});
  return m_categories.back();
}

void TiThemeCategoryList::AddFromXml(const QByteArray& bytes, bool user) {
  TiXMLMemoryStream stream;
  stream.SetData(bytes);
  try {
    stream.GotoElementStart(QStringLiteral("SchemeTypes"));
    while (PeekTag(stream) == QLatin1String("SchemeType")) {
      NextTag(stream);
      TiThemeCategory& category = FindOrAdd(stream.GetElement(QStringLiteral("Name")));
      while (PeekTag(stream) == QLatin1String("Scheme")) {
        NextTag(stream);
        category.Schemes.push_back(TiThemeScheme{stream.GetElement(QStringLiteral("Name")), user, {}});
        QStringList& properties = category.Schemes.back().Properties;
        Expect(stream, "Properties");
        while (PeekTag(stream) != QLatin1String("/Properties")) {
          const QString path = NextTag(stream);
          if (path.startsWith(QLatin1Char('/'))) {
            Malformed();
          }
          const QString value = stream.GetElementValue();
          if (stream.GetNameElementStop() != path) {
            Malformed();
          }
          if (!path.isEmpty()) {
            properties << path + QStringLiteral(" = ") + value;
          }
        }
        Expect(stream, "/Properties");
        Expect(stream, "/Scheme");
      }
      Expect(stream, "/SchemeType");
    }
    Expect(stream, "/SchemeTypes");
  } catch (const EPlotError&) {
    Malformed();
  }
}
