#pragma once

#include <QString>

class ControlRegistry;
class QWidget;
class TAdvTrackBar;
class TEdit;
class TForm;
class TLabel;
class TRzBmpButton;
class TRzGroupBox;
class TVrDemoButton;
class TVrPowerButton;
struct FirDesignForm;

/// Builds the FIR designer's controls in code on its form: the plot group
/// with the plot, view and curve switches, and the parameter group with the
/// equaliser, measurement, target, range and output groups and the hidden
/// value holders. Each control gets its name, Tag, range and start value
/// and is registered; handlers are bound by the designer. A name used twice
/// is a building error (std::logic_error). GUI thread only.
class FirDesignBuilder {
public:
  FirDesignBuilder(TForm& form, ControlRegistry& registry, FirDesignForm& controls);

  void Build();

private:
  void BuildFrame();
  void BuildPlotGroup();
  void BuildPlot();
  void BuildEqParameters(QWidget* parent);
  void BuildEqualiser(QWidget* parent);
  void BuildImport(QWidget* parent);
  void BuildTarget(QWidget* parent);
  void BuildRanges(QWidget* parent);
  void BuildOutput(QWidget* parent);

  template <class T>
  T& Make(QWidget* parent, const QString& name, int left, int top, int width, int height, int tag = 0);
  TRzGroupBox& Group(QWidget* parent, const QString& name, int left, int top, int width, int height);
  TLabel& Label(QWidget* parent, const QString& name, const QString& caption, int left, int top);
  TEdit& Edit(QWidget* parent, const QString& name, const QString& text, int left, int top, int width, int tag = 0);
  TRzBmpButton& Button(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                       int height, int tag = 0);
  /// A button alone in its group that stays down until pressed again.
  TRzBmpButton& Toggle(QWidget* parent, const QString& name, const QString& caption, int groupIndex, int left,
                       int top, int width);
  TVrPowerButton& CurveSwitch(QWidget* parent, const QString& name, const QString& caption, bool active, int left);
  TVrDemoButton& DemoButton(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                            int height, int tag = 0);
  TAdvTrackBar& Slider(QWidget* parent, const QString& name, int min, int max, int position, int left, int top,
                       int height);
  /// A value holder outside its group's visible area.
  TAdvTrackBar& Holder(QWidget* parent, const QString& name, int min, int max, int position);

  TForm& m_form;
  ControlRegistry& m_registry;
  FirDesignForm& m_c;
};
