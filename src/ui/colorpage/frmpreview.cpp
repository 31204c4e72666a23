// frmpreview.cpp - the colour information page.
#include "ui/colorpage/frmpreview.h"

#include "widgets/colorhub.h"
#include "widgets/colorswatch.h"
#include "core/palette/colorinfo.h"
#include "platform/platform.h"
#include "platform/qtconvert.h"

#include <QAction>
#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace prismara {

namespace {
constexpr int kPanelWidth = 170;

// The panel's boxes, top to bottom, under their model headings.
struct InfoBox
{
    const char* heading; // the model's heading on its first box, else nullptr
    const char* caption;
    const char* name;
    std::string ColorPageTexts::*value;
};

constexpr InfoBox kBoxes[] = {
    {"RGB", "R:", "txtr", &ColorPageTexts::txtr},
    {nullptr, "G:", "txtg", &ColorPageTexts::txtg},
    {nullptr, "B:", "txtb", &ColorPageTexts::txtb},
    {"HSL", "H:", "txth", &ColorPageTexts::txth},
    {nullptr, "S:", "txts", &ColorPageTexts::txts},
    {nullptr, "L:", "txtl", &ColorPageTexts::txtl},
    {"CMY", "C:", "txtc", &ColorPageTexts::txtc},
    {nullptr, "M:", "txtm", &ColorPageTexts::txtm},
    {nullptr, "Y:", "txtY", &ColorPageTexts::txtY},
    {"CMYK", "C:", "txtc1", &ColorPageTexts::txtc1},
    {nullptr, "M:", "txtm1", &ColorPageTexts::txtm1},
    {nullptr, "Y:", "txtY1", &ColorPageTexts::txtY1},
    {nullptr, "K:", "txtK", &ColorPageTexts::txtK},
    {"YCbCr", "Y:", "txtY2", &ColorPageTexts::txtY2},
    {nullptr, "Cb:", "txtCb", &ColorPageTexts::txtCb},
    {nullptr, "Cr:", "txtCr", &ColorPageTexts::txtCr},
};

} // namespace

FrmPreview::FrmPreview(ColorHub& hub, QWidget* parent) : QDialog(parent), hub_(hub)
{
    setObjectName("frmpreview");
    setWindowTitle("Color Preview");
    setModal(true);
    if (parent)
        setFont(parent->font());

    // The "Action" menu, in the menu bar and as the right-click pop-up.
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName("menuBar");
    mnufile_ = menuBar_->addMenu("Action");
    mnufile_->setObjectName("mnufile");
    mnufile_->menuAction()->setObjectName("mnufile");
    QAction* save = mnufile_->addAction("Save as Html...");
    save->setObjectName("mnusave");
    mnufile_->addSeparator()->setObjectName("sep");
    QAction* exit = mnufile_->addAction("Exit");
    exit->setObjectName("mnuExit");
    connect(save, &QAction::triggered, this, &FrmPreview::saveAsHtml);
    connect(exit, &QAction::triggered, this, &QDialog::accept);

    // The whole background is the current colour.
    auto* page = new QWidget(this);
    page->setObjectName("picPage");
    page->setAutoFillBackground(true);
    QPalette colour = page->palette();
    colour.setColor(QPalette::Window, ToQColor(hub_.swatchColor()));
    page->setPalette(colour);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->setSizeConstraint(QLayout::SetNoConstraint);
    outer->setMenuBar(menuBar_);
    outer->addWidget(page);

    // PicInfo: at the page's top-left corner, as tall as the screen.
    picInfo_ = new QWidget(page);
    picInfo_->setObjectName("PicInfo");
    picInfo_->setAutoFillBackground(true);
    // Its own neutral background, so the values read well on any colour.
    QPalette neutral = picInfo_->palette();
    neutral.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    picInfo_->setPalette(neutral);
    picInfo_->setGeometry(0, 0, kPanelWidth, hub_.platform().screenSizePixels().height());

    const EditorSnapshot editors = hub_.editorTexts();
    const ColorPageTexts values = ColorInfoTexts(ToStdString(editors.hex), ToStdString(editors.red), ToStdString(editors.green),
                                                 ToStdString(editors.blue));

    auto* form = new QFormLayout(picInfo_);
    form->setSizeConstraint(QLayout::SetNoConstraint);
    auto* title = new QLabel("<b>Color Info</b>", picInfo_);
    title->setObjectName("lblTitle");
    title->setAlignment(Qt::AlignCenter);
    form->addRow(title);
    auto* hex = new QLineEdit(ToQString(values.txtHex), picInfo_);
    hex->setObjectName("txtHex");
    hex->setAlignment(Qt::AlignCenter);
    form->addRow(hex);
    for (const InfoBox& b : kBoxes) {
        if (b.heading) {
            auto* heading = new QLabel(QString("<b>%1</b>").arg(b.heading), picInfo_);
            heading->setObjectName(QString("lbl%1").arg(b.heading));
            form->addRow(heading);
        }
        auto* edit = new QLineEdit(ToQString(values.*b.value), picInfo_);
        edit->setObjectName(b.name);
        auto* caption = new QLabel(b.caption, picInfo_);
        caption->setObjectName(QString("lbl_%1").arg(b.name));
        form->addRow(caption, edit);
    }

    // The CSS Color 4 values and the name, in a panel of their own beside PicInfo: shown here,
    // not saved with the page.
    auto* more = new QWidget(page);
    more->setObjectName("PicInfoCss");
    more->setAutoFillBackground(true);
    more->setPalette(neutral);
    more->setGeometry(kPanelWidth, 0, kPanelWidth, hub_.platform().screenSizePixels().height());
    auto* moreForm = new QFormLayout(more);
    moreForm->setSizeConstraint(QLayout::SetNoConstraint);
    const ColorValue color = MakeColor(ChannelByte(values.txtr), ChannelByte(values.txtg), ChannelByte(values.txtb));
    for (const ColorInfoRow& row : ColorScienceRows(color)) {
        if (!row.heading.empty()) {
            auto* heading = new QLabel(QString("<b>%1</b>").arg(ToQString(row.heading)), more);
            heading->setObjectName("lbl" + ToQString(row.heading));
            moreForm->addRow(heading);
        }
        auto* edit = new QLineEdit(ToQString(row.value), more);
        edit->setObjectName(ToQString(row.name));
        edit->setReadOnly(true);
        if (row.caption.empty()) {
            moreForm->addRow(edit);
            continue;
        }
        auto* caption = new QLabel(ToQString(row.caption), more);
        caption->setObjectName("lbl_" + ToQString(row.name));
        moreForm->addRow(caption, edit);
    }

    // Full-size: without a window manager to maximize it, the window still opens covering the
    // screen rather than at the layout's (tiny) minimum.
    const QSize screen = hub_.platform().screenSizePixels();
    resize(std::max(screen.width(), 2 * kPanelWidth), std::max(screen.height(), 200));
    setWindowState(Qt::WindowMaximized);
}

void FrmPreview::showColorDetails(ColorHub& hub)
{
    QWidget* main = hub.mainWindow();
    FrmPreview page(hub, main);
    hub.platform().setTopMost(&page, true);
    page.exec();
    main->activateWindow();
}

QLineEdit* FrmPreview::box(const char* name) const { return picInfo_->findChild<QLineEdit*>(name); }

ColorPageTexts FrmPreview::texts() const
{
    ColorPageTexts t;
    t.txtHex = ToStdString(box("txtHex")->text());
    for (const InfoBox& b : kBoxes)
        t.*b.value = ToStdString(box(b.name)->text());
    return t;
}

void FrmPreview::saveAsHtml()
{
    Platform& platform = hub_.platform();
    const std::optional<QString> file = platform.saveFileName(this, box("txtHex")->text(), "web page(*.htm)", "htm");
    if (!file)
        return;
    const StoreResult saved = SaveColorPage(ToPath(*file), texts());
    if (!saved)
        platform.showError(this, "Save as Html", QString("The page could not be saved to %1.").arg(*file));
}

void FrmPreview::mouseReleaseEvent(QMouseEvent* event)
{
    // The background and PicInfo leave their right clicks to the window.
    if (event->button() == Qt::RightButton) {
        mnufile_->popup(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QDialog::mouseReleaseEvent(event);
}

} // namespace prismara
