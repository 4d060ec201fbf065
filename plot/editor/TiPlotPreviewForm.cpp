#include "plot/editor/TiPlotPreviewForm.h"

#include <utility>

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

#include "platform/pictures/TBitmap.h"
#include "platform/pictures/TPicture.h"
#include "platform/widgets/TWinControl.h"
#include "plot/base/iPaperSize.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiPlotObject.h"
#include "plot/editor/TiComponentEditorButton.h"
#include "plot/editor/TiPaintBox.h"
#include "plot/editor/TiPlotPreviewSettingsForm.h"
#include "plot/editor/iHandlerError.h"
#include "plot/editor/iPreviewPage.h"
#include "plot/editor/iTranslateForm.h"

namespace {

/// The Windows paper codes of the preview's paper sizes.
int PaperCodeOf(int printSize) {
  switch (printSize) {
    case 1:
      return 5;
    case 2:
      return 8;
    case 3:
      return 9;
    case 4:
      return 11;
    default:
      return 1;
  }
}

/// A small printer drawn in grey tones: paper tray, body and a sheet.
QIcon PrinterIcon() {
  QPixmap pixmap(20, 20);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setPen(QColor(0, 0, 0));
  painter.setBrush(QColor(255, 255, 255));
  painter.drawRect(5, 1, 9, 7);
  painter.setBrush(QColor(192, 192, 192));
  painter.drawRect(1, 8, 17, 7);
  painter.setBrush(QColor(128, 128, 128));
  painter.drawRect(3, 15, 13, 3);
  painter.fillRect(14, 10, 2, 2, QColor(0, 160, 0));
  return QIcon(pixmap);
}

/// Hides toolbar 0 of a plot while it lives (a plot without toolbars is
/// left alone) and gives it its visibility back.
class TFirstToolBarHidden {
public:
  explicit TFirstToolBarHidden(TiPlotComponent& plot) {
    TiPlotKindManager& toolBars = plot.Master().ToolBarManager();
    if (toolBars.Count() > 0) {
      m_toolBar = toolBars.Items(0);
      m_visible = m_toolBar->Visible();
      m_toolBar->SetVisible(false);
    }
  }
  ~TFirstToolBarHidden() {
    if (m_toolBar != nullptr) {
      m_toolBar->SetVisible(m_visible);
    }
  }
  TFirstToolBarHidden(const TFirstToolBarHidden&) = delete;
  TFirstToolBarHidden& operator=(const TFirstToolBarHidden&) = delete;

private:
  TiPlotObject* m_toolBar = nullptr;
  bool m_visible = false;
};

}  // namespace

TiPlotPreviewForm::TiPlotPreviewForm(QWidget* parent)
    : TForm(parent),
      Panel2(new TWinControl(this)),
      PrintButton(new QToolButton(Panel2)),
      SettingsButton(new TiComponentEditorButton(Panel2)),
      CloseButton(new QToolButton(Panel2)),
      Preview(new TiPaintBox(this)) {
  SetName(QStringLiteral("iPlotPreviewForm"));
  SetBounds(0, 0, 836, 563);
  setMinimumSize(500, 300);
  // Border icons: the system menu and maximise.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  SetColor(clBtnFace);
  SetPosition(TPosition::poScreenCenter);
  Font().SetName(QStringLiteral("MS Sans Serif"));
  Font().SetHeight(-11);

  Panel2->SetName(QStringLiteral("Panel2"));
  Panel2->SetBounds(0, 0, 836, 41);
  Panel2->SetAlign(TAlign::alTop);
  PrintButton->setObjectName(QStringLiteral("PrintButton"));
  PrintButton->setGeometry(8, 8, 28, 28);
  PrintButton->setIcon(PrinterIcon());
  PrintButton->setIconSize(QSize(20, 20));
  PrintButton->setFocusPolicy(Qt::NoFocus);
  SettingsButton->SetName(QStringLiteral("SettingsButton"));
  SettingsButton->SetCaption(QStringLiteral("Settings"));
  SettingsButton->SetBounds(48, 8, 75, 28);
  CloseButton->setObjectName(QStringLiteral("CloseButton"));
  CloseButton->setText(QStringLiteral("Close"));
  CloseButton->setGeometry(135, 8, 75, 28);
  CloseButton->setFocusPolicy(Qt::NoFocus);
  Preview->SetName(QStringLiteral("Preview"));
  Preview->SetAlign(TAlign::alClient);

  connect(CloseButton, &QToolButton::clicked, this, [this] { CloseButtonClick(); });
  connect(PrintButton, &QToolButton::clicked, this, [this] { RunShowingErrors(this, [this] { PrintButtonClick(); }); });
  SettingsButton->OnClick = [this](TObject*) { SettingsButtonClick(); };
  Preview->OnPaint = [this](TObject*) { PreviewPaint(); };
}

void TiPlotPreviewForm::DoTranslation() {
  if (iComponent != nullptr) {
    TranslateForm(this, iComponent->Master().TranslationManager());
  }
}

void TiPlotPreviewForm::CloseButtonClick() { SetModalResult(mrOk); }

void TiPlotPreviewForm::PrintButtonClick() {
  if (iComponent == nullptr) {
    return;
  }
  iComponent->PrintChart();
  Preview->update();
}

void TiPlotPreviewForm::SettingsButtonClick() {
  TiPlotPreviewSettingsForm settings;
  settings.SetValues(*this);
  if (iComponent != nullptr) {
    TranslateForm(&settings, iComponent->Master().TranslationManager());
  }
  if (settings.ShowModal() != mrOk) {
    return;
  }
  settings.TakeValues(*this);
  if (iComponent != nullptr) {
    TiPlotStoredSettings& stored = iComponent->StoredSettings();
    stored.PrintMarginLeft = PrintMarginLeft;
    stored.PrintMarginTop = PrintMarginTop;
    stored.PrintMarginRight = PrintMarginRight;
    stored.PrintMarginBottom = PrintMarginBottom;
    stored.PrintOrientation = PrintOrientation;
    stored.PrintDocumentName = PrintDocumentName;
  }
  SetCaption(PrintDocumentName + QStringLiteral(" (Preview)"));
  Preview->update();
}

TiPreviewPage TiPlotPreviewForm::PageLayout(int boxWidth, int boxHeight) {
  double paperWidth = 8.5;
  double paperHeight = 11;
  PaperSizeInches(PaperCodeOf(PrintSize), paperWidth, paperHeight);
  if (PrintOrientation == TPrinterOrientation::poLandscape) {
    std::swap(paperWidth, paperHeight);
  }
  TiPrintMargins margins;
  int pictureWidth = 0;
  int pictureHeight = 0;
  if (iComponent != nullptr) {
    const TiPlotStoredSettings& stored = iComponent->StoredSettings();
    margins = {stored.PrintMarginLeft, stored.PrintMarginTop, stored.PrintMarginRight, stored.PrintMarginBottom};
    pictureWidth = iComponent->Width();
    pictureHeight = iComponent->Height();
  }
  return PlacePreviewPage(boxWidth, boxHeight, paperWidth, paperHeight, margins, pictureWidth, pictureHeight);
}

void TiPlotPreviewForm::DrawPage(TCanvas& canvas, int boxWidth, int boxHeight) {
  const TiPreviewPage page = PageLayout(boxWidth, boxHeight);
  canvas.Brush().SetColor(clBtnFace);
  canvas.FillRect(Rect(0, 0, boxWidth, boxHeight));
  if (page.Page.Width() <= 0 || page.Page.Height() <= 0) {
    return;
  }
  canvas.Brush().SetColor(clBlack);
  canvas.Rectangle(OffsetRect(page.Page, 7, 7));
  canvas.Brush().SetColor(clWhite);
  canvas.Rectangle(page.Page);
  if (page.HasPicture && iComponent != nullptr) {
    const TPicture& snapShot = iComponent->GetSnapShotPicture();
    if (const TGraphic* graphic = snapShot.Graphic()) {
      canvas.StretchDraw(page.Picture, *graphic);
    }
  }
}

void TiPlotPreviewForm::PreviewPaint() {
  const int width = Preview->Width();
  const int height = Preview->Height();
  TBitmap bitmap(width, height);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Pen().SetColor(clBlack);
  canvas.Pen().SetWidth(1);
  canvas.Brush().SetColor(clBtnFace);
  canvas.FillRect(Rect(0, 0, width, height));
  if (iComponent == nullptr) {
    DrawPage(canvas, width, height);
  } else {
    {
      TFirstToolBarHidden hidden(*iComponent);
      Raise(iComponent->OnBeforePrint, this);
      DrawPage(canvas, width, height);
    }
    Raise(iComponent->OnAfterPrint, this);
  }
  Preview->Canvas().Draw(0, 0, bitmap);
}
