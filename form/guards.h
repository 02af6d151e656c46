// The three input guards: whether a page's texts are fit to compute with.
// Qt-free: the pages hand in their controls' texts and get back yes or no.
#pragma once

#include <initializer_list>
#include <string_view>

// Pipe page: every input must read as a non-zero number (negatives pass).
bool zeroGuardPasses(std::initializer_list<std::string_view> texts);

// Orifice page: every input must read as at least 0.001 (metres).
bool thresholdGuardPasses(std::initializer_list<std::string_view> texts);

// Notch pages: every box must hold some text, whatever it reads as.
bool emptyTextGuardPasses(std::initializer_list<std::string_view> texts);
