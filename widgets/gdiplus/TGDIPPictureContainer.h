#pragma once

#include <memory>
#include <vector>

#include <QString>

#include "platform/core/TObject.h"
#include "widgets/gdiplus/TAdvGDIPPicture.h"

/// One named picture of a picture container; owns its picture.
class TPictureItem : public TObject {
public:
  TAdvGDIPPicture& Picture() { return m_picture; }
  void SetPicture(const TAdvGDIPPicture& picture) { m_picture.Assign(&picture); }
  QString Name() const { return m_name; }
  void SetName(const QString& name) { m_name = name; }
  int Tag() const { return m_tag; }
  void SetTag(int tag) { m_tag = tag; }

private:
  TAdvGDIPPicture m_picture;
  QString m_name;
  int m_tag = 0;
};

/// A named list of pictures, found by name ignoring letter case. Owns its
/// items. GUI thread only.
class TGDIPPictureContainer : public TObject {
public:
  TPictureItem& Add();
  TPictureItem& Insert(int index);
  int Count() const { return int(m_items.size()); }
  TPictureItem& Items(int index) { return *m_items.at(std::size_t(index)); }
  /// The picture of the first item with that name (any case), or nullptr.
  TAdvGDIPPicture* FindPicture(const QString& name);
  QString Version() const { return QStringLiteral("1.0.0.0"); }

private:
  std::vector<std::unique_ptr<TPictureItem>> m_items;
};
