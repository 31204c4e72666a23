// frminput.h - the one-line input dialog.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace prismara {

class Platform;

class FrmInput : public QDialog
{
    Q_OBJECT
public:
    explicit FrmInput(QWidget* parent = nullptr);

    // Asks for one line of text, modally; the trimmed text on OK ("Untiltled" when it was
    // blank), "" on Cancel or when the window is closed.
    static QString InputText(Platform& platform, QWidget* parent, const QString& title, const QString& prompt);

    QString inputResult() const { return inputResult_; }

    void accept() override;
    void reject() override;

private:
    QLabel* lblMsg_;
    QLineEdit* txtResult_;
    QPushButton* cmdOk_;
    QPushButton* cmdCancel_;
    QString inputResult_;
};

} // namespace prismara
