#include "combobox.h"
#include "altkeys.h"
#include "runtime/vberror.h"
#include "systemcolours.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>

namespace {
// A drop-down list is drawn as a button, the editable style as an edit field.
QPalette::ColorRole backRole(ComboBox::Style style) {
    return style == ComboBox::Style::Editable ? QPalette::Base : QPalette::Button;
}

QPalette::ColorRole foreRole(ComboBox::Style style) {
    return style == ComboBox::Style::Editable ? QPalette::Text : QPalette::ButtonText;
}
} // namespace

ComboBox::ComboBox(Container& container, const QString& name, Style style)
    : Control(container, name, std::make_unique<QComboBox>(),
              {backRole(style), foreRole(style), vbWindowBackground, vbWindowText}),
      m_style(style) {
    // activated is the user's choice only; currentIndexChanged would also come for code.
    QObject::connect(combo(), &QComboBox::activated, context(), [this](int index) { userChose(index); });
    if (!editable()) return;
    combo()->setEditable(true);
    // The combo deletes the line edit it made and takes this one over, with that one's colours.
    auto* edit = new AltKeysIgnored<QLineEdit>;
    edit->setPalette(combo()->lineEdit()->palette());
    combo()->setLineEdit(edit);
    combo()->setInsertPolicy(QComboBox::NoInsert);
    combo()->setCompleter(nullptr);
    // textEdited is typing only; editTextChanged would also come when an item is chosen.
    QObject::connect(combo()->lineEdit(), &QLineEdit::textEdited, context(),
                     [this](const QString& text) { userTyped(text); });
}

void ComboBox::Clear() {
    m_items.clear();
    m_newIndex = -1;
    m_listIndex = -1;
    m_text.clear();
    const QSignalBlocker blocker(combo());
    combo()->clear();
    showSelection();
}

void ComboBox::AddItem(const QString& item) {
    m_items.push_back({item, 0});
    m_newIndex = ListCount() - 1;
    const QSignalBlocker blocker(combo());
    combo()->addItem(item);
    showSelection(); // QComboBox selects the first item added; the list must not
}

qint64 ComboBox::ItemData(int index) const {
    checkItemIndex(index);
    return m_items[size_t(index)].data;
}

void ComboBox::setItemData(int index, qint64 data) {
    checkItemIndex(index);
    m_items[size_t(index)].data = data;
}

void ComboBox::setListIndex(int index) {
    if (index < -1 || index >= ListCount()) throw VbError(VbError::InvalidPropertyValue);
    if (index == m_listIndex) return;
    m_listIndex = index;
    m_text = index >= 0 ? m_items[size_t(index)].text : QString();
    {
        const QSignalBlocker blocker(combo());
        showSelection();
    }
    Click();
}

void ComboBox::setText(const QString& text) {
    if (text == m_text) return;
    if (!editable()) {
        const auto item = std::find_if(m_items.begin(), m_items.end(), [&](const Item& candidate) {
            return candidate.text.compare(text, Qt::CaseInsensitive) == 0;
        });
        if (item == m_items.end()) throw VbError(383, QStringLiteral("'Text' property is read-only"));
        setListIndex(int(item - m_items.begin()));
        return;
    }
    m_text = text;
    m_listIndex = -1; // a text of its own, as if typed
    {
        const QSignalBlocker blocker(combo());
        showSelection();
    }
    Change();
}

int ComboBox::SelStart() const {
    const QLineEdit* edit = combo()->lineEdit();
    if (!edit) return 0;
    return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
}

void ComboBox::setSelStart(int start) {
    if (start < 0) throw VbError(VbError::InvalidPropertyValue);
    if (QLineEdit* edit = combo()->lineEdit()) edit->setCursorPosition(start);
}

int ComboBox::SelLength() const {
    const QLineEdit* edit = combo()->lineEdit();
    return edit ? int(edit->selectedText().size()) : 0;
}

void ComboBox::setSelLength(int length) {
    if (length < 0) throw VbError(VbError::InvalidPropertyValue);
    QLineEdit* edit = combo()->lineEdit();
    if (!edit) return;
    const int start = SelStart();
    edit->setSelection(start, qMin(length, int(edit->text().size()) - start));
}

QComboBox* ComboBox::combo() const {
    return static_cast<QComboBox*>(widget());
}

void ComboBox::checkItemIndex(int index) const {
    if (index < 0 || index >= ListCount()) throw VbError(VbError::InvalidPropertyArrayIndex);
}

// Callers block the combo's signals.
void ComboBox::showSelection() {
    combo()->setCurrentIndex(m_listIndex);
    if (editable()) combo()->setEditText(m_text);
}

void ComboBox::userChose(int index) {
    if (index < 0 || index >= ListCount()) return;
    m_listIndex = index;
    m_text = m_items[size_t(index)].text;
    Click();
}

void ComboBox::userTyped(const QString& text) {
    if (text == m_text) return;
    m_text = text;
    m_listIndex = -1;
    Change();
}
