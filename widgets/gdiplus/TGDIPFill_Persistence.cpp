// The fill description in INI sections, byte streams and the clipboard.
#include <functional>
#include <vector>

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/files/TIniFile.h"
#include "widgets/gdiplus/TGDIPFill.h"

namespace {
const QString kClipboardFormat = QStringLiteral("GDI+ Fill");
const QString kStreamSection = QStringLiteral("SaveObject");

struct Field {
  const char* key;
  std::function<int()> get;
  std::function<void(int)> set;
};

template <typename T>
Field Bind(const char* key, T& field) {
  return {key, [&field] { return int(field); }, [&field](int v) { field = T(v); }};
}

QString ToHex(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex().toUpper()); }

// Pairs of hexadecimal digits from the start; an odd last digit is ignored.
bool HexToBytes(const QString& text, QByteArray& bytes) {
  bytes.clear();
  for (qsizetype i = 0; i + 1 < text.size(); i += 2) {
    const QString pair = text.mid(i, 2).toUpper();
    bool ok = true;
    for (const QChar c : pair) {
      ok = ok && ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F')));
    }
    if (!ok) {
      return false;
    }
    bytes.append(char(pair.toInt(nullptr, 16)));
  }
  return true;
}
}  // namespace

void TGDIPFill::SaveToIni(TIniFile& ini, const QString& section) const {
  auto* self = const_cast<TGDIPFill*>(this);
  const std::vector<Field> fields = {
      Bind("Color", self->m_color), Bind("ColorTo", self->m_colorTo), Bind("ColorMirror", self->m_colorMirror),
      Bind("ColorMirrorTo", self->m_colorMirrorTo), Bind("GradientType", self->m_gradientType),
      Bind("GradientMirrorType", self->m_gradientMirrorType), Bind("HatchStyle", self->m_hatchStyle),
      Bind("HatchStyleMirror", self->m_hatchStyleMirror), Bind("BackGroundPictureMode", self->m_backGroundPictureMode),
      Bind("BackGroundPicturePosition", self->m_backGroundPicturePosition),
      Bind("BackGroundPictureLeft", self->m_backGroundPictureLeft),
      Bind("BackGroundPictureTop", self->m_backGroundPictureTop), Bind("PicturePosition", self->m_picturePosition),
      Bind("PictureLeft", self->m_pictureLeft), Bind("PictureTop", self->m_pictureTop),
      Bind("PictureSize", self->m_pictureSize), Bind("PictureWidth", self->m_pictureWidth),
      Bind("PictureHeight", self->m_pictureHeight), Bind("Opacity", self->m_opacity),
      Bind("OpacityTo", self->m_opacityTo), Bind("OpacityMirror", self->m_opacityMirror),
      Bind("OpacityMirrorTo", self->m_opacityMirrorTo), Bind("BorderColor", self->m_borderColor),
      Bind("BorderOpacity", self->m_borderOpacity), Bind("BorderWidth", self->m_borderWidth),
      Bind("Rounding", self->m_rounding), Bind("RoundingType", self->m_roundingType),
      Bind("ShadowOffset", self->m_shadowOffset), Bind("ShadowColor", self->m_shadowColor),
      Bind("Angle", self->m_angle), Bind("Glow", self->m_glow), Bind("GlowGradientColor", self->m_glowGradientColor),
      Bind("GlowRadialColor", self->m_glowRadialColor)};
  for (const Field& f : fields) {
    ini.WriteInteger(section, QString::fromLatin1(f.key), f.get());
  }
  // The picture's text length has a key of its own, so that "PictureSize"
  // keeps the size mode.
  const QString picture = ToHex(m_picture.Data());
  ini.WriteString(section, QStringLiteral("Picture"), picture);
  ini.WriteInteger(section, QStringLiteral("PictureDataSize"), int(picture.size()));
  const QString background = ToHex(m_backGroundPicture.Data());
  ini.WriteString(section, QStringLiteral("BackgroundPicture"), background);
  ini.WriteInteger(section, QStringLiteral("BackgroundPictureSize"), int(background.size()));
}

bool TGDIPFill::LoadFromIni(const TIniFile& ini, const QString& section, QString* error) {
  const std::vector<Field> fields = {
      Bind("Color", m_color), Bind("ColorTo", m_colorTo), Bind("ColorMirror", m_colorMirror),
      Bind("ColorMirrorTo", m_colorMirrorTo), Bind("GradientType", m_gradientType),
      Bind("GradientMirrorType", m_gradientMirrorType), Bind("HatchStyle", m_hatchStyle),
      Bind("HatchStyleMirror", m_hatchStyleMirror), Bind("BackGroundPictureMode", m_backGroundPictureMode),
      Bind("BackGroundPicturePosition", m_backGroundPicturePosition),
      Bind("BackGroundPictureLeft", m_backGroundPictureLeft), Bind("BackGroundPictureTop", m_backGroundPictureTop),
      Bind("PicturePosition", m_picturePosition), Bind("PictureLeft", m_pictureLeft),
      Bind("PictureTop", m_pictureTop), Bind("PictureWidth", m_pictureWidth), Bind("PictureHeight", m_pictureHeight),
      Bind("Opacity", m_opacity), Bind("OpacityTo", m_opacityTo), Bind("OpacityMirror", m_opacityMirror),
      Bind("OpacityMirrorTo", m_opacityMirrorTo), Bind("BorderColor", m_borderColor),
      Bind("BorderOpacity", m_borderOpacity), Bind("BorderWidth", m_borderWidth), Bind("Rounding", m_rounding),
      Bind("RoundingType", m_roundingType), Bind("ShadowOffset", m_shadowOffset), Bind("ShadowColor", m_shadowColor),
      Bind("Angle", m_angle), Bind("Glow", m_glow), Bind("GlowGradientColor", m_glowGradientColor),
      Bind("GlowRadialColor", m_glowRadialColor)};
  for (const Field& f : fields) {
    f.set(ini.ReadInteger(section, QString::fromLatin1(f.key), f.get()));
  }
  // Older files hold the picture text's length under "PictureSize": a value
  // above the last size mode is such a length, not a mode.
  const int sizeValue = ini.ReadInteger(section, QStringLiteral("PictureSize"), int(m_pictureSize));
  int pictureLength = ini.ReadInteger(section, QStringLiteral("PictureDataSize"), 0);
  if (sizeValue > int(TFillPictureSize::psCustom)) {
    pictureLength = ini.ValueExists(section, QStringLiteral("PictureDataSize")) ? pictureLength : sizeValue;
  } else {
    m_pictureSize = TFillPictureSize(sizeValue);
  }
  auto loadPicture = [&](TAdvGDIPPicture& picture, const QString& key, int length) {
    if (length <= 0) {
      return true;
    }
    QByteArray bytes;
    if (!HexToBytes(ini.ReadString(section, key, QString()).left(length), bytes)) {
      if (error) {
        *error = QStringLiteral("No Hex-Number");
      }
      return false;
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    picture.LoadFromStream(&buffer);
    return true;
  };
  if (!loadPicture(m_picture, QStringLiteral("Picture"), pictureLength) ||
      !loadPicture(m_backGroundPicture, QStringLiteral("BackgroundPicture"),
                   ini.ReadInteger(section, QStringLiteral("BackgroundPictureSize"), 0))) {
    return false;
  }
  Changed();
  return true;
}

bool TGDIPFill::SaveToFile(const QString& fileName, const QString& section, QString* error) const {
  TIniFile ini(fileName);
  SaveToIni(ini, section);
  return ini.UpdateFile(error);
}

bool TGDIPFill::LoadFromFile(const QString& fileName, const QString& section, QString* error) {
  const TIniFile ini(fileName);
  return LoadFromIni(ini, section, error);
}

QByteArray TGDIPFill::SaveToBytes() const {
  TIniFile ini{QString()};
  SaveToIni(ini, kStreamSection);
  return ini.Text().toUtf8();
}

bool TGDIPFill::LoadFromBytes(const QByteArray& bytes, QString* error) {
  TIniFile ini{QString()};
  ini.SetText(QString::fromUtf8(bytes));
  return LoadFromIni(ini, kStreamSection, error);
}

void TGDIPFill::SaveToClipBoard() const {
  auto* data = new QMimeData;
  data->setData(kClipboardFormat, SaveToBytes());
  QGuiApplication::clipboard()->setMimeData(data);
}

void TGDIPFill::LoadFromClipBoard() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data && data->hasFormat(kClipboardFormat)) {
    LoadFromBytes(data->data(kClipboardFormat));
  }
}
