#pragma once

#include <QImage>

/// The OPC binding's own artwork, drawn in code: the manager's 24 x 24
/// icon and the explorer's 16 x 16 node images. Any thread.

/// A server stack with a link: the OPC manager's design-time icon.
QImage OpcManagerIcon();
/// The explorer's images: 0 the servers root, 1 the groups root, 2 one
/// server connection.
QImage OpcExplorerImage(int index);
