#pragma once

/// The style presets of the smooth widgets' style interface; each widget
/// carries its own colour table for them.
enum class TStylePreset {
  tsOffice2003Blue,
  tsOffice2003Silver,
  tsOffice2003Olive,
  tsOffice2003Classic,
  tsOffice2007Luna,
  tsOffice2007Obsidian,
  tsWindowsXP,
  tsWhidbey,
  tsCustom,
  tsOffice2007Silver,
  tsWindowsVista,
  tsWindows7,
  tsTerminal,
  tsOffice2010Blue,
  tsOffice2010Silver,
  tsOffice2010Black,
};
