#pragma once
// Real servers on 127.0.0.1 for the fetcher tests, stopped when the test ends.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <map>
#include <string>

namespace brisvale::test {

using Files = std::map<std::string, std::string>;

// A folder of files served over HTTP by a python process, or over HTTPS with a certificate
// and its key.
class LocalSite {
  public:
    explicit LocalSite(const Files& files, const QString& certificate = {}, const QString& key = {})
        : scheme_(certificate.isEmpty() ? "http" : "https") {
        for (const auto& [path, body] : files) {
            const QString full = folder_.filePath(QString::fromStdString(path));
            QDir().mkpath(QFileInfo(full).absolutePath());
            QFile file(full);
            if (file.open(QIODevice::WriteOnly)) {
                file.write(body.data(), static_cast<qint64>(body.size()));
            }
        }
        QStringList arguments = {QStringLiteral(BRISVALE_SERVE_SCRIPT), folder_.path()};
        if (!certificate.isEmpty()) arguments << certificate << key;
        server_.start(QStringLiteral(BRISVALE_PYTHON), arguments);
        if (server_.waitForStarted(10000) && server_.waitForReadyRead(10000)) {
            port_ = server_.readLine().trimmed().toInt();
        }
    }
    ~LocalSite() {
        // The server ends when its input closes; kill it if it does not.
        server_.closeWriteChannel();
        if (!server_.waitForFinished(5000)) {
            server_.kill();
            server_.waitForFinished(5000);
        }
    }
    LocalSite(const LocalSite&) = delete;
    LocalSite& operator=(const LocalSite&) = delete;

    bool running() const { return port_ > 0; }
    std::string address() const { return scheme_ + "://127.0.0.1:" + std::to_string(port_); }

  private:
    std::string scheme_;
    QTemporaryDir folder_;
    QProcess server_;
    int port_ = 0;
};

// Accepts connections and never answers them.
class SilentSite {
  public:
    SilentSite() { server_.listen(QHostAddress::LocalHost, 0); }
    bool running() const { return server_.isListening(); }
    std::string address() const {
        return "http://127.0.0.1:" + std::to_string(server_.serverPort());
    }

  private:
    QTcpServer server_;
};

// A port nobody listens on (just freed).
inline int closedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const int port = probe.serverPort();
    probe.close();
    return port;
}

}  // namespace brisvale::test
