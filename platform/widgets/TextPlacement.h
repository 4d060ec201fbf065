#pragma once

/// Where a caption sits in its control: shared by the platform's labels and
/// the widget set. Plain enumerations, any thread.

/// Horizontal placement of a caption.
enum class TAlignment : unsigned char { taLeftJustify, taRightJustify, taCenter };

/// Vertical placement of a label's text.
enum class TTextLayout : unsigned char { tlTop, tlCenter, tlBottom };
