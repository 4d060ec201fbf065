#pragma once

/// Enumerations shared by many parts of the plot library. Values are stored
/// in forms and property files, so they are explicit.

/// Frame around a control.
enum class TiBevelStyle { ibsNone = 0, ibsRaised = 1, ibsLowered = 2 };

/// The twelve gradient directions of FillGradient.
enum class TiFillDirection {
  ifdTopBottom = 0,
  ifdBottomTop = 1,
  ifdLeftRight = 2,
  ifdRightLeft = 3,
  ifdTopLeftBottomRight = 4,
  ifdBottomRightTopLeft = 5,
  ifdBottomLeftTopRight = 6,
  ifdTopRightBottomLeft = 7,
  ifdRectangleOut = 8,
  ifdRectangleIn = 9,
  ifdCircleOut = 10,
  ifdCircleIn = 11,
};

/// Text rotation in quarter turns (escapement 0, 900, 1800, 2700).
enum class TiRotationAngle { ira000 = 0, ira090 = 1, ira180 = 2, ira270 = 3 };

enum class TiAlignmentHorizontal { iahCenter = 0, iahLeft = 1, iahRight = 2 };
enum class TiAlignmentVertical { iavCenter = 0, iavTop = 1, iavBottom = 2 };
enum class TiOrientation { ioVertical = 0, ioHorizontal = 1 };
enum class TiOrientationSide { iosBottomRight = 0, iosTopLeft = 1 };

/// What a changed property asks of the control: InvalidateChange,
/// BackGroundChange or nothing.
enum class RepaintKind { Invalidate = 0, BackGround = 1, None = 2 };
