#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <QDir>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "link/ProcessState.h"
#include "protocol/CommandCodes.h"
#include "protocol/FirBlockMap.h"
#include "protocol/SettingFile.h"
#include "protocol/UnitFile.h"
#include "tests/link/PresetExchangeFixture.h"
#include "tests/protocol/ImageFirSettings.h"
#include "tests/support/FileSizeLimit.h"

namespace {

using namespace std::chrono_literals;

QByteArray ToBytes(const std::vector<std::uint8_t>& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

void PutWord(QByteArray& bytes, std::size_t offset, std::uint32_t word) {
  for (int i = 0; i < 4; ++i) {
    bytes[static_cast<qsizetype>(offset) + i] = static_cast<char>(word >> (8 * i));
  }
}

/// A file of a refusal table: the good file damaged, or (no damage) the
/// path as it stands.
struct FileCase {
  const char* name;
  std::function<QByteArray(QByteArray)> damage;
  QString path;
};

std::function<QByteArray(QByteArray)> Cut(qsizetype size) {
  return [size](QByteArray bytes) {
    bytes.resize(size);
    return bytes;
  };
}

std::size_t FirWord(int channel, int k) {
  return SettingFile::kFirOffset + 4 * static_cast<std::size_t>(FirBlockMap::ChannelStart(channel) + k);
}

/// A setting with coefficients on InA (100 taps) and Out2 (type 4, 40 taps).
class PresetFilesTest : public PresetExchangeFixture {
protected:
  void SetUp() override {
    PresetExchangeFixture::SetUp();
    UnitImage image = unit.Image();
    FirCoefficientStore fir = session.FirCoefficients();
    for (int channel = 0; channel < 9; ++channel) fir.SetIdentity(channel);
    for (int k = 0; k < 100; ++k) fir.SetWord(k, std::bit_cast<std::uint32_t>(0.01f * static_cast<float>(k + 1)));
    for (int k = 0; k < 40; ++k) {
      fir.SetWord(FirBlockMap::ChannelStart(4) + k, std::bit_cast<std::uint32_t>(-0.02f * static_cast<float>(k + 1)));
    }
    SetInputTaps(image, 0, 100);
    SetOutputFir(image, 4, 4, 40);
    image.SetText(UnitImage::kPresetName, QByteArray("\x00\x0D\x0A\xFF" "Odd", 7), 14);
    setting = ToBytes(EncodeSettingFile(image, fir));
  }

  /// Frames the unit received other than keep-alives, counted on one
  /// snapshot: a keep-alive arriving between two counts must not wrap.
  std::size_t Commands() const {
    const std::vector<SimReceivedFrame> frames = sim->ReceivedFrames();
    return static_cast<std::size_t>(std::count_if(frames.begin(), frames.end(), [](const SimReceivedFrame& f) {
      return f.frame.code != CMD_KEEP_ALIVE;
    }));
  }

  QByteArray setting;
};

TEST_F(PresetFilesTest, OpenSettingFile_refusedFilesChangeNothing) {
  ASSERT_TRUE(WriteFile(Path("unit.unt"), QByteArray(1504877, 'd')));
  ASSERT_TRUE(QDir(folder.path()).mkdir("folder.prs"));
  ASSERT_EQ(mkfifo(Path("fifo.prs").toLocal8Bit().constData(), 0600), 0);
  const FileCase cases[] = {
      {"empty", Cut(0), Path("bad.prs")},
      {"50,173 bytes", Cut(50173), Path("bad.prs")},
      {"50,175 bytes", Cut(50175), Path("bad.prs")},
      {"header off by one", [](QByteArray b) { b[15] = '#'; return b; }, Path("bad.prs")},
      {"a unit file", nullptr, Path("unit.unt")},
      {"a directory", nullptr, Path("folder.prs")},
      {"a FIFO", nullptr, Path("fifo.prs")},
      {"vanished", nullptr, Path("gone.prs")},
  };
  ConnectTo(*sim);
  const UnitImage image = unit.Image();
  const FirCoefficientStore fir = session.FirCoefficients();
  for (const FileCase& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.damage) {
      ASSERT_TRUE(WriteFile(c.path, c.damage(setting)));
    }
    sim->ClearReceivedFrames();
    window.calls.clear();
    window.answers.push_back(c.path);

    exchange.OpenSettingFile();

    EXPECT_EQ(window.With("Info"), (std::vector<std::string>{"Info SID_INFO_ERROR_FILE"}));
    EXPECT_EQ(unit.Image(), image);
    EXPECT_EQ(session.FirCoefficients(), fir);
    EXPECT_EQ(session.GetBulkMode(), 0);
    EXPECT_FALSE(window.Has("ShowProgressModal"));
    EXPECT_FALSE(ProcessEventsUntil([&] { return Commands() > 0; }, 200ms));
  }
}

TEST_F(PresetFilesTest, OpenSettingFile_outOfRangeWordsMakeIdentitiesErasedAndToldOnce) {
  const std::uint32_t nan = 0x7FC00001u;
  PutWord(setting, FirWord(0, 0), std::bit_cast<std::uint32_t>(50.5f));  // first word: silent
  PutWord(setting, FirWord(4, 5), nan);                                  // later: told
  ASSERT_TRUE(WriteFile(Path("odd.prs"), setting));
  ConnectTo(*sim);
  sim->ClearReceivedFrames();
  window.calls.clear();
  window.answers.push_back(Path("odd.prs"));

  exchange.OpenSettingFile();

  ASSERT_TRUE(ProcessEventsUntil([&] { return session.GetBulkMode() == 0; }, 30s));
  EXPECT_EQ(window.With("Info"), (std::vector<std::string>{"Info SID_INFO_ERROR_FIR_COEFF"}));
  std::vector<int> erased;
  for (const SimReceivedFrame& frame : sim->ReceivedFrames()) {
    if (frame.frame.code == CMD_ERASE_FIR_SECTOR) erased.push_back(frame.frame.payload[0]);
  }
  EXPECT_EQ(erased, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
  EXPECT_EQ(sim->ReceivedCount(CMD_EXT_FIR), 0u);
  EXPECT_EQ(session.FirCoefficients().Coefficient(4, 0), 1.0f);
  EXPECT_TRUE(window.Has("Refresh"));
  EXPECT_TRUE(window.Has("CloseProgress"));
}

TEST_F(PresetFilesTest, OpenSettingFile_offline_loadsOnlyTheModelAndSavesBackIdentical) {
  ASSERT_TRUE(WriteFile(Path("odd.prs"), setting));
  window.answers.push_back(Path("odd.prs"));

  exchange.OpenSettingFile();

  EXPECT_EQ(session.GetBulkMode(), 0) << "nothing to end it offline";
  EXPECT_FALSE(window.Has("ShowProgressModal"));
  EXPECT_TRUE(window.Has("Refresh"));
  EXPECT_TRUE(window.Has("ClearBandSelection"));
  EXPECT_EQ(session.FirCoefficients().Coefficient(0, 99), 1.0f);
  window.answers.push_back(Path("back.PRS"));
  exchange.SaveSettingFile();
  EXPECT_EQ(Contents(Path("back.prs")), setting);
}

TEST_F(PresetFilesTest, OpenSettingFile_online_sendsTheLoadAndTheUnitHoldsIt) {
  ASSERT_TRUE(WriteFile(Path("odd.prs"), setting));
  ConnectTo(*sim);
  window.answers.push_back(Path("odd.prs"));

  exchange.OpenSettingFile();

  ASSERT_TRUE(ProcessEventsUntil([&] { return session.GetBulkMode() == 0; }, 30s));
  const SimImage image = sim->Image();
  EXPECT_TRUE(std::equal(image.begin() + 2, image.begin() + 1006, unit.Image().Bytes().begin() + 2));
  const SimFirArea area = sim->FirArea(0);
  for (int k = 0; k < 100; ++k) EXPECT_EQ(area.Word(0, k), session.FirCoefficients().ChannelWord(0, k)) << k;
  EXPECT_EQ(area.Word(0, 100), 0xFFFFFFFFu);
  for (int k = 0; k < 40; ++k) EXPECT_EQ(area.Word(4, k), session.FirCoefficients().ChannelWord(4, k)) << k;
  EXPECT_TRUE(window.Has("CloseProgress"));
}

TEST_F(PresetFilesTest, DownloadUnitFile_refusedFilesSendNothing) {
  QByteArray good(1504877, 'd');
  std::copy_n("***KRV-71V010***", 16, good.begin());
  for (int k = 0; k < 30; ++k) {
    const qsizetype r = 47 + 50161 * static_cast<qsizetype>(k);
    std::fill(good.begin() + r + 1007, good.begin() + r + 50159, char(0xFF));
    good[r + 50159] = 0x0D;
    good[r + 50160] = 0x0A;
  }
  ASSERT_TRUE(QDir(folder.path()).mkdir("folder.unt"));
  const FileCase cases[] = {
      {"30,256 bytes", Cut(30256), Path("bad.unt")},
      {"30,257 bytes", Cut(30257), Path("bad.unt")},
      {"1,504,876 bytes", Cut(1504876), Path("bad.unt")},
      {"1,504,878 bytes", Cut(1504878), Path("bad.unt")},
      {"header off", [](QByteArray b) { b[3] = 'X'; return b; }, Path("bad.unt")},
      {"used record numbered d", [](QByteArray b) { b[47 + 50161 * 2 + 1] = char(0xFF); return b; }, Path("bad.unt")},
      {"a directory", nullptr, Path("folder.unt")},
      {"vanished", nullptr, Path("gone.unt")},
  };
  ConnectTo(*sim);
  for (const FileCase& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.damage) {
      ASSERT_TRUE(WriteFile(c.path, c.damage(good)));
    }
    sim->ClearReceivedFrames();
    window.calls.clear();
    window.answers.push_back(c.path);

    exchange.DownloadUnitFile();

    EXPECT_EQ(window.With("Info"), (std::vector<std::string>{"Info SID_INFO_ERROR_DOWNLAOD"}));
    EXPECT_FALSE(exchange.IsTransferRunning());
    EXPECT_TRUE(window.enabled);
    EXPECT_FALSE(ProcessEventsUntil([&] { return Commands() > 0; }, 200ms));
  }

  ASSERT_TRUE(WriteFile(Path("good.unt"), good));
  window.calls.clear();
  window.answers.push_back(Path("good.unt"));
  window.onChoose = [&] { session.Disconnect(); };
  exchange.DownloadUnitFile();
  EXPECT_EQ(window.With("Info"), (std::vector<std::string>{"Info SID_INFO_CON_FIRST"}));
  EXPECT_FALSE(exchange.IsTransferRunning());
  EXPECT_EQ(sim->ReceivedCount(CMD_FACTORY_RESET), 0u);
}

TEST_F(PresetFilesTest, SaveSettingFile_failedWriteKeepsTheOldFileAndLeavesNoTemporary) {
  ASSERT_TRUE(WriteFile(Path("plain"), "a file, not a folder"));
  window.answers.push_back(Path("plain/inside"));
  exchange.SaveSettingFile();
  ASSERT_EQ(window.With("Info").size(), 1u);
  EXPECT_EQ(window.With("Info")[0].rfind("Info SID_INFO_ERROR_FILE\n" + Path("plain/inside.prs").toStdString() + "\n", 0),
            0u);

  const QByteArray old("the old setting");
  ASSERT_TRUE(WriteFile(Path("old.prs"), old));
  {
    FileSizeLimit limit(4096);
    ASSERT_TRUE(limit.Active());
    window.answers.push_back(Path("old.prs"));
    exchange.SaveSettingFile();
  }
  EXPECT_EQ(window.With("Info").size(), 2u);
  EXPECT_EQ(Contents(Path("old.prs")), old);
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
            (QStringList{"old.prs", "plain"}));
}

}  // namespace
