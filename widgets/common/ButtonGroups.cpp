#include "widgets/common/ButtonGroups.h"

#include "platform/widgets/TWinControl.h"

bool SendGroupNotice(TControl* sender, unsigned msg, int groupIndex) {
  TWinControl* parent = sender->Parent();
  if (groupIndex == 0 || parent == nullptr) {
    return false;
  }
  TMessage message{msg, groupIndex, reinterpret_cast<std::intptr_t>(sender), 0};
  parent->Broadcast(message);
  return true;
}
