// currentcoloreditors.cpp - typing a colour: key filters, validation and focus re-formatting.
#include "ui/editors/currentcoloreditors.h"

#include "widgets/cachedpanelstyle.h"
#include "widgets/colorswatch.h"
#include "core/editors/editortext.h"
#include "platform/qtconvert.h"

#include "platform/platform.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolTip>

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>

namespace prismara {

namespace {
bool isDigit(QChar c) { return c >= '0' && c <= '9'; }
bool isHexDigit(QChar c) { return isDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

// The value of a channel box; an empty box counts as 0.
int decimalValue(const QLineEdit* edit) { return EditorText::decimalValue(edit->text().toStdU16String()); }
int hexValue(const QLineEdit* edit) { return EditorText::hexValue(edit->text().toStdU16String()); }

// Carries out what a channel box's text asks for; true when the colour is to be rebuilt.
bool applyChannelChange(QLineEdit* edit, const ChannelTextChange& change)
{
    if (change.action == ChannelTextChange::Action::Replace)
        edit->setText(QString::fromStdU16String(change.replacement)); // runs the handling again
    return change.action == ChannelTextChange::Action::Apply;
}

// A channel in hex without padding, as shown while its box has the focus.
QString shortHex(int channel) { return QString::number(channel, 16).toUpper(); }

bool isMenuFocus(Qt::FocusReason reason)
{
    return reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason;
}

// Keys that only move the cursor or the selection, as in any text box.
bool isMovement(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return !(event->modifiers() & ~(Qt::ShiftModifier | Qt::ControlModifier | Qt::KeypadModifier));
    default:
        return false;
    }
}

// The combinations with Ctrl or Alt that a box keeps for itself.
bool isTextBoxKey(const QKeyEvent* event)
{
    for (const QKeySequence::StandardKey key : {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste,
                                                QKeySequence::Undo, QKeySequence::Redo, QKeySequence::SelectAll})
        if (event->matches(key))
            return true;
    const int key = event->key();
    return isMovement(event) || key == Qt::Key_Backspace || key == Qt::Key_Delete;
}

// Rewrites a box only when its text changes: the cursor, the selection and the typing that can
// be undone stay as they are.
void setBoxText(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

constexpr int kRow = 22;
} // namespace

CurrentColorEditors::CurrentColorEditors(ColorHub& hub, QWidget* parent) : QWidget(parent), hub_(hub)
{
    setObjectName("fraCurrentColor");
    lblcolor_ = new ColorSwatch(this);
    lblcolor_->setObjectName("lblcolor");
    lblcolor_->setToolTip("Current Color");
    lblcolor_->setGeometry(0, 0, 100, 55);
    // The current colour can be dragged away, and a colour dropped on it becomes the current one.
    lblcolor_->setColorDragEnabled(true);
    new ColorDropTarget(lblcolor_, hub_, [this](ColorValue color, QPoint) {
        hub_.ClearSchemeSelection();
        hub_.CurrentColorChanged(color, WriteRecent::Yes);
    });

    lblRgb_ = new QLabel("RGB:", this);
    lblHex_ = new QLabel("HEX:", this);
    txtRgb_ = makeEditor("txtRgb", 11, Kind::ReadOnly);
    txtHex_ = makeEditor("txtHex", 7, Kind::Html);
    txtr_ = makeEditor("txtr", 3, Kind::Decimal);
    txtg_ = makeEditor("txtg", 3, Kind::Decimal);
    txtb_ = makeEditor("txtb", 3, Kind::Decimal);
    txtrh_ = makeEditor("txtrh", 2, Kind::HexChannel);
    txtgh_ = makeEditor("txtgh", 2, Kind::HexChannel);
    txtbh_ = makeEditor("txtbh", 2, Kind::HexChannel);
    txtRgb_->setReadOnly(true);
    QPalette grey = txtRgb_->palette();
    grey.setColor(QPalette::Base, palette().color(QPalette::Window));
    txtRgb_->setPalette(grey);
    // One pixel more room before and after the text than a line edit has by itself.
    for (QLineEdit* e : findChildren<QLineEdit*>())
        e->setTextMargins(1, 0, 1, 0);

    int y = 59;
    // The labels take what their text needs; the boxes the rest of the swatch's width. A box
    // too narrow for "255,255,255" at the window's font gets a slightly smaller one.
    const QFontMetrics metrics(font());
    const int labelWidth = std::max(metrics.horizontalAdvance("RGB:"), metrics.horizontalAdvance("HEX:")) + 3;
    const int boxWidth = 100 - labelWidth;
    constexpr int kBoxChrome = 10; // frame and text margins of a line edit
    for (QFont f = txtRgb_->font(); metrics.horizontalAdvance("255,255,255") + kBoxChrome > boxWidth &&
                                    QFontMetrics(f).horizontalAdvance("255,255,255") + kBoxChrome > boxWidth &&
                                    f.pointSizeF() > 6.0;) {
        f.setPointSizeF(f.pointSizeF() - 0.5);
        txtRgb_->setFont(f);
    }
    lblRgb_->setGeometry(0, y, labelWidth, kRow - 2);
    txtRgb_->setGeometry(labelWidth, y, boxWidth, kRow - 2);
    y += kRow;
    lblHex_->setGeometry(0, y, labelWidth, kRow - 2);
    txtHex_->setGeometry(labelWidth, y, boxWidth, kRow - 2);
    y += kRow;
    const int w = 32;
    txtr_->setGeometry(0, y, w, kRow - 2);
    txtg_->setGeometry(34, y, w, kRow - 2);
    txtb_->setGeometry(68, y, w, kRow - 2);
    y += kRow;
    txtrh_->setGeometry(0, y, w, kRow - 2);
    txtgh_->setGeometry(34, y, w, kRow - 2);
    txtbh_->setGeometry(68, y, w, kRow - 2);
    setFixedSize(100, y + kRow);

    txtHex_->setText("#FFFFFF");
    txtRgb_->setText("255,255,255");
    for (QLineEdit* e : {txtr_, txtg_, txtb_})
        e->setText("255");
    for (QLineEdit* e : {txtrh_, txtgh_, txtbh_})
        e->setText("FF");

    // The copy commands copy the editors' texts as they are: their captions follow every change.
    for (QLineEdit* e : findChildren<QLineEdit*>())
        connect(e, &QLineEdit::textChanged, this, &CurrentColorEditors::textsEdited);
    connect(txtHex_, &QLineEdit::textChanged, this, [this] { htmlChanged(); });
    for (QLineEdit* e : {txtr_, txtg_, txtb_})
        connect(e, &QLineEdit::textChanged, this, [this, e] { decimalChanged(e); });
    for (QLineEdit* e : {txtrh_, txtgh_, txtbh_})
        connect(e, &QLineEdit::textChanged, this, [this, e] { hexChannelChanged(e); });
}

QLineEdit* CurrentColorEditors::makeEditor(const char* name, int maxLength, Kind kind)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setStyle(CachedPanelStyle::shared());
    edit->setMaxLength(maxLength);
    edit->setProperty("editorKind", static_cast<int>(kind));
    edit->installEventFilter(this);
    // Drops bypass the clipboard commands; what is typed, pasted or undone is all a box takes.
    edit->setAcceptDrops(false);
    if (kind == Kind::Decimal || kind == Kind::HexChannel)
        edit->setAlignment(Qt::AlignCenter);
    return edit;
}

ColorValue CurrentColorEditors::swatchColor() const { return lblcolor_->color(); }

void CurrentColorEditors::setSwatchColor(ColorValue color) { lblcolor_->setColor(color); }

EditorSnapshot CurrentColorEditors::texts() const
{
    return {txtHex_->text(), txtRgb_->text(), txtr_->text(),  txtg_->text(),
            txtb_->text(),   txtrh_->text(),  txtgh_->text(), txtbh_->text()};
}

void CurrentColorEditors::showColor(ColorValue color)
{
    inUpdate_ = true;
    setBoxText(txtRgb_, ToQString(RgbText(color)));
    const QString hex = txtHex_->text();
    if (!hexFocus_ || (hex.size() == 7 && hex.startsWith('#')))
        setBoxText(txtHex_, ToQString(HtmlHex(color)));
    setBoxText(txtr_, QString::number(GetRed(color)));
    setBoxText(txtg_, QString::number(GetGreen(color)));
    setBoxText(txtb_, QString::number(GetBlue(color)));
    setBoxText(txtrh_, redHexFocus_ ? shortHex(GetRed(color)) : ToQString(RedHex(color)));
    setBoxText(txtbh_, blueHexFocus_ ? shortHex(GetBlue(color)) : ToQString(BlueHex(color)));
    setBoxText(txtgh_, greenHexFocus_ ? shortHex(GetGreen(color)) : ToQString(GreenHex(color)));
    inUpdate_ = false;
    if (std::exchange(textsChangedInUpdate_, false))
        textsEdited();
}

void CurrentColorEditors::textsEdited()
{
    if (detached_)
        return;
    // A rewrite of all eight boxes rebuilds the captions once, at its end.
    if (inUpdate_) {
        textsChangedInUpdate_ = true;
        return;
    }
    hub_.ChangeCopyMenu();
}

bool CurrentColorEditors::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit || detached_)
        return QWidget::eventFilter(watched, event);
    const Kind kind = kindOf(edit);
    switch (event->type()) {
    case QEvent::KeyPress:
        return filterKey(edit, kind, static_cast<QKeyEvent*>(event));
    case QEvent::ShortcutOverride: {
        // A box claims only the keys of a text box; the other combinations (Ctrl+K, which a line
        // edit would take to delete to the end) are the window's shortcuts.
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) && !isTextBoxKey(key)) {
            key->ignore();
            return true;
        }
        break;
    }
    case QEvent::ContextMenu:
        showContextMenu(edit, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    case QEvent::FocusIn:
        focused_ = edit;
        if (edit == txtHex_)
            hexFocus_ = true;
        else if (edit == txtrh_)
            redHexFocus_ = true;
        else if (edit == txtgh_)
            greenHexFocus_ = true;
        else if (edit == txtbh_)
            blueHexFocus_ = true;
        break;
    case QEvent::FocusOut:
        // A menu does not leave the box, whether it pops up or is opened from the keyboard (Alt
        // and a letter, F10: the menu bar takes the focus): the focus comes back when it closes,
        // and the copy commands in it must see the text as the user typed it.
        if (isMenuFocus(static_cast<QFocusEvent*>(event)->reason()))
            break;
        if (focused_ == edit)
            focused_ = nullptr;
        if (kind == Kind::ReadOnly)
            break;
        if (edit == txtHex_)
            hexFocus_ = false;
        else if (edit == txtrh_)
            redHexFocus_ = false;
        else if (edit == txtgh_)
            greenHexFocus_ = false;
        else if (edit == txtbh_)
            blueHexFocus_ = false;
        hub_.CurrentColorChanged(swatchColor(), WriteRecent::Yes);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

CurrentColorEditors::Kind CurrentColorEditors::kindOf(const QLineEdit* edit)
{
    return static_cast<Kind>(edit->property("editorKind").toInt());
}

bool CurrentColorEditors::filterKey(QLineEdit* edit, Kind kind, QKeyEvent* event)
{
    // The clipboard commands go through the platform; Copy without a selection and Undo and Redo
    // with no typing to undo are the window's (the current colour's HEX, the colour history).
    if (event->matches(QKeySequence::Copy)) {
        if (!copySelection())
            if (QAction* copy = hub_.action("mnuCopy"))
                copy->trigger();
        return true;
    }
    if (event->matches(QKeySequence::Cut)) {
        cut(edit);
        return true;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteInto(edit);
        return true;
    }
    for (const bool undo : {true, false}) {
        if (!event->matches(undo ? QKeySequence::Undo : QKeySequence::Redo))
            continue;
        if (kind != Kind::ReadOnly && (undo ? edit->isUndoAvailable() : edit->isRedoAvailable()))
            return false; // the box undoes its typing; its rules judge the text it gets back
        if (QAction* step = hub_.action(undo ? "mnuUndo" : "mnuRedo"))
            step->trigger();
        return true;
    }
    // Moving the cursor, selecting and moving the focus on are not typing.
    const int key = event->key();
    if (event->matches(QKeySequence::SelectAll) || isMovement(event) || key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return false;
    if (kind == Kind::ReadOnly)
        return true;
    // Deleting (also a word at a time with Ctrl) and Enter; what is left passes the box's rules.
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete || key == Qt::Key_Return || key == Qt::Key_Enter)
        return (event->modifiers() & ~(Qt::ControlModifier | Qt::KeypadModifier)) != 0;
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return true;
    const QString text = event->text();
    if (text.size() != 1)
        return true;
    const QChar c = text.front();
    const bool accepted = isDigit(c) || (kind != Kind::Decimal && isHexDigit(c)) || (kind == Kind::Html && c == '#');
    if (!accepted)
        return true;
    if (c >= 'a' && c <= 'f') {
        // Letters typed in lower case arrive in upper case.
        edit->insert(QString(c.toUpper()));
        return true;
    }
    return false;
}

void CurrentColorEditors::showContextMenu(QLineEdit* edit, const QPoint& globalPos)
{
    const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    // The box's own menu: its Cut, Copy and Paste do what their keys do. They are known by the
    // keys their captions show ("Cu&t\tCtrl+X").
    const struct
    {
        QKeySequence::StandardKey key;
        const char* caption;
        const char* name;
        std::function<void()> command;
    } commands[] = {
        {QKeySequence::Cut, "Cu&t", "edit-cut", [this, edit] { cut(edit); }},
        {QKeySequence::Copy, "&Copy", "edit-copy",
         [this, edit] {
             focused_ = edit;
             copySelection();
         }},
        {QKeySequence::Paste, "&Paste", "edit-paste", [this, edit] { pasteInto(edit); }},
    };
    for (QAction* a : menu->actions()) {
        const QString caption = a->text().section('\t', 0, 0);
        const QString keys = a->text().section('\t', 1);
        for (const auto& c : commands) {
            const QString shown = QKeySequence(c.key).toString(QKeySequence::NativeText);
            if (caption != QLatin1String(c.caption) && (keys.isEmpty() || keys != shown))
                continue;
            QObject::disconnect(a, &QAction::triggered, nullptr, nullptr);
            connect(a, &QAction::triggered, this, c.command);
            a->setObjectName(c.name);
            if (c.key == QKeySequence::Paste)
                a->setEnabled(!hub_.platform().clipboardText().isEmpty());
        }
    }
    menu->exec(globalPos);
}

bool CurrentColorEditors::copySelection()
{
    if (!focused_ || !focused_->hasSelectedText())
        return false;
    Platform& platform = hub_.platform();
    platform.clearClipboard();
    platform.setClipboardText(focused_->selectedText());
    return true;
}

void CurrentColorEditors::cut(QLineEdit* edit)
{
    if (edit->isReadOnly() || !edit->hasSelectedText())
        return;
    focused_ = edit;
    copySelection();
    edit->del(); // the box's rules apply to what is left
}

void CurrentColorEditors::paste() { pasteInto(focused_); }

void CurrentColorEditors::pasteInto(QLineEdit* edit)
{
    const Kind kind = edit ? kindOf(edit) : Kind::ReadOnly;
    const PasteAction action = EditorText::paste(kind, hub_.platform().clipboardText().toStdU16String());
    switch (action.kind) {
    case PasteAction::Kind::IntoBox:
        edit->insert(QString::fromStdU16String(action.text)); // as if typed: the box's rules apply
        break;
    case PasteAction::Kind::SetColour:
        QToolTip::hideText();
        hub_.ClearSchemeSelection();
        setSwatchColor(action.color);
        hub_.CurrentColorChanged(action.color, WriteRecent::Yes);
        // txtHex shows the pasted colour whole, even over a text typed part of the way.
        if (hexFocus_ && txtHex_->text() != ToQString(HtmlHex(action.color))) {
            inUpdate_ = true;
            txtHex_->setText(ToQString(HtmlHex(action.color)));
            inUpdate_ = false;
            if (std::exchange(textsChangedInUpdate_, false))
                textsEdited();
        }
        break;
    case PasteAction::Kind::Refuse:
        refuse(edit, ToQString(action.reason));
        break;
    }
}

void CurrentColorEditors::refuse(QLineEdit* edit, const QString& reason)
{
    QWidget* anchor = edit ? static_cast<QWidget*>(edit) : lblcolor_;
    QToolTip::showText(anchor->mapToGlobal(QPoint(0, anchor->height())), reason, anchor);
}

bool CurrentColorEditors::undoTyping()
{
    if (!focused_ || focused_->isReadOnly() || !focused_->isUndoAvailable())
        return false;
    focused_->undo();
    return true;
}

bool CurrentColorEditors::redoTyping()
{
    if (!focused_ || focused_->isReadOnly() || !focused_->isRedoAvailable())
        return false;
    focused_->redo();
    return true;
}

void CurrentColorEditors::decimalChanged(QLineEdit* edit)
{
    if (inUpdate_)
        return;
    if (applyChannelChange(edit, EditorText::decimalChanged(edit->text().toStdU16String())))
        colorFromDecimals();
}

void CurrentColorEditors::colorFromDecimals()
{
    setSwatchColor(MakeColor(decimalValue(txtr_), decimalValue(txtg_), decimalValue(txtb_)));
    hub_.CurrentColorChanged(swatchColor(), WriteRecent::Yes);
}

void CurrentColorEditors::hexChannelChanged(QLineEdit* edit)
{
    if (inUpdate_)
        return;
    if (applyChannelChange(edit, EditorText::hexChannelChanged(edit->text().toStdU16String())))
        colorFromHexChannels();
}

void CurrentColorEditors::colorFromHexChannels()
{
    setSwatchColor(MakeColor(hexValue(txtrh_), hexValue(txtgh_), hexValue(txtbh_)));
    hub_.CurrentColorChanged(swatchColor(), WriteRecent::Yes);
}

void CurrentColorEditors::htmlChanged()
{
    if (inUpdate_)
        return;
    const HtmlTextChange change = EditorText::htmlChanged(txtHex_->text().toStdU16String());
    if (change.ignored)
        return;
    if (change.emptyBox)
        txtHex_->setText("");
    // Each channel box that changes computes the colour itself.
    const std::pair<QLineEdit*, const std::u16string*> pieces[] = {
        {txtrh_, &change.red}, {txtgh_, &change.green}, {txtbh_, &change.blue}};
    for (const auto& [box, piece] : pieces) {
        if (!piece->empty())
            box->setText(QString::fromStdU16String(*piece));
    }
}

} // namespace prismara
