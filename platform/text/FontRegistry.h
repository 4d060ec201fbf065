#pragma once

#include <QString>
#include <QStringList>

/// The face names the forms use mapped to the free faces the set-up script
/// installs (fonts-wine, fonts-liberation2, fonts-wqy-microhei,
/// fonts-dejavu-core): Arial -> Liberation Sans, Times New Roman ->
/// Liberation Serif, Courier New -> Liberation Mono, Tahoma and MS Sans Serif
/// -> Wine's faces of those names, MS Shell Dlg -> Tahoma, Verdana -> DejaVu
/// Sans, the Chinese faces (SimSun, SimHei, Microsoft YaHei ...) ->
/// WenQuanYi Micro Hei. Names not in the table are returned unchanged
/// (case-insensitive lookup). Any thread.
QString SubstituteFaceName(const QString& face);

/// The face that draws Chinese characters missing from a Latin face.
QString ChineseFallbackFace();

/// Folders searched by RegisterPlatformFonts.
QStringList PlatformFontFolders();

/// Adds the font files of PlatformFontFolders() that the font database does
/// not know yet to the application's fonts. Call once after the
/// QGuiApplication exists (program entry and test main); later calls do
/// nothing. Returns the number of font files added by this call.
int RegisterPlatformFonts();
