#pragma once

/// The resident memory of this process in kilobytes (0 when the system does
/// not tell).
long ResidentKilobytes();
