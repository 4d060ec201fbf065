#include "tools/windowgallery/WindowGallery.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include "app/TfmMain.h"
#include "link/LinkTransportFactory.h"
#include "platform/core/ProcessMemory.h"
#include "tools/windowgallery/DialogGallery.h"
#include "tools/windowgallery/FirDesignGallery.h"
#include "tools/windowgallery/FirGallery.h"
#include "widgets/buttons/TRzBmpButton.h"

namespace WindowGallery {

namespace {

const char* const kPageNames[] = {"InA",  "InB",  "InC",  "Out1",  "Out2",   "Out3", "Out4", "Out5",
                                  "Out6", "Comp", "Delay", "Gain", "Matrix", "Gate", "Limit"};
constexpr int kPages = 15;

bool Save(const QImage& image, const QString& path, Result& result, QString* error) {
  if (!image.save(path, "PNG")) {
    if (error != nullptr) {
      *error = QStringLiteral("cannot write ") + path;
    }
    return false;
  }
  result.written << path;
  return true;
}

QImage Sheet(const std::vector<QImage>& pages) {
  constexpr int kColumns = 5;
  constexpr double kScale = 0.3;
  const QSize cell = pages.front().size() * kScale;
  const int rows = int((pages.size() + kColumns - 1) / kColumns);
  QImage sheet(cell.width() * kColumns, cell.height() * rows, QImage::Format_RGB32);
  sheet.fill(Qt::black);
  QPainter painter(&sheet);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  for (std::size_t i = 0; i < pages.size(); ++i) {
    const QRect target(int(i % kColumns) * cell.width(), int(i / kColumns) * cell.height(), cell.width(),
                       cell.height());
    painter.drawImage(target, pages[i]);
  }
  return sheet;
}

}  // namespace

Result WriteAll(const QString& folder, QString* error) {
  Result result;
  if (!QDir().mkpath(folder)) {
    if (error != nullptr) {
      *error = QStringLiteral("cannot create ") + folder;
    }
    return result;
  }
  const QDir dir(folder);
  LinkTransportFactory factory;
  QElapsedTimer clock;
  clock.start();
  TfmMain window(factory, nullptr);
  window.show();
  QImage first = window.grab().toImage();
  result.firstPaintMilliseconds = double(clock.nsecsElapsed()) / 1e6;
  result.residentKilobytes = ResidentKilobytes();

  std::vector<QImage> pages;
  for (const char* language : {"en", "zh"}) {
    if (QLatin1String(language) == QLatin1String("zh")) {
      window.Controls().Find<TMenuItem>(QStringLiteral("ChineseSimplified"))->Click();
    }
    for (int page = 0; page < kPages; ++page) {
      TRzBmpButton* button = window.Form().PageButtons[page];
      button->Click();
      button->SetDown(true);
      const QImage image = window.grab().toImage();
      pages.push_back(image);
      const QString name = QStringLiteral("%1-%2-%3.png")
                               .arg(QLatin1String(language))
                               .arg(page, 2, 10, QLatin1Char('0'))
                               .arg(QLatin1String(kPageNames[page]));
      if (!Save(image, dir.filePath(name), result, error)) {
        return {};
      }
    }
    for (const auto& [stem, image] : DialogGallery::Render(window)) {
      const QString name = QStringLiteral("%1-dialog-%2.png").arg(QLatin1String(language), stem);
      if (!Save(image, dir.filePath(name), result, error)) {
        return {};
      }
    }
    for (const auto& [stem, image] : FirDesignGallery::Render(window)) {
      const QString name = QStringLiteral("%1-dialog-%2.png").arg(QLatin1String(language), stem);
      if (!Save(image, dir.filePath(name), result, error)) {
        return {};
      }
    }
  }
  window.Controls().Find<TMenuItem>(QStringLiteral("English"))->Click();
  for (const auto& [stem, image] : FirGallery::Render(window)) {
    if (!Save(image, dir.filePath(QStringLiteral("en-fir-%1.png").arg(stem)), result, error)) {
      return {};
    }
  }
  window.Form().PageButtons[0]->Click();
  window.Form().PageButtons[0]->SetDown(true);
  window.resize(1400, 900);
  if (!Save(window.grab().toImage(), dir.filePath(QStringLiteral("stretched.png")), result, error) ||
      !Save(Sheet(pages), dir.filePath(QStringLiteral("sheet.png")), result, error)) {
    return {};
  }
  return result;
}

}  // namespace WindowGallery
