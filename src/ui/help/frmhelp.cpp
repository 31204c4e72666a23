// frmhelp.cpp - the help window: contents list, page browser with back and forward, find in page.
#include "ui/help/frmhelp.h"

#include "core/app/helpcontents.h"
#include "core/files/fileio.h"
#include "platform/platform.h"
#include "platform/qtconvert.h"

#include <QAction>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace prismara {

namespace {
constexpr int kPagePathRole = Qt::UserRole;

QToolButton* makeButton(QWidget* parent, const char* name, const QString& text, const QString& icon,
                        const QString& tip)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setIcon(QIcon::fromTheme(icon));
    button->setToolTip(tip);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

// A shortcut of the window that runs `command`.
template <typename F> void addShortcut(QWidget* window, const QList<QKeySequence>& keys, F command)
{
    auto* action = new QAction(window);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, window, command);
    window->addAction(action);
}
} // namespace

FrmHelp::FrmHelp(Platform& platform, const QString& folder, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform), folder_(folder)
{
    setObjectName("frmhelp");
    setWindowTitle("Prismara Help");
    setAttribute(Qt::WA_DeleteOnClose);

    cmdBack_ = makeButton(this, "cmdBack", "Back", "go-previous", "Back (Alt+Left)");
    cmdForward_ = makeButton(this, "cmdForward", "Forward", "go-next", "Forward (Alt+Right)");
    cmdContents_ = makeButton(this, "cmdContents", "Contents", "go-home", "The first page of the guide");
    txtFind_ = new QLineEdit(this);
    txtFind_->setObjectName("txtFind");
    txtFind_->setPlaceholderText("Find in page (Ctrl+F)");
    txtFind_->setClearButtonEnabled(true);
    auto* cmdFindPrevious = makeButton(this, "cmdFindPrevious", "", "go-up", "Find previous (Shift+F3)");
    auto* cmdFindNext = makeButton(this, "cmdFindNext", "", "go-down", "Find next (F3, Enter)");
    for (QToolButton* b : {cmdFindPrevious, cmdFindNext})
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    if (cmdFindPrevious->icon().isNull())
        cmdFindPrevious->setText("<");
    if (cmdFindNext->icon().isNull())
        cmdFindNext->setText(">");
    lblFind_ = new QLabel(this);
    lblFind_->setObjectName("lblFind");

    lstTopics_ = new QListWidget(this);
    lstTopics_->setObjectName("lstTopics");
    txtPage_ = new QTextBrowser(this);
    txtPage_->setObjectName("txtPage");
    txtPage_->setOpenLinks(false); // followLink decides where a link goes
    txtPage_->setSearchPaths({folder_});
    // The pages' own style sheet (a text document reads linked style sheets only when they say
    // type="text/css").
    if (std::string css; ReadWholeFile(ToPath(folder_ + "/help.css"), css, kSmallFileLimit))
        txtPage_->document()->setDefaultStyleSheet(ToQString(css));

    auto* bar = new QHBoxLayout;
    bar->addWidget(cmdBack_);
    bar->addWidget(cmdForward_);
    bar->addWidget(cmdContents_);
    bar->addStretch(1);
    bar->addWidget(lblFind_);
    bar->addWidget(txtFind_);
    bar->addWidget(cmdFindPrevious);
    bar->addWidget(cmdFindNext);
    auto* split = new QSplitter(this);
    split->addWidget(lstTopics_);
    split->addWidget(txtPage_);
    split->setStretchFactor(1, 1);
    split->setSizes({250, 670});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(split, 1);
    resize(920, 680);

    cmdBack_->setEnabled(false);
    cmdForward_->setEnabled(false);
    connect(cmdBack_, &QToolButton::clicked, txtPage_, &QTextBrowser::backward);
    connect(cmdForward_, &QToolButton::clicked, txtPage_, &QTextBrowser::forward);
    connect(cmdContents_, &QToolButton::clicked, this, [this] { showPage("index.html"); });
    connect(txtPage_, &QTextBrowser::backwardAvailable, cmdBack_, &QToolButton::setEnabled);
    connect(txtPage_, &QTextBrowser::forwardAvailable, cmdForward_, &QToolButton::setEnabled);
    connect(txtPage_, &QTextBrowser::anchorClicked, this, &FrmHelp::followLink);
    connect(txtPage_, &QTextBrowser::sourceChanged, this, &FrmHelp::pageShown);
    connect(lstTopics_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showPage(item->data(kPagePathRole).toString()); });
    connect(lstTopics_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showPage(item->data(kPagePathRole).toString()); });
    connect(cmdFindNext, &QToolButton::clicked, this, [this] { find(false); });
    connect(cmdFindPrevious, &QToolButton::clicked, this, [this] { find(true); });
    connect(txtFind_, &QLineEdit::returnPressed, this, [this] { find(false); });
    connect(txtFind_, &QLineEdit::textEdited, this, [this] {
        // Typing refines the match where it stands.
        QTextCursor cursor = txtPage_->textCursor();
        cursor.setPosition(cursor.selectionStart());
        txtPage_->setTextCursor(cursor);
        find(false);
    });

    addShortcut(this, QKeySequence::keyBindings(QKeySequence::Find), [this] {
        txtFind_->setFocus(Qt::ShortcutFocusReason);
        txtFind_->selectAll();
    });
    addShortcut(this, QKeySequence::keyBindings(QKeySequence::FindNext), [this] { find(false); });
    addShortcut(this, QKeySequence::keyBindings(QKeySequence::FindPrevious), [this] { find(true); });
    addShortcut(this, QKeySequence::keyBindings(QKeySequence::Back), [this] { txtPage_->backward(); });
    addShortcut(this, QKeySequence::keyBindings(QKeySequence::Forward), [this] { txtPage_->forward(); });
    addShortcut(this, QKeySequence::keyBindings(QKeySequence::Close), [this] { close(); });

    fillContents();
    showPage("index.html");
}

void FrmHelp::fillContents()
{
    std::string hhc;
    std::vector<HelpTopic> topics;
    if (ReadWholeFile(ToPath(folder_ + "/prismara.hhc"), hhc, kSmallFileLimit))
        topics = ReadHelpContents(hhc);
    if (topics.empty())
        topics.push_back({"Prismara Help", "index.html"});
    for (const HelpTopic& topic : topics) {
        auto* item = new QListWidgetItem(ToQString(topic.name), lstTopics_);
        item->setData(kPagePathRole, ToQString(topic.page));
    }
}

void FrmHelp::showPage(const QString& page)
{
    txtPage_->setSource(QUrl::fromLocalFile(folder_ + "/").resolved(QUrl(page)));
}

void FrmHelp::followLink(const QUrl& url)
{
    const QUrl target = txtPage_->source().resolved(url);
    if (target.isLocalFile())
        txtPage_->setSource(target);
    else
        platform_.shellOpen(target.toString());
}

void FrmHelp::pageShown(const QUrl& url)
{
    const QString page = QFileInfo(url.toLocalFile()).fileName();
    for (int row = 0; row < lstTopics_->count(); ++row)
        if (lstTopics_->item(row)->data(kPagePathRole).toString() == page) {
            lstTopics_->setCurrentRow(row);
            return;
        }
    lstTopics_->clearSelection();
}

void FrmHelp::find(bool backward)
{
    const QString text = txtFind_->text();
    lblFind_->clear();
    if (text.isEmpty())
        return;
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (txtPage_->find(text, flags))
        return;
    QTextCursor cursor = txtPage_->textCursor();
    cursor.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
    txtPage_->setTextCursor(cursor);
    if (!txtPage_->find(text, flags))
        lblFind_->setText("Not found");
}

} // namespace prismara
