// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/qt_fetcher.hpp"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace brisvale {

namespace {

QNetworkRequest freshRequest(const QUrl& url) {
    QNetworkRequest request(url);
    // A stale copy of the settings would be worse than none.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setRawHeader("Cache-Control", "no-cache");
    request.setRawHeader("Pragma", "no-cache");
    return request;
}

bool succeeded(const QNetworkReply& reply) {
    if (reply.error() != QNetworkReply::NoError) return false;
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    return !status.isValid() || status.toInt() < 400;
}

struct ReplyDeleter {
    void operator()(QNetworkReply* reply) const {
        if (!reply->isFinished()) reply->abort();
        delete reply;
    }
};

}  // namespace

QtFetcher::QtFetcher(std::chrono::milliseconds timeout)
    : timeout_(timeout), manager_(std::make_unique<QNetworkAccessManager>()) {}

QtFetcher::~QtFetcher() = default;

std::optional<std::string> QtFetcher::fetch(std::string_view url) {
    if (QCoreApplication::instance() == nullptr) return std::nullopt;
    const QUrl address(QString::fromUtf8(url.data(), static_cast<qsizetype>(url.size())));
    if (!address.isValid() || address.isRelative()) return std::nullopt;

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    const std::unique_ptr<QNetworkReply, ReplyDeleter> reply(manager_->get(freshRequest(address)));
    // The body is taken as it comes, and the download ends as soon as it is longer than any
    // remote file: Qt would otherwise hold all of it.
    constexpr auto kMost = static_cast<qsizetype>(kMostBytes);
    reply->setReadBufferSize(64 * 1024);
    QByteArray body;
    bool tooLong = false;
    const auto take = [&] {
        body += reply->read(kMost + 1 - body.size());
        if (body.size() > kMost ||
            reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > kMost) {
            tooLong = true;
            loop.quit();
        }
    };
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, take);
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, &loop, take);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(timeout_);
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (tooLong || !reply->isFinished() || !succeeded(*reply)) return std::nullopt;
    take();
    if (tooLong) return std::nullopt;
    return std::string(body.constData(), static_cast<std::size_t>(body.size()));
}

}  // namespace brisvale
