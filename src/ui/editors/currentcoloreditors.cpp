// currentcoloreditors.cpp - typing a colour: key filters, validation and focus re-formatting.
#include "ui/editors/currentcoloreditors.h"

#include "widgets/cachedpanelstyle.h"
#include "widgets/colorswatch.h"
#include "core/editors/editortext.h"
#include "platform/qtconvert.h"

#include <QKeyEvent>
#include <QFontMetrics>

#include <algorithm>
#include <utility>
#include <QLabel>
#include <QLineEdit>

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
    txtRgb_->setText(ToQString(RgbText(color)));
    const QString hex = txtHex_->text();
    if (!hexFocus_ || (hex.size() == 7 && hex.startsWith('#')))
        txtHex_->setText(ToQString(HtmlHex(color)));
    txtr_->setText(QString::number(GetRed(color)));
    txtg_->setText(QString::number(GetGreen(color)));
    txtb_->setText(QString::number(GetBlue(color)));
    txtrh_->setText(redHexFocus_ ? shortHex(GetRed(color)) : ToQString(RedHex(color)));
    txtbh_->setText(blueHexFocus_ ? shortHex(GetBlue(color)) : ToQString(BlueHex(color)));
    txtgh_->setText(greenHexFocus_ ? shortHex(GetGreen(color)) : ToQString(GreenHex(color)));
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
    const auto kind = static_cast<Kind>(edit->property("editorKind").toInt());
    switch (event->type()) {
    case QEvent::KeyPress:
        return filterKey(edit, kind, static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
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
        if (kind == Kind::ReadOnly || isMenuFocus(static_cast<QFocusEvent*>(event)->reason()))
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

bool CurrentColorEditors::filterKey(QLineEdit* edit, Kind kind, QKeyEvent* event)
{
    const int key = event->key();
    // Moving the focus on is not typing.
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return false;
    if (kind == Kind::ReadOnly)
        return key != Qt::Key_C || !(event->modifiers() & Qt::ControlModifier);
    if (key == Qt::Key_Backspace || key == Qt::Key_Return || key == Qt::Key_Enter)
        return false;
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
