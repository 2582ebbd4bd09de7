// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Downloads a remote file with Qt's network access, bypassing every cache, and waits for it
// in a local event loop (start-up asks before the window shows). A QCoreApplication (or
// QApplication) must exist; without one nothing is fetched.

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "run/ports.hpp"

class QNetworkAccessManager;

namespace brisvale {

class QtFetcher final : public Fetcher {
  public:
    static constexpr std::chrono::milliseconds kDefaultTimeout{4000};

    explicit QtFetcher(std::chrono::milliseconds timeout = kDefaultTimeout);
    ~QtFetcher() override;
    QtFetcher(const QtFetcher&) = delete;
    QtFetcher& operator=(const QtFetcher&) = delete;

    // The body, or nullopt on a network error, an HTTP status of 400 or above, or when the
    // whole file has not arrived within the timeout.
    std::optional<std::string> fetch(std::string_view url) override;

    std::chrono::milliseconds timeout() const { return timeout_; }

  private:
    std::chrono::milliseconds timeout_;
    std::unique_ptr<QNetworkAccessManager> manager_;
};

}  // namespace brisvale
