#include <algorithm>
#include <optional>

#include <QStringList>

#include "platform/pictures/TBitmap.h"

#include "platform/pictures/TClipboard.h"
#include "platform/pictures/TJPEGImage.h"
#include "platform/pictures/TMetafile.h"
#include "platform/pictures/TPicture.h"
#include "platform/widgets/FileChooser.h"
#include "plot/base/EPlotError.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiPlotToolBarsHidden.h"
#include "plot/core/TiPlotUpdateBlock.h"

namespace {
// The save dialog's filter entries, in TiPlotImageFormatStyle order.
const char* const kExtensions[] = {"bmp", "emf", "jpg", "png"};

void Check(bool ok, const QString& error) {
  if (!ok) {
    throw EPlotError(error);
  }
}
}  // namespace

void TiPlotComponent::CopyToClipBoard() {
  TUpdateBlock update(*this);
  TiPlotToolBarsHidden hidden(*this);
  Master().DeSelectAll();
  QString error;
  switch (m_storedSettings.CopyToClipBoardFormat) {
    case TiPlotExportFormat::ipefMetaFile:
      if (!m_metaFile) {
        m_metaFile = std::make_unique<TMetafile>();
      }
      PaintToMetafile(*m_metaFile, QStringLiteral("Strip Chart"));
      Check(TClipboard::Assign(*m_metaFile, QStringLiteral("image/emf"), &error), error);
      break;
    case TiPlotExportFormat::ipefBitmap:
      Check(TClipboard::Assign(*RenderBitmap(), QString(), &error), error);
      break;
    case TiPlotExportFormat::ipefJPEG:
      Check(TClipboard::Assign(*MakeJPEGImage(100, false), QStringLiteral("image/jpeg"), &error), error);
      break;
  }
}

TPicture& TiPlotComponent::GetSnapShotPicture() {
  if (!m_snapShotPicture) {
    m_snapShotPicture = std::make_unique<TPicture>();
  }
  if (!m_metaFile) {
    m_metaFile = std::make_unique<TMetafile>();
  }
  PaintToMetafile(*m_metaFile, QStringLiteral("iPlot"));
  m_snapShotPicture->SetGraphic(m_metaFile->Clone());
  return *m_snapShotPicture;
}

void TiPlotComponent::Save() {
  FileDialogChoice choice;
  choice.kind = FileChoice::Kind::Save;
  choice.directory = m_storedSettings.DefaultSaveImageDirectory;
  choice.filter = QStringLiteral(
      "Bitmap (*.bmp)|*.bmp|Enhanced Metafile (*.emf)|*.emf|JPEG File (*.jpg)|*.jpg|PNG (*.png)|*.png");
  choice.initialPath = QStringLiteral("Untitled");
  choice.filterIndex = int(m_storedSettings.DefaultSaveImageFormat) + 1;
  const std::optional<FileAnswer> answer = FileChooser::ChooseFiles(this, choice);
  if (!answer || answer->files.isEmpty()) {
    return;
  }
  Master().DeSelectAll();
  QString fileName = answer->files.first();
  int format = -1;
  for (int i = 0; i < 4; ++i) {
    if (fileName.right(3).compare(QLatin1String(kExtensions[i]), Qt::CaseInsensitive) == 0) {
      format = i;
    }
  }
  if (format < 0) {
    format = std::clamp(answer->filterIndex, 1, 4) - 1;
    fileName += QLatin1Char('.') + QLatin1String(kExtensions[format]);
  }
  switch (TiPlotImageFormatStyle(format)) {
    case TiPlotImageFormatStyle::ipifBitmap: {
      QString error;
      Check(SaveImageToBitmap(fileName, &error), error);
      break;
    }
    case TiPlotImageFormatStyle::ipifEnhancedMetaFile:
      SaveImageToMetaFile(fileName);
      break;
    case TiPlotImageFormatStyle::ipifJPEG:
      SaveImageToJPEG(fileName, 100, true);
      break;
    case TiPlotImageFormatStyle::ipifPNG:
      SaveImageToPNG(fileName, 9);
      break;
  }
}
