#pragma once

#include <QDateTime>

#include <functional>

// The one question the download asks the user: the start time of a session whose memory
// image holds no start time that can be read. The shell sets it (the date dialog); while
// it is empty nobody is asked and the start stays as the stamp decodes.
struct UploadHooks {
    // The date and time the user gives, or NoDateAnswer() when the user gave none.
    std::function<QDateTime()> AskStartDate;
};
UploadHooks& UploadHook();

// What a date question answers when the user gave no date: 1 January 2001 00:00:00.
QDateTime NoDateAnswer();
