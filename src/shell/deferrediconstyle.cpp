// deferrediconstyle.cpp - extension icons read from the base style when first drawn.
#include "shell/deferrediconstyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>

namespace prismara {

namespace {

// An icon that asks the style for the real one the first time it is needed.
class DeferredIconEngine : public QIconEngine
{
public:
    DeferredIconEngine(const QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }
    QString key() const override { return QStringLiteral("prismara-deferred"); }
    bool isNull() override { return false; }

private:
    const QIcon& icon()
    {
        if (!read_ && style_) {
            icon_ = style_->standardIcon(which_);
            read_ = true;
        }
        return icon_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap which_;
    QIcon icon_;
    bool read_ = false;
};

} // namespace

DeferredIconStyle::DeferredIconStyle(QStyle* base) : QProxyStyle(base) {}

void DeferredIconStyle::install()
{
    // The proxy becomes the base style's parent, so replacing the application's style does not
    // delete it.
    QApplication::setStyle(new DeferredIconStyle(QApplication::style()));
}

QIcon DeferredIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                      const QWidget* widget) const
{
    if (standardIcon == SP_ToolBarHorizontalExtensionButton || standardIcon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredIconEngine(baseStyle(), standardIcon));
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

} // namespace prismara
