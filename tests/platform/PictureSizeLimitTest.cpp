#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

#include <QByteArray>
#include <QFile>

#include "platform/pictures/TPicture.h"
#include "tests/support/FixturePath.h"

// Pictures declaring huge sizes, as damaged or hostile files do. The ctest
// entry "platform.PictureSizeLimit.allocatorReturnsNull" runs these with an
// allocator that returns null for large requests and sets
// KRV_ALLOCATIONS_FAIL, so the decoders' out-of-memory paths run too.

namespace {
QByteArray Fixture(const char* name) {
  QFile file(QString::fromStdString(FixturePath(std::string("platform/fixtures/") + name)));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Put(QByteArray& b, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    b.append(char((v >> (8 * i)) & 0xFF));
  }
}

// A 1-bit bitmap of the given size, every pixel index 0 (black).
QByteArray MonochromeBitmap(int width, int height) {
  const std::uint32_t rowBytes = std::uint32_t((width + 31) / 32 * 4);
  const std::uint32_t offset = 14 + 40 + 8;
  const std::uint32_t size = offset + rowBytes * std::uint32_t(height);
  QByteArray b;
  b.reserve(size);
  b.append("BM");
  Put(b, size, 4);
  Put(b, 0, 4);
  Put(b, offset, 4);
  Put(b, 40, 4);
  Put(b, std::uint32_t(width), 4);
  Put(b, std::uint32_t(height), 4);
  Put(b, 1, 2);  // planes
  Put(b, 1, 2);  // bits per pixel
  for (int i = 0; i < 6; ++i) {
    Put(b, 0, 4);  // compression, image size, resolution, colours used and important
  }
  Put(b, 0x000000, 4);
  Put(b, 0xFFFFFF, 4);
  b.append(QByteArray(qsizetype(rowBytes) * height, '\0'));
  return b;
}

bool AllocationsFail() { return std::getenv("KRV_ALLOCATIONS_FAIL") != nullptr; }
}  // namespace

TEST(PictureSizeLimit, declaredSizeAboveTheBoundIsRefusedBeforeAllocating) {
  struct Case {
    const char* name;
    QByteArray bytes;
    QString error;
  };
  const Case cases[] = {
      // 254 bytes of arithmetic-coded data declaring 65296 x 3584 pixels.
      {"jpeg", Fixture("arithmetic_65296x3584.jpg"), QStringLiteral("JPEG error: Image too large")},
      {"bitmap", MonochromeBitmap(8193, 8192), QStringLiteral("Not a valid bitmap file")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_FALSE(c.bytes.isEmpty());
    TPicture picture;
    QString error;
    EXPECT_FALSE(picture.LoadFromBytes(c.bytes, &error));
    EXPECT_EQ(error, c.error);
    EXPECT_TRUE(picture.Empty());
  }
}

TEST(PictureSizeLimit, allocatorReturnsNull) {
  const struct {
    const char* name;
    QByteArray bytes;
  } cases[] = {
      {"jpeg", Fixture("arithmetic_2048x2048.jpg")},
      {"bitmap", MonochromeBitmap(2048, 2048)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_FALSE(c.bytes.isEmpty());
    TPicture picture;
    QString error;
    if (AllocationsFail()) {
      EXPECT_FALSE(picture.LoadFromBytes(c.bytes, &error));
      EXPECT_TRUE(error.endsWith(QStringLiteral("Out of memory for the picture"))) << error.toStdString();
      EXPECT_TRUE(picture.Empty());
    } else {
      EXPECT_TRUE(picture.LoadFromBytes(c.bytes, &error)) << error.toStdString();
      EXPECT_EQ(picture.Width(), 2048);
      EXPECT_EQ(picture.Height(), 2048);
    }
  }
}
