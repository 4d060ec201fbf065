#pragma once

#include <QString>

#include "platform/drawing/TColor.h"
#include "platform/core/TRect.h"

class TFont;
class TGDIPPictureContainer;
class TGPGraphics;
class TImageList;

/// What RenderHTMLText takes besides surface, font, text and bounds.
struct THTMLRenderOptions {
  const TImageList* Images = nullptr;  ///< source of "IDX:" images
  TGDIPPictureContainer* PictureContainer = nullptr;  ///< source of named pictures
  int HitX = 0;  ///< point tested for anchors and images, in the coordinates of the bounds
  int HitY = 0;
  int FocusLink = -1;  ///< anchor FocusLink + 1 gives FocusAnchor; -1 for none
  int HoverLink = -1;  ///< anchor shown hovered; -1 for none
  int ShadowOffset = 0;
  bool HitTestOnly = false;  ///< the second pass of each line only measures and tests the point
  bool MeasureOnly = false;  ///< nothing is drawn; the bottom of the bounds does not stop the layout
  bool Print = false;
  bool Selected = false;  ///< colour changes of the markup are not applied
  bool BlinkOn = false;
  bool HoverOnly = false;  ///< anchors are styled only while hovered
  bool WordWrap = true;
  double ResFactor = 1.0;  ///< scale of shell icons when printing
  TColor URLColor = clBlue;
  TColor LinkBackColor = clNone;
  TColor LinkFontColor = clNone;
  TColor ShadowColor = clGray;
  int LineSpacing = 0;  ///< pixels between lines
};

/// What RenderHTMLText found.
struct THTMLRenderResult {
  bool Hit = false;  ///< the point lies on an anchor's text or on an image inside an anchor
  QString AnchorValue;  ///< target of the anchor under the point
  QString PlainText;  ///< the text without tags, a CR per line-break tag
  QString FocusAnchor;
  int TotalWidth = 0;  ///< widest line + 2
  int TotalHeight = 0;  ///< height of the lines laid out + 2
  int LinkCount = 0;
  int HoverLinkIndex = -1;
  TRect HoverRect;
};

/// Lays out the HTML-like splash markup (bold, italic, underline, fonts,
/// colours, sub- and superscript, shadow, hidden text, paragraphs, lists,
/// images, anchors, line breaks) line by line in `bounds`, measuring or
/// drawing it on `surface`. Any text is laid out: the markup is read in one
/// walk without recursion, each line consumes markup, numbers saturate and
/// a tag without ">" ends the text. Keeps nothing between calls. GUI thread.
THTMLRenderResult RenderHTMLText(TGPGraphics& surface, const TFont& baseFont, const QString& text,
                                 const TRect& bounds, const THTMLRenderOptions& options);
