#include "widgets/smooth/TCurvyEdit.h"

#include <QPalette>

namespace {
constexpr int kBoxHeight = 24;
constexpr int kEditHeight = 18;
constexpr int kEditTop = 5;
}  // namespace

TCurvyEdit::TCurvyEdit(QWidget* parent) : TCurvyControlPanel(parent), m_edit(new TEmptyEdit(this)) {
  m_edit->setGeometry(0, kEditTop, 0, kEditHeight);
  HookEvents();
  SetBounds(Left(), Top(), 100, kBoxHeight);
  UpdateControlSizes();
  ApplyEditColors();
  m_edit->setFont(Font().ToQFont());
}

void TCurvyEdit::HookEvents() {
  TEmptyEdit& e = *m_edit;
  e.OnChange = [this](TObject*) { Raise(OnChange, this); };
  e.OnClick = [this](TObject*) { Raise(OnClick, this); };
  e.OnDblClick = [this](TObject*) { Raise(OnDblClick, this); };
  e.OnEnter = [this](TObject*) {
    if (m_autoSelect) {
      m_edit->selectAll();
    }
    Raise(OnEnter, this);
  };
  e.OnExit = [this](TObject*) { Raise(OnExit, this); };
  e.OnMouseEnter = [this](TObject*) { Raise(OnMouseEnter, this); };
  e.OnMouseLeave = [this](TObject*) { Raise(OnMouseLeave, this); };
  e.OnKeyDown = [this](TObject*, WORD& key, TShiftState shift) {
    if (OnKeyDown) {
      OnKeyDown(this, key, shift);
    }
  };
  e.OnKeyUp = [this](TObject*, WORD& key, TShiftState shift) {
    if (OnKeyUp) {
      OnKeyUp(this, key, shift);
    }
  };
  e.OnKeyPress = [this](TObject*, QChar& key) {
    if (OnKeyPress) {
      OnKeyPress(this, key);
    }
  };
  e.OnMouseDown = [this](TObject*, TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) {
      OnMouseDown(this, button, shift, x, y);
    }
  };
  e.OnMouseUp = [this](TObject*, TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) {
      OnMouseUp(this, button, shift, x, y);
    }
  };
  e.OnMouseMove = [this](TObject*, TShiftState shift, int x, int y) {
    if (OnMouseMove) {
      OnMouseMove(this, shift, x, y);
    }
  };
}

QString TCurvyEdit::GetText() const { return m_edit->Text(); }

void TCurvyEdit::SetText(const QString& value) { m_edit->SetText(value); }

bool TCurvyEdit::Enabled() const { return m_edit->isEnabled(); }

void TCurvyEdit::SetEnabled(bool value) { m_edit->setEnabled(value); }

void TCurvyEdit::SetFocus() { m_edit->setFocus(Qt::OtherFocusReason); }

bool TCurvyEdit::Focused() const { return m_edit->hasFocus(); }

// Laid out at once: a hidden box gets no resize event.
void TCurvyEdit::SetBounds(int left, int top, int width, int) {
  TCurvyControlPanel::SetBounds(left, top, width, kBoxHeight);
  LayoutInnerEdit();
}

void TCurvyEdit::Resize() {
  TCurvyControlPanel::Resize();
  LayoutInnerEdit();
}

void TCurvyEdit::LayoutInnerEdit() {
  if (!m_edit) {
    return;
  }
  const TCurvyControls& c = Controls();
  const int left = c.LeftSize() + Rounding() + c.LeftControlSize();
  const int width =
      Width() - 2 * Rounding() - c.RightSize() - c.RightControlSize() - c.LeftSize() - c.LeftControlSize();
  m_edit->setGeometry(left, kEditTop, std::max(0, width), kEditHeight);
}

void TCurvyEdit::SetAlignment(TAlignment value) {
  m_alignment = value;
  m_edit->setAlignment(value == TAlignment::taCenter        ? Qt::AlignHCenter
                       : value == TAlignment::taRightJustify ? Qt::AlignRight
                                                            : Qt::AlignLeft);
}

bool TCurvyEdit::ReadOnly() const { return m_edit->isReadOnly(); }

void TCurvyEdit::SetReadOnly(bool value) { m_edit->setReadOnly(value); }

int TCurvyEdit::MaxLength() const { return m_edit->maxLength() == 32767 ? 0 : m_edit->maxLength(); }

void TCurvyEdit::SetMaxLength(int value) { m_edit->setMaxLength(value <= 0 ? 32767 : value); }

QString TCurvyEdit::EmptyText() const { return m_edit->EmptyText(); }

void TCurvyEdit::SetEmptyText(const QString& value) { m_edit->SetEmptyText(value); }

bool TCurvyEdit::TabStop() const { return m_edit->focusPolicy() & Qt::TabFocus; }

void TCurvyEdit::SetTabStop(bool value) { m_edit->setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus); }

void TCurvyEdit::WndProc(TMessage& message) {
  if (message.Msg == WM_KEYDOWN || message.Msg == WM_KEYUP) {
    m_edit->PerformKey(WORD(message.WParam), message.Msg == WM_KEYDOWN);
    return;
  }
  TCurvyControlPanel::WndProc(message);
}

void TCurvyEdit::ApplyEditColors() {
  QPalette palette = m_edit->palette();
  palette.setColor(QPalette::Base, ToQColor(Color()));
  palette.setColor(QPalette::Text, ToQColor(Font().Color()));
  m_edit->setPalette(palette);
}

void TCurvyEdit::ColorChanged() {
  TCurvyControlPanel::ColorChanged();
  if (m_edit) {
    ApplyEditColors();
  }
}

void TCurvyEdit::FontChanged() {
  TCurvyControlPanel::FontChanged();
  if (m_edit) {
    m_edit->setFont(Font().ToQFont());
    ApplyEditColors();
  }
}
