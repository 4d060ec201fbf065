#include "widgets/gdiplus/TGPFont.h"

#include <mutex>

#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>

#include "platform/text/FontRegistry.h"
#include "widgets/gdiplus/GdipNative.h"

namespace {
// Asking the font database costs a font-configuration lookup each time, and
// text is measured with a new font family per run; the answers are kept
// until the database changes.
std::mutex g_faceAnswersMutex;  // guards: g_faceAnswers
QHash<QString, bool> g_faceAnswers;

bool FaceInstalled(const QString& name) {
  if (name.isEmpty()) {
    return false;
  }
  if (qGuiApp == nullptr) {
    return QFontDatabase::hasFamily(SubstituteFaceName(name));
  }
  static const QMetaObject::Connection reset = QObject::connect(qGuiApp, &QGuiApplication::fontDatabaseChanged, [] {
    const std::scoped_lock lock(g_faceAnswersMutex);
    g_faceAnswers.clear();
  });
  {
    const std::scoped_lock lock(g_faceAnswersMutex);
    const auto known = g_faceAnswers.constFind(name);
    if (known != g_faceAnswers.constEnd()) {
      return *known;
    }
  }
  const bool installed = QFontDatabase::hasFamily(SubstituteFaceName(name));
  const std::scoped_lock lock(g_faceAnswersMutex);
  g_faceAnswers.insert(name, installed);
  return installed;
}

TGPFontFamily* Generic(const char* face) {
  auto native = std::make_unique<Gdip::GpFontFamily>();
  native->family = QString::fromLatin1(face);
  return new TGPFontFamily(std::move(native), Status::Ok);
}
}  // namespace

TGPFontFamily::TGPFontFamily(const QString& name, const TGPFontCollection*) {
  if (!FaceInstalled(name)) {
    SetCreationStatus(Status::FontFamilyNotFound);
    return;
  }
  m_nativeFamily = std::make_unique<Gdip::GpFontFamily>();
  m_nativeFamily->family = name;
}

TGPFontFamily::TGPFontFamily(std::unique_ptr<Gdip::GpFontFamily> native, Status status)
    : TGdiplusBase(status), m_nativeFamily(std::move(native)) {}

TGPFontFamily::~TGPFontFamily() = default;

// The generic families are made on first use and never freed, as the
// process keeps them until it ends.
TGPFontFamily* TGPFontFamily::GenericSansSerif() {
  static TGPFontFamily* const family = Generic("Arial");
  return family;
}

TGPFontFamily* TGPFontFamily::GenericSerif() {
  static TGPFontFamily* const family = Generic("Times New Roman");
  return family;
}

TGPFontFamily* TGPFontFamily::GenericMonospace() {
  static TGPFontFamily* const family = Generic("Courier New");
  return family;
}

TGPFont::TGPFont(const TGPFontFamily* family, float emSize, int style, Unit_ unit) {
  Create(family, emSize, style, unit);
}

TGPFont::TGPFont(const QString& familyName, float emSize, int style, Unit_ unit,
                 const TGPFontCollection* collection) {
  const TGPFontFamily family(familyName, collection);
  if (family.NativeFamily()) {
    Create(&family, emSize, style, unit);
  } else {
    Create(TGPFontFamily::GenericSansSerif(), emSize, style, unit);
  }
}

TGPFont::TGPFont(std::unique_ptr<Gdip::GpFont> native, Status status)
    : TGdiplusBase(status), m_nativeFont(std::move(native)) {}

TGPFont::~TGPFont() = default;

void TGPFont::Create(const TGPFontFamily* family, float emSize, int style, Unit_ unit) {
  if (!family || !family->NativeFamily() || emSize <= 0) {
    SetCreationStatus(Status::InvalidParameter);
    return;
  }
  m_nativeFont = std::make_unique<Gdip::GpFont>();
  m_nativeFont->family = family->NativeFamily()->family;
  m_nativeFont->emSize = emSize;
  m_nativeFont->style = style;
  m_nativeFont->unit = unit;
  SetCreationStatus(Status::Ok);
}
