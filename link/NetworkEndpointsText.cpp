#include "link/NetworkEndpointsText.h"

#include <QStringList>

#include "link/NetworkGlue.h"

namespace {

std::optional<std::uint16_t> ParsePort(const QString& text) {
  bool ok = false;
  const uint port = text.toUInt(&ok);
  if (!ok || port == 0 || port > 0xFFFF) {
    return std::nullopt;
  }
  return static_cast<std::uint16_t>(port);
}

}  // namespace

std::optional<NetworkEndpoints> ParseNetworkEndpoints(const QString& text) {
  NetworkEndpoints endpoints;
  for (const QString& field : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    const qsizetype equals = field.indexOf(QLatin1Char('='));
    if (equals < 0) {
      return std::nullopt;
    }
    const QString key = field.left(equals).trimmed();
    const QString value = field.mid(equals + 1).trimmed();
    if (key == QLatin1String("unit") || key == QLatin1String("group")) {
      const std::optional<std::uint32_t> address = NetworkGlue::ParseAddress(value);
      if (!address) {
        return std::nullopt;
      }
      (key == QLatin1String("unit") ? endpoints.defaultUnitAddress : endpoints.group) = *address;
      continue;
    }
    const std::optional<std::uint16_t> port = ParsePort(value);
    if (!port) {
      return std::nullopt;
    }
    if (key == QLatin1String("tcp")) {
      endpoints.tcpPort = *port;
    } else if (key == QLatin1String("frame")) {
      endpoints.framePort = *port;
    } else if (key == QLatin1String("broadcast")) {
      endpoints.broadcastPort = *port;
    } else {
      return std::nullopt;
    }
  }
  return endpoints;
}
