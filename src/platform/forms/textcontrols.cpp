#include <QMouseEvent>

#include "platform/forms/colors.h"
#include "platform/forms/controls.h"

namespace kwil {

namespace {
void setColours(QWidget& w, QPalette::ColorRole back, QPalette::ColorRole fore, const Control& c) {
  QPalette pal = w.palette();
  pal.setColor(back, vbColor(c.BackColor()));
  pal.setColor(fore, vbColor(c.ForeColor()));
  w.setPalette(pal);
}
}  // namespace

// ---- Label

Label::Label(QWidget* container) : QLabel(container), Control(this, container) {
  QLabel::setWordWrap(true);
  setTextFormat(Qt::PlainText);
  setAlignment(0);
  setBackColor(0xF0F0F0);
}

void Label::setCaption(const QString& caption) {
  caption_ = caption;
  setText(displayLines(caption));
}

void Label::setAlignment(int vbAlignment) {
  const Qt::Alignment h = vbAlignment == 1 ? Qt::AlignRight : vbAlignment == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
  QLabel::setAlignment(h | Qt::AlignTop);
}

void Label::setBackStyle(int style) {
  backStyle_ = style;
  appearanceChanged();
}

void Label::appearanceChanged() {
  setColours(*this, QPalette::Window, QPalette::WindowText, *this);
  setAutoFillBackground(backStyle_ != 0);
  update();
}

// ---- TextBox

TextBox::TextBox(QWidget* container) : QLineEdit(container), Control(this, container) {
  setMaxLength(0);
  setBackColor(0xFFFFFF);
  connect(this, &QLineEdit::textChanged, this, [this] { raiseChange(); });
}

void TextBox::setText(const QString& t) { QLineEdit::setText(t); }

void TextBox::setMaxLength(int n) {
  maxLength_ = n < 0 ? 0 : n;
  QLineEdit::setMaxLength(maxLength_ == 0 ? 32767 : maxLength_);
}

void TextBox::setPasswordChar(const QString& c) {
  passwordChar_ = c.left(1);
  if (passwordChar_.isEmpty()) {
    setEchoMode(QLineEdit::Normal);
    setStyleSheet({});
  } else {
    setEchoMode(QLineEdit::Password);
    setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: %1; }").arg(passwordChar_.at(0).unicode()));
  }
}

int TextBox::SelStart() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }
int TextBox::SelLength() const { return hasSelectedText() ? static_cast<int>(selectedText().size()) : 0; }
void TextBox::setSelStart(int start) { setCursorPosition(qBound(0, start, static_cast<int>(text().size()))); }
void TextBox::setSelLength(int length) {
  const int start = SelStart();
  const int n = qBound(0, length, static_cast<int>(text().size()) - start);
  if (n == 0)
    setCursorPosition(start);
  else
    setSelection(start, n);
}

void TextBox::appearanceChanged() {
  setColours(*this, QPalette::Base, QPalette::Text, *this);
  update();
}

// ---- ListBox

ListBox::ListBox(QWidget* container) : QListWidget(container), Control(this, container) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setBackColor(0xFFFFFF);
  // Click once the chosen line is the selected one: the current row moves before the
  // selection follows it, and a handler that reads ListIndex then would see the line before.
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
    if (ListIndex() >= 0) raiseClick();
  });
}

void ListBox::AddItem(const QString& line) {
  int at = count();
  if (sorted_) {
    at = 0;
    while (at < count() && QString::compare(item(at)->text(), line, Qt::CaseInsensitive) <= 0) ++at;
  }
  insertItem(at, line);
}

void ListBox::RemoveItem(int i) {
  if (i >= 0 && i < count()) delete takeItem(i);
}

void ListBox::Clear() {
  clear();
  setCurrentRow(-1);
}

QString ListBox::List(int i) const { return (i >= 0 && i < count()) ? item(i)->text() : QString(); }

int ListBox::ListIndex() const {
  const QList<QListWidgetItem*> chosen = selectedItems();
  return chosen.isEmpty() ? -1 : row(chosen.first());
}

void ListBox::setListIndex(int i) {
  if (i < 0 || i >= count()) {
    clearSelection();
    setCurrentRow(-1);
    return;
  }
  setCurrentRow(i, QItemSelectionModel::ClearAndSelect);
}

QString ListBox::Text() const { return List(ListIndex()); }

void ListBox::appearanceChanged() {
  setColours(*this, QPalette::Base, QPalette::Text, *this);
  viewport()->update();
}

void ListBox::mousePressEvent(QMouseEvent* e) {
  // Only the left button chooses a line; the others still reach the window's handlers.
  routeMouse(e, [&] {
    if (e->button() == Qt::LeftButton) QListWidget::mousePressEvent(e);
  });
}
void ListBox::mouseReleaseEvent(QMouseEvent* e) { routeMouse(e, [&] { QListWidget::mouseReleaseEvent(e); }); }
void ListBox::mouseMoveEvent(QMouseEvent* e) { routeMouse(e, [&] { QListWidget::mouseMoveEvent(e); }); }
void ListBox::mouseDoubleClickEvent(QMouseEvent* e) {
  routeMouse(e, [&] { QListWidget::mouseDoubleClickEvent(e); });
}

}  // namespace kwil
