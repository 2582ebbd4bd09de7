// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The run file that keeps an open run for the next session.

#include "advisor/part.hpp"

namespace brisvale {

class RunFileKeeper : public Part {
  public:
    using Part::Part;

    // The run file.
    bool runOpen() const;
    // `closing`: the undo history goes with the run, for the next session.
    bool writeRunFile(bool closing = false);
    void offerResume();
    void markRunDirty();
    // Writes the run file when the run changed: the open run, or no file once it ended.
    void flush();
};

}  // namespace brisvale
