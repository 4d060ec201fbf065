#pragma once

/// One step by which the link dialog makes the unit model follow its grid,
/// in the order the dialog takes the steps. Channels are ChannelIndex values.
struct LinkOperation {
  enum class Kind : int {
    /// The menu caption of `second` as a member (or leader) of `first`.
    Caption = 0,
    /// Copies channel `first` onto the link group of channel `second`.
    Copy = 1,
    /// Stores (and sends) `second` as the link mask of channel `first`.
    Mask = 2,
  };

  Kind kind = Kind::Caption;
  int first = 0;
  int second = 0;

  bool operator==(const LinkOperation&) const = default;
};
