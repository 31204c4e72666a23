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
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

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

// One row of a panel: a caption and its box, or one widget across (caption nullptr).
struct PanelRow
{
    QWidget* caption;
    QWidget* field;
    bool heading; // a model's heading: a column may break before it
};

// Lays `rows` out in `panel` in columns kPanelWidth wide, side by side, as many as a panel
// `height` high needs so that every row is on view (one on a screen of ordinary height, more at
// a large scale factor). A column breaks only before a heading. Returns the panel's width.
int layOutColumns(QWidget* panel, const std::vector<PanelRow>& rows, int height)
{
    auto* columns = new QHBoxLayout(panel);
    columns->setSizeConstraint(QLayout::SetNoConstraint);
    const QMargins margins = columns->contentsMargins();
    const int room = height - margins.top() - margins.bottom();
    const int spacing = std::max(panel->style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing), 0);
    auto rowHeight = [&](const PanelRow& row) {
        const int caption = row.caption ? row.caption->sizeHint().height() : 0;
        return std::max(caption, row.field->sizeHint().height()) + spacing;
    };
    QFormLayout* column = nullptr;
    int used = 0;
    for (std::size_t first = 0; first < rows.size();) {
        // The rows up to the next heading go together.
        std::size_t end = first + 1;
        while (end < rows.size() && !rows[end].heading)
            ++end;
        int group = 0;
        for (std::size_t i = first; i < end; ++i)
            group += rowHeight(rows[i]);
        if (!column || (used > 0 && used + group > room)) {
            column = new QFormLayout;
            column->setSizeConstraint(QLayout::SetNoConstraint);
            columns->addLayout(column);
            used = 0;
        }
        for (std::size_t i = first; i < end; ++i) {
            if (rows[i].caption)
                column->addRow(rows[i].caption, rows[i].field);
            else
                column->addRow(rows[i].field);
        }
        used += group;
        first = end;
    }
    return std::max(1, columns->count()) * kPanelWidth;
}

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
    const QSize screen = hub_.platform().screenSizePixels();
    const int room = screen.height() - menuBar_->sizeHint().height();

    const EditorSnapshot editors = hub_.editorTexts();
    const ColorPageTexts values = ColorInfoTexts(ToStdString(editors.hex), ToStdString(editors.red), ToStdString(editors.green),
                                                 ToStdString(editors.blue));

    std::vector<PanelRow> info;
    auto* title = new QLabel("<b>Color Info</b>", picInfo_);
    title->setObjectName("lblTitle");
    title->setAlignment(Qt::AlignCenter);
    info.push_back({nullptr, title, false});
    auto* hex = new QLineEdit(ToQString(values.txtHex), picInfo_);
    hex->setObjectName("txtHex");
    hex->setAlignment(Qt::AlignCenter);
    info.push_back({nullptr, hex, false});
    for (const InfoBox& b : kBoxes) {
        if (b.heading) {
            auto* heading = new QLabel(QString("<b>%1</b>").arg(b.heading), picInfo_);
            heading->setObjectName(QString("lbl%1").arg(b.heading));
            info.push_back({nullptr, heading, true});
        }
        auto* edit = new QLineEdit(ToQString(values.*b.value), picInfo_);
        edit->setObjectName(b.name);
        auto* caption = new QLabel(b.caption, picInfo_);
        caption->setObjectName(QString("lbl_%1").arg(b.name));
        info.push_back({caption, edit, false});
    }
    const int infoWidth = layOutColumns(picInfo_, info, room);
    picInfo_->setGeometry(0, 0, infoWidth, screen.height());

    // The CSS Color 4 values and the name, in a panel of their own beside PicInfo: shown here,
    // not saved with the page.
    auto* more = new QWidget(page);
    more->setObjectName("PicInfoCss");
    more->setAutoFillBackground(true);
    more->setPalette(neutral);
    std::vector<PanelRow> moreRows;
    const ColorValue color = MakeColor(ChannelByte(values.txtr), ChannelByte(values.txtg), ChannelByte(values.txtb));
    for (const ColorInfoRow& row : ColorScienceRows(color)) {
        if (!row.heading.empty()) {
            auto* heading = new QLabel(QString("<b>%1</b>").arg(ToQString(row.heading)), more);
            heading->setObjectName("lbl" + ToQString(row.heading));
            moreRows.push_back({nullptr, heading, true});
        }
        auto* edit = new QLineEdit(ToQString(row.value), more);
        edit->setObjectName(ToQString(row.name));
        edit->setReadOnly(true);
        if (row.caption.empty()) {
            moreRows.push_back({nullptr, edit, false});
            continue;
        }
        auto* caption = new QLabel(ToQString(row.caption), more);
        caption->setObjectName("lbl_" + ToQString(row.name));
        moreRows.push_back({caption, edit, false});
    }
    const int moreWidth = layOutColumns(more, moreRows, room);
    more->setGeometry(infoWidth, 0, moreWidth, screen.height());

    // Full-size: without a window manager to maximize it, the window still opens covering the
    // screen rather than at the layout's (tiny) minimum.
    resize(std::max(screen.width(), infoWidth + moreWidth), std::max(screen.height(), 200));
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
        platform.showError(this, "Save as Html",
                           QString("The page could not be saved to %1: %2.").arg(*file, ToQString(saved.message())));
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
