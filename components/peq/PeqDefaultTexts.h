#pragma once

#include <QString>
#include <QStringList>

/// The texts a band panel shows until its owner gives it language texts,
/// each padded with blanks to 12 characters. Any thread.

/// The eleven types in `PeqType` order (" Peak       " ... " Band Stop  ").
QStringList PeqType10Texts();
/// The first seven of them, for the FIR designer's panel.
QStringList PeqFirTexts();
/// Nine types, the high-pass ones before the low-pass ones.
QStringList PeqType8Texts();
/// Seven types with low cut and high cut.
QStringList PeqAllpass2StepsTexts();
/// "   BYPASS   ".
QString PeqBypassText();
