#pragma once

#include <memory>

#include <QString>

#include "widgets/gdiplus/TGdiplusBase.h"

namespace Gdip {
struct GpFont;
struct GpFontFamily;
}  // namespace Gdip

/// A font collection: the layer knows only the installed faces, so a
/// collection is always empty and asks them. GUI thread only.
class TGPFontCollection : public TGdiplusBase {
public:
  TGPFontCollection() = default;
};

/// A font family by face name (original face names are mapped to the
/// installed ones); a face that is not installed fails with
/// FontFamilyNotFound. Owned by its creator, except the three generic
/// families, which live until the process ends. GUI thread only.
class TGPFontFamily : public TGdiplusBase {
public:
  explicit TGPFontFamily(const QString& name, const TGPFontCollection* collection = nullptr);
  TGPFontFamily(std::unique_ptr<Gdip::GpFontFamily> native, Status status);
  ~TGPFontFamily() override;

  static TGPFontFamily* GenericSansSerif();
  static TGPFontFamily* GenericSerif();
  static TGPFontFamily* GenericMonospace();

  Gdip::GpFontFamily* NativeFamily() const { return m_nativeFamily.get(); }

private:
  std::unique_ptr<Gdip::GpFontFamily> m_nativeFamily;
};

/// A font: family, em size in a unit, and style bits (FontStyleBold ...).
/// Owned by its creator. GUI thread only.
class TGPFont : public TGdiplusBase {
public:
  TGPFont(const TGPFontFamily* family, float emSize, int style = FontStyleRegular,
          Unit_ unit = Unit_::UnitPoint);
  /// From a face name; a face that is not installed gives the generic
  /// sans-serif family, with that creation's status.
  TGPFont(const QString& familyName, float emSize, int style = FontStyleRegular, Unit_ unit = Unit_::UnitPoint,
          const TGPFontCollection* collection = nullptr);
  TGPFont(std::unique_ptr<Gdip::GpFont> native, Status status);
  ~TGPFont() override;

  Gdip::GpFont* NativeFont() const { return m_nativeFont.get(); }

private:
  void Create(const TGPFontFamily* family, float emSize, int style, Unit_ unit);

  std::unique_ptr<Gdip::GpFont> m_nativeFont;
};
