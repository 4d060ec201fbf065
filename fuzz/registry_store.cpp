// The settings store's file: the input is the current user's file, read by
// a store, every key and value listed and read; the text the store keeps
// reads back as the same text.
#include <cstddef>
#include <cstdint>

#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QString>
#include <QStringList>

#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzSettingsFolder.h"
#include "platform/files/RegistryStore.h"

namespace {

bool WriteRegistryFuzzFile(const QByteArray& bytes) {
  FuzzSettingsFolder();
  const QString name = RegistryStore::FileNameOf(RegistryRoot::CurrentUser);
  QDir().mkpath(QFileInfo(name).path());
  QFile file(name);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

void ReadEveryKey(const RegistryStore& store, const QString& path, int depth) {
  for (const QString& name : store.ValueNames(path)) {
    store.ReadValue(path, name);
  }
  if (depth > 64) {
    return;
  }
  for (const QString& key : store.SubKeyNames(path)) {
    ReadEveryKey(store, path + QLatin1Char('\\') + key, depth + 1);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!WriteRegistryFuzzFile(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)))) {
    return 0;
  }
  const RegistryStore store(RegistryRoot::CurrentUser);
  ReadEveryKey(store, QString(), 0);
  const QString text = store.Text();
  if (!WriteRegistryFuzzFile(text.toUtf8())) {
    return 0;
  }
  KRV_FUZZ_CHECK("registry_store", RegistryStore(RegistryRoot::CurrentUser).Text() == text);
  return 0;
}
