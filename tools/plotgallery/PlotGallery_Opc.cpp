#include <memory>

#include <QPainter>
#include <QTreeWidget>

#include "plot/opc/OpcClientBinding.h"
#include "plot/opc/TiOPCExplorerForm.h"
#include "plot/opc/TiOPCManager.h"
#include "tools/plotgallery/PlotGallery.h"

namespace {

/// A client library that only knows two server connections: enough for
/// the explorer to show what it lists. Every other call does nothing.
class GalleryOpcLibrary : public IOpcClientLibrary {
public:
  bool HasEntry(const QString&) const override { return true; }
  int SignalAdd(const QString&, const QString&, const QString&, const QString&, int, bool, std::uint16_t,
                std::shared_ptr<IiOPCSignalCallback>) override {
    return 0;
  }
  void SignalRemove(int) override {}
  void SignalSuspend(int) override {}
  void SignalResume(int) override {}
  bool SignalGetUpdateSuspended(int) override { return false; }
  bool SignalGetActive(int) override { return false; }
  void SignalSendData(int, const QVariant&) override {}
  void SignalGetDataNow(int) override {}
  QVariant SignalGetData(int) override { return {}; }
  double SignalGetTimeStamp(int) override { return 0; }
  std::uint16_t SignalGetQuality(int) override { return 0; }
  int GroupAdd(const QString&, const QString&, const QString&, int, std::shared_ptr<IiOPCGroupCallback>) override {
    return 0;
  }
  void GroupDelete(int) override {}
  void GroupResume(int) override {}
  void GroupSuspend(int) override {}
  void GroupSetUpdateRate(int, int) override {}
  void CloseAllServerConnections() override {}
  int ServerConnectionGetCount() override { return 2; }
  QString ServerConnectionGetName(int index) override {
    return index == 0 ? QStringLiteral("Local\\Vivove.Simulation.1") : QStringLiteral("Plant-2\\Boiler.OPC.2");
  }
  bool ManagerCreated() override { return false; }
  void ManagerDestroyed() override {}
  QString GetLastCallErrorString() override { return {}; }
};

}  // namespace

namespace PlotGallery {

QImage RenderOpcExplorerSheet() {
  OpcClientBinding::Install(std::make_unique<GalleryOpcLibrary>());
  QImage sheet;
  {
    TiOPCManager manager;
    manager.ExplorerShow();
    TiOPCExplorerForm& explorer = *TiOPCExplorerForm::Instance();
    explorer.TreeView()->setFocus();
    const QImage explorerImage = explorer.grab().toImage();
    manager.Show();
    const QImage icon = manager.grab().toImage();
    sheet = QImage(explorerImage.width() + icon.width() + 30, explorerImage.height() + 20, QImage::Format_RGB32);
    sheet.fill(Qt::darkGray);
    QPainter painter(&sheet);
    painter.drawImage(10, 10, explorerImage);
    painter.drawImage(explorerImage.width() + 20, 10, icon);
  }
  OpcClientBinding::Install(nullptr);
  return sheet;
}

}  // namespace PlotGallery
