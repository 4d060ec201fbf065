#pragma once

#include <vector>

#include <QImage>
#include <QString>
#include <QStringList>

/// Pictures of the panel widget set's frame styles and gradients, one per
/// style or direction plus an overview sheet with captions, for checking by
/// eye. GUI thread (fonts and images).
namespace Gallery {

struct Picture {
  QString fileName;  ///< e.g. "frame_fsGroove.png"
  QImage image;
};

/// Every frame style drawn plainly and shaded, every gradient direction,
/// and "gallery.png" with all of them captioned.
std::vector<Picture> RenderAll();

/// Writes one image as a PNG file, whole or not at all (temporary name,
/// then renamed); false with an error text.
bool WritePng(const QString& path, const QImage& image, QString* error);

/// Writes pictures as PNG files into folder (created if missing); returns
/// the paths written, or an empty list and an error text.
QStringList WritePictures(const std::vector<Picture>& pictures, const QString& folder, QString* error);

/// Writes RenderAll() into folder (created if missing); returns the paths
/// written, or an empty list and an error text.
QStringList WriteAll(const QString& folder, QString* error);

}  // namespace Gallery
