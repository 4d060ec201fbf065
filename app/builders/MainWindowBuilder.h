#pragma once

#include <QString>
#include <QStringList>

#include "app/builders/ControlFactory.h"

class LProgressBar;
class TAdvTrackBar;
class TCurvyEdit;
class TForm;
class TLabel;
class TRzBmpButton;
class TRzComboBox;
class TRzGroupBox;
class TVrPowerButton;
class TiXYPlot;
struct TfmMainControls;

/// Builds the main window's control tree in code: the menu, the page button
/// row, the fifteen pages (each an upper group with plots and meters and a
/// lower group with the parameter controls), the preset bar and the timers.
/// Every control gets its name, Tag and the settings the window's editors
/// rely on (ranges, start positions, item lists, groups) and is registered;
/// handlers are bound by the code that owns them, never here. Positions not
/// given by the layout rules are a grid per family. GUI thread only.
class MainWindowBuilder {
public:
  MainWindowBuilder(TForm& form, ControlFactory& factory, TfmMainControls& controls);

  /// Builds everything, in the order of the functions below.
  void Build();

  void BuildMenu();
  void BuildTimers();
  void BuildFunctionRow();
  void BuildMainArea();
  void BuildPresetBar();
  void BuildInputPage(int channel);
  void BuildOutputPage(int channel);
  void BuildGainPage();
  void BuildDelayPage();
  void BuildMatrixPage();
  void BuildCompPage();
  void BuildGatePage();
  void BuildLimitPage();

private:
  // Shared families (MainWindowBuilder_Families.cpp).
  TRzGroupBox& Group(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                     int height, int tag = 0);
  TLabel& Label(QWidget* parent, const QString& name, const QString& caption, int left, int top, int tag = 0);
  /// A label of the signal-flow overview: fixed width, caption centred.
  TLabel& OverviewLabel(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                        int tag);
  /// A parameter's caption centred over its column, in the small face.
  TLabel& ColumnCaption(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                        int tag);
  TAdvTrackBar& Slider(QWidget* parent, const QString& name, int tag, int min, int max, int position, int pageSize,
                       int left, int top, int height);
  TCurvyEdit& ValueBox(QWidget* parent, const QString& name, int tag, const QString& text, int left, int top,
                       int width = 66);
  TRzBmpButton& Button(QWidget* parent, const QString& name, const QString& caption, int tag, int left, int top,
                       int width, int height);
  TRzBmpButton& Toggle(QWidget* parent, const QString& name, const QString& caption, int tag, int groupIndex,
                       int left, int top, int width, int height);
  TRzComboBox& List(QWidget* parent, const QString& name, int tag, const QStringList& items, int itemIndex,
                    int left, int top, int width);
  TVrPowerButton& Switch(QWidget* parent, const QString& name, const QString& caption, int tag, bool active,
                         int left, int top, int width = 70);
  /// A level meter with `max` segments (8, or 9 on the gate) and its scale
  /// labels `lb<mark><suffix>` beside it.
  LProgressBar& Meter(QWidget* parent, const QString& name, int tag, int max, int left, int top, int height);
  LProgressBar& Lamp(QWidget* parent, const QString& name, int tag, int left, int top);
  void MeterScale(QWidget* parent, const QStringList& marks, const QString& suffix, int left,
                  const QList<int>& tops);

  /// The shown channel's meter panel of the compressor or limiter page:
  /// `plLevel<stem>` with its heading, limit lamp, meter and scale.
  void ShownChannelMeters(QWidget* upper, const QString& stem, const QString& heading, int channel, int left,
                          int width);
  /// A dynamics page's title label and its transfer plot (-100..+20 dB).
  TiXYPlot& TransferPlot(QWidget* upper, const QString& titleName, int titleLeft, int titleWidth,
                         const QString& plotName, int plotWidth, int plotHeight);

  // Channel-page parts (MainWindowBuilder_Channel.cpp).
  void BuildChannelPlotArea(int channel);
  void BuildGainColumn(QWidget* page, int channel);
  void BuildPeqColumn(QWidget* page, int channel);
  void BuildCrossover(QWidget* parent, int channel, bool lowCut, int left, int top);
  void BuildFirControls(QWidget* parent, int channel, int left, int top);
  void BuildFirDesigner(QWidget* page, int channel);

  TForm& m_form;
  ControlFactory& m_factory;
  TfmMainControls& m_controls;
};
