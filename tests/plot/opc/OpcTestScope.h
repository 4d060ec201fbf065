#pragma once

#include <memory>

#include <QCoreApplication>

#include "plot/opc/OpcClientBinding.h"
#include "tests/plot/opc/OpcTestLibrary.h"

/// Puts a fresh OpcTestLibrary in place for its lifetime (declare it
/// before the OPC objects of a test, so it goes after them), then flushes
/// the deliveries still queued for the GUI thread.
class OpcTestScope {
public:
  OpcTestScope() {
    auto library = std::make_unique<OpcTestLibrary>();
    m_library = library.get();
    OpcClientBinding::Install(std::move(library));
  }
  ~OpcTestScope() {
    OpcClientBinding::Install(nullptr);
    QCoreApplication::processEvents();
  }
  OpcTestScope(const OpcTestScope&) = delete;
  OpcTestScope& operator=(const OpcTestScope&) = delete;
  OpcTestLibrary& Library() { return *m_library; }

private:
  OpcTestLibrary* m_library;
};
