#pragma once

#include <QString>

#include "plot/base/TiMemoryStream.h"

/// A minimal line-oriented XML writer and reader over TiMemoryStream, for
/// the theme and scheme files: one tag or one leaf element per line, no
/// attributes, no escaping. Parsing errors throw EPlotError
/// "XML Parsing Error - "<c>" not Found"; reading past the end throws "EOF".
class TiXMLMemoryStream : public TiMemoryStream {
public:
  void StartElement(const QString& name);
  void EndElement(const QString& name);
  void WriteElement(const QString& name, const QString& value);

  /// The name of the next opening tag (closing tags are passed over).
  QString GetNameElementStart();
  void GotoElementStart(const QString& value);
  /// The text up to the next "<", which is left to be read next.
  QString GetElementValue();
  /// The name of the closing tag that must come next.
  QString GetNameElementStop();
  /// The value of the next leaf element called name.
  QString GetElement(const QString& name);
  /// The next tag text ("/" + name for a closing tag) or text run.
  QString GetNextPiece();
  QString PeekNextPiece();

private:
  /// Collects a tag name up to ">" (a blank ends the name; the rest of the
  /// tag is read and ignored).
  QString ReadTagName();
};
