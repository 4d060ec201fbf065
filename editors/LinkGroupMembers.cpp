#include "editors/LinkGroupMembers.h"

#include "protocol/LUnitControl.h"

std::vector<int> LinkGroupMembers(const LUnitControl& unit, int channel) {
  std::vector<int> members;
  if (channel < 0 || channel > 8) {
    return members;
  }
  const int first = channel < 3 ? 0 : 3;
  const int count = channel < 3 ? 3 : 6;
  const unsigned group = unit.GetLinkGroup(channel);
  for (int bit = 0; bit < count; ++bit) {
    if (group & (1u << bit)) {
      members.push_back(first + bit);
    }
  }
  return members;
}
