#include "plot/opc/TiOPCManager.h"

#include <QPainter>

#include "plot/base/EPlotError.h"
#include "plot/opc/OpcClientBinding.h"
#include "plot/opc/OpcGuiForwarder.h"
#include "plot/opc/OpcIcons.h"
#include "plot/opc/TiOPCExplorerForm.h"

namespace {

constexpr int kOpcManagerSize = 28;

// Managers alive on the GUI thread: the explorer goes with the last one.
int g_opcManagerCount = 0;

EPlotError GroupIndexError(int index) {
  return EPlotError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

}  // namespace

TiOPCManager::TiOPCManager(QWidget* parent)
    : TCustomControl(parent), m_icon(OpcManagerIcon()), m_firstInstance(OPCManagerCreated()) {
  ++g_opcManagerCount;
  TControlStyle style = ControlStyle();
  style.Include(TControlStyleItem::csCaptureMouse);
  style.Include(TControlStyleItem::csClickEvents);
  style.Include(TControlStyleItem::csDoubleClicks);
  style.Include(TControlStyleItem::csReplicatable);
  SetControlStyle(style);
  TCustomControl::SetBounds(Left(), Top(), kOpcManagerSize, kOpcManagerSize);
  SetVisible(false);
  m_callback = OpcGuiForwarder::Create([this](OpcGuiForwarder::Call call, int handle) {
    GroupUpdate(call == OpcGuiForwarder::Call::AfterGroupUpdate, handle);
  });
}

TiOPCManager::~TiOPCManager() {
  m_callback->Cancel();
  try {
    GroupClear();
    if (m_firstInstance) {
      OPCManagerDestroyed();
    }
  } catch (const EPlotError&) {
    // The library's complaint about its own groups cannot stop the manager going.
  }
  if (--g_opcManagerCount == 0) {
    TiOPCExplorerForm::FreeInstance();
  }
}

void TiOPCManager::SetBounds(int left, int top, int, int) {
  TCustomControl::SetBounds(left, top, kOpcManagerSize, kOpcManagerSize);
}

int TiOPCManager::GroupAdd(const QString& name, const QString& computerName, const QString& opcServerName,
                           int updateRate) {
  m_groupList.push_back(std::make_unique<TiOPCGroupObject>(name, computerName, opcServerName, updateRate));
  const int index = GroupCount() - 1;
  if (!OPCLibraryMissing()) {
    m_groupList.back()->SetDLLGroupHandle(::GroupAdd(name, computerName, opcServerName, updateRate, m_callback));
  }
  return index;
}

void TiOPCManager::GroupDelete(int index) {
  TiOPCGroupObject& group = Groups(index);
  if (group.DLLGroupHandle() != 0) {
    ::GroupDelete(group.DLLGroupHandle());
  }
  m_groupList.erase(m_groupList.begin() + index);
}

void TiOPCManager::GroupClear() {
  while (GroupCount() > 0) {
    GroupDelete(0);
  }
}

int TiOPCManager::GetGroupIndex(const QString& name) const {
  for (int i = 0; i < GroupCount(); ++i) {
    if (m_groupList[std::size_t(i)]->Name().compare(name, Qt::CaseInsensitive) == 0) {
      return i;
    }
  }
  return -1;
}

TiOPCGroupObject& TiOPCManager::Groups(int index) const {
  if (index < 0 || index >= GroupCount()) {
    throw GroupIndexError(index);
  }
  return *m_groupList[std::size_t(index)];
}

void TiOPCManager::CloseAllServerConnections() { ::CloseAllServerConnections(); }

void TiOPCManager::ExplorerShow() {
  TiOPCExplorerForm& explorer = TiOPCExplorerForm::EnsureInstance();
  explorer.RefreshServers();
  explorer.Show();
}

void TiOPCManager::GroupUpdate(bool after, int groupHandle) {
  QString name;
  for (const auto& group : m_groupList) {
    if (group->DLLGroupHandle() == groupHandle) {
      name = group->Name();
      break;
    }
  }
  const TGroupUpdateEvent& event = after ? OnAfterGroupUpdate : OnBeforeGroupUpdate;
  if (event) {
    event(this, name);
  }
}

void TiOPCManager::Paint() {
  TCanvas& canvas = Canvas();
  canvas.Pen().SetColor(clBtnHighlight);
  canvas.MoveTo(0, Height() - 1);
  canvas.LineTo(0, 0);
  canvas.LineTo(Width() - 1, 0);
  canvas.Pen().SetColor(clBtnShadow);
  canvas.MoveTo(Width() - 1, 1);
  canvas.LineTo(Width() - 1, Height() - 1);
  canvas.LineTo(0, Height() - 1);
  const std::unique_ptr<QPainter> painter = canvas.BeginPainter();
  if (!Enabled()) {
    painter->setOpacity(0.4);
  }
  painter->drawImage(2, 2, m_icon);
}
