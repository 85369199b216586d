// A test section under a chosen C-library locale, with the locale before it restored afterwards:
// the programs take theirs from the desktop (Qt sets it at start), so a number that goes through
// the C library changes with it.
#pragma once
#include <clocale>
#include <string>

class ScopedLocale {
  public:
    explicit ScopedLocale(const char* name) : before_(std::setlocale(LC_ALL, nullptr)) {
        entered_ = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~ScopedLocale() { std::setlocale(LC_ALL, before_.c_str()); }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

    // False when the locale is not installed on this machine (the old one then still holds).
    bool entered() const { return entered_; }

  private:
    std::string before_;
    bool entered_ = false;
};
