#pragma once

#include <cstdint>
#include <vector>

#include "platform/drawing/TColor.h"

/// The value records, enumerations and colour helpers of our GDI+ object
/// layer. Enumerations carry the GDI+ names and values. Plain values, any
/// thread.

/// Result of every GDI+ operation.
enum class Status : int {
  Ok = 0,
  GenericError = 1,
  InvalidParameter = 2,
  OutOfMemory = 3,
  ObjectBusy = 4,
  InsufficientBuffer = 5,
  NotImplemented = 6,
  Win32Error = 7,
  WrongState = 8,
  Aborted = 9,
  FileNotFound = 10,
  ValueOverflow = 11,
  AccessDenied = 12,
  UnknownImageFormat = 13,
  FontFamilyNotFound = 14,
  FontStyleNotFound = 15,
  NotTrueTypeFont = 16,
  UnsupportedGdiplusVersion = 17,
  GdiplusNotInitialized = 18,
  PropertyNotFound = 19,
  PropertyNotSupported = 20,
};

/// A 32-bit ARGB colour: alpha in bits 24-31, red 16-23, green 8-15, blue 0-7.
using ARGB = std::uint32_t;

enum class FillMode : int { FillModeAlternate = 0, FillModeWinding = 1 };
enum class Unit_ : int { UnitWorld = 0, UnitDisplay, UnitPixel, UnitPoint, UnitInch, UnitDocument, UnitMillimeter };
enum class SmoothingMode : int {
  SmoothingModeInvalid = -1,
  SmoothingModeDefault = 0,
  SmoothingModeHighSpeed = 1,
  SmoothingModeHighQuality = 2,
  SmoothingModeNone = 3,
  SmoothingModeAntiAlias = 4,
};
enum class CompositingQuality : int {
  CompositingQualityInvalid = -1,
  CompositingQualityDefault = 0,
  CompositingQualityHighSpeed,
  CompositingQualityHighQuality,
  CompositingQualityGammaCorrected,
  CompositingQualityAssumeLinear,
};
enum class TextRenderingHint : int {
  TextRenderingHintSystemDefault = 0,
  TextRenderingHintSingleBitPerPixelGridFit,
  TextRenderingHintSingleBitPerPixel,
  TextRenderingHintAntiAliasGridFit,
  TextRenderingHintAntiAlias,
  TextRenderingHintClearTypeGridFit,
};
enum class HatchStyle : int {
  HatchStyleHorizontal, HatchStyleVertical, HatchStyleForwardDiagonal, HatchStyleBackwardDiagonal,
  HatchStyleCross, HatchStyleDiagonalCross, HatchStyle05Percent, HatchStyle10Percent, HatchStyle20Percent,
  HatchStyle25Percent, HatchStyle30Percent, HatchStyle40Percent, HatchStyle50Percent, HatchStyle60Percent,
  HatchStyle70Percent, HatchStyle75Percent, HatchStyle80Percent, HatchStyle90Percent,
  HatchStyleLightDownwardDiagonal, HatchStyleLightUpwardDiagonal, HatchStyleDarkDownwardDiagonal,
  HatchStyleDarkUpwardDiagonal, HatchStyleWideDownwardDiagonal, HatchStyleWideUpwardDiagonal,
  HatchStyleLightVertical, HatchStyleLightHorizontal, HatchStyleNarrowVertical, HatchStyleNarrowHorizontal,
  HatchStyleDarkVertical, HatchStyleDarkHorizontal, HatchStyleDashedDownwardDiagonal,
  HatchStyleDashedUpwardDiagonal, HatchStyleDashedHorizontal, HatchStyleDashedVertical, HatchStyleSmallConfetti,
  HatchStyleLargeConfetti, HatchStyleZigZag, HatchStyleWave, HatchStyleDiagonalBrick, HatchStyleHorizontalBrick,
  HatchStyleWeave, HatchStylePlaid, HatchStyleDivot, HatchStyleDottedGrid, HatchStyleDottedDiamond,
  HatchStyleShingle, HatchStyleTrellis, HatchStyleSphere, HatchStyleSmallGrid, HatchStyleSmallCheckerBoard,
  HatchStyleLargeCheckerBoard, HatchStyleOutlinedDiamond, HatchStyleSolidDiamond, HatchStyleTotal,
};
enum class DashStyle : int {
  DashStyleSolid = 0, DashStyleDash, DashStyleDot, DashStyleDashDot, DashStyleDashDotDot, DashStyleCustom
};
enum class LineCap : int { LineCapFlat = 0, LineCapSquare = 1, LineCapRound = 2, LineCapTriangle = 3 };
enum class WrapMode : int { WrapModeTile = 0, WrapModeTileFlipX, WrapModeTileFlipY, WrapModeTileFlipXY, WrapModeClamp };
enum class LinearGradientMode : int {
  LinearGradientModeHorizontal = 0,
  LinearGradientModeVertical,
  LinearGradientModeForwardDiagonal,
  LinearGradientModeBackwardDiagonal,
};
enum class CombineMode : int {
  CombineModeReplace = 0, CombineModeIntersect, CombineModeUnion, CombineModeXor, CombineModeExclude,
  CombineModeComplement
};
enum class MatrixOrder : int { MatrixOrderPrepend = 0, MatrixOrderAppend = 1 };
enum class StringAlignment : int { StringAlignmentNear = 0, StringAlignmentCenter, StringAlignmentFar };
enum class StringTrimming : int {
  StringTrimmingNone = 0, StringTrimmingCharacter, StringTrimmingWord, StringTrimmingEllipsisCharacter,
  StringTrimmingEllipsisWord, StringTrimmingEllipsisPath
};
enum class HotkeyPrefix : int { HotkeyPrefixNone = 0, HotkeyPrefixShow, HotkeyPrefixHide };
enum class FlushIntention : int { FlushIntentionFlush = 0, FlushIntentionSync = 1 };
enum class ColorAdjustType : int {
  ColorAdjustTypeDefault = 0, ColorAdjustTypeBitmap, ColorAdjustTypeBrush, ColorAdjustTypePen,
  ColorAdjustTypeText, ColorAdjustTypeCount, ColorAdjustTypeAny
};
enum class ColorMatrixFlags : int { ColorMatrixFlagsDefault = 0, ColorMatrixFlagsSkipGrays, ColorMatrixFlagsAltGray };
enum class ColorChannelFlags : int {
  ColorChannelFlagsC = 0, ColorChannelFlagsM, ColorChannelFlagsY, ColorChannelFlagsK, ColorChannelFlagsLast
};
enum class RotateFlipType : int {
  RotateNoneFlipNone = 0, Rotate90FlipNone, Rotate180FlipNone, Rotate270FlipNone,
  RotateNoneFlipX, Rotate90FlipX, Rotate180FlipX, Rotate270FlipX,
};
/// Kinds of pen fill as GetPenType answers them.
enum class PenType : int {
  PenTypeSolidColor = 0, PenTypeHatchFill, PenTypeTextureFill, PenTypePathGradient, PenTypeLinearGradient,
  PenTypeUnknown = -1
};

/// GDI+ pixel formats (index, bits per pixel << 8, flags).
using PixelFormat = int;
constexpr PixelFormat PixelFormatIndexed = 0x00010000;
constexpr PixelFormat PixelFormatAlpha = 0x00040000;
constexpr PixelFormat PixelFormat24bppRGB = 0x00021808;
constexpr PixelFormat PixelFormat32bppRGB = 0x00022009;
constexpr PixelFormat PixelFormat32bppARGB = 0x0026200A;
constexpr PixelFormat PixelFormat8bppIndexed = 0x00030803;

/// Font style bits.
constexpr int FontStyleRegular = 0;
constexpr int FontStyleBold = 1;
constexpr int FontStyleItalic = 2;
constexpr int FontStyleUnderline = 4;
constexpr int FontStyleStrikeout = 8;

/// String format flag: measure and draw trailing spaces.
constexpr int StringFormatFlagsMeasureTrailingSpaces = 0x00000800;
constexpr int StringFormatFlagsNoWrap = 0x00001000;

/// Picture formats of the layer, by the raw format of a decoded image.
enum class TGPImageFormat : int {
  ifUndefined, ifMemoryBMP, ifBMP, ifEMF, ifWMF, ifJPEG, ifPNG, ifGIF, ifTIFF, ifEXIF, ifIcon
};

/// Gradient kinds of the fill description and the smooth widgets.
enum class TAdvGradientType : int {
  gtSolid, gtRadial, gtVertical, gtHorizontal, gtForwardDiagonal, gtBackwardDiagonal, gtAngle, gtHatch, gtPath,
  gtTexture, gtNone
};

struct TGPPointF {
  float X = 0;
  float Y = 0;
};
struct TGPPoint {
  int X = 0;
  int Y = 0;
};
struct TGPRectF {
  float X = 0;
  float Y = 0;
  float Width = 0;
  float Height = 0;
  friend bool operator==(const TGPRectF&, const TGPRectF&) = default;
};
struct TGPRect {
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
};

/// Six elements of a 3 x 2 affine matrix (m11, m12, m21, m22, dx, dy).
using TMatrixArray = float[6];

/// A 5 x 5 colour matrix as image attributes take it.
struct ColorMatrix {
  float m[5][5] = {};
};
struct ColorMap {
  ARGB oldColor = 0;
  ARGB newColor = 0;
};

/// An identifier of GDI+ (here: of an encoder parameter's category).
struct GUID {
  std::uint32_t Data1 = 0;
  std::uint16_t Data2 = 0;
  std::uint16_t Data3 = 0;
  std::uint8_t Data4[8] = {};
  friend bool operator==(const GUID&, const GUID&) = default;
};
/// The JPEG quality, one Long from 0 (smallest file) to 100 (best picture).
inline constexpr GUID EncoderQuality{0x1d5be4b5, 0xfa4a, 0x452d, {0x9c, 0xdd, 0x5d, 0xb3, 0x51, 0x05, 0xe7, 0xeb}};

enum class EncoderParameterValueType : int {
  EncoderParameterValueTypeByte = 1,
  EncoderParameterValueTypeASCII = 2,
  EncoderParameterValueTypeShort = 3,
  EncoderParameterValueTypeLong = 4,
  EncoderParameterValueTypeRational = 5,
  EncoderParameterValueTypeLongRange = 6,
  EncoderParameterValueTypeUndefined = 7,
  EncoderParameterValueTypeRationalRange = 8
};
/// One setting handed to an encoder: NumberOfValues values of Type at Value
/// (not owned; a Long is 32 bits).
struct EncoderParameter {
  GUID Guid;
  std::uint32_t NumberOfValues = 0;
  EncoderParameterValueType Type = EncoderParameterValueType::EncoderParameterValueTypeLong;
  const void* Value = nullptr;
};
struct EncoderParameters {
  std::vector<EncoderParameter> Parameter;
};

constexpr ARGB ComposeArgb(int alpha, int red, int green, int blue) {
  return (ARGB(alpha & 0xFF) << 24) | (ARGB(red & 0xFF) << 16) | (ARGB(green & 0xFF) << 8) | ARGB(blue & 0xFF);
}
constexpr ARGB OpaqueArgb(int red, int green, int blue) { return ComposeArgb(255, red, green, blue); }
constexpr int ArgbAlphaByte(ARGB c) { return int((c >> 24) & 0xFF); }
constexpr int ArgbRedByte(ARGB c) { return int((c >> 16) & 0xFF); }
constexpr int ArgbGreenByte(ARGB c) { return int((c >> 8) & 0xFF); }
constexpr int ArgbBlueByte(ARGB c) { return int(c & 0xFF); }
/// A VCL colour (system colours resolved) packed with the given alpha.
ARGB ArgbFromColor(int alpha, TColor color);
inline ARGB OpaqueArgbFromColor(TColor color) { return ArgbFromColor(255, color); }

inline TGPPoint GpPoint(int x, int y) { return {x, y}; }
inline TGPPointF GpPointF(float x, float y) { return {x, y}; }
inline TGPRectF GpRectF(float x, float y, float width, float height) { return {x, y, width, height}; }
