// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The run file that keeps an open run for the next session.

#include "advisor/advisor_types.hpp"

namespace brisvale {

struct Desk;

class RunFileKeeper {
  public:
    explicit RunFileKeeper(Desk& desk);
    RunFileKeeper(const RunFileKeeper&) = delete;
    RunFileKeeper& operator=(const RunFileKeeper&) = delete;

    // The run file.
    bool runOpen() const;
    // `closing`: the undo history goes with the run, for the next session.
    bool writeRunFile(bool closing = false);
    void offerResume();
    void markRunDirty();
    // Writes the run file when the run changed: the open run, or no file once it ended.
    void flush();

  private:
    Desk& d_;
    PlayState& s_;
    Ports& ports_;
    Settings& settings_;
    DebugLog& log_;
};

}  // namespace brisvale
