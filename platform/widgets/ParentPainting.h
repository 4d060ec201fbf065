#pragma once

class QWidget;
class TCanvas;

/// How a control asks another window to draw into its canvas, as erase and
/// print-client messages carrying a device context do: our controls run
/// their PaintBackground or Paint on the canvas (TControl::PaintBackgroundTo,
/// PaintClientTo); other widgets fill their palette background (if they
/// fill one) or render their own painting, without children. The canvas's
/// origin and clip apply. GUI thread only.
namespace ParentPainting {

void SendEraseBackground(QWidget* target, TCanvas& canvas);
void SendPrintClient(QWidget* target, TCanvas& canvas);

}  // namespace ParentPainting
