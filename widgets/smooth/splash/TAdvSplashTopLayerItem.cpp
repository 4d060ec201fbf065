#include "widgets/smooth/splash/TAdvSplashTopLayerItem.h"

#include "widgets/gdiplus/TGDIPFill.h"

void TAdvSplashHTMLText::Assign(const TAdvSplashHTMLText& source) {
  if (&source == this) {
    return;
  }
  m_text = source.m_text;
  m_location = source.m_location;
  m_top = source.m_top;
  m_left = source.m_left;
  m_urlColor = source.m_urlColor;
  m_shadowColor = source.m_shadowColor;
  m_shadowOffset = source.m_shadowOffset;
  m_font.Assign(source.m_font);
  Raise(OnChange, this);
}

TAdvSplashTopLayerItem::TAdvSplashTopLayerItem(TSplashCollection<TAdvSplashTopLayerItem>& collection)
    : m_collection(collection), m_fill(std::make_unique<TGDIPFill>()) {
  m_htmlText.OnChange = [this](TObject*) { m_collection.Changed(); };
  m_fill->OnChange = [this](TObject*) { m_collection.Changed(); };
}

TAdvSplashTopLayerItem::~TAdvSplashTopLayerItem() = default;

void TAdvSplashTopLayerItem::Assign(const TAdvSplashTopLayerItem& source) {
  if (&source == this) {
    return;
  }
  m_visible = source.m_visible;
  m_top = source.m_top;
  m_left = source.m_left;
  m_htmlText.Assign(source.m_htmlText);
  m_fill->Assign(source.m_fill.get());
  m_align = source.m_align;
  m_width = source.m_width;
  m_height = source.m_height;
  m_collection.Changed();
}
