#include "platform/pictures/TMetafile.h"

#include <QPainter>
#include <QtEndian>

#include "platform/drawing/TCanvas.h"

namespace {
constexpr quint32 kEmrHeader = 1;
constexpr quint32 kEmrEof = 14;
constexpr quint32 kEmrStretchDIBits = 81;
constexpr quint32 kEmfSignature = 0x464D4520;  // " EMF"
constexpr quint32 kSrcCopy = 0x00CC0020;
constexpr int kHeaderSize = 108;               // with both header extensions
constexpr int kStretchDIBitsSize = 80;
constexpr int kBitmapInfoSize = 40;
constexpr int kEofSize = 20;
// The reference device: a 1920 x 1080 screen at 96 pixels per inch.
constexpr int kDeviceWidth = 1920;
constexpr int kDeviceHeight = 1080;
constexpr int kDeviceWidthMm = 508;
constexpr int kDeviceHeightMm = 286;

class Writer {
public:
  explicit Writer(QByteArray& bytes) : m_bytes(bytes) {}
  void U32(quint32 v) { Raw(qToLittleEndian(v)); }
  void I32(qint32 v) { Raw(qToLittleEndian(v)); }
  void U16(quint16 v) { Raw(qToLittleEndian(v)); }
  void Rect(int l, int t, int r, int b) {
    I32(l);
    I32(t);
    I32(r);
    I32(b);
  }
  void Bytes(const char* data, qsizetype size) { m_bytes.append(data, size); }

private:
  template <typename T>
  void Raw(T v) {
    m_bytes.append(reinterpret_cast<const char*>(&v), sizeof v);
  }
  QByteArray& m_bytes;
};

int HundredthsOfMm(int pixels) { return int(qint64(pixels) * 2540 / 96); }
}  // namespace

void TMetafile::SetSize(int width, int height) {
  m_bitmap.SetSize(width, height);
  m_bitmap.Canvas().Brush().SetStyle(TBrushStyle::bsSolid);
  m_bitmap.Canvas().Brush().SetColor(clWhite);
  m_bitmap.Canvas().FillRect({0, 0, width, height});
  Changed();
}

void TMetafile::SetCreatorAndDescription(const QString& creator, const QString& description) {
  m_creator = creator;
  m_description = description;
}

std::unique_ptr<TGraphic> TMetafile::Clone() const {
  auto copy = std::make_unique<TMetafile>();
  copy->m_bitmap.Assign(m_bitmap);
  copy->m_creator = m_creator;
  copy->m_description = m_description;
  return copy;
}

void TMetafile::DrawOn(TCanvas& canvas, const TRect& r) const {
  if (Empty() || r.IsEmpty()) {
    return;
  }
  auto painter = canvas.BeginPainter();
  painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter->drawImage(QRect(r.Left, r.Top, r.Width(), r.Height()), m_bitmap.Image());
}

bool TMetafile::LoadFromBytes(const QByteArray&, QString* error) {
  if (error != nullptr) {
    *error = QStringLiteral("Metafiles cannot be loaded");
  }
  return false;
}

bool TMetafile::SaveToBytes(QByteArray& bytes, QString* error) const {
  if (Empty()) {
    if (error != nullptr) {
      *error = QStringLiteral("Cannot save an empty picture");
    }
    return false;
  }
  const int w = Width();
  const int h = Height();
  const QString text = m_creator + QChar(0) + m_description + QChar(0) + QChar(0);
  const int descriptionBytes = int(text.size()) * 2;
  const int descriptionPadded = (descriptionBytes + 3) / 4 * 4;
  const int headerSize = kHeaderSize + descriptionPadded;
  const qint64 stride = (qint64(w) * 3 + 3) / 4 * 4;
  const qint64 bitsSize = stride * h;
  const qint64 dibitsSize = kStretchDIBitsSize + kBitmapInfoSize + bitsSize;
  const qint64 total = headerSize + dibitsSize + kEofSize;
  if (total > 0x7FFFFFFF) {
    if (error != nullptr) {
      *error = QStringLiteral("Picture too large for a metafile");
    }
    return false;
  }
  bytes.clear();
  bytes.reserve(qsizetype(total));
  Writer out(bytes);

  out.U32(kEmrHeader);
  out.U32(quint32(headerSize));
  out.Rect(0, 0, w - 1, h - 1);
  out.Rect(0, 0, HundredthsOfMm(w) - 1, HundredthsOfMm(h) - 1);
  out.U32(kEmfSignature);
  out.U32(0x10000);
  out.U32(quint32(total));
  out.U32(3);  // header, picture, end
  out.U16(1);
  out.U16(0);
  out.U32(quint32(text.size()));
  out.U32(kHeaderSize);
  out.U32(0);
  out.I32(kDeviceWidth);
  out.I32(kDeviceHeight);
  out.I32(kDeviceWidthMm);
  out.I32(kDeviceHeightMm);
  out.U32(0);  // no pixel format
  out.U32(0);
  out.U32(0);  // not OpenGL
  out.I32(kDeviceWidthMm * 1000);
  out.I32(kDeviceHeightMm * 1000);
  for (const QChar c : text) {
    out.U16(c.unicode());
  }
  bytes.append(descriptionPadded - descriptionBytes, '\0');

  out.U32(kEmrStretchDIBits);
  out.U32(quint32(dibitsSize));
  out.Rect(0, 0, w - 1, h - 1);
  out.I32(0);  // destination x, y
  out.I32(0);
  out.I32(0);  // source x, y, width, height
  out.I32(0);
  out.I32(w);
  out.I32(h);
  out.U32(kStretchDIBitsSize);
  out.U32(kBitmapInfoSize);
  out.U32(kStretchDIBitsSize + kBitmapInfoSize);
  out.U32(quint32(bitsSize));
  out.U32(0);  // DIB_RGB_COLORS
  out.U32(kSrcCopy);
  out.I32(w);
  out.I32(h);
  // BITMAPINFOHEADER of a bottom-up 24-bit DIB.
  out.U32(kBitmapInfoSize);
  out.I32(w);
  out.I32(h);
  out.U16(1);
  out.U16(24);
  out.U32(0);  // BI_RGB
  out.U32(quint32(bitsSize));
  out.I32(3780);  // 96 pixels per inch in pixels per metre
  out.I32(3780);
  out.U32(0);
  out.U32(0);
  const QImage image = m_bitmap.Image().convertToFormat(QImage::Format_RGB32);
  QByteArray row(qsizetype(stride), '\0');
  for (int y = h - 1; y >= 0; --y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      row[3 * x] = char(qBlue(line[x]));
      row[3 * x + 1] = char(qGreen(line[x]));
      row[3 * x + 2] = char(qRed(line[x]));
    }
    out.Bytes(row.constData(), row.size());
  }

  out.U32(kEmrEof);
  out.U32(kEofSize);
  out.U32(0);
  out.U32(16);
  out.U32(kEofSize);
  return true;
}
