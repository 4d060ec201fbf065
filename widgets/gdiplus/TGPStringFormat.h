#pragma once

#include <memory>

#include "widgets/gdiplus/TGdiplusBase.h"

namespace Gdip {
struct GpStringFormat;
}

/// Layout of text in a rectangle: alignment across and along the line,
/// flags, trimming and hot-key prefix. Owned by its creator. GUI thread only.
class TGPStringFormat : public TGdiplusBase {
public:
  explicit TGPStringFormat(int formatFlags = 0, int language = 0);
  /// A copy of another format (defaults without one).
  explicit TGPStringFormat(const TGPStringFormat* format);
  TGPStringFormat(std::unique_ptr<Gdip::GpStringFormat> native, Status status);
  ~TGPStringFormat() override;

  Status SetAlignment(StringAlignment align);
  StringAlignment GetAlignment();
  Status SetLineAlignment(StringAlignment align);
  StringAlignment GetLineAlignment();
  Status SetFormatFlags(int flags);
  int GetFormatFlags();
  Status SetTrimming(StringTrimming trimming);
  StringTrimming GetTrimming();
  Status SetHotkeyPrefix(HotkeyPrefix hotkeyPrefix);
  HotkeyPrefix GetHotkeyPrefix();

  Gdip::GpStringFormat* NativeFormat() const { return m_nativeFormat.get(); }

private:
  template <typename T, typename F>
  T Read(F field, T fallback);
  template <typename T, typename F>
  Status Write(F field, T value);

  std::unique_ptr<Gdip::GpStringFormat> m_nativeFormat;
};
