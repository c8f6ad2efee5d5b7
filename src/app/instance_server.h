#pragma once
// The first instance's end of the wake-up channel: a local socket that turns each message a
// second instance sends into a call of the handler on the user-interface thread.

#include <QObject>

#include <cstdint>
#include <filesystem>
#include <functional>

class QLocalServer;
class QLocalSocket;

namespace ferrox {

class InstanceServer : public QObject {
public:
    using Handler = std::function<void(unsigned message)>;
    // A request other than the wake-up, answered true (done) or false (could not be done).
    using RequestHandler = std::function<bool(unsigned message, uint32_t wParam, uint32_t lParam)>;

    explicit InstanceServer(Handler handler, QObject* parent = nullptr);

    // Call only while holding the instance lock: a socket file left by a crashed run is
    // removed first. False when the socket cannot be made (the program runs on without it).
    bool listen(const std::filesystem::path& socketPath);
    // Without one, every request but the wake-up is dropped unanswered.
    void setRequestHandler(RequestHandler handler) { requests_ = std::move(handler); }

private:
    void accept();
    void read(QLocalSocket* socket);

    Handler handler_;
    RequestHandler requests_;
    QLocalServer* server_;
};

} // namespace ferrox
