#include "ProgressBar.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace zxtool {

ProgressBar::ProgressBar(std::string label)
    : m_label(std::move(label)), m_active(::isatty(STDERR_FILENO) == 1) {}

ProgressBar::~ProgressBar() {
    if (m_drawn) std::fputs("\r\033[K", stderr);
}

void ProgressBar::update(double fraction, std::string_view step) {
    if (!m_active) return;
    const auto now = std::chrono::steady_clock::now();
    if (m_drawn && fraction < 1.0 && now - m_last < std::chrono::milliseconds(100)) return;
    m_last = now;
    constexpr int width = 30;
    const int filled = static_cast<int>(std::clamp(fraction, 0.0, 1.0) * width);
    std::fprintf(stderr, "\r\033[K%s [%.*s%*s] %3d%% %.*s", m_label.c_str(), filled,
                 "##############################", width - filled, "",
                 static_cast<int>(std::clamp(fraction, 0.0, 1.0) * 100),
                 static_cast<int>(step.size()), step.data());
    std::fflush(stderr);
    m_drawn = true;
}

CDocumentProgress ProgressBar::callback() {
    if (!m_active) return {};
    return [this](double fraction, std::string_view step) { update(fraction, step); };
}

}  // namespace zxtool
