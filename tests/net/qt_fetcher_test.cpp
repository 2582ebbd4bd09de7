#include "net/qt_fetcher.hpp"

#include <QElapsedTimer>
#include <QSslConfiguration>
#include <QSslSocket>

#include <gtest/gtest.h>

#include "net/local_servers.hpp"
#include "remote/remote_startup.hpp"
#include "remote/remote_text.hpp"
#include "support/ports.hpp"

namespace brisvale {
namespace {

using test::LocalSite;
using testing::Box;
using testing::FakeBrowser;
using testing::FakeDialogs;

const std::string kCasinoText =
    "Golden Wheel , www.golden.example\r\n---\r\nLucky Ball,lucky.example\r\n";

test::Files goodFiles() {
    return {{"firewall.html", "<html><body>Brisvale can reach its site.</body></html>"},
            {"settings15.html", test::onePerLine(test::siteValues(), "\r\n")},
            {"casinos/casinomenu.txt", kCasinoText}};
}

TEST(QtFetcher, FetchesTheBodyByteForByte) {
    const std::string body = "line one\r\nline two\r\ncaf\xE9 \x01\x7F end";
    LocalSite site(test::Files{{"file.txt", body}});
    ASSERT_TRUE(site.running());
    QtFetcher fetcher;
    EXPECT_EQ(fetcher.fetch(site.address() + "/file.txt"), body);
}

TEST(QtFetcher, AsksForAFreshCopy) {
    LocalSite site(test::Files{});
    ASSERT_TRUE(site.running());
    QtFetcher fetcher;
    const auto headers = fetcher.fetch(site.address() + "/echo-headers");
    ASSERT_TRUE(headers);
    EXPECT_NE(headers->find("Cache-Control: no-cache"), std::string::npos) << *headers;
    EXPECT_NE(headers->find("Pragma: no-cache"), std::string::npos) << *headers;
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
    LocalSite site(test::Files{{"file.txt", "secret"}}, certificate, key);
    ASSERT_TRUE(site.running());
    EXPECT_FALSE(QtFetcher().fetch(site.address() + "/file.txt"));
    const QSslConfiguration before = QSslConfiguration::defaultConfiguration();
    QSslConfiguration trusting = before;
    trusting.addCaCertificates(certificate);
    QSslConfiguration::setDefaultConfiguration(trusting);
    EXPECT_EQ(QtFetcher().fetch(site.address() + "/file.txt"), "secret");
    QSslConfiguration::setDefaultConfiguration(before);
}

TEST(QtFetcher, FailuresAreNoBody) {
    LocalSite site(test::Files{{"present.txt", "here"}});
    ASSERT_TRUE(site.running());
    QtFetcher fetcher;
    for (const std::string& url :
         {site.address() + "/missing.txt", site.address() + "/casinos/",
          "http://127.0.0.1:" + std::to_string(test::closedPort()) + "/present.txt",
          std::string("not a url"), std::string()}) {
        SCOPED_TRACE(url);
        EXPECT_FALSE(fetcher.fetch(url));
    }
    EXPECT_EQ(fetcher.fetch(site.address() + "/present.txt"), "here");
}

TEST(QtFetcher, AnEmptyFileIsAnEmptyBody) {
    LocalSite site(test::Files{{"empty.txt", ""}});
    ASSERT_TRUE(site.running());
    QtFetcher fetcher;
    EXPECT_EQ(fetcher.fetch(site.address() + "/empty.txt"), std::string());
}

TEST(RemoteStartupOverHttp, GoodSite) {
    LocalSite site(goodFiles());
    ASSERT_TRUE(site.running());
    QtFetcher fetcher;
    FakeDialogs dialogs;
    FakeBrowser browser;
    const RemoteStartup startup = loadRemote(&fetcher, site.address() + "/", dialogs, browser);
    EXPECT_FALSE(startup.usedBuiltIn);
    EXPECT_EQ(startup.settings.appTitle, "Site Title");
    EXPECT_EQ(startup.settings.chipHeight, 410);
    EXPECT_EQ(startup.settings.wageringFile, "site-wagering.txt");
    const std::vector<CasinoSite> casinos = {{"Golden Wheel", "www.golden.example"},
                                             {"Lucky Ball", "lucky.example"}};
    EXPECT_EQ(startup.casinos, casinos);
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_TRUE(browser.opened.empty());
}

TEST(RemoteStartupOverHttp, SiteInASubfolder) {
    test::Files files;
    for (const auto& [path, body] : goodFiles()) files["bv/" + path] = body;
    LocalSite site(files);
    ASSERT_TRUE(site.running());
    QtFetcher fetcher;
    FakeDialogs dialogs;
    FakeBrowser browser;
    const RemoteStartup startup = loadRemote(&fetcher, site.address() + "/bv", dialogs, browser);
    EXPECT_FALSE(startup.usedBuiltIn);
    EXPECT_EQ(startup.casinos.size(), 2u);
}

TEST(RemoteStartupOverHttp, SiteWithoutTheTestPage) {
    auto files = goodFiles();
    files.erase("firewall.html");
    LocalSite site(files);
    ASSERT_TRUE(site.running());
    QtFetcher fetcher;
    FakeDialogs dialogs;
    FakeBrowser browser;
    const RemoteStartup startup = loadRemote(&fetcher, site.address(), dialogs, browser);
    const std::string testPage = site.address() + "/firewall.html";
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "Brisvale");
    EXPECT_NE(dialogs.boxes[0].text.find("\r\n\r\n" + testPage + "\r\n\r\n"), std::string::npos);
    EXPECT_EQ(browser.opened, std::vector<std::string>{testPage});
    EXPECT_TRUE(startup.usedBuiltIn);
    EXPECT_EQ(startup.settings.items, builtInRemoteSettings().items);
    EXPECT_TRUE(startup.casinos.empty());
}

TEST(RemoteStartupOverHttp, SiteWithAShortSettingsFile) {
    auto files = goodFiles();
    const auto values = test::siteValues();
    files["settings15.html"] =
        test::onePerLine(std::vector<std::string>(values.begin(), values.begin() + 12), "\r\n");
    LocalSite site(files);
    ASSERT_TRUE(site.running());
    QtFetcher fetcher;
    FakeDialogs dialogs;
    FakeBrowser browser;
    const RemoteStartup startup = loadRemote(&fetcher, site.address(), dialogs, browser);
    EXPECT_EQ(dialogs.boxes,
              (std::vector<Box>{{"message", "Site Title", "Cannot apply settings."}}));
    EXPECT_EQ(browser.opened, std::vector<std::string>{"http://www.vendor.example/help"});
    EXPECT_TRUE(startup.usedBuiltIn);
    EXPECT_EQ(startup.settings.appTitle, "Brisvale");
    EXPECT_EQ(startup.casinos.size(), 2u);
}

TEST(RemoteStartupOverHttp, SiteThatNeverAnswers) {
    test::SilentSite site;
    ASSERT_TRUE(site.running());
    QtFetcher fetcher;
    FakeDialogs dialogs;
    FakeBrowser browser;
    QElapsedTimer clock;
    clock.start();
    const RemoteStartup startup = loadRemote(&fetcher, site.address(), dialogs, browser);
    const qint64 elapsedMs = clock.elapsed();
    RecordProperty("loadRemoteMs", std::to_string(elapsedMs));
    std::printf("never-answering site: loadRemote returned after %lld ms (timeout %lld ms)\n",
                static_cast<long long>(elapsedMs),
                static_cast<long long>(fetcher.timeout().count()));
    // A sanity bound only: the point is that start-up goes on at all.
    EXPECT_LT(elapsedMs, 30000);
    EXPECT_TRUE(startup.usedBuiltIn);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, firewallMessage(site.address() + "/firewall.html"));
    EXPECT_EQ(browser.opened, std::vector<std::string>{site.address() + "/firewall.html"});
}

}  // namespace
}  // namespace brisvale
