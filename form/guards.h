// The three input guards and the two ways a flow page shows its discharge.
// Qt-free: the pages hand in their controls' texts and get back what to show.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// Pipe page: every input must read as a non-zero number (negatives pass).
bool zeroGuardPasses(std::initializer_list<std::string_view> texts);

// Orifice page: every input must read as at least 0.001 (metres).
bool thresholdGuardPasses(std::initializer_list<std::string_view> texts);

// Notch pages: every box must hold some text, whatever it reads as.
bool emptyTextGuardPasses(std::initializer_list<std::string_view> texts);

// The discharge in m³/s ("#0.000") and in l/s ("#0.00").
struct FlowCaptions {
    std::string cumec;
    std::string liter;
};

// l/s from the unrounded discharge: 0.0123456 shows 0.012 and 12.35.
std::optional<FlowCaptions> directPair(double q);

// l/s read back from the m³/s text just written: 0.0123456 shows 0.012 and 12.00.
std::optional<FlowCaptions> readBackPair(double q);
