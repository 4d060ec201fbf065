#include "widgets/combo/TRzCustomComboBox.h"

#include <algorithm>
#include <vector>

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include "platform/drawing/TCanvas.h"
#include "widgets/combo/ComboListDelegate.h"
#include "widgets/panelset/FrameSettings.h"

TRzCustomComboBox::TRzCustomComboBox(QWidget* parent) : TRzCustomComboBox(parent, TComboBoxStyle::csDropDown) {}

// Starting in the final style spares a list style the edit part it would
// otherwise build and drop again.
TRzCustomComboBox::TRzCustomComboBox(QWidget* parent, TComboBoxStyle style) : TCustomControl(parent), m_style(style) {
  // OnClick comes from a selection, never from a mouse release.
  SetControlStyle({TControlStyleItem::csCaptureMouse, TControlStyleItem::csDoubleClicks});
  SetTabStop(true);
  SetColor(clWindow);
  m_normalColor = clWindow;
  m_focusColor = clWindow;
  SetBounds(0, 0, 145, 21);
  m_timer.SetEnabled(false);
  m_timer.SetInterval(1500);
  m_timer.OnTimer = [this](TObject*) {
    if (m_keyCount == 0) {
      m_searchString.clear();
    }
    m_timer.SetEnabled(false);
  };
  CreateEdit();
}

TRzCustomComboBox::~TRzCustomComboBox() {
  if (m_frameController != nullptr) {
    m_frameController->RemoveControl(this);
  }
  m_timer.OnTimer = nullptr;
  // The inner widgets go first, so that none of their last events reach a
  // half-destroyed combo.
  DestroyEdit();
  if (!m_list.isNull()) {
    m_list->removeEventFilter(this);
    delete m_list;
  }
}

bool TRzCustomComboBox::IsListStyle() const {
  return m_style == TComboBoxStyle::csDropDownList || m_style == TComboBoxStyle::csOwnerDrawFixed ||
         m_style == TComboBoxStyle::csOwnerDrawVariable;
}

bool TRzCustomComboBox::UseThemes() const { return false; }

void TRzCustomComboBox::DestroyEdit() {
  if (!m_edit.isNull()) {
    m_edit->removeEventFilter(this);
    setFocusProxy(nullptr);
    delete m_edit;
  }
}

void TRzCustomComboBox::CreateEdit() {
  if (!IsEditable()) {
    DestroyEdit();
    return;
  }
  if (m_edit.isNull()) {
    m_edit = new QLineEdit(this);
    m_edit->setFrame(false);
    m_edit->installEventFilter(this);
    connect(m_edit, &QLineEdit::textEdited, this, [this](const QString& text) { EditTextEdited(text); });
    setFocusProxy(m_edit);
  }
  m_edit->setText(m_text);
  m_edit->setPlaceholderText(m_textHint);
  m_edit->setReadOnly(m_readOnly);
  m_edit->setGeometry(FieldRect().ToQRect().adjusted(1, 1, -1, -1));
  m_edit->setFont(Font().ToQFont());
  m_edit->show();
}

void TRzCustomComboBox::SetStyle(TComboBoxStyle value) {
  if (value == m_style) {
    return;
  }
  m_style = value;
  CreateEdit();
  Invalidate();
}

void TRzCustomComboBox::SetItems(const QStringList& items) {
  m_items.clear();
  for (const QString& item : items) {
    m_items << Cased(item);
  }
  m_objects = QList<TObject*>(items.size(), nullptr);
  if (m_sorted) {
    SortItems();
  }
  ItemsChanged();
}

QString TRzCustomComboBox::Cased(const QString& s) const {
  switch (m_charCase) {
    case TEditCharCase::ecUpperCase: return s.toUpper();
    case TEditCharCase::ecLowerCase: return s.toLower();
    case TEditCharCase::ecNormal: break;
  }
  return s;
}

void TRzCustomComboBox::SortItems() {
  std::vector<int> order(static_cast<std::size_t>(Count()));
  for (int i = 0; i < Count(); ++i) {
    order[std::size_t(i)] = i;
  }
  std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
    return QString::compare(m_items[a], m_items[b], Qt::CaseInsensitive) < 0;
  });
  QStringList items;
  QList<TObject*> objects;
  int selected = -1;
  for (std::size_t i = 0; i < order.size(); ++i) {
    items << m_items[order[i]];
    objects << m_objects[order[i]];
    if (order[i] == m_itemIndex) {
      selected = int(i);
    }
  }
  m_items = items;
  m_objects = objects;
  m_itemIndex = selected;
}

void TRzCustomComboBox::SetSorted(bool value) {
  if (value == m_sorted) {
    return;
  }
  m_sorted = value;
  if (m_sorted) {
    SortItems();
    ItemsChanged();
  }
}

void TRzCustomComboBox::SetCharCase(TEditCharCase value) {
  if (value == m_charCase) {
    return;
  }
  m_charCase = value;
  for (QString& item : m_items) {
    item = Cased(item);
  }
  m_text = Cased(m_text);
  if (!m_edit.isNull()) {
    m_edit->setText(m_text);
  }
  if (m_sorted) {
    SortItems();
  }
  ItemsChanged();
}

void TRzCustomComboBox::SetTextHint(const QString& value) {
  m_textHint = value;
  if (!m_edit.isNull()) {
    m_edit->setPlaceholderText(value);
  }
}

void TRzCustomComboBox::ItemsChanged() {
  if (m_itemIndex >= Count()) {
    m_itemIndex = -1;
  }
  SyncEditFromSelection();
  Invalidate();
}

void TRzCustomComboBox::SetItemIndex(int value) {
  const int index = value >= 0 && value < Count() ? value : -1;
  m_itemIndex = index;
  if (IsEditable()) {
    m_text = index >= 0 ? m_items[index] : QString();
  }
  SyncEditFromSelection();
  Invalidate();
}

void TRzCustomComboBox::SyncEditFromSelection() {
  if (!m_edit.isNull() && m_edit->text() != m_text) {
    m_edit->setText(m_text);
  }
}

QString TRzCustomComboBox::Text() const {
  if (IsEditable()) {
    return m_text;
  }
  return m_itemIndex >= 0 ? m_items[m_itemIndex] : QString();
}

void TRzCustomComboBox::SetText(const QString& value) {
  if (IsListStyle()) {
    m_itemIndex = IndexOf(value);
    Invalidate();
    return;
  }
  m_text = value;
  m_itemIndex = IndexOf(value);
  SyncEditFromSelection();
  if (m_style == TComboBoxStyle::csDropDown && m_autoComplete && !m_typing && !DroppedDown()) {
    // A text set from outside is matched against the items again.
    if (!m_enterPressed) {
      m_searchString = value;
    }
    const int found = FindClosest(value);
    if (found >= 0 && !value.isEmpty()) {
      m_itemIndex = found;
      m_text = m_items[found];
      SyncEditFromSelection();
      SetEditSelection(int(value.size()), int(m_text.size() - value.size()));
    }
  }
  m_enterPressed = false;
  Invalidate();
}

void TRzCustomComboBox::ForceText(const QString& s) {
  if (s == Text()) {
    return;
  }
  const bool autoComplete = m_autoComplete;
  m_autoComplete = false;
  SetText(s);
  m_autoComplete = autoComplete;
}

void TRzCustomComboBox::SetEditSelection(int start, int length) {
  if (!m_edit.isNull()) {
    m_edit->setSelection(start, length);
  }
}

int TRzCustomComboBox::Add(const QString& s) {
  const QString item = Cased(s);
  int index = Count();
  if (m_sorted) {
    // After the items that sort before it or equal to it.
    index = int(std::upper_bound(m_items.begin(), m_items.end(), item,
                                 [](const QString& a, const QString& b) {
                                   return QString::compare(a, b, Qt::CaseInsensitive) < 0;
                                 }) -
                m_items.begin());
  }
  m_items.insert(index, item);
  m_objects.insert(index, nullptr);
  if (m_itemIndex >= index) {
    ++m_itemIndex;
  }
  ItemsChanged();
  return index;
}

void TRzCustomComboBox::AddObject(const QString& s, TObject* object) {
  m_objects[Add(s)] = object;
}

void TRzCustomComboBox::Insert(int index, const QString& s) { InsertObject(index, s, nullptr); }

void TRzCustomComboBox::InsertObject(int index, const QString& s, TObject* object) {
  index = std::clamp(index, 0, Count());
  m_items.insert(index, Cased(s));
  m_objects.insert(index, object);
  if (m_itemIndex >= index) {
    ++m_itemIndex;
  }
  ItemsChanged();
}

void TRzCustomComboBox::Delete(int index) {
  if (index < 0 || index >= Count()) {
    return;
  }
  DoDeleteItem(index);
  m_items.removeAt(index);
  m_objects.removeAt(index);
  if (m_itemIndex == index) {
    m_itemIndex = -1;
  } else if (m_itemIndex > index) {
    --m_itemIndex;
  }
  ItemsChanged();
}

void TRzCustomComboBox::ClearItems() {
  for (int i = Count() - 1; i >= 0; --i) {
    DoDeleteItem(i);
  }
  m_items.clear();
  m_objects.clear();
  m_itemIndex = -1;
  ItemsChanged();
}

void TRzCustomComboBox::DoDeleteItem(int index) {
  if (m_objects[index] != nullptr) {
    if (OnDeleteItem) {
      OnDeleteItem(this, m_objects[index]);
    }
    m_objects[index] = nullptr;
  }
}

TObject* TRzCustomComboBox::ItemObject(int index) const {
  return index >= 0 && index < Count() ? m_objects[index] : nullptr;
}

int TRzCustomComboBox::IndexOf(const QString& s) const {
  for (int i = 0; i < Count(); ++i) {
    if (m_items[i].compare(s, Qt::CaseInsensitive) == 0) {
      return i;
    }
  }
  return -1;
}

int TRzCustomComboBox::FindClosest(const QString& s) const {
  for (int i = 0; i < Count(); ++i) {
    if (m_items[i].startsWith(s, Qt::CaseInsensitive)) {
      return i;
    }
  }
  return -1;
}

bool TRzCustomComboBox::FindItem(const QString& s) {
  const int index = IndexOf(s);
  if (index < 0) {
    return false;
  }
  SetItemIndex(index);
  return true;
}

bool TRzCustomComboBox::FindClosestItem(const QString& s) {
  const int index = FindClosest(s);
  if (index < 0) {
    return false;
  }
  SetItemIndex(index);
  return true;
}

void TRzCustomComboBox::Change() { Raise(OnChange, this); }

void TRzCustomComboBox::Click() { TCustomControl::Click(); }

void TRzCustomComboBox::UserSelect(int index) {
  SetItemIndex(index);
  Click();
  if (OnSelect) {
    Raise(OnSelect, this);
  } else {
    Change();
  }
}

// Colours and frame state.

void TRzCustomComboBox::SetDisabledColor(TColor value) {
  m_disabledColor = value;
  UpdateColors();
}

void TRzCustomComboBox::SetFocusColor(TColor value) {
  m_focusColor = value;
  UpdateColors();
}

void TRzCustomComboBox::SetReadOnlyColor(TColor value) {
  m_readOnlyColor = value;
  UpdateColors();
}

void TRzCustomComboBox::SetFlatButtonColor(TColor value) {
  if (StoreIfChanged(m_flatButtonColor, value)) Invalidate();
}
void TRzCustomComboBox::SetFlatButtons(bool value) {
  if (StoreIfChanged(m_flatButtons, value)) Invalidate();
}
void TRzCustomComboBox::SetFrameColor(TColor value) {
  if (StoreIfChanged(m_frameColor, value)) Invalidate();
}
void TRzCustomComboBox::SetFrameHotColor(TColor value) {
  if (StoreIfChanged(m_frameHotColor, value)) Invalidate();
}
void TRzCustomComboBox::SetFrameHotStyle(Rz::TFrameStyleEx value) {
  if (StoreIfChanged(m_frameHotStyle, value)) Invalidate();
}
void TRzCustomComboBox::SetFrameSides(Rz::TSides value) {
  if (StoreIfChanged(m_frameSides, value)) Invalidate();
}
void TRzCustomComboBox::SetFrameStyle(Rz::TFrameStyleEx value) {
  if (StoreIfChanged(m_frameStyle, value)) Invalidate();
}
void TRzCustomComboBox::SetFrameVisible(bool value) {
  if (StoreIfChanged(m_frameVisible, value)) Invalidate();
}

void TRzCustomComboBox::SetFrameHotTrack(bool value) {
  if (!StoreIfChanged(m_frameHotTrack, value)) {
    return;
  }
  if (value) {
    m_frameVisible = true;
    m_frameSides = Rz::AllSides;
  }
  Invalidate();
}

void TRzCustomComboBox::SetFramingPreference(TFramingPreference value) {
  if (StoreIfChanged(m_framingPreference, value) && value == TFramingPreference::fpCustomFraming) {
    Invalidate();
  }
}

void TRzCustomComboBox::SetReadOnly(bool value) {
  if (!StoreIfChanged(m_readOnly, value)) {
    return;
  }
  if (!m_edit.isNull()) {
    m_edit->setReadOnly(value);
  }
  UpdateColors();
  Invalidate();
}

void TRzCustomComboBox::UpdateColors() {
  TColor color = m_normalColor;
  if (!Enabled()) {
    color = m_disabledColor;
  } else if (m_isFocused) {
    color = m_readOnly && m_readOnlyColorOnFocus ? m_readOnlyColor : m_focusColor;
  } else if (m_readOnly) {
    color = m_readOnlyColor;
  }
  m_updatingColor = true;
  SetColor(color);
  m_updatingColor = false;
}

void TRzCustomComboBox::ColorChanged() {
  if (!m_updatingColor) {
    if (m_focusColor == m_normalColor) {
      m_focusColor = Color();
    }
    m_normalColor = Color();
  }
  if (!m_edit.isNull()) {
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Base, ToQColor(Color()));
    m_edit->setPalette(palette);
  }
  TCustomControl::ColorChanged();
}

void TRzCustomComboBox::UpdateFrame() {
  if (!DroppedDown() && (m_flatButtons || m_frameHotTrack)) {
    if (m_frameHotTrack) {
      Invalidate();
    } else {
      update(ButtonRect().ToQRect().adjusted(-2, 0, 0, 0));
    }
  }
  UpdateColors();
}

void TRzCustomComboBox::EnabledChanged() {
  TCustomControl::EnabledChanged();
  UpdateColors();
}

void TRzCustomComboBox::WndProc(TMessage& message) {
  if (message.Msg == WM_GETDLGCODE) {
    message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
    return;
  }
  TCustomControl::WndProc(message);
}

void TRzCustomComboBox::Loaded() {
  TCustomControl::Loaded();
  UpdateColors();
  Invalidate();
}

void TRzCustomComboBox::DoEnter() {
  m_inControl = true;
  m_isFocused = true;
  UpdateFrame();
  TCustomControl::DoEnter();
}

void TRzCustomComboBox::DoExit() {
  m_inControl = false;
  m_isFocused = false;
  m_searchString.clear();
  UpdateFrame();
  if (m_style == TComboBoxStyle::csDropDown && !m_text.isEmpty() && IndexOf(m_text) < 0) {
    Raise(OnNotInList, this);
  }
  TCustomControl::DoExit();
}

void TRzCustomComboBox::MouseEnter() {
  m_overControl = true;
  UpdateFrame();
  TCustomControl::MouseEnter();
}

void TRzCustomComboBox::MouseLeave() {
  m_overControl = false;
  UpdateFrame();
  TCustomControl::MouseLeave();
}

void TRzCustomComboBox::resizeEvent(QResizeEvent* event) {
  TCustomControl::resizeEvent(event);
  if (!m_edit.isNull()) {
    m_edit->setGeometry(FieldRect().ToQRect().adjusted(1, 1, -1, -1));
  }
  Invalidate();
}

// Mouse.

void TRzCustomComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (m_readOnly) {
    return;
  }
  if (button == TMouseButton::mbLeft) {
    if (CanFocus() && !m_isFocused) {
      SetFocus();
    }
    if (IsListStyle() || ButtonRect().Contains({x, y})) {
      SetDroppedDown(!DroppedDown());
    }
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TRzCustomComboBox::DblClick() {
  if (!m_readOnly) {
    TCustomControl::DblClick();
  }
}

// Drop-down list.

int TRzCustomComboBox::DropDownListWidth() const {
  if (m_dropDownWidth > 0) {
    return m_dropDownWidth;
  }
  TCanvas measure;
  measure.Font().Assign(Font());
  int widest = 0;
  for (const QString& item : m_items) {
    widest = std::max(widest, measure.TextWidth(item));
  }
  if (Count() > m_dropDownCount) {
    widest += kScrollBarWidth;
  }
  return std::max(widest + 8, Width());
}

bool TRzCustomComboBox::DroppedDown() const { return !m_list.isNull() && m_list->isVisible(); }

void TRzCustomComboBox::SetDroppedDown(bool value) {
  if (value == DroppedDown()) {
    return;
  }
  if (value) {
    DropDown();
  } else if (!m_list.isNull()) {
    m_list->hide();
  }
}

void TRzCustomComboBox::DropDown() {
  Raise(OnDropDown, this);
  if (m_list.isNull()) {
    m_list = new QListWidget();
    m_list->setWindowFlags(Qt::Popup);
    m_list->installEventFilter(this);
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ListChosen(m_list->row(item)); });
  }
  const bool ownerDrawn = m_style == TComboBoxStyle::csOwnerDrawFixed || m_style == TComboBoxStyle::csOwnerDrawVariable;
  if (ownerDrawn && dynamic_cast<ComboListDelegate*>(m_list->itemDelegate()) == nullptr) {
    m_list->setItemDelegate(new ComboListDelegate(*this, m_list));
  } else if (!ownerDrawn && dynamic_cast<ComboListDelegate*>(m_list->itemDelegate()) != nullptr) {
    m_list->setItemDelegate(new QStyledItemDelegate(m_list));
  }
  m_list->clear();
  m_list->addItems(m_items);
  m_list->setFont(Font().ToQFont());
  m_list->setCurrentRow(m_itemIndex);
  m_actualDropDownWidth = DropDownListWidth();
  const int rows = std::clamp(int(Count()), 1, std::max(m_dropDownCount, 1));
  const int rowHeight = std::max(m_list->sizeHintForRow(0), m_itemHeight);
  m_list->setGeometry(QRect(mapToGlobal(QPoint(0, Height())), QSize(m_actualDropDownWidth, rows * rowHeight + 2)));
  m_list->show();
  Invalidate();
}

void TRzCustomComboBox::ListChosen(int row) {
  m_list->hide();
  if (row >= 0) {
    UserSelect(row);
    Raise(OnSelEndOk, this);
  }
}

void TRzCustomComboBox::CloseUp() {
  Raise(OnCloseUp, this);
  Invalidate();
}

bool TRzCustomComboBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_list && event->type() == QEvent::Hide) {
    CloseUp();
    return false;
  }
  if (watched == m_list && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      ListChosen(m_list->currentRow());
      return true;
    }
    if (key->key() == Qt::Key_Escape) {
      m_list->hide();
      Raise(OnSelEndCancel, this);
      return true;
    }
    return false;
  }
  if (watched != m_edit) {
    return TCustomControl::eventFilter(watched, event);
  }
  switch (event->type()) {
    case QEvent::FocusIn:
      DoEnter();
      break;
    case QEvent::FocusOut:
      DoExit();
      break;
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (EditKeyDown(VirtualKeyOf(*key), ShiftStateOf(*key))) {
        return true;
      }
      const QString text = key->text();
      if (text.size() == 1 && (text[0].isPrint() || text[0] == QLatin1Char('\b') || text[0] == QLatin1Char('\r'))) {
        const bool swallowed = EditKeyPress(text[0]);
        AutoDropDownAfter(text[0]);
        return swallowed;
      }
      break;
    }
    case QEvent::MouseButtonPress:
      if (m_readOnly) {
        return true;
      }
      if (m_style == TComboBoxStyle::csDropDown) {
        m_searchString = m_text;
      }
      break;
    case QEvent::Wheel:
      QApplication::sendEvent(this, event);
      return true;
    default:
      break;
  }
  return false;
}

void TRzCustomComboBox::EditTextEdited(const QString& typed) {
  const QString text = Cased(typed);
  if (text != typed) {
    const int cursor = m_edit->cursorPosition();
    m_edit->setText(text);
    m_edit->setCursorPosition(cursor);
  }
  m_text = text;
  m_itemIndex = IndexOf(text);
  Change();
}

void TRzCustomComboBox::SetFrameController(TRzFrameController* value) {
  ChangeFrameController(m_frameController, value, this);
}

void TRzCustomComboBox::SetFrameProperty(const TRzFrameController& c, TRzFrameControllerProperty property) {
  using P = TRzFrameControllerProperty;
  switch (property) {
  case P::fcpColor: SetColor(c.Color()); break;
  case P::fcpFocusColor: SetFocusColor(c.FocusColor()); break;
  case P::fcpDisabledColor: SetDisabledColor(c.DisabledColor()); break;
  case P::fcpReadOnlyColor: SetReadOnlyColor(c.ReadOnlyColor()); break;
  case P::fcpReadOnlyColorOnFocus: SetReadOnlyColorOnFocus(c.ReadOnlyColorOnFocus()); break;
  case P::fcpParentColor: SetParentColor(c.ParentColor()); break;
  case P::fcpFlatButtonColor: SetFlatButtonColor(c.FlatButtonColor()); break;
  case P::fcpFlatButtons: SetFlatButtons(c.FlatButtons()); break;
  case P::fcpFrameColor: SetFrameColor(c.FrameColor()); break;
  case P::fcpFrameHotColor: SetFrameHotColor(c.FrameHotColor()); break;
  case P::fcpFrameHotTrack: SetFrameHotTrack(c.FrameHotTrack()); break;
  case P::fcpFrameHotStyle: SetFrameHotStyle(c.FrameHotStyle()); break;
  case P::fcpFrameSides: SetFrameSides(c.FrameSides()); break;
  case P::fcpFrameStyle: SetFrameStyle(c.FrameStyle()); break;
  case P::fcpFrameVisible: SetFrameVisible(c.FrameVisible()); break;
  case P::fcpFramingPreference: SetFramingPreference(c.FramingPreference()); break;
  case P::fcpAll: break;
  }
}
