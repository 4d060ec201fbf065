#include "widgets/smooth/splash/TBasicProgramInfo.h"

TBasicProgramInfo::TBasicProgramInfo() {
  m_programName.Font().SetSize(14);
  m_programName.Font().SetStyle({TFontStyle::fsBold});
  m_programVersion.Font().SetSize(14);
  m_programVersion.SetPosX(80);
  m_programVersion.SetPosY(100);
  m_programName.OnChange = [this](TObject*) { Raise(OnChange, this); };
  m_programVersion.OnChange = [this](TObject*) { Raise(OnChange, this); };
}

void TBasicProgramInfo::Assign(const TBasicProgramInfo& source) {
  if (&source == this) {
    return;
  }
  m_autoLoad = source.m_autoLoad;
  m_programName.Assign(source.m_programName);
  m_programVersion.Assign(source.m_programVersion);
  m_copyRight = source.m_copyRight;
  m_copyRightFont.Assign(source.m_copyRightFont);
  m_copyRightLocation = source.m_copyRightLocation;
  m_copyRightPosX = source.m_copyRightPosX;
  m_copyRightPosY = source.m_copyRightPosY;
  Raise(OnChange, this);
}
