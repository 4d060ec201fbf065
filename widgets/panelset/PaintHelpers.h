#pragma once

#include <QChar>
#include <QString>

#include "platform/text/TFont.h"
#include "platform/core/TRect.h"

class QWidget;
class TCanvas;
class TControl;

/// Small painting, text, font and platform helpers of the panel and button
/// widget set. Stateless; GUI thread.
namespace Rz {

/// Paints the parent's background and client area under the control into
/// the canvas (the control's own coordinates): the parent erases and then
/// paints into the canvas with the origin moved by the control's position
/// and the clip cut to the parent's client size. Nothing without a parent.
/// With invalidateParent, a parent that is neither a self-drawn control nor
/// a form is invalidated afterwards.
void PaintParentBackground(QWidget* control, TCanvas& canvas, bool invalidateParent);
/// Invalidates every direct child control whose Transparent is true.
void InvalidateTransparentChildren(QWidget* control);

/// DrawText with the whole text; returns its result (the text's height).
int DrawTextFormatted(TCanvas& canvas, const QString& text, TRect& rect, unsigned flags);
/// One line centred both ways in rect (rect is not changed).
void DrawTextCentered(TCanvas& canvas, const QString& text, const TRect& rect);

/// A copy of the font turned by angle degrees (escapement in tenths),
/// for the caller's canvas font.
TFont CreateAngledFont(const TFont& font, int angleDegrees);
bool IsTrueTypeFont(const TFont& font);

/// The text without accelerator marks: a single "&" is dropped, "&&" becomes
/// "&", the last character is always kept.
QString StripAccelerators(const QString& text);
/// The last character, or a null character for an empty text.
QChar LastCharOf(const QString& text);

/// Draws the drop-down arrow glyph centred in rect (style 0 classic, 1
/// themed; the system version makes both classic). The brush keeps its
/// colour and the pen is solid afterwards.
void PaintDropDownArrow(TCanvas& canvas, const TRect& rect, int arrowStyle, bool enabled);

enum class TWindowsVersion { XP, Vista };
bool WindowsVersionIs(TWindowsVersion version);
bool WindowsVersionAtLeast(TWindowsVersion version);

}  // namespace Rz
