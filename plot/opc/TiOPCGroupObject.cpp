#include "plot/opc/TiOPCGroupObject.h"

#include "plot/opc/OpcClientBinding.h"

void TiOPCGroupObject::SetUpdateRate(int value) {
  if (value == m_updateRate) {
    return;
  }
  m_updateRate = value;
  GroupSetUpdateRate(m_dllGroupHandle, value);
}

void TiOPCGroupObject::Resume() { GroupResume(m_dllGroupHandle); }

void TiOPCGroupObject::Suspend() { GroupSuspend(m_dllGroupHandle); }
