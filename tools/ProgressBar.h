// ProgressBar: the command's progress line on standard error, for long loads, saves and walks.
//
// It draws only when standard error is a terminal, so logs and pipes get nothing, and redraws at
// most every 100 ms. The line is cleared when the bar is destroyed. One thread uses a bar.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "project/CProjectDocument.h"

namespace zxtool {

class ProgressBar {
public:
    // A bar labelled with what is going on ("loading p.zxp"); inactive when stderr is no terminal.
    explicit ProgressBar(std::string label);
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    void update(double fraction, std::string_view step);
    // A callback for the document's load and save that draws on this bar (or nothing).
    CDocumentProgress callback();

private:
    std::string m_label;
    bool m_active;
    bool m_drawn = false;
    std::chrono::steady_clock::time_point m_last{};
};

}  // namespace zxtool
