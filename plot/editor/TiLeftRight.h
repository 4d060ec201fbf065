#pragma once

/// Which side of a control its caption takes: taLeftJustify puts the
/// caption at the left and the box or mark at the right edge,
/// taRightJustify the box at the left edge and the caption right of it.
/// Stored in forms, so the values are explicit.
enum class TLeftRight { taLeftJustify = 0, taRightJustify = 1 };
