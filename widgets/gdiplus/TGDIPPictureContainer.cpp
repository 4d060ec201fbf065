#include "widgets/gdiplus/TGDIPPictureContainer.h"

TPictureItem& TGDIPPictureContainer::Add() { return *m_items.emplace_back(std::make_unique<TPictureItem>()); }

TPictureItem& TGDIPPictureContainer::Insert(int index) {
  const auto at = m_items.begin() + std::clamp<std::ptrdiff_t>(index, 0, std::ptrdiff_t(m_items.size()));
  return **m_items.insert(at, std::make_unique<TPictureItem>());
}

TAdvGDIPPicture* TGDIPPictureContainer::FindPicture(const QString& name) {
  const QString wanted = name.toUpper();
  for (const auto& item : m_items) {
    if (item->Name().toUpper() == wanted) {
      return &item->Picture();
    }
  }
  return nullptr;
}
