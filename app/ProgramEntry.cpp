#include "app/ProgramEntry.h"

#include <cstdio>
#include <exception>
#include <memory>

#include <QApplication>
#include <QMessageBox>

#include "app/TfmMain.h"
#include "dialogs/TfmAbout.h"
#include "dialogs/TfmChNameList.h"
#include "dialogs/TfmChannelName.h"
#include "dialogs/TfmCopy.h"
#include "dialogs/TfmExit.h"
#include "dialogs/TfmFirDownload.h"
#include "dialogs/TfmInOutSelect.h"
#include "dialogs/TfmInformation.h"
#include "dialogs/TfmPeqRst.h"
#include "dialogs/TfmLinkSel.h"
#include "dialogs/TfmNetwork.h"
#include "dialogs/TfmNetworkSetup.h"
#include "dialogs/TfmFactory.h"
#include "dialogs/TfmHidData.h"
#include "dialogs/TfmInformation.h"
#include "dialogs/TfmLockConfirm.h"
#include "dialogs/TfmLockMode.h"
#include "dialogs/TfmLockPassWord.h"
#include "dialogs/TfmLockSetup.h"
#include "dialogs/TfmMemo.h"
#include "dialogs/TfmPanelLockSetup.h"
#include "dialogs/TfmProcess.h"
#include "dialogs/TfmRecallPreset.h"
#include "dialogs/TfmStoreName.h"
#include "dialogs/TfmSourceSelect.h"
#include "dialogs/TfmStorePreset.h"
#include "dialogs/TfmTest.h"
#include "dialogs/remote/TfmRs232Cmd.h"
#include "dialogs/remote/TfmRs232CmdEnglish.h"
#include "firdesign/TfmFirDesign.h"
#include "link/LinkTransportFactory.h"
#include "link/NetworkEndpointsText.h"
#include "link/NetworkGlue.h"
#include "link/UsbHidGlue.h"
#include "platform/text/FontRegistry.h"
#include "platform/io/HidrawSystem.h"

namespace {
const char* const kApplicationTitle = "KRV-71 FIR DSP Processor Editor V1.0";

/// The last-resort display of an error that left the event loop: a message
/// box and the error stream.
void ShowFatalError(const char* what) {
  std::fprintf(stderr, "krv71-editor: %s\n", what);
  QMessageBox::critical(nullptr, QString::fromLatin1(kApplicationTitle), QString::fromLocal8Bit(what));
}
}  // namespace

bool HasDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

int RunProgram(int argc, char** argv) {
  if (!HasDisplay()) {
    std::fprintf(stderr, "krv71-editor: no display; set DISPLAY (for example run it under Xvfb) to start the editor.\n");
    return 1;
  }
  NetworkEndpoints endpoints;
  if (const QString text = qEnvironmentVariable(kNetworkEndpointsVariable); !text.isEmpty()) {
    const std::optional<NetworkEndpoints> given = ParseNetworkEndpoints(text);
    if (!given) {
      std::fprintf(stderr, "krv71-editor: %s is not understood: %s\n", kNetworkEndpointsVariable, qPrintable(text));
      return 1;
    }
    endpoints = *given;
  }
  QApplication app(argc, argv);
  RegisterPlatformFonts();
  QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
  LinkTransportFactory factory;
  std::unique_ptr<TfmMain> mainWindow;
  std::unique_ptr<TfmInformation> information;
  std::unique_ptr<TfmExit> exit;
  std::unique_ptr<TfmProcess> process;
  std::unique_ptr<TfmStorePreset> storePreset;
  std::unique_ptr<TfmRecallPreset> recallPreset;
  std::unique_ptr<TfmStoreName> storeName;
  std::unique_ptr<TfmAbout> about;
  std::unique_ptr<TfmCopy> copy;
  // The FIR designer and its confirmations.
  std::unique_ptr<TfmFirDownload> firDownload;
  std::unique_ptr<TfmFirDesign> firDesign;
  std::unique_ptr<TfmPeqRst> peqReset;
  // Test signal, channel names, source and type selection, code reference.
  std::unique_ptr<TfmTest> test;
  std::unique_ptr<TfmChannelName> channelName;
  std::unique_ptr<TfmChNameList> channelNameList;
  std::unique_ptr<TfmSourceSelect> sourceSelect;
  std::unique_ptr<TfmInOutSelect> inOutSelect;
  std::unique_ptr<TfmRs232CmdEnglish> remoteCodeEnglish;
  std::unique_ptr<TfmRs232Cmd> remoteCodeChinese;
  std::unique_ptr<TfmLinkSel> linkSel;
  // Device search and network setup.
  std::unique_ptr<TfmNetwork> deviceSearch;
  std::unique_ptr<TfmNetworkSetup> networkSetup;
  // Lock dialogs and the dialogs behind hidden menu entries.
  std::unique_ptr<TfmHidData> hidData;
  std::unique_ptr<TfmLockPassWord> lockPassWord;
  std::unique_ptr<TfmLockSetup> lockSetup;
  std::unique_ptr<TfmLockMode> lockMode;
  std::unique_ptr<TfmMemo> memo;
  std::unique_ptr<TfmFactory> factoryDefault;
  std::unique_ptr<TfmPanelLockSetup> panelLockSetup;
  std::unique_ptr<TfmLockConfirm> lockConfirm;
  try {
    mainWindow = std::make_unique<TfmMain>(factory, std::make_shared<HidrawSystem>(), endpoints);
    if (UsbHidGlue* glue = mainWindow->Glue()) {
      factory.SetUsbHidPort(glue->Port());
    }
    if (NetworkGlue* network = mainWindow->Network()) {
      factory.SetNetworkPort(network->Port());
    }
    // The dialogs, after the main window as the program has always made them.
    deviceSearch = std::make_unique<TfmNetwork>(*mainWindow);
    information = std::make_unique<TfmInformation>(*mainWindow);
    exit = std::make_unique<TfmExit>(*mainWindow);
    storePreset = std::make_unique<TfmStorePreset>(*mainWindow);
    recallPreset = std::make_unique<TfmRecallPreset>(*mainWindow);
    storeName = std::make_unique<TfmStoreName>(*mainWindow);
    networkSetup = std::make_unique<TfmNetworkSetup>(*mainWindow);
    about = std::make_unique<TfmAbout>(*mainWindow);
    copy = std::make_unique<TfmCopy>(*mainWindow);
    test = std::make_unique<TfmTest>(*mainWindow);
    channelName = std::make_unique<TfmChannelName>(*mainWindow);
    channelNameList = std::make_unique<TfmChNameList>(*mainWindow);
    sourceSelect = std::make_unique<TfmSourceSelect>(*mainWindow);
    inOutSelect = std::make_unique<TfmInOutSelect>(*mainWindow);
    remoteCodeEnglish = std::make_unique<TfmRs232CmdEnglish>();
    remoteCodeChinese = std::make_unique<TfmRs232Cmd>();
    linkSel = std::make_unique<TfmLinkSel>(*mainWindow);
    process = std::make_unique<TfmProcess>(*mainWindow);
    // The FIR designer and its confirmations.
    firDownload = std::make_unique<TfmFirDownload>(*mainWindow);
    firDesign = std::make_unique<TfmFirDesign>(mainWindow->FirDesigner());
    peqReset = std::make_unique<TfmPeqRst>(*mainWindow);
    mainWindow->BindFirDesignDialogs(*firDesign, *peqReset, *firDownload);
    // Lock dialogs and the dialogs behind hidden menu entries.
    hidData = std::make_unique<TfmHidData>();
    lockPassWord = std::make_unique<TfmLockPassWord>(*mainWindow);
    lockSetup = std::make_unique<TfmLockSetup>(*mainWindow);
    lockMode = std::make_unique<TfmLockMode>(*mainWindow);
    memo = std::make_unique<TfmMemo>();
    factoryDefault = std::make_unique<TfmFactory>(*mainWindow);
    panelLockSetup = std::make_unique<TfmPanelLockSetup>(*mainWindow);
    lockConfirm = std::make_unique<TfmLockConfirm>(*mainWindow);
  } catch (const std::exception& error) {
    // The window could not start (e.g. a damaged text table): say why and
    // report the failure to the caller.
    std::fprintf(stderr, "krv71-editor: %s\n", error.what());
    return 1;
  }
  try {
    mainWindow->EndProgramOnClose();
    mainWindow->show();
    return QApplication::exec();
  } catch (const std::exception& error) {
    ShowFatalError(error.what());
  } catch (...) {
    ShowFatalError("unknown error");
  }
  // An error ended the run: report the failure.
  return 1;
}
