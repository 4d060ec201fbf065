#include <gtest/gtest.h>

#include "platform/text/AnsiCodePage.h"

namespace {

TEST(AnsiCodePage, asciiRoundTripsByteForByte) {
  QByteArray all;
  for (int c = 1; c < 0x80; ++c) {
    all.append(static_cast<char>(c));
  }
  EXPECT_EQ(WideToAnsi(QString::fromLatin1(all)), all);
  EXPECT_EQ(AnsiToWide(all), QString::fromLatin1(all));
}

TEST(AnsiCodePage, chineseTextIsGbk) {
  const QString text = QString::fromUtf8("输入A");
  const QByteArray gbk = WideToAnsi(text);
  EXPECT_EQ(gbk, QByteArray("\xCA\xE4\xC8\xEB" "A"));
  EXPECT_EQ(AnsiToWide(gbk), text);
}

TEST(AnsiCodePage, characterOutsideGbkBecomesQuestionMark) {
  EXPECT_EQ(WideToAnsi(QString::fromUtf8("a\u0E01b")), QByteArray("a?b"));
  EXPECT_EQ(WideToAnsi(QString::fromUcs4(U"x\U0001F600", 2)), QByteArray("x?"));
}

TEST(AnsiCodePage, holdsTellsWhetherEveryCharacterHasABytePattern) {
  EXPECT_TRUE(CodePageHolds(QString::fromUtf8("AB?输入")));
  EXPECT_TRUE(CodePageHolds(QString()));
  EXPECT_FALSE(CodePageHolds(QString::fromUtf8("aก")));
  EXPECT_FALSE(CodePageHolds(QString::fromUcs4(U"😀", 1)));
  EXPECT_FALSE(CodePageHolds(QString(QChar(0xD83D)))) << "a lone surrogate";
}

TEST(AnsiCodePage, fieldNeverSplitsADoubleByteCharacter) {
  const QByteArray field = WideToAnsiField(QString::fromUtf8("Out输入"), 6);
  EXPECT_EQ(field, QByteArray("Out\xCA\xE4\0", 6));
  EXPECT_EQ(WideToAnsiField(QStringLiteral("Out1File9"), 8), QByteArray("Out1File"));
  EXPECT_EQ(WideToAnsiField(QStringLiteral("InA"), 8), QByteArray("InA\0\0\0\0\0", 8));
}

TEST(AnsiCodePage, fieldReadStopsAtZeroAndMarksBrokenBytes) {
  EXPECT_EQ(AnsiToWide(QByteArrayView("InA\0File", 8)), QStringLiteral("InA"));
  EXPECT_EQ(AnsiToWide(QByteArrayView("A\xCA", 2)), QStringLiteral("A?"));
  EXPECT_EQ(AnsiToWide(QByteArrayView("\xFF" "B", 2)), QStringLiteral("?B"));
}

}  // namespace
