#pragma once

class TPrinter;

/// The paper sizes of printing. GUI thread (the printer's).

/// The size in inches of a Windows paper code 1 to 68 but 48 and 49
/// (Letter 8.5 x 11, A4 210 x 297 mm / 25.4); other codes leave width and
/// height as they are.
void PaperSizeInches(int paperCode, double& width, double& height);

/// The paper of printer in inches, width and height swapped in landscape.
/// EPlotError "Could not initialize printer DeviceMode Structure" when the
/// printer's paper has no known size.
void GetPrinterPaperSize(TPrinter& printer, double& width, double& height);
