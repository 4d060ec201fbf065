// Style presets of the track bar.
#include "widgets/trackbar/TCustomTrackBar.h"

namespace {
using AdvTrackBar::TGDIPGradient;

struct FiveColors {
  TColor color, colorTo, mirror, mirrorTo, border;
};

struct StyleTable {
  FiveColors thumb;
  FiveColors buttons;
  TColor slider;
  FiveColors hot;
  FiveColors down;
  TColor buttonsHotBorder = clNone;  ///< clNone: as hot.border
};

constexpr FiveColors kHot2003{13432063, 11332863, 5888767, 9556223, 10079963};
constexpr FiveColors kDown2003{7778289, 4296947, 946929, 5021693, 4548219};
constexpr FiveColors kHot2007{15465983, 11332863, 5888767, 10807807, 10079963};
constexpr FiveColors kHot2010{14678013, 7987195, 7987195, 14678013, 3457776};
constexpr FiveColors kDown2010{6670325, 9102591, 9102591, 6670325, 2914498};

StyleTable TableOf(TStylePreset style) {
  switch (style) {
    case TStylePreset::tsOffice2003Blue:
      return {{15653832, 16178633, 15586496, 16245200, 14727579}, {16706781, 16374724, 16706781, 14854529, 10248507},
              12752500, kHot2003, kDown2003};
    case TStylePreset::tsOffice2003Silver:
      return {{15586496, 15128792, 15586496, 13152947, 9598070}, {15586496, 15128792, 15586496, 13152947, 9598070},
              9598070, kHot2003, kDown2003};
    case TStylePreset::tsOffice2003Olive:
      return {{13627626, 13627626, 13627626, 9224369, 9224369}, {13627626, 13627626, 13627626, 9224369, 9224369},
              9224369, kHot2003, kDown2003};
    case TStylePreset::tsOffice2003Classic:
      return {{16777215, 13226453, 16777215, 13226453, 0}, {16777215, 13226453, 16777215, 13226453, 0}, 9598070,
              kHot2007, kDown2003};
    case TStylePreset::tsOffice2007Luna:
      return {{15653832, 16178633, 15586496, 16245200, 14727579}, {15653832, 16178633, 15586496, 16245200, 14727579},
              12752500, kHot2007, kDown2003};
    case TStylePreset::tsOffice2007Obsidian:
      return {{14671574, 15000283, 14144974, 15197664, 12631218}, {14671574, 15000283, 14144974, 15197664, 12631218},
              12631218, kHot2007, kDown2003};
    case TStylePreset::tsWindowsXP:
      return {{16777215, 12179676, 12179676, 12179676, 12179676}, {16777215, 12179676, 12179676, 12179676, 12179676},
              9598070, {15717318, 15717318, 15717318, 15717318, clHighlight},
              {11899524, 11899524, 11899524, 11899524, clHighlight}};
    case TStylePreset::tsWhidbey:
      return {{16777215, 14675440, 14675440, 14675440, 10070188}, {16777215, 14675440, 14675440, 14675440, 10070188},
              9598070, kHot2003, kDown2003};
    case TStylePreset::tsOffice2007Silver:
      return {{15987697, 16119283, 15657703, 16316406, 13421257}, {15987697, 16119283, 15657703, 16316406, 13421257},
              13421257, kHot2007, kDown2003};
    case TStylePreset::tsWindowsVista:
      return {{16776697, 16642263, clNone, clNone, 16703386}, {16776697, 16642263, 16776697, 16642263, 16703386},
              16703386, {16776697, 16775920, clNone, clNone, 16703386}, {16710128, 16642263, clNone, clNone, 16703386}};
    case TStylePreset::tsWindows7:
      return {{16575452, 16571329, clNone, clNone, 13542013}, {16575452, 16571329, 16575452, 16571329, 13542013},
              13542013, {16645114, 16643051, clNone, clNone, 14922381}, {16575452, 16571329, clNone, clNone, 13542013}};
    case TStylePreset::tsTerminal:
      return {{clBtnFace, clBtnFace, clNone, clNone, 0}, {clBtnFace, clBtnFace, clBtnFace, clBtnFace, 0}, 0,
              {12632256, 12632256, clNone, clNone, 0}, {clHighlight, clHighlight, clNone, clNone, 0}};
    case TStylePreset::tsOffice2010Blue:
      return {{16710905, 15391181, clNone, clNone, 10060659}, {16710905, 15391181, 15391181, 15391181, 10060659},
              10060659, kHot2010, kDown2010};
    case TStylePreset::tsOffice2010Silver:
      return {{16645370, 16645370, clNone, clNone, 9734527}, {16645370, 16645370, 16645370, 16645370, 9734527},
              9734527, kHot2010, kDown2010};
    case TStylePreset::tsOffice2010Black:
      return {{13224393, 8421504, clNone, clNone, 2500134}, {13224393, 8421504, 8421504, 8421504, 2500134}, 2500134,
              kHot2010, kDown2010};
    case TStylePreset::tsCustom:
      break;
  }
  return {};
}

void ApplyColors(TTrackBarFace& part, const FiveColors& normal, const FiveColors& hot, const FiveColors& down) {
  part.SetColor(normal.color);
  part.SetColorTo(normal.colorTo);
  part.SetColorMirror(normal.mirror);
  part.SetColorMirrorTo(normal.mirrorTo);
  part.SetBorderColor(normal.border);
  part.SetColorHot(hot.color);
  part.SetColorHotTo(hot.colorTo);
  part.SetColorMirrorHot(hot.mirror);
  part.SetColorMirrorHotTo(hot.mirrorTo);
  part.SetBorderColorHot(hot.border);
  part.SetColorDown(down.color);
  part.SetColorDownTo(down.colorTo);
  part.SetColorMirrorDown(down.mirror);
  part.SetColorMirrorDownTo(down.mirrorTo);
  part.SetBorderColorDown(down.border);
  part.SetGradient(TGDIPGradient::ggVertical);
  part.SetGradientMirror(TGDIPGradient::ggVertical);
}
}  // namespace

void TCustomTrackBar::SetComponentStyle(TStylePreset style) {
  m_slider->SetOffset(10);
  for (TGDIPPicture* p : {&m_slider->Picture(), &m_slider->PictureDisabled(), &m_slider->PictureCompleted(),
                          &m_slider->PictureCompletedDisabled(), &m_tickMark.Picture(), &m_tickMark.PictureDisabled(),
                          &m_thumb->Picture(), &m_thumb->PictureHot(), &m_thumb->PictureDown(),
                          &m_thumb->PictureDisabled()}) {
    p->Assign(nullptr);
  }
  m_slider->SetPictureStretched(false);
  m_tickMark.SetPosition(TTickMark::tmBottomRight);
  m_thumb->SetShape(TThumbShape::tsPointer);
  m_buttons.SetSpacing(2);
  if (style != TStylePreset::tsCustom) {
    const StyleTable table = TableOf(style);
    ApplyColors(*m_thumb, table.thumb, table.hot, table.down);
    ApplyColors(m_buttons, table.buttons, table.hot, table.down);
    m_slider->SetBorderColor(table.slider);
    m_tickMark.SetColor(m_slider->BorderColor());
  }
  Invalidate();
}
