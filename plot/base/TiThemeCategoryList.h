#pragma once

#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringList>

/// One named scheme: its property lines ("Font.Size = 12") and whether it
/// came from the user's file rather than the library's.
struct TiThemeScheme {
  QString Name;
  bool User = false;
  QStringList Properties;
};

/// A category of schemes.
struct TiThemeCategory {
  QString Name;
  std::vector<TiThemeScheme> Schemes;
};

/// The theme categories a control loaded from its scheme files: the
/// library's file first, then the user's, whose categories of the same name
/// (case ignored) take its schemes. Owned by the control; GUI thread.
class TiThemeCategoryList {
public:
  void Clear() { m_categories.clear(); }
  int Count() const { return int(m_categories.size()); }
  /// EPlotError "List index out of bounds (i)" for a bad index.
  const TiThemeCategory& Category(int index) const;
  const TiThemeScheme& Scheme(int categoryIndex, int schemeIndex) const;

  /// Adds the categories and schemes of one scheme file (SchemeTypes of
  /// SchemeType with a Name and Schemes, each a Name and Properties).
  /// EPlotError "Error Loading Scheme. XML File Malformed" where the file
  /// breaks that shape; what was read before stays.
  void AddFromXml(const QByteArray& bytes, bool user);

private:
  TiThemeCategory& FindOrAdd(const QString& name);

  std::vector<TiThemeCategory> m_categories;
};
