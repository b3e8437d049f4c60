#pragma once

#include <QChar>

// The about box's hidden mode: the letters of a fixed code typed in order while the box
// has the focus. A wrong letter starts the count again from nothing (the wrong letter is
// not taken as a first letter); once the whole code is typed, further keys leave it
// complete, so that Enter can still press OK.
inline constexpr char AccessCodeText[] = "quoxbet";
inline constexpr int AccessCodeLength = static_cast<int>(sizeof AccessCodeText) - 1;

class AccessCode {
public:
    void Reset() { count_ = 0; }
    void Press(QChar typed);
    // Letters matched so far, 0..AccessCodeLength.
    int Count() const { return count_; }
    bool Complete() const { return count_ == AccessCodeLength; }

private:
    qint16 count_ = 0;
};
