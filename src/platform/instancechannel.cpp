// instancechannel.cpp - the local socket between copies of the program: a plain Unix stream socket
// watched by the event loop, so that no networking library is loaded at start-up.
#include "platform/instancechannel.h"

#include <QDeadlineTimer>
#include <QPointer>
#include <QScopeGuard>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace prismara {

namespace {

constexpr std::size_t kRequestLimit = 256; // bytes; a request is one short line

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Fills `address` for `path`; false (with errno set) when the path does not fit.
bool unixAddress(const QByteArray& path, sockaddr_un& address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof(address.sun_path)) {
        errno = ENAMETOOLONG;
        return false;
    }
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    return true;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    std::size_t done = 0;
    while (done < static_cast<std::size_t>(bytes.size())) {
        const ssize_t n = ::send(fd, bytes.constData() + done, static_cast<std::size_t>(bytes.size()) - done,
                                 MSG_NOSIGNAL);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN) {
                pollfd p{fd, POLLOUT, 0};
                ::poll(&p, 1, 1000);
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// One connected copy: gathers its request line, then waits for the answer.
class Peer : public QObject
{
public:
    Peer(int fd, QObject* parent) : QObject(parent), fd_(fd), notifier_(fd, QSocketNotifier::Read, this) {}
    ~Peer() override { ::close(fd_); }

    // Reads what arrived. Returns the request once its line is complete; closes the peer on end
    // of file, an error or a line longer than a request can be.
    std::optional<QString> read()
    {
        char chunk[kRequestLimit];
        for (;;) {
            const ssize_t n = ::recv(fd_, chunk, sizeof chunk, 0);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && errno == EAGAIN)
                return std::nullopt;
            if (n <= 0) {
                end();
                return std::nullopt;
            }
            buffer_.append(chunk, static_cast<std::size_t>(n));
            if (const std::size_t eol = buffer_.find('\n'); eol != std::string::npos) {
                // Only the answer is written from now on; the end of the sender is seen as an error then.
                notifier_.setEnabled(false);
                return QString::fromUtf8(buffer_.data(), static_cast<qsizetype>(eol)).trimmed();
            }
            if (buffer_.size() > kRequestLimit) {
                end();
                return std::nullopt;
            }
        }
    }

    void answer(const QString& line)
    {
        writeAll(fd_, line.toUtf8() + '\n');
        end();
    }

    QSocketNotifier& notifier() { return notifier_; }

private:
    void end()
    {
        notifier_.setEnabled(false);
        deleteLater();
    }

    int fd_;
    QSocketNotifier notifier_;
    std::string buffer_;
};

} // namespace

InstanceChannel::InstanceChannel(QObject* parent) : QObject(parent) {}

InstanceChannel::~InstanceChannel()
{
    if (listener_ >= 0)
        ::close(listener_);
}

bool InstanceChannel::listen(const QString& path)
{
    const QByteArray name = path.toLocal8Bit();
    const auto fail = [&](const char* what) {
        error_ = QStringLiteral("%1 %2: %3").arg(QLatin1String(what), path, systemReason(errno));
        if (listener_ >= 0)
            ::close(listener_);
        listener_ = -1;
        return false;
    };
    sockaddr_un address{};
    if (!unixAddress(name, address))
        return fail("cannot listen on");
    listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listener_ < 0)
        return fail("cannot make a socket for");
    const auto bindTo = [&] { return ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0; };
    // A socket left by a copy that ended: we hold the lock, so nobody else listens there.
    if (!bindTo() && !(errno == EADDRINUSE && ::unlink(name.constData()) == 0 && bindTo()))
        return fail("cannot listen on");
    // Connections are refused until listen(), so nobody else gets in before the mode is this user's.
    if (::chmod(name.constData(), S_IRUSR | S_IWUSR) != 0 || ::listen(listener_, 8) != 0)
        return fail("cannot listen on");
    incoming_ = new QSocketNotifier(listener_, QSocketNotifier::Read, this);
    connect(incoming_, &QSocketNotifier::activated, this, &InstanceChannel::accept);
    return true;
}

void InstanceChannel::accept()
{
    for (;;) {
        const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR)
                continue;
            return; // EAGAIN: no more waiting; anything else is the sender's trouble
        }
        auto* peer = new Peer(fd, this);
        connect(&peer->notifier(), &QSocketNotifier::activated, this, [this, peer] {
            const std::optional<QString> request = peer->read();
            if (!request)
                return;
            QPointer<Peer> to(peer);
            emit requested(*request, [to](const QString& line) {
                if (to)
                    to->answer(line);
            });
        });
    }
}

std::optional<QString> InstanceChannel::send(const QString& path, const QString& request, bool wantAnswer,
                                             QString& error, int connectMs)
{
    sockaddr_un address{};
    if (!unixAddress(path.toLocal8Bit(), address)) {
        error = QStringLiteral("the running copy of the program could not be reached at %1 (%2)")
                    .arg(path, systemReason(errno));
        return std::nullopt;
    }
    // The running copy may still be starting: it takes the lock before it listens.
    const QDeadlineTimer deadline(connectMs);
    int fd = -1;
    for (;;) {
        fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0)
            break;
        const int reason = errno;
        if (fd >= 0)
            ::close(fd);
        if (deadline.hasExpired()) {
            error = QStringLiteral("the running copy of the program could not be reached at %1 (%2)")
                        .arg(path, systemReason(reason));
            return std::nullopt;
        }
        ::usleep(100 * 1000);
    }
    const auto closing = qScopeGuard([fd] { ::close(fd); });
    if (!writeAll(fd, request.toUtf8() + '\n')) {
        error = QStringLiteral("the request could not be handed to the running copy (%1)").arg(systemReason(errno));
        return std::nullopt;
    }
    if (!wantAnswer)
        return QString();
    std::string line;
    char chunk[256];
    for (;;) {
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        line.append(chunk, static_cast<std::size_t>(n));
        if (line.find('\n') != std::string::npos)
            return QString::fromUtf8(line.data(), static_cast<qsizetype>(line.find('\n'))).trimmed();
    }
    error = QStringLiteral("the running copy ended without answering");
    return std::nullopt;
}

} // namespace prismara
