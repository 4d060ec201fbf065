#pragma once

#include "platform/core/TSet.h"

/// Whether a control draws its own frame or the platform's themed one.
enum class TFramingPreference : unsigned char { fpCustomFraming, fpXPThemes };

/// The settings a frame controller holds and pushes; the first sixteen form
/// a control's notification mask.
enum class TRzFrameControllerProperty : unsigned char {
  fcpColor, fcpFocusColor, fcpDisabledColor, fcpReadOnlyColor, fcpReadOnlyColorOnFocus, fcpParentColor,
  fcpFlatButtonColor, fcpFlatButtons, fcpFrameColor, fcpFrameHotColor, fcpFrameHotTrack, fcpFrameHotStyle,
  fcpFrameSides, fcpFrameStyle, fcpFrameVisible, fcpFramingPreference, fcpAll
};
using TRzFrameControllerNotifications = TSet<TRzFrameControllerProperty>;

/// All sixteen settings: a control's default mask.
TRzFrameControllerNotifications AllFrameControllerNotifications();

class TRzFrameController;

/// A control that takes the controller's settings itself (the panels and
/// the label): called for every property notice, whatever its mask.
class IFrameSettingsClient {
public:
  virtual ~IFrameSettingsClient() = default;
  virtual void ApplyFrameSettings(const TRzFrameController& controller, TRzFrameControllerProperty property) = 0;
};

/// A control that publishes properties named as the controller's (the combo
/// box): the controller writes each one its mask holds.
class IFrameSettingsProperties {
public:
  virtual ~IFrameSettingsProperties() = default;
  virtual TRzFrameControllerNotifications FrameControllerNotifications() const = 0;
  /// Copies the controller's value of one property (never fcpAll) into the
  /// control's same-named property, when it has one.
  virtual void SetFrameProperty(const TRzFrameController& controller, TRzFrameControllerProperty property) = 0;
};
