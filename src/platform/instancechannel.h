// instancechannel.h - how a copy started while another runs hands its request to the running copy:
// a local socket beside the instance lock, one request line in, at most one answer line out.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QSocketNotifier;

namespace prismara {

class InstanceChannel : public QObject
{
    Q_OBJECT
public:
    // Answers a request with one line (no line break), once; later calls do nothing.
    using Answer = std::function<void(const QString& line)>;

    explicit InstanceChannel(QObject* parent = nullptr);
    ~InstanceChannel() override;

    // The running copy listens on `path`, reachable by this user only. The caller holds the
    // instance lock, so a socket left there by a copy that ended is replaced. False when it
    // cannot listen; `error()` says why.
    bool listen(const QString& path);
    QString error() const { return error_; }

    // The copy started later: sends `request` to the copy listening on `path`, waiting at most
    // connectMs for it to listen. With `wantAnswer` it then waits (without limit) for the answer
    // line. nullopt when no answer came (`error` says why); "" when none was asked for.
    static std::optional<QString> send(const QString& path, const QString& request, bool wantAnswer, QString& error,
                                       int connectMs = 5000);

signals:
    // One request line arrived; `answer` replies to its sender (who may have gone meanwhile).
    void requested(const QString& request, const prismara::InstanceChannel::Answer& answer);

private:
    void accept();

    int listener_ = -1;
    QSocketNotifier* incoming_ = nullptr;
    QString error_;
};

} // namespace prismara
