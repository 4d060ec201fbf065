#include "app/TfmMainControls.h"
#include "app/builders/MainWindowBuilder.h"

namespace {

struct MenuEntry {
  const char* name;
  const char* parent;   ///< empty for an entry of the bar
  const char* caption;  ///< "-" for a separator; the others are set by the language pass
  bool visible;
  int tag;
};

/// The menu in order; hidden entries exist but are not shown.
constexpr MenuEntry kMenu[] = {
    {"File", "", "File", true, 0},
    {"Open", "File", "Open", true, 0},
    {"Save", "File", "Save", true, 0},
    {"N1", "File", "-", true, 0},
    {"Upload", "File", "Upload", true, 0},
    {"Download", "File", "Download", true, 0},
    {"N2", "File", "-", false, 0},
    {"FactoryDefault", "File", "Factory Default", false, 0},
    {"N3", "File", "-", true, 0},
    {"Exit", "File", "Exit", true, 0},
    {"Link", "", "Link", true, 0},
    {"Copy", "", "Copy", true, 0},
    {"Lock", "", "Lock", true, 0},
    {"LockMode", "", "Lock Mode", false, 0},
    {"SettingID", "", "Setting ID", false, 0},
    {"NetworkSetup", "", "Setting ID/IP", false, 0},
    {"InOutSelect", "", "In/Out Select", true, 0},
    {"InSelect", "", "In Select", false, 0},
    {"InAnalog", "InSelect", "Analog", true, 0},
    {"InDigital", "InSelect", "AES/EBU", true, 0},
    {"OutSelect", "", "Out Select", false, 0},
    {"OutAnalog", "OutSelect", "Analog", true, 0},
    {"OutDigital", "OutSelect", "AES/EBU", true, 0},
    {"TestTone", "", "Test Tone", true, 0},
    {"ChNameList", "", "Channel Name", true, 0},
    {"SourceSelect", "", "Source Select", true, 0},
    {"LanguageSel", "", "Language", true, 0},
    {"ChineseSimplified", "LanguageSel", "Chinese", true, 0},
    {"ChineseTraditional", "LanguageSel", "Traditional Chinese", false, 1},
    {"English", "LanguageSel", "English", true, 2},
    {"Help", "", "Help", true, 0},
    {"Rs232Code", "Help", "RS232 Code Table", true, 0},
    {"N4", "Help", "-", false, 0},
    {"FirDesign", "Help", "FIR Design", false, 0},
    {"MemoShow", "Help", "Memo", false, 0},
    {"HidData", "Help", "HID Data", false, 0},
    {"LockSetup", "Help", "Lock", false, 0},
    {"BlockDiagram", "", "Diagram", false, 0},
    {"Connect", "", "Connect", false, 0},
    {"Connected", "Connect", "Connect", true, 0},
    {"N5", "Connect", "-", false, 0},
    {"ConnectHelp", "Connect", "Connect Help", false, 0},
    {"About", "", "About", true, 0},
};

}  // namespace

void MainWindowBuilder::BuildMenu() {
  TMainMenu& menu = m_controls.MainMenu;
  for (const MenuEntry& entry : kMenu) {
    auto item = std::make_unique<TMenuItem>();
    item->Name = QString::fromLatin1(entry.name);
    item->Caption = QString::fromLatin1(entry.caption);
    item->Visible = entry.visible;
    item->Tag = entry.tag;
    m_factory.Register(item->Name, item.get());
    const QString parent = QString::fromLatin1(entry.parent);
    if (parent.isEmpty()) {
      menu.Add(std::move(item));
    } else {
      menu.Find(parent)->Add(std::move(item));
    }
  }
}
