#include <QGenericPlugin>

#include "tools/editordriver/EditorDriver.h"

/// Qt's input-plugin seam: created while the application starts, with the
/// steps from KRV_EDITOR_DRIVER.
class EditorDriverPlugin : public QGenericPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "editordriver.json")

public:
  QObject* create(const QString& key, const QString& /*parameters*/) override {
    if (key.compare(QLatin1String("krveditordriver"), Qt::CaseInsensitive) != 0) {
      return nullptr;
    }
    return new EditorDriver(qEnvironmentVariable("KRV_EDITOR_DRIVER"));
  }
};

#include "EditorDriverPlugin.moc"
