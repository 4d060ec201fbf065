#pragma once

#include <vector>

class LUnitControl;

/// The channels (ChannelIndex, lowest first) of the link group that holds
/// `channel`, by the rule the unit model's setters store by
/// (LUnitControl::GetLinkGroup); empty for a number that is no channel.
std::vector<int> LinkGroupMembers(const LUnitControl& unit, int channel);
