#pragma once

#include <array>

#include <QString>
#include <QStringList>

#include "components/peq/PeqBandStore.h"
#include "platform/widgets/TWinControl.h"
#include "widgets/panels/TRzGroupBox.h"

class TEmptyEdit;
class TRzButton;
class TRzComboBox;
class TRzLabel;

/// How the current band is shown on a kind of band panel.
enum class PeqHighlight : unsigned char {
  Green,            ///< green boxes; the band left gets LabelColor
  None,             ///< no colouring but for SetNowIndex(-1)
  GreenFirstColour, ///< green; the band left gets row 0's box colour of the last layout
};

/// What distinguishes the band panel classes.
struct PeqPanelKind {
  QStringList defaultTypeTexts;
  PeqFlavour flavour = PeqFlavour::Standard;
  PeqHighlight highlight = PeqHighlight::Green;
  bool forwardEditMouseDown = true;
};

/// The band editor of one channel's equaliser: a group box with 50
/// pre-built rows (ChannelNumber of them laid out and shown), each with the
/// band number, frequency, Q and gain boxes, a type list and a bypass
/// button. It keeps every band as grid steps (PeqBandStore) and reports
/// each owner setter and each user edit through one synchronous OnChange;
/// user edits make their row the current band first. Rows outside 0..49
/// are ignored. The row controls are named "Frequency<k>", "Qfactor<k>",
/// "Gain<k>", "PeqType<k>", "ByPass<k>" and "Number<k>", the title labels
/// "Title<i>". The classes TMyPEQType10, TMyPEQFir, TMyPEQType8 and
/// TMyPEQAllpass2Steps are this panel with their kind. Owned by its Qt
/// parent; GUI thread only.
class TMyPEQPanel : public TRzGroupBox {
public:
  static constexpr int kRows = PeqBandStore::kRows;
  static constexpr int kTitles = 6;

  TMyPEQPanel(QWidget* parent, PeqPanelKind kind);
  ~TMyPEQPanel() override;

  // Band values. Setters raise OnChange once (through Change).
  void SetEqParamValue(int row, double hertz, double qIndex, double gain, int type, bool bypass);
  void SetFreqValue(int row, double hertz);
  void SetGainValue(int row, double gain);
  void SetQValue(int row, double qIndex);
  void SetTypeValue(int row, int type);
  void SetBypassValue(int row, bool bypass);
  double GetFreqValue(int row) const { return m_store.Freq(row); }
  double GetQValue(int row) const { return m_store.Q(row); }
  double GetGainValue(int row) const { return m_store.Gain(row); }
  /// The selected index of the row's type list (-1 when none).
  int GetTypeValue(int row) const;
  bool GetBypassValue(int row) const { return m_store.Bypass(row); }

  // Current band and colours.
  int GetNowIndex() const { return m_nowIndex; }
  /// Moves the highlight to the band; -1 takes it off the current band,
  /// which stays current.
  void SetNowIndex(int band);
  /// Font colour of the row's value boxes; ignored unless 0 <= row < ChannelNumber.
  void SetColor(int row, TColor color);
  /// The panel's own colour.
  using TRzGroupBox::SetColor;

  // Texts, applied to the rows by ChangeLanguage (or the next layout).
  void SetEqTypeString(const QString& text, int index);
  void SetBypassString(const QString& text);
  void ChangeLanguage();
  int TypeCount() const { return int(m_typeTexts.size()); }

  // Properties.
  int GetChannelNumber() const { return m_channelNumber; }
  /// Held within 1..50; a change raises OnChange and takes effect at the next layout.
  void SetChannelNumber(int value);
  bool GetUpdownVisable() const { return m_updownVisable; }
  void SetUpdownVisable(bool value);
  bool GetTitleVisable() const { return m_titleVisable; }
  void SetTitleVisable(bool value);
  int GetTopBottomSpace() const { return m_topBottomSpace; }
  void SetTopBottomSpace(int value);
  TColor GetLabelColor() const { return m_labelColor; }
  void SetLabelColor(TColor value);
  TColor GetEditBackColor() const { return m_editBackColor; }
  void SetEditBackColor(TColor value);
  TColor GetBypassBackColor() const { return m_bypassBackColor; }
  void SetBypassBackColor(TColor value);

  /// Creates the panel's window once, as the platform does on first need
  /// (the first show runs it too): the default texts replace the texts set
  /// so far and every shown row's list gets them appended, entry 1
  /// selected. An owner applies its language texts after this.
  void HandleNeeded();

  TNotifyEvent OnChange;
  TMouseEvent OnEditMouseDown;
  TMouseWheelEvent OnPeqTypeMouseWheel;

protected:
  /// Recolours the bypass buttons and raises OnChange, when it is assigned.
  virtual void Change();
  virtual void CreateWnd();
  void Paint() override;
  void FontChanged() override;
  void showEvent(QShowEvent* event) override;

private:
  enum class Box : unsigned char { Frequency, Qfactor, Gain };
  struct Row {
    TRzLabel* number = nullptr;
    std::array<TEmptyEdit*, 3> boxes{};
    /// The text the panel last wrote into each box.
    std::array<QString, 3> shown{};
    TRzComboBox* type = nullptr;
    TRzButton* bypass = nullptr;
    TColor boxColor = clWindowText;
  };

  void BuildRow(int row);
  void BindRow(int row);
  void UnbindRows();
  /// Lays the rows out when the size differs from the last layout.
  void RePaint();
  void LayOut();
  void PlaceTitles(int columnWidth, int rowHeight);
  void FillTypeList(TRzComboBox* list);
  void HideRow(Row& row);

  /// Writes a box's text and keeps it as the text last shown.
  void ShowInBox(int row, Box box, const QString& text);
  void BoxDone(int row, Box box);
  void BoxMouseDown(int row, TMouseButton button, TShiftState shift, int x, int y);
  void TypePicked(int row);
  void BypassClicked(int row);
  void MakeCurrent(int row);
  void ColourBypass(int row);
  void ColourBoxes(int row, TColor color);
  void ColourBoxBack(Row& row);
  TEmptyEdit* BoxOf(int row, Box box) const;
  bool IsShownRow(int row) const { return row >= 0 && row < m_channelNumber; }
  TColor UnhighlightColor() const;

  PeqPanelKind m_kind;
  PeqBandStore m_store;
  std::array<Row, kRows> m_rows{};
  std::array<TRzLabel*, kTitles> m_titles{};
  QStringList m_typeTexts;
  QString m_bypassText;
  int m_nowIndex = 0;
  int m_prevIndex = 0;
  int m_channelNumber = kRows;
  int m_topBottomSpace = 15;
  bool m_updownVisable = false;
  bool m_titleVisable = false;
  TColor m_labelColor = clBlack;
  TColor m_editBackColor = clBlack;
  TColor m_boxBackColor = clWindow;
  TColor m_bypassBackColor = clBlack;
  TColor m_firstBoxColorAtLayout = clWindowText;
  int m_laidOutWidth = 0;
  int m_laidOutHeight = 0;
  bool m_windowCreated = false;
};
