// palettejob.h - palette commands that take long (rewriting, clearing or deleting a large
// palette, importing large files) run on a thread of their own, one at a time, while a progress
// bar with a Cancel button shows over the palette grid and the window goes on answering.
#pragma once

#include "core/palette/palettefile.h"

#include <QWidget>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QProgressBar;
class QPushButton;
class QThread;
class QTimer;

namespace prismara {

// A command's work: it runs on the job's thread, reports through the progress callback (which
// says false once the user has cancelled) and tells how it went.
using PaletteWork = std::function<StoreResult(const RewriteProgress&)>;

class PaletteJob : public QWidget
{
    Q_OBJECT
public:
    // Files of at least this size are worked on a thread of their own; smaller ones at once.
    static constexpr std::uintmax_t kThreadBytes = std::uintmax_t{1} << 20;
    // The progress bar shows once a job has run this long.
    static constexpr int kShowAfterMs = 100;

    explicit PaletteJob(QWidget* parent);
    // Cancels a job under way and waits for it to end.
    ~PaletteJob() override;

    bool busy() const { return thread_ != nullptr; }
    // The palette file (a name in the program folder) the job under way changes; empty for an
    // import or when no job runs.
    const std::string& file() const { return file_; }

    // Starts `work` and returns at once; `done` runs on this object's thread with the work's
    // result when it has ended. Refused (false) while another job runs.
    bool start(const QString& title, std::string file, PaletteWork work,
               std::function<void(const StoreResult&)> done);
    // Asks the job under way to stop; it ends at its next progress report, changing nothing.
    void cancel();

signals:
    void busyChanged(bool busy);

protected:
    // The bar follows its parent's size while it shows.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Shared
    {
        std::atomic<std::uint64_t> done{0};
        std::atomic<std::uint64_t> total{0};
        std::atomic<bool> cancelled{false};
    };
    void showProgress();
    // Along the bottom edge of the parent, its whole width.
    void place();
    void finished();

    QProgressBar* bar_;
    QPushButton* cancel_;
    QTimer* poll_;
    QThread* thread_ = nullptr;
    std::string file_;
    std::shared_ptr<Shared> shared_;
    std::shared_ptr<StoreResult> result_;
    std::function<void(const StoreResult&)> done_;
};

} // namespace prismara
