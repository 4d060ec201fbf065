#pragma once

#include <functional>

#include <QPointer>
#include <QString>
#include <QStringList>

#include "platform/threads/TTimer.h"
#include "platform/widgets/TEdit.h"
#include "platform/widgets/TCustomControl.h"
#include "widgets/panelset/FrameStyles.h"
#include "widgets/panelset/TRzFrameController.h"

class QLineEdit;
class QListWidget;

enum class TComboBoxStyle : unsigned char { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
enum class TOwnerDrawStateItem { odSelected, odFocused, odDisabled, odComboBoxEdit };
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;

using TDrawItemEvent = std::function<void(TObject* Control, int Index, TRect Rect, TOwnerDrawState State)>;
using TRzDeleteComboItemEvent = std::function<void(TObject* Sender, TObject* Item)>;

/// A combo box drawn by the widget set: a field with the selected item (or
/// an edit part for csDropDown and csSimple), a drop-down button (classic or
/// flat) and an optional custom frame with hot tracking; colours that follow
/// the state (normal, focused, read-only, disabled); a read-only mode;
/// incremental search by typing in the list styles (cleared 1500 ms after
/// the last key), auto-completion in the editable styles, a drop-down list
/// as wide as its longest item and stepping by the mouse wheel (120 units a
/// step). Writing ItemIndex, Text or the items raises no event; OnChange and
/// OnClick come only from the user's selection, typing and wheel. Owned by
/// its Qt parent; GUI thread.
class TRzCustomComboBox : public TCustomControl, public IFrameSettingsProperties {
public:
  explicit TRzCustomComboBox(QWidget* parent = nullptr);
  /// Starts in the given style (the same as setting Style right after).
  TRzCustomComboBox(QWidget* parent, TComboBoxStyle style);
  ~TRzCustomComboBox() override;

  // Frame controller: the shared settings written into the same-named properties.
  TRzFrameController* FrameController() const { return m_frameController; }
  void SetFrameController(TRzFrameController* value);
  TRzFrameControllerNotifications FrameControllerNotifications() const override {
    return m_frameControllerNotifications;
  }
  void SetFrameControllerNotifications(TRzFrameControllerNotifications value) {
    m_frameControllerNotifications = value;
  }
  void SetFrameProperty(const TRzFrameController& controller, TRzFrameControllerProperty property) override;

  // Items and selection.
  TComboBoxStyle Style() const { return m_style; }
  void SetStyle(TComboBoxStyle value);
  const QStringList& Items() const { return m_items; }
  /// Replaces all items (objects are dropped without OnDeleteItem).
  void SetItems(const QStringList& items);
  int ItemIndex() const { return m_itemIndex; }
  /// Selects an item; an index outside the items selects none (-1).
  void SetItemIndex(int value);
  /// The edit text (editable styles) or the selected item's text.
  QString Text() const;
  void SetText(const QString& value);
  int ItemHeight() const { return m_itemHeight; }
  int DropDownCount() const { return m_dropDownCount; }
  void SetDropDownCount(int value) { m_dropDownCount = value; }
  int MaxLength() const { return m_maxLength; }
  void SetMaxLength(int value) { m_maxLength = value; }
  /// Keeps the items in alphabetical order, ignoring case (Add and
  /// setting it on sort; Insert places where it is told).
  bool Sorted() const { return m_sorted; }
  void SetSorted(bool value);
  /// Converts the items and the edit text, and what is typed, to upper or
  /// lower case.
  TEditCharCase CharCase() const { return m_charCase; }
  void SetCharCase(TEditCharCase value);
  /// Grey text the empty edit part shows.
  QString TextHint() const { return m_textHint; }
  void SetTextHint(const QString& value);
  /// Paints item index of the open drop-down list onto canvas (owner-drawn
  /// styles: through OnDrawItem with Canvas() being that canvas).
  void PaintListItem(TCanvas& canvas, int index, const TRect& rect, bool selected);
  bool AutoDropDown() const { return m_autoDropDown; }
  void SetAutoDropDown(bool value) { m_autoDropDown = value; }

  int Add(const QString& s);
  void AddObject(const QString& s, TObject* object);
  void Insert(int index, const QString& s);
  void InsertObject(int index, const QString& s, TObject* object);
  void Delete(int index);
  void ClearItems();
  int Count() const { return int(m_items.size()); }
  TObject* ItemObject(int index) const;
  /// Index of the item equal to s (case-insensitive), or -1.
  virtual int IndexOf(const QString& s) const;
  /// Selects the item equal to s (no event); false when there is none.
  bool FindItem(const QString& s);
  /// Selects the first item that begins with s (no event); false when none.
  bool FindClosestItem(const QString& s);
  /// Index of the first item beginning with s (case-insensitive), or -1.
  virtual int FindClosest(const QString& s) const;
  void ClearSearchString() { m_searchString.clear(); }
  /// The characters typed so far for search or completion.
  QString SearchString() const { return m_searchString; }
  /// Sets Text when it differs, with auto-completion suspended.
  virtual void ForceText(const QString& s);
  /// The themed look is never available here: always false.
  virtual bool UseThemes() const;

  bool DroppedDown() const;
  void SetDroppedDown(bool value);
  /// Width the drop-down list gets when it opens.
  int DropDownListWidth() const;

  // Own properties.
  bool AllowEdit() const { return m_allowEdit; }
  void SetAllowEdit(bool value) { m_allowEdit = value; }
  bool AutoComplete() const { return m_autoComplete; }
  void SetAutoComplete(bool value) { m_autoComplete = value; }
  bool BeepOnInvalidKey() const { return m_beepOnInvalidKey; }
  void SetBeepOnInvalidKey(bool value) { m_beepOnInvalidKey = value; }
  TColor DisabledColor() const { return m_disabledColor; }
  void SetDisabledColor(TColor value);
  int DropDownWidth() const { return m_dropDownWidth; }
  void SetDropDownWidth(int value) { m_dropDownWidth = value; }
  TColor FlatButtonColor() const { return m_flatButtonColor; }
  void SetFlatButtonColor(TColor value);
  bool FlatButtons() const { return m_flatButtons; }
  void SetFlatButtons(bool value);
  TColor FocusColor() const { return m_focusColor; }
  void SetFocusColor(TColor value);
  TColor FrameColor() const { return m_frameColor; }
  void SetFrameColor(TColor value);
  TColor FrameHotColor() const { return m_frameHotColor; }
  void SetFrameHotColor(TColor value);
  bool FrameHotTrack() const { return m_frameHotTrack; }
  void SetFrameHotTrack(bool value);
  Rz::TFrameStyleEx FrameHotStyle() const { return m_frameHotStyle; }
  void SetFrameHotStyle(Rz::TFrameStyleEx value);
  Rz::TSides FrameSides() const { return m_frameSides; }
  void SetFrameSides(Rz::TSides value);
  Rz::TFrameStyleEx FrameStyle() const { return m_frameStyle; }
  void SetFrameStyle(Rz::TFrameStyleEx value);
  bool FrameVisible() const { return m_frameVisible; }
  void SetFrameVisible(bool value);
  TFramingPreference FramingPreference() const { return m_framingPreference; }
  void SetFramingPreference(TFramingPreference value);
  bool KeepSearchCase() const { return m_keepSearchCase; }
  void SetKeepSearchCase(bool value) { m_keepSearchCase = value; }
  bool ReadOnly() const { return m_readOnly; }
  void SetReadOnly(bool value);
  TColor ReadOnlyColor() const { return m_readOnlyColor; }
  void SetReadOnlyColor(TColor value);
  bool ReadOnlyColorOnFocus() const { return m_readOnlyColorOnFocus; }
  void SetReadOnlyColorOnFocus(bool value) { m_readOnlyColorOnFocus = value; }
  bool TabOnEnter() const { return m_tabOnEnter; }
  void SetTabOnEnter(bool value) { m_tabOnEnter = value; }
  bool ShowFocus() const { return m_showFocus; }
  void SetShowFocus(bool value) { m_showFocus = value; }
  /// The colour the control has when neither focused, read-only nor disabled.
  TColor NormalColor() const { return m_normalColor; }
  /// Whether the control (or its edit part) holds the focus.
  bool IsFocused() const { return m_isFocused; }

  TNotifyEvent OnChange;
  /// The user picked an item (list, keys, wheel, search); replaces OnChange then.
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  TNotifyEvent OnMatch;
  TNotifyEvent OnNotInList;
  TNotifyEvent OnSelEndOk;
  TNotifyEvent OnSelEndCancel;
  TDrawItemEvent OnDrawItem;
  TRzDeleteComboItemEvent OnDeleteItem;

  void Loaded() override;
  /// Keeps arrows and typed characters for itself (search, completion).
  void WndProc(TMessage& message) override;

protected:
  bool IsListStyle() const;
  bool IsEditable() const { return !IsListStyle(); }
  /// Fires OnChange.
  virtual void Change();
  virtual void UpdateColors();
  virtual void UpdateFrame();
  /// The beep of a rejected key (when BeepOnInvalidKey).
  virtual void InvalidKey();
  /// Selects the first item beginning with s and fires OnClick and
  /// OnChange; beeps and returns false when there is none.
  virtual bool SelectByPrefix(const QString& s);
  /// Completes the edit text from the first item beginning with s; true
  /// when an item was found.
  virtual bool AutoCompleteText(const QString& s);
  virtual void DoDeleteItem(int index);
  virtual void DropDown();
  virtual void CloseUp();
  virtual void DoMouseWheelDown();
  virtual void DoMouseWheelUp();
  void SetItemHeightValue(int value) { m_itemHeight = value; }

  void Paint() override;
  void ColorChanged() override;
  void EnabledChanged() override;
  void MouseEnter() override;
  void MouseLeave() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void DblClick() override;
  void Click() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(QChar& key) override;
  void DoEnter() override;
  void DoExit() override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, QPoint mousePos) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  /// The width of the drop-down button and of the list's scroll bar.
  static constexpr int kScrollBarWidth = 17;
  // Frame controller.
  QPointer<TRzFrameController> m_frameController;
  TRzFrameControllerNotifications m_frameControllerNotifications = AllFrameControllerNotifications();

  // Painting (TRzCustomComboBox_Paint.cpp).
  TRect ButtonRect() const;
  TRect FieldRect() const;
  void PaintField(const TRect& r);
  void PaintItem(TCanvas& canvas, int index, const TRect& r, TOwnerDrawState state);
  void PaintButton();
  void PaintFrame();

  // Typing (TRzCustomComboBox_Keys.cpp).
  void SearchKeyPress(QChar& key);
  bool EditKeyDown(WORD key, TShiftState shift);
  bool EditKeyPress(QChar key);
  void RestartSearchTimer();
  /// With AutoDropDown, any key but Backspace and Escape opens the list.
  void AutoDropDownAfter(QChar typed);
  void UserSelect(int index);

  void CreateEdit();
  void DestroyEdit();
  void SyncEditFromSelection();
  void ItemsChanged();
  QString Cased(const QString& s) const;
  /// Sorts the items (objects along) keeping the selected one selected.
  void SortItems();
  void EditTextEdited(const QString& text);
  void SetEditSelection(int start, int length);
  void ListChosen(int row);

  TComboBoxStyle m_style = TComboBoxStyle::csDropDown;
  QStringList m_items;
  QList<TObject*> m_objects;
  int m_itemIndex = -1;
  QString m_text;
  int m_itemHeight = 13;
  int m_dropDownCount = 8;
  int m_maxLength = 0;
  bool m_autoDropDown = false;
  bool m_sorted = false;
  TEditCharCase m_charCase = TEditCharCase::ecNormal;
  QString m_textHint;

  bool m_autoComplete = true;
  bool m_allowEdit = true;
  bool m_beepOnInvalidKey = true;
  bool m_flatButtons = false;
  TColor m_flatButtonColor = clBtnFace;
  bool m_updatingColor = false;
  TColor m_disabledColor = clBtnFace;
  TColor m_readOnlyColor = clInfoBk;
  bool m_readOnlyColorOnFocus = false;
  TColor m_focusColor = clWindow;
  TColor m_normalColor = clWindow;
  TColor m_frameColor = clBtnShadow;
  TColor m_frameHotColor = clBtnShadow;
  bool m_frameHotTrack = false;
  Rz::TFrameStyleEx m_frameHotStyle = Rz::TFrameStyleEx::fsFlatBold;
  Rz::TSides m_frameSides = Rz::AllSides;
  Rz::TFrameStyleEx m_frameStyle = Rz::TFrameStyleEx::fsFlat;
  bool m_frameVisible = false;
  TFramingPreference m_framingPreference = TFramingPreference::fpXPThemes;
  bool m_keepSearchCase = false;
  QString m_searchString;
  int m_dropDownWidth = 0;
  int m_keyCount = 0;
  TTimer m_timer;
  bool m_tabOnEnter = false;
  bool m_typing = false;
  bool m_enterPressed = false;
  bool m_readOnly = false;
  bool m_inControl = false;
  bool m_overControl = false;
  bool m_showFocus = true;
  bool m_isFocused = false;
  int m_actualDropDownWidth = 0;
  int m_wheelAccumulator = 0;

  QPointer<QLineEdit> m_edit;
  QPointer<QListWidget> m_list;
};
