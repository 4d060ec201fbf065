#include "widgets/gdiplus/TGPStringFormat.h"

#include "widgets/gdiplus/GdipNative.h"

using Gdip::GpStringFormat;

TGPStringFormat::TGPStringFormat(int formatFlags, int language)
    : m_nativeFormat(std::make_unique<GpStringFormat>()) {
  m_nativeFormat->flags = formatFlags;
  m_nativeFormat->language = language;
}

TGPStringFormat::TGPStringFormat(const TGPStringFormat* format)
    : m_nativeFormat(format && format->m_nativeFormat ? std::make_unique<GpStringFormat>(*format->m_nativeFormat)
                                                       : std::make_unique<GpStringFormat>()) {}

TGPStringFormat::TGPStringFormat(std::unique_ptr<GpStringFormat> native, Status status)
    : TGdiplusBase(status), m_nativeFormat(std::move(native)) {}

TGPStringFormat::~TGPStringFormat() = default;

template <typename T, typename F>
T TGPStringFormat::Read(F field, T fallback) {
  if (!m_nativeFormat) {
    RecordStatus(Status::InvalidParameter);
    return fallback;
  }
  return (*m_nativeFormat).*field;
}

template <typename T, typename F>
Status TGPStringFormat::Write(F field, T value) {
  if (!m_nativeFormat) {
    return RecordStatus(Status::InvalidParameter);
  }
  (*m_nativeFormat).*field = value;
  return Status::Ok;
}

Status TGPStringFormat::SetAlignment(StringAlignment align) { return Write(&GpStringFormat::alignment, align); }
StringAlignment TGPStringFormat::GetAlignment() {
  return Read(&GpStringFormat::alignment, StringAlignment::StringAlignmentNear);
}
Status TGPStringFormat::SetLineAlignment(StringAlignment align) {
  return Write(&GpStringFormat::lineAlignment, align);
}
StringAlignment TGPStringFormat::GetLineAlignment() {
  return Read(&GpStringFormat::lineAlignment, StringAlignment::StringAlignmentNear);
}
Status TGPStringFormat::SetFormatFlags(int flags) { return Write(&GpStringFormat::flags, flags); }
int TGPStringFormat::GetFormatFlags() { return Read(&GpStringFormat::flags, 0); }
Status TGPStringFormat::SetTrimming(StringTrimming trimming) { return Write(&GpStringFormat::trimming, trimming); }
StringTrimming TGPStringFormat::GetTrimming() {
  return Read(&GpStringFormat::trimming, StringTrimming::StringTrimmingNone);
}
Status TGPStringFormat::SetHotkeyPrefix(HotkeyPrefix hotkeyPrefix) {
  return Write(&GpStringFormat::hotkeyPrefix, hotkeyPrefix);
}
HotkeyPrefix TGPStringFormat::GetHotkeyPrefix() {
  return Read(&GpStringFormat::hotkeyPrefix, HotkeyPrefix::HotkeyPrefixNone);
}
