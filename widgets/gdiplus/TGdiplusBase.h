#pragma once

#include "platform/core/TObject.h"
#include "widgets/gdiplus/GdiPlusTypes.h"

/// Base of every GDI+ wrapper: the last failing status, kept until it is
/// read. A new wrapper starts with the status of its creation; every later
/// operation records a status other than Ok and returns it. Wrappers never
/// throw. GUI thread only.
class TGdiplusBase : public TObject {
public:
  /// The stored status; the field is reset to Ok.
  Status GetLastStatus() {
    const Status s = m_lastResult;
    m_lastResult = Status::Ok;
    return s;
  }

protected:
  explicit TGdiplusBase(Status creation = Status::Ok) : m_lastResult(creation) {}
  Status RecordStatus(Status s) {
    if (s != Status::Ok) {
      m_lastResult = s;
    }
    return s;
  }
  void SetCreationStatus(Status s) { m_lastResult = s; }

private:
  Status m_lastResult;
};
