#pragma once

#include <span>

#include <QString>

#include "editors/level/TypedEntryBox.h"
#include "platform/widgets/InputTypes.h"

class DynamicsPanels;
class IEditorWindow;
class TObject;
struct MainWindowState;

/// One parameter of a dynamics section: its holding control (a track bar
/// or an up-down), its typed box and the box's entry kind, found by stem
/// and channel.
struct DynamicsParameterControls {
  const char* control;
  const char* box;
  TypedEntryKind entry;
};

/// What sets a section (the compressor's or the limiter's) apart: its
/// parameters in kind order, the box texts, the model setter, the redraw
/// timer and panel, and where the window keeps the channel the panel shows.
struct DynamicsSection {
  std::span<const DynamicsParameterControls> parameters;
  QString (*text)(int kind, int value);
  void (*store)(IEditorWindow& window, int channel, int kind, int value);
  const char* redrawTimer;
  void (DynamicsPanels::*refreshPanel)(int channel);
  int MainWindowState::*shownChannel;
  /// Every track bar but the threshold writes its own box before the
  /// group is shown (the limiter's way).
  bool barsWriteTheirBox;
};

/// The handling a compressor or limiter page shares: a change stores the
/// parameter for the channel's link group, sends one command, shows the
/// value on every member and arms the one-shot redraw of the panel; a typed
/// entry moves the box's holding control; a mouse down shows the channel
/// on the panel. GUI thread only.
class DynamicsSectionEditor {
 public:
  DynamicsSectionEditor(IEditorWindow& window, DynamicsPanels& panels, const DynamicsSection& section,
                        int firstRedrawChannel)
      : m_window(window), m_panels(panels), m_section(section), m_redrawChannel(firstRedrawChannel) {}

  /// Binds every box's key-down, exit and mouse-down of the channels
  /// [first, last) to the entry handling of its kind.
  void BindBoxes(int first, int last);

  void BarChange(TObject* Sender, int kind);
  void UpDownChange(TObject* Sender, short NewValue, int kind);
  void EntryKeyDown(TObject* Sender, WORD& Key, int kind);
  void Entry(TObject* Sender, int kind);
  /// Shows one value on every member of the channel's link group; an
  /// up-down's own channel is left to its change.
  void Sync(int channel, int kind, int value);
  /// The redraw timer's tick: one-shot, redraws the last edited channel.
  void RedrawTick(TObject* Sender);
  /// Shows the channel of the control under the mouse (its Tag) on the panel.
  void ShowChannelOf(TObject* Sender);

  int RedrawChannel() const { return m_redrawChannel; }

 private:
  const DynamicsParameterControls* ParameterOf(int kind) const;
  void ScheduleRedraw(int channel);

  IEditorWindow& m_window;
  DynamicsPanels& m_panels;
  const DynamicsSection& m_section;
  int m_redrawChannel;
};
