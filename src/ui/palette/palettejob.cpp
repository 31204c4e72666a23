// palettejob.cpp - a long palette command on its own thread, with progress and Cancel.
#include "ui/palette/palettejob.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>

namespace prismara {

namespace {
// How often the bar follows the job.
constexpr int kPollMs = 30;
} // namespace

PaletteJob::PaletteJob(QWidget* parent) : QWidget(parent)
{
    setObjectName("paletteJob");
    setAutoFillBackground(true);
    bar_ = new QProgressBar(this);
    bar_->setObjectName("prgPaletteJob");
    bar_->setRange(0, 1000);
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setObjectName("cmdPaletteJobCancel");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 4, 4, 4);
    row->addWidget(bar_, 1);
    row->addWidget(cancel_);
    connect(cancel_, &QPushButton::clicked, this, &PaletteJob::cancel);
    poll_ = new QTimer(this);
    poll_->setInterval(kPollMs);
    connect(poll_, &QTimer::timeout, this, [this] {
        if (!shared_)
            return;
        const std::uint64_t total = shared_->total.load();
        bar_->setValue(total == 0 ? 0 : static_cast<int>(shared_->done.load() * 1000 / total));
    });
    hide();
    if (parent)
        parent->installEventFilter(this);
}

PaletteJob::~PaletteJob()
{
    if (thread_) {
        shared_->cancelled = true;
        thread_->wait();
        delete thread_;
    }
}

bool PaletteJob::start(const QString& title, std::string file, PaletteWork work,
                       std::function<void(const StoreResult&)> done)
{
    if (busy())
        return false;
    file_ = std::move(file);
    done_ = std::move(done);
    shared_ = std::make_shared<Shared>();
    result_ = std::make_shared<StoreResult>(StoreResult::success());
    thread_ = QThread::create([shared = shared_, result = result_, work = std::move(work)] {
        *result = work([&shared](std::uint64_t reached, std::uint64_t total) {
            shared->done = reached;
            shared->total = total;
            return !shared->cancelled.load();
        });
    });
    connect(thread_, &QThread::finished, this, &PaletteJob::finished);
    bar_->setFormat(title + QStringLiteral(" %p%"));
    bar_->setValue(0);
    cancel_->setEnabled(true);
    emit busyChanged(true);
    thread_->start();
    QThread* started = thread_;
    QTimer::singleShot(kShowAfterMs, this, [this, started] {
        if (thread_ == started)
            showProgress();
    });
    return true;
}

void PaletteJob::cancel()
{
    if (!shared_ || !thread_)
        return;
    shared_->cancelled = true;
    cancel_->setEnabled(false);
}

void PaletteJob::place()
{
    if (QWidget* over = parentWidget()) {
        const int height = sizeHint().height();
        setGeometry(0, over->height() - height, over->width(), height);
    }
}

bool PaletteJob::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible())
        place();
    return QWidget::eventFilter(watched, event);
}

void PaletteJob::showProgress()
{
    place();
    raise();
    show();
    poll_->start();
}

void PaletteJob::finished()
{
    poll_->stop();
    hide();
    thread_->wait();
    thread_->deleteLater();
    thread_ = nullptr;
    file_.clear();
    const StoreResult result = *result_;
    auto done = std::move(done_);
    done_ = nullptr;
    emit busyChanged(false);
    if (done)
        done(result);
}

} // namespace prismara
