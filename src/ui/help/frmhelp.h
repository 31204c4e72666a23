// frmhelp.h - the help window: the HTML user guide with its contents, history and a page search.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;
class QToolButton;
class QUrl;

namespace prismara {

class Platform;

class FrmHelp : public QWidget
{
    Q_OBJECT
public:
    // The guide in `folder` (index.html; prismara.hhc for the contents). Links between its pages
    // open in the window; any other address goes to the desktop through `platform`.
    FrmHelp(Platform& platform, const QString& folder, QWidget* parent = nullptr);

    // Shows a page of the guide by its file name ("palettes.html", "wheel.html#vision").
    void showPage(const QString& page);

private:
    void fillContents();
    void followLink(const QUrl& url);
    void pageShown(const QUrl& url);
    // Finds the text of the find box from the cursor on (or back), going round the page once.
    void find(bool backward);

    Platform& platform_;
    QString folder_;
    QToolButton* cmdBack_;
    QToolButton* cmdForward_;
    QToolButton* cmdContents_;
    QLineEdit* txtFind_;
    QLabel* lblFind_;
    QListWidget* lstTopics_;
    QTextBrowser* txtPage_;
};

} // namespace prismara
