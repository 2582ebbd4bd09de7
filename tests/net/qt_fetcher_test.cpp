// SPDX-License-Identifier: GPL-3.0-or-later
// The fetcher against real servers on 127.0.0.1: a python server over HTTP and HTTPS, a server
// that never answers, and a port nobody listens on.

#include "net/qt_fetcher.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTcpServer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace brisvale::testing {
namespace {

// A folder of files served until the test ends.
class LocalSite {
  public:
    explicit LocalSite(const std::map<std::string, std::string>& files, QStringList tls = {}) {
        for (const auto& [path, body] : files) {
            const QString full = folder_.filePath(QString::fromStdString(path));
            QDir().mkpath(QFileInfo(full).absolutePath());
            QFile file(full);
            if (file.open(QIODevice::WriteOnly)) file.write(body.data(), std::ssize(body));
        }
        server_.start(BRISVALE_PYTHON, QStringList{BRISVALE_SERVE_SCRIPT, folder_.path()} + tls);
        if (server_.waitForReadyRead(10000)) port_ = server_.readLine().trimmed().toInt();
        scheme_ = tls.isEmpty() ? "http" : "https";
    }
    ~LocalSite() {
        server_.closeWriteChannel();  // the server ends when its input closes
        if (!server_.waitForFinished(5000)) server_.kill();
        server_.waitForFinished(5000);
    }
    std::string address() const { return scheme_ + "://127.0.0.1:" + std::to_string(port_); }

  private:
    QTemporaryDir folder_;
    QProcess server_;
    int port_ = 0;
    std::string scheme_;
};

TEST(QtFetcher, FetchesWholeBodiesAndNothingOnFailure) {
    const std::string body = "line one\r\nline two\r\ncaf\xE9 \x01\x7F end";
    const LocalSite site({{"file.txt", body}, {"empty.txt", ""}});
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost, 0);
    const std::string nobody = "http://127.0.0.1:" + std::to_string(closed.serverPort()) + "/x";
    closed.close();
    QtFetcher fetcher;
    EXPECT_EQ(fetcher.fetch(site.address() + "/file.txt"), body);
    EXPECT_EQ(fetcher.fetch(site.address() + "/empty.txt"), "");
    for (const std::string& url : {site.address() + "/missing.txt", site.address() + "/sub/",
                                   nobody, std::string("not a url"), std::string()}) {
        EXPECT_EQ(fetcher.fetch(url), std::nullopt) << url;
    }
    // A stale copy of the settings would be worse than none.
    const auto headers = fetcher.fetch(site.address() + "/echo-headers").value_or("");
    EXPECT_NE(headers.find("Cache-Control: no-cache"), std::string::npos) << headers;
    EXPECT_NE(headers.find("Pragma: no-cache"), std::string::npos) << headers;
}

// A body longer than any remote file is not read on: with a length given, at its limit, or
// without one and without end, long before the timeout.
TEST(QtFetcher, ABodyPastTheLimitIsRefusedWithoutReadingItAll) {
    const std::string most(Fetcher::kMostBytes, 'a');
    const LocalSite site({{"most.txt", most}, {"over.txt", most + "b"}});
    QtFetcher fetcher(std::chrono::milliseconds(60000));
    EXPECT_EQ(fetcher.fetch(site.address() + "/most.txt"), most);
    EXPECT_EQ(fetcher.fetch(site.address() + "/over.txt"), std::nullopt);
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(fetcher.fetch(site.address() + "/endless"), std::nullopt);
    EXPECT_LT(timer.elapsed(), 30000) << "ended by the limit, not by the timeout";
}

// HTTPS works where the platform has TLS, and a certificate nobody vouches for is refused.
TEST(QtFetcher, FetchesOverHttps) {
    if (!QSslSocket::supportsSsl()) GTEST_SKIP() << "no TLS on this platform";
    QTemporaryDir keys;
    const QString certificate = keys.filePath("cert.pem"), key = keys.filePath("key.pem");
    QProcess openssl;
    openssl.start("openssl",
                  {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                   "-nodes", "-days", "2", "-subj", "/CN=127.0.0.1", "-addext",
                   "subjectAltName=IP:127.0.0.1", "-keyout", key, "-out", certificate});
    if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0) GTEST_SKIP() << "no openssl";
    const LocalSite site({{"file.txt", "secret"}}, {certificate, key});
    EXPECT_EQ(QtFetcher().fetch(site.address() + "/file.txt"), std::nullopt);
    const QSslConfiguration before = QSslConfiguration::defaultConfiguration();
    QSslConfiguration trusting = before;
    trusting.addCaCertificates(certificate);
    QSslConfiguration::setDefaultConfiguration(trusting);
    EXPECT_EQ(QtFetcher().fetch(site.address() + "/file.txt"), "secret");
    QSslConfiguration::setDefaultConfiguration(before);
}

TEST(QtFetcher, ASiteThatNeverAnswersTimesOut) {
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    QtFetcher fetcher(std::chrono::milliseconds(300));
    EXPECT_EQ(fetcher.fetch("http://127.0.0.1:" + std::to_string(silent.serverPort()) + "/f"),
              std::nullopt);
    EXPECT_EQ(QtFetcher().timeout(), std::chrono::milliseconds(4000));
}

}  // namespace
}  // namespace brisvale::testing

// The fetcher needs an application object for its event loop, as in the front ends.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
