#pragma once

#include <QString>

#include "platform/text/TFont.h"
#include "platform/core/TObject.h"
#include "widgets/smooth/splash/TSplashHeadingText.h"

/// The splash screen's program information: name, version and notice with
/// their fonts and places. The headings' OnChange is forwarded to OnChange;
/// the other properties are plain. Owned by the splash component. GUI
/// thread only.
class TBasicProgramInfo : public TObject {
public:
  TBasicProgramInfo();

  void Assign(const TBasicProgramInfo& source);

  bool AutoLoad() const { return m_autoLoad; }
  void SetAutoLoad(bool value) { m_autoLoad = value; }
  TSplashHeadingText& ProgramName() { return m_programName; }
  const TSplashHeadingText& ProgramName() const { return m_programName; }
  TSplashHeadingText& ProgramVersion() { return m_programVersion; }
  const TSplashHeadingText& ProgramVersion() const { return m_programVersion; }
  QString CopyRight() const { return m_copyRight; }
  void SetCopyRight(const QString& value) { m_copyRight = value; }
  TFont& CopyRightFont() { return m_copyRightFont; }
  const TFont& CopyRightFont() const { return m_copyRightFont; }
  TItemLocation CopyRightLocation() const { return m_copyRightLocation; }
  void SetCopyRightLocation(TItemLocation value) { m_copyRightLocation = value; }
  int CopyRightPosX() const { return m_copyRightPosX; }
  void SetCopyRightPosX(int value) { m_copyRightPosX = value; }
  int CopyRightPosY() const { return m_copyRightPosY; }
  void SetCopyRightPosY(int value) { m_copyRightPosY = value; }

  TNotifyEvent OnChange;

private:
  bool m_autoLoad = true;
  TFont m_copyRightFont;
  int m_copyRightPosX = 10;
  int m_copyRightPosY = 130;
  QString m_copyRight;
  TSplashHeadingText m_programName;
  TSplashHeadingText m_programVersion;
  TItemLocation m_copyRightLocation = TItemLocation::ilTopLeft;
};
