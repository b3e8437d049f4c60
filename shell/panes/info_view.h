#pragma once

#include "data/dataset.h"

#include <QColor>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// The information pane's status block: the instrument's monitoring state and the link.
struct InfoStatus {
    QString MonitorText;
    QColor MonitorBack; // background of the monitoring label
    QString CommText;
    QColor CommColour; // text colour of the link label
    friend bool operator==(const InfoStatus&, const InfoStatus&) = default;
};

// Everything the information pane shows. The median and the two pictures belong to the
// data set: the live block leaves them as they were (empty optionals).
struct InfoView {
    QString ShortId;
    QString LongId;
    QString Step;
    QString Source;
    QString Count;
    QString Start;
    QString End;
    QString Min;
    QString Max;
    QString Mean;
    std::optional<QString> Median;
    std::optional<bool> DataPresent;
    std::optional<bool> Saved;
    InfoStatus Status;
    friend bool operator==(const InfoView&, const InfoView&) = default;
};

// The live readings as the pane shows them.
struct LiveInfo {
    QString IdShort;
    QString IdLong;
    bool Active = false; // polling
    qint32 Count = 0;    // readings since the last start
    QString SourceName;
    QDateTime Start;
    qint32 Step = 0;
    QString StepUnit;
    float Min = 0, Max = 0, Mean = 0;
};

// MonitorState 1 programmed or running, 0 none or ended, anything else unknown.
InfoStatus StatusView(int monitorState, bool connected);
// The pane filled from the data set ("---" for every figure while none is loaded or,
// for the statistics, while it has no available sample).
InfoView DataInfoView(const DataSet& data, int monitorState, bool connected,
                      const QLocale& locale = QLocale());
// The pane filled from the live readings ("---" while not polling, and for the end and the
// figures until the first reading).
InfoView LiveInfoView(const LiveInfo& live, int monitorState, bool connected,
                      const QLocale& locale = QLocale());
// The name of a step unit by its interval letter; empty for any other letter.
QString StepUnitName(const QString& letter);

// The widest texts the pane's value column can be asked to show in the current language:
// Data for the data block (identification, count, source, dates, step, figures), Status
// for the instrument block. The pane opens wide enough for every one of them.
struct InfoWidestTexts {
    QStringList Data;
    QStringList Status;
};
InfoWidestTexts WidestInfoTexts(const QLocale& locale = QLocale());
