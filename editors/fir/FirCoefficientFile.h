#pragma once

#include <istream>
#include <vector>

/// What a FIR coefficient file gave: its values (at most one more than the
/// channel holds, so the caller can tell an overlong file), or the text key
/// of its refusal.
struct FirCoefficientFile {
  std::vector<float> values;
  /// Null when the file was read; else the text key shown to the user.
  const char* refusal = nullptr;
};

/// Reads a FIR coefficient file from `in` in bounded chunks, byte by byte:
/// fields end at a comma, line feed or tab; CR LF counts as LF; zero bytes
/// and a leading UTF-16 byte-order mark are dropped; a field of blanks and
/// control bytes (or starting 0x7F) gives nothing, any other gives its leading
/// decimal number. A byte outside the accepted set, a field over 51 bytes, a
/// field without a leading number or a file without values refuses it with
/// "SID_INFO_ERROR_FIR_COEFF". Stops once `capacity` + 1 values were read.
/// Any thread.
FirCoefficientFile ReadFirCoefficientFile(std::istream& in, int capacity);
