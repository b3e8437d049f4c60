#pragma once

#include <clocale>
#include <string>

// Sets the C library's number locale (LC_NUMERIC, which the application object takes from
// the environment at start) while it lives; the previous one comes back afterwards.
// Applied() is false when the machine lacks the locale (scripts/deps generates it).
class CNumericLocale {
public:
    explicit CNumericLocale(const char* name) {
        const char* current = std::setlocale(LC_NUMERIC, nullptr);
        saved_ = current ? current : "C";
        applied_ = std::setlocale(LC_NUMERIC, name) != nullptr;
    }
    ~CNumericLocale() { std::setlocale(LC_NUMERIC, saved_.c_str()); }
    CNumericLocale(const CNumericLocale&) = delete;
    CNumericLocale& operator=(const CNumericLocale&) = delete;

    bool Applied() const { return applied_; }

private:
    std::string saved_;
    bool applied_ = false;
};
